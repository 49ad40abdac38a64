#include "folders.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <system_error>

#if !defined(_WIN32)
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "win_path.h"

namespace tolvik::emu {
namespace fs = std::filesystem;
namespace {

// 100 ns intervals between 1601-01-01 and 1970-01-01.
constexpr uint64_t unix_epoch_in_file_time = 116444736000000000ull;

uint64_t file_time_since_unix(int64_t ticks) {
    int64_t value = ticks + static_cast<int64_t>(unix_epoch_in_file_time);
    return value < 0 ? 0 : static_cast<uint64_t>(value);
}

#if defined(_WIN32)

uint64_t file_time(fs::file_time_type t) {
    auto since_unix = std::chrono::file_clock::to_sys(t).time_since_epoch();
    using ticks = std::chrono::duration<int64_t, std::ratio<1, 10000000>>;
    return file_time_since_unix(std::chrono::duration_cast<ticks>(since_unix).count());
}

// Windows: the directory iterator already carries what the listing found,
// so the entries cost no further call.
bool list_native(const std::string& native, std::vector<folder_entry>& out) {
    std::error_code ec;
    if (!fs::is_directory(fs::path(native), ec)) return false;
    fs::directory_iterator it(fs::path(native), fs::directory_options::skip_permission_denied, ec);
    if (ec) return false;
    out.clear();
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        folder_entry entry;
        entry.name = it->path().filename().string();
        std::error_code entry_ec;
        bool is_dir = it->is_directory(entry_ec);
        entry.attributes = is_dir ? attribute_directory : attribute_file;
        if (!is_dir) {
            uintmax_t size = it->file_size(entry_ec);
            entry.size = entry_ec ? 0 : static_cast<uint64_t>(size);
        }
        fs::file_time_type t = it->last_write_time(entry_ec);
        entry.write_time = entry_ec ? 0 : file_time(t);
        out.push_back(std::move(entry));
    }
    return true;
}

#else

// Closes the directory stream on every way out.
struct directory_stream {
    DIR* dir;
    ~directory_stream() {
        if (dir) ::closedir(dir);
    }
};

// POSIX: one pass over the directory stream and one fstatat per entry,
// relative to the open directory, so the kernel never walks the folder's
// path again. Links are followed; an entry whose target cannot be read
// lists as an empty file of time 0.
bool list_native(const std::string& native, std::vector<folder_entry>& out) {
    int fd = ::open(native.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    directory_stream stream{::fdopendir(fd)};
    if (!stream.dir) {
        ::close(fd);
        return false;
    }
    out.clear();
    while (const struct dirent64* found = ::readdir64(stream.dir)) {
        const char* name = found->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'))) continue;
        folder_entry& entry = out.emplace_back();
        win_path::name_from_native(name, entry.name);
        struct stat64 st;
        if (::fstatat64(fd, name, &st, 0) != 0) continue;
        bool is_dir = S_ISDIR(st.st_mode);
        entry.attributes = is_dir ? attribute_directory : attribute_file;
        entry.size = is_dir ? 0 : static_cast<uint64_t>(st.st_size);
        entry.write_time = file_time_since_unix(static_cast<int64_t>(st.st_mtim.tv_sec) * 10000000 +
                                                st.st_mtim.tv_nsec / 100);
    }
    return true;
}

#endif

class disk_source : public folder_source {
public:
    bool list(const std::string& path, std::vector<folder_entry>& out) const override {
        std::string native = win_path::native(path);
        return !native.empty() && list_native(native, out);
    }

    uint32_t attributes(const std::string& path) const override {
        std::string native = win_path::native(path);
        std::error_code ec;
        if (native.empty()) return attributes_missing;
        fs::file_status status = fs::status(fs::path(native), ec);
        if (ec || !fs::exists(status)) return attributes_missing;
        return fs::is_directory(status) ? attribute_directory : attribute_file;
    }
};

}  // namespace

const folder_source& disk_folders() {
    static const disk_source disk;
    return disk;
}

bool memory_folders::list(const std::string& path, std::vector<folder_entry>& out) const {
    auto it = folders_.find(path);
    if (it == folders_.end()) return false;
    out = it->second;
    return true;
}

uint32_t memory_folders::attributes(const std::string& path) const {
    if (folders_.count(path)) return attribute_directory;
    auto parent = folders_.find(win_path::parent(path));
    if (parent == folders_.end() || win_path::is_root(path)) return attributes_missing;
    std::string name = win_path::leaf(path);
    for (const folder_entry& entry : parent->second)
        if (entry.name == name) return entry.attributes;
    return attributes_missing;
}

folder_entry* memory_folders::find_entry(const std::string& parent, const std::string& name) {
    auto it = folders_.find(parent);
    if (it == folders_.end()) return nullptr;
    for (folder_entry& entry : it->second)
        if (entry.name == name) return &entry;
    return nullptr;
}

std::string memory_folders::add_folder(std::string_view path) {
    std::string full = win_path::resolve(path);
    if (!full.empty()) add_resolved_folder(full);
    return full;
}

void memory_folders::add_resolved_folder(const std::string& full) {
    if (folders_.count(full)) return;
    ++changes_;
    if (!win_path::is_root(full)) {
        std::string parent = win_path::parent(full);
        add_resolved_folder(parent);
        std::string name = win_path::leaf(full);
        if (folder_entry* existing = find_entry(parent, name)) {
            existing->attributes = attribute_directory;  // a file of that name becomes the folder
            existing->size = 0;
        } else {
            folders_[parent].push_back({name, attribute_directory, 0, 0});
        }
    }
    folders_[full];
}

void memory_folders::add_file(std::string_view path, uint64_t size, uint64_t write_time) {
    std::string full = win_path::resolve(path);
    if (full.empty() || win_path::is_root(full)) return;
    remove_resolved(full);
    ++changes_;
    std::string parent = win_path::parent(full);
    add_resolved_folder(parent);
    folders_[parent].push_back({win_path::leaf(full), attribute_file, size, write_time});
}

void memory_folders::remove(std::string_view path) {
    std::string full = win_path::resolve(path);
    if (!full.empty() && !win_path::is_root(full)) remove_resolved(full);
}

void memory_folders::remove_resolved(const std::string& full) {
    ++changes_;
    // Only a folder has anything below it.
    if (auto own = folders_.find(full); own != folders_.end()) {
        folders_.erase(own);
        std::string below = full + "\\";
        auto it = folders_.lower_bound(below);
        while (it != folders_.end() && it->first.compare(0, below.size(), below) == 0)
            it = folders_.erase(it);
    }
    auto parent = folders_.find(win_path::parent(full));
    if (parent == folders_.end()) return;
    std::string name = win_path::leaf(full);
    std::vector<folder_entry>& entries = parent->second;
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [&name](const folder_entry& e) { return e.name == name; }),
                  entries.end());
}

}  // namespace tolvik::emu
