// A fuzz target's committed corpus replayed without libFuzzer: every file of
// the folders given, in name order, is handed to the target's
// LLVMFuzzerTestOneInput as libFuzzer hands an input over (a heap block of
// exactly its size). A broken check of the target aborts, and a sanitizer
// ends the process; either way the file being replayed is named last.
// Exit 0 when every input passed; a folder without inputs fails, so that a
// moved corpus does not pass unnoticed.
//   replay_<target> FOLDER...
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "emulator/text_file.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
// Optional in a target, as with libFuzzer.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

// The input being replayed, for the handlers below (no allocation there).
char replaying[4096];

void name_input() {
    const char prefix[] = "\n*** while replaying ";
    (void)!write(STDERR_FILENO, prefix, sizeof prefix - 1);
    (void)!write(STDERR_FILENO, replaying, std::strlen(replaying));
    (void)!write(STDERR_FILENO, "\n", 1);
}

void on_signal(int number) {
    name_input();
    signal(number, SIG_DFL);
    raise(number);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER...\n", argv[0]);
        return 2;
    }
    signal(SIGABRT, on_signal);
    signal(SIGSEGV, on_signal);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(name_input);
#endif
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    for (int arg = 1; arg < argc; ++arg) {
        std::vector<std::filesystem::path> files;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(argv[arg], error))
            if (entry.is_regular_file()) files.push_back(entry.path());
        if (error || files.empty()) {
            std::fprintf(stderr, "%s: no inputs%s%s\n", argv[arg], error ? ": " : "",
                         error ? error.message().c_str() : "");
            return 1;
        }
        std::sort(files.begin(), files.end());
        auto start = std::chrono::steady_clock::now();
        for (const auto& file : files) {
            std::snprintf(replaying, sizeof replaying, "%s", file.c_str());
            std::optional<std::string> bytes = tolvik::emu::read_text_file(file.string());
            if (!bytes) {
                std::fprintf(stderr, "%s: unreadable\n", replaying);
                return 1;
            }
            std::unique_ptr<uint8_t[]> input(new uint8_t[bytes->size()]);
            std::memcpy(input.get(), bytes->data(), bytes->size());
            LLVMFuzzerTestOneInput(input.get(), bytes->size());
        }
        std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::printf("%s: %zu inputs passed in %.1f s\n", argv[arg], files.size(), took.count());
    }
    return 0;
}
