#include "host_boxes.h"

#include <algorithm>

#include "host_texts.h"

namespace tolvik::tools {
namespace {

size_t text_width(int32_t width) {
    return static_cast<size_t>(std::max(width - emu::text_box_frame_columns, 1));
}

}  // namespace

emu::text_box help_box(int32_t width) {
    const host_texts& t = texts();
    return {t.get("help.title"), wrap_lines(t.lines("help"), text_width(width)), {}};
}

emu::text_box welcome_box(int32_t width, const std::string& root) {
    const host_texts& t = texts();
    std::vector<std::string> lines;
    for (const std::string& line : t.lines("welcome")) lines.push_back(fill(line, {{"root", root}}));
    return {t.get("welcome.title"), wrap_lines(lines, text_width(width)), {}};
}

}  // namespace tolvik::tools
