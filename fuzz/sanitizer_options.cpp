// AddressSanitizer's defaults for the fuzz targets: allocation and free
// stacks of 2 frames instead of 30 (recording them is the dearest part of an
// allocation; 2 still name the caller of the allocating call) and a
// quarantine of 32 MB, far more than one input frees. Every check stays on,
// and a report gives the whole stack of the bad access. For the whole
// allocation stack too, replay the crashing input with
// ASAN_OPTIONS=malloc_context_size=30.
extern "C" const char* __asan_default_options() { return "malloc_context_size=2:quarantine_size_mb=32"; }
