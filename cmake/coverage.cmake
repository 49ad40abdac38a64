# gcov instrumentation of everything (the preset builds it unoptimised, so that
# lines and branches map to the source); scripts/coverage.sh reads the counts.
add_compile_options(--coverage)
add_link_options(--coverage)
