#include "win_path.h"

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

}  // namespace

std::string resolve(std::string_view path, std::string_view base) {
    if (path.empty() || path.size() > longest_path) return {};
    std::string full;
    if (has_drive(path)) {
        full = std::string(path);
    } else if (has_drive(base)) {
        full = std::string(base) + "\\" + std::string(path);
    } else {
        return {};
    }
    for (char& c : full)
        if (c == '/') c = '\\';
    // A drive-relative path such as "C:dir" counts as "C:\dir".
    std::string drive = full.substr(0, 2);
    std::vector<std::string> parts;
    size_t at = 2;
    while (at <= full.size()) {
        size_t next = full.find('\\', at);
        if (next == std::string::npos) next = full.size();
        std::string part = full.substr(at, next - at);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        at = next + 1;
    }
    std::string out = drive + "\\";
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i) out += '\\';
        out += parts[i];
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
    return relative == "." ? std::string("C:\\") : resolve(relative.string(), "C:\\");
#endif
}

}  // namespace tolvik::emu::win_path
