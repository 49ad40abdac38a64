#include "win_path.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <vector>

#if !defined(_WIN32)
#include "winshim.h"
#endif

namespace tolvik::emu::win_path {
namespace {

constexpr size_t longest_path = 32767;

bool has_drive(std::string_view path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

// Appends the parts of `rest` to `out` (a drive root and what follows it):
// "." and empty parts are skipped, ".." drops the last part (never the root).
void append_parts(std::string& out, std::string_view rest) {
    while (!rest.empty()) {
        size_t next = rest.find_first_of("\\/");
        std::string_view part = rest.substr(0, next);
        rest = next == std::string_view::npos ? std::string_view{} : rest.substr(next + 1);
        if (part == "..") {
            size_t cut = out.rfind('\\');
            out.resize(cut <= 2 ? 3 : cut);
        } else if (!part.empty() && part != ".") {
            if (out.size() > 3) out += '\\';
            out += part;
        }
    }
}

}  // namespace

std::string resolve(std::string_view path, std::string_view base) {
    if (path.empty() || path.size() > longest_path) return {};
    const bool absolute = has_drive(path);
    if (!absolute && !has_drive(base)) return {};
    // A drive-relative path such as "C:dir" counts as "C:\dir".
    std::string out(absolute ? path.substr(0, 2) : base.substr(0, 2));
    out.reserve(3 + (absolute ? path.size() : base.size() + 1 + path.size()));
    out += '\\';
    if (absolute) {
        append_parts(out, path.substr(2));
    } else {
        append_parts(out, base.substr(2));
        append_parts(out, path);
    }
    return out;
}

bool is_root(std::string_view path) { return path.size() == 3 && has_drive(path) && path[2] == '\\'; }

std::string parent(std::string_view path) {
    if (is_root(path)) return std::string(path);
    size_t cut = path.rfind('\\');
    if (cut == std::string_view::npos) return std::string(path);
    if (cut <= 2) return std::string(path.substr(0, 3));
    return std::string(path.substr(0, cut));
}

std::string leaf(std::string_view path) {
    if (is_root(path)) return {};
    size_t cut = path.rfind('\\');
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string native(std::string_view path) {
#if defined(_WIN32)
    return std::string(path);
#else
    std::string windows(path);
    std::vector<char> out(windows.size() + 4096);
    if (!winshim_native_path(windows.c_str(), out.data(), static_cast<uint32_t>(out.size()))) return {};
    return std::string(out.data());
#endif
}

std::string from_native(std::string_view folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path dir = fs::canonical(fs::path(folder), ec);
    if (ec || !fs::is_directory(dir, ec)) return {};
#if defined(_WIN32)
    return resolve(dir.string());
#else
    fs::path drive = fs::canonical(native("C:\\"), ec);
    if (ec) return {};
    fs::path relative = dir.lexically_relative(drive);
    if (relative.empty() || *relative.begin() == "..") return {};
    if (relative == ".") return "C:\\";
    std::string named;
    name_from_native(relative.string(), named);
    return named.find('?') == std::string::npos ? resolve(named, "C:\\") : std::string();
#endif
}

void name_from_native(std::string_view name, std::string& out) {
    out.assign(name);
#if !defined(_WIN32)
    if (std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return;
    // One byte per character at most: the name's own size is enough.
    std::string in(name);
    if (winshim_name_in_code_page(in.c_str(), out.data(), static_cast<uint32_t>(out.size() + 1)))
        out.resize(std::char_traits<char>::length(out.c_str()));
#endif
}

}  // namespace tolvik::emu::win_path
