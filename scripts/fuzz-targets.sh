# The fuzz targets, listed once, and the longest input each is given: sourced
# by test-fuzz.sh and fuzz-campaign.sh, read by fuzz/CMakeLists.txt to build
# fuzz_<name> for each. Short inputs keep a target fast; records and texts
# need room for huge fields; a session's step takes 2 to 20 bytes
# (docs/reliability.md has the measurements).
fuzz_targets=(panel_records dialog_events language_texts terminal_keys language_files host_session)
declare -A fuzz_max_len=([panel_records]=8192 [dialog_events]=192 [language_texts]=4096 [terminal_keys]=512
                         [language_files]=4096 [host_session]=128)
