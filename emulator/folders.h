// Where the emulated panels read their folders from, and what the plugin's
// GetFileAttributesA answers: the disk (through the drive map), or a folder
// tree held in memory that a test or a fuzzer builds and changes without
// touching the disk.
//
// Paths are resolved Windows paths ("C:\a\b", a root as "C:\"), compared
// exactly, as winshim compares them on Linux.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "host/windows_values.h"

namespace tolvik::emu {

// Windows attribute values the sources answer.
constexpr uint32_t attribute_directory = file_attribute_directory;
constexpr uint32_t attribute_file = file_attribute_archive;
constexpr uint32_t attributes_missing = invalid_file_attributes;

// One entry of a folder listing.
struct folder_entry {
    std::string name;
    uint32_t attributes = attribute_file;
    uint64_t size = 0;
    uint64_t write_time = 0;  // 100 ns units since 1601 (Windows file time)
};

class folder_source {
public:
    virtual ~folder_source() = default;
    // Replaces `out` with the entries of folder `path`, in listing order
    // (no "." or ".."). False, `out` untouched, when `path` is no folder.
    virtual bool list(const std::string& path, std::vector<folder_entry>& out) const = 0;
    // The attributes of `path`: attribute_directory, attribute_file or
    // attributes_missing.
    virtual uint32_t attributes(const std::string& path) const = 0;
};

// The disk, through win_path::native (on Linux, winshim's drive map).
const folder_source& disk_folders();

// A tree held in memory. Entries list in the order they were added; a
// folder's parents exist whenever it does. Names are what follows the last
// backslash, so no entry name is empty or holds a backslash.
class memory_folders : public folder_source {
public:
    bool list(const std::string& path, std::vector<folder_entry>& out) const override;
    uint32_t attributes(const std::string& path) const override;

    // Adds a folder and any missing parent (a drive root always exists once
    // anything below it does). Returns the resolved path, "" when `path` is
    // no drive path.
    std::string add_folder(std::string_view path);
    // Adds (or replaces) a file, with its parents.
    void add_file(std::string_view path, uint64_t size = 1, uint64_t write_time = 0);
    // Removes a file, or a folder with everything below it; a root stays.
    void remove(std::string_view path);
    void clear() {
        folders_.clear();
        ++changes_;
    }
    // Counts the calls that changed the tree (a copy carries the count).
    uint64_t changes() const { return changes_; }

private:
    folder_entry* find_entry(const std::string& parent, const std::string& name);
    // add_folder() and remove() of a path resolved already (remove: no root).
    void add_resolved_folder(const std::string& full);
    void remove_resolved(const std::string& full);

    // Every folder by its resolved path, with its entries.
    std::map<std::string, std::vector<folder_entry>, std::less<>> folders_;
    uint64_t changes_ = 0;
};

}  // namespace tolvik::emu
