#include "help_file.h"

#include "text_file.h"

namespace tolvik::emu::help_file {
namespace {

// A topic's lines as the help file has them, title line included.
std::string topic_lines(const std::string& help, const std::string& topic) {
    std::string text;
    bool inside = false;
    for (std::string_view whole : split_lines(help)) {
        std::string_view line = trim_right(whole);
        if (!line.empty() && line[0] == '@') {
            if (inside) break;
            inside = line.substr(1) == topic;
            continue;
        }
        if (inside) {
            text += line;
            text += '\n';
        }
    }
    while (!text.empty() && text.front() == '\n') text.erase(0, 1);
    return text;
}

bool has_title(const std::string& lines) { return lines.rfind("# ", 0) == 0; }

}  // namespace

std::string topic_text(const std::string& help, const std::string& topic) {
    std::string text = topic_lines(help, topic);
    if (has_title(text))
        text.erase(0, text.find('\n') == std::string::npos ? text.size() : text.find('\n') + 1);
    while (!text.empty() && text.back() == '\n') text.pop_back();
    while (!text.empty() && text.front() == '\n') text.erase(0, 1);
    return text;
}

std::string topic_title(const std::string& help, const std::string& topic) {
    std::string text = topic_lines(help, topic);
    if (!has_title(text)) return topic;
    return text.substr(2, text.find('\n') - 2);
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

}  // namespace tolvik::emu::help_file
