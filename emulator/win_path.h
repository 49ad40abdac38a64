// Windows-style paths as the host keeps them ("C:\dir\sub", the root with its
// backslash "C:\") and their place on the machine the emulator runs on.
#pragma once

#include <string>
#include <string_view>

namespace tolvik::emu::win_path {

// An absolute path for `path`: "X:\..." as it stands, or relative to `base`
// (itself absolute); '/' becomes '\', "." and ".." are resolved (never above
// the root), repeated and trailing separators dropped. The drive letter keeps
// its case. Empty when `path` is empty, longer than any host path, or the
// result would not be a drive path.
std::string resolve(std::string_view path, std::string_view base = {});

// True for "X:\" (the result of resolve for a drive root).
bool is_root(std::string_view path);

// The parent of a resolved path; a root is its own parent.
std::string parent(std::string_view path);

// The last component of a resolved path ("" for a root).
std::string leaf(std::string_view path);

// The path to hand the operating system: on Linux through winshim's drive
// map (empty when the drive is unmapped), on Windows the path itself.
std::string native(std::string_view path);

// The inverse of native for an existing folder: on Linux its drive path when
// it lies inside the folder that drive C: maps to ("" elsewhere, and when the
// host's code page cannot hold its name), on Windows its full path. Empty
// when the folder does not exist.
std::string from_native(std::string_view folder);

// A name of the machine as the host sees it: on Linux in the code page of
// winshim's single-byte calls ('?' for a character the page lacks), on
// Windows as it stands. Written to `out`.
void name_from_native(std::string_view name, std::string& out);

}  // namespace tolvik::emu::win_path
