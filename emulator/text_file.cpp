#include "text_file.h"

#include <fstream>
#include <sstream>

namespace tolvik::emu {
namespace {

constexpr const char* blanks = " \t\r\n";

}  // namespace

std::optional<std::string> read_text_file(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream contents;
    contents << file.rdbuf();
    return std::move(contents).str();
}

std::vector<std::string_view> split_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return lines;
}

std::string_view trim(std::string_view line) {
    size_t first = line.find_first_not_of(blanks);
    return first == std::string_view::npos ? std::string_view{} : trim_right(line.substr(first));
}

std::string_view trim_right(std::string_view line) {
    size_t last = line.find_last_not_of(blanks);
    return last == std::string_view::npos ? std::string_view{} : line.substr(0, last + 1);
}

}  // namespace tolvik::emu
