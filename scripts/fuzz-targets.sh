# The fuzz targets and the longest input each is given (sourced by
# test-fuzz.sh and fuzz-campaign.sh). Short inputs keep a target fast: an
# event sequence of 192 bytes already walks some dozens of events (its merged
# corpus reaches the same edges cut to 192 bytes as at 256, and runs 1.4
# times as many inputs a second); records and texts need room for huge fields.
# A session's step takes 2 to 20 bytes: 256 bytes are some dozens of steps.
fuzz_targets=(panel_records dialog_events language_texts terminal_keys language_files host_session)
declare -A fuzz_max_len=([panel_records]=8192 [dialog_events]=192 [language_texts]=4096 [terminal_keys]=512
                         [language_files]=4096 [host_session]=256)
