// The host's panel model over a big folder, against the least any reader can
// do on this machine:
//   folder_baseline  one getdents64 loop over the folder plus one fstatat per
//                    entry, relative to the open folder; nothing kept
//   folder_read      the panel model moved to that folder (command 16): the
//                    folder read, its entries sorted by name
//   folder_move      one Down in the plugin's view list, plugin loaded into
//                    the emulator as the interactive host loads it: two views
//                    of the folder alternate, so each move reads it again,
//                    hands the plugin the panel, and takes back the selection
// The folder lives under the build folder (bench-folders/, made on the first
// run and kept; TOLVIK_BENCH_FOLDERS names another place, so that two builds
// can read the same folder); its files are sparse, so the page cache holds it.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "emulator/host.h"
#include "host/constants.h"
#include "winshim.h"

namespace tolvik::bench {
namespace {

namespace fs = std::filesystem;

// The drive root of the bench's folders; drive C: maps to it.
fs::path folders_root() {
    static const fs::path root = [] {
        const char* chosen = std::getenv("TOLVIK_BENCH_FOLDERS");
        fs::path path = chosen && *chosen ? chosen : TOLVIK_BENCH_FOLDERS;
        fs::create_directories(path);
        winshim_map_drive('C', path.string().c_str());
        return path;
    }();
    return root;
}

// Names of mixed case and extensions, so that sorting by name has folding to
// do; sizes vary, so sorting by size does too.
std::string file_name(int i) {
    static const char* const patterns[] = {"IMG_%06d.JPG", "photo-%06d.jpeg", "Report %06d.pdf",
                                           "notes_%06d.txt", "Data.%06d.CSV"};
    char name[64];
    std::snprintf(name, sizeof name, patterns[i % 5], (i * 7919) % 1000003);
    return name;
}

// "C:\files<count>": a folder of `count` files, made once.
std::string folder_of(int count) {
    std::string leaf = "files" + std::to_string(count);
    fs::path folder = folders_root() / leaf;
    fs::path done = folders_root() / (leaf + ".done");
    if (!fs::exists(done)) {
        fs::remove_all(folder);
        fs::create_directories(folder);
        for (int i = 0; i < count; ++i) {
            std::string path = (folder / file_name(i)).string();
            int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 || ::ftruncate(fd, static_cast<off_t>(i % 4096) * 37) != 0)
                throw std::runtime_error("cannot make " + path);
            ::close(fd);
        }
        fs::create_directories(folder / "subfolder");
        std::FILE* f = std::fopen(done.string().c_str(), "w");
        if (f) std::fclose(f);
    }
    return "C:\\" + leaf;
}

// The folder as the other panel shows it.
std::string small_folder() {
    fs::create_directories(folders_root() / "small" / "sub");
    return "C:\\small";
}

struct linux_dirent64 {
    uint64_t d_ino;
    int64_t d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[1];
};

void folder_baseline(benchmark::State& state) {
    const std::string folder =
        (folders_root() / folder_of(static_cast<int>(state.range(0))).substr(3)).string();
    std::vector<char> buffer(1 << 16);
    for (auto _ : state) {
        int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        uint64_t total = 0;
        long got;
        while ((got = ::syscall(SYS_getdents64, fd, buffer.data(), buffer.size())) > 0) {
            for (long at = 0; at < got;) {
                const auto* entry = reinterpret_cast<const linux_dirent64*>(buffer.data() + at);
                at += entry->d_reclen;
                const char* name = entry->d_name;
                if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) continue;
                struct stat64 st;
                if (::fstatat64(fd, name, &st, 0) == 0) total += static_cast<uint64_t>(st.st_size);
            }
        }
        ::close(fd);
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void folder_read(benchmark::State& state) {
    const std::string folder = folder_of(static_cast<int>(state.range(0)));
    emu::panel_model panel;
    for (auto _ : state) {
        if (!panel.set_directory(folder)) state.SkipWithError("the folder cannot be read");
        benchmark::DoNotOptimize(panel.items().data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void folder_move(benchmark::State& state) {
    const std::string folder = folder_of(static_cast<int>(state.range(0)));
    emu::host host;
    if (!host.load(TOLVIK_BENCH_PLUGIN) || !host.load_language(TOLVIK_BENCH_LANGUAGE)) {
        state.SkipWithError("the plugin or its language cannot be loaded");
        return;
    }
    host.panels().lay_out(80, 25);
    host.panels().left().set_directory(folder);
    host.panels().right().set_directory(small_folder());
    host.set_startup_info();  // views 1 and 2: both panels

    // A third view: made at the fallback folder, then the active panel goes
    // back to the big folder with another cursor and a selection, which the
    // next opening captures. The list then holds the two views of the big
    // folder and the right panel's (disabled): each Down moves between the two.
    host.input().keys({key::ctrl | key::shift | key::f3, key::enter});
    host.open_plugin();
    emu::panel_model& active = host.panels().active();
    active.set_directory(folder);
    for (size_t i = 1; i < active.size(); i += 97) active.set_selected(i, true);
    active.move_cursor(static_cast<int32_t>(active.size() / 2));

    bool closing = false;
    host.input().set_source([&](emu::input_event& event) {
        if (closing) return false;
        event = {emu::input_kind::key, key::down};
        if (state.KeepRunning()) return true;
        event.code = key::esc;
        closing = true;
        return true;
    });
    host.open_plugin();
    host.input().set_source(nullptr);
    if (!host.failures().empty()) state.SkipWithError(host.failures().front().c_str());
    host.exit_far();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(folder_baseline)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(folder_read)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(folder_move)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tolvik::bench

BENCHMARK_MAIN();
