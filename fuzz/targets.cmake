# The fuzz targets, listed once: fuzz/CMakeLists.txt builds fuzz_<name> from
# fuzz/<name>.cpp and runs each as a test, tests/fuzz_corpus replays each
# one's corpus in the ordinary Linux builds, and the fuzz build writes the
# list to fuzz/targets.txt for scripts/fuzz-campaign.sh.
set(TOLVIK_FUZZ_TARGETS panel_records dialog_events language_texts terminal_keys language_files host_session)

# The longest input each target is given. Short inputs keep a target fast;
# records and texts need room for huge fields; a session's step takes 2 to 20
# bytes (docs/reliability.md has the measurements).
set(TOLVIK_FUZZ_MAX_LEN_panel_records 8192)
set(TOLVIK_FUZZ_MAX_LEN_dialog_events 192)
set(TOLVIK_FUZZ_MAX_LEN_language_texts 4096)
set(TOLVIK_FUZZ_MAX_LEN_terminal_keys 512)
set(TOLVIK_FUZZ_MAX_LEN_language_files 4096)
set(TOLVIK_FUZZ_MAX_LEN_host_session 128)
