#include "shorten_path.h"

#include <cctype>

namespace tolvik::emu {

std::string shorten(std::string_view path, int32_t width) {
    if (width <= 0) return {};
    size_t w = static_cast<size_t>(width);
    if (path.size() <= w) return std::string(path);
    if (w < 4) return std::string(path.substr(path.size() - w));
    constexpr std::string_view gap = "...";
    bool has_drive = path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) &&
                     path[1] == ':' && path[2] == '\\';
    std::string_view head = has_drive && w >= 3 + gap.size() + 1 ? path.substr(0, 3) : std::string_view{};
    size_t tail = w - head.size() - gap.size();
    return std::string(head) + std::string(gap) + std::string(path.substr(path.size() - tail));
}

}  // namespace tolvik::emu
