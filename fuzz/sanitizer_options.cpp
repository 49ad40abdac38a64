// AddressSanitizer's defaults for the fuzz targets: allocation and free
// stacks of 4 frames instead of 30 (recording them is the dearest part of an
// allocation; 4 still name the caller of the allocating call) and a
// quarantine of 32 MB, far more than one input frees. Every check stays on.
// For a full report of a crashing input, replay it with
// ASAN_OPTIONS=malloc_context_size=30.
extern "C" const char* __asan_default_options() { return "malloc_context_size=4:quarantine_size_mb=32"; }
