#include "help_file.h"

#include <sstream>

#include "text_file.h"

namespace tolvik::emu::help_file {
namespace {

// A topic's lines as the help file has them, title line included.
std::string topic_lines(const std::string& help, const std::string& topic) {
    std::istringstream in(help);
    std::string line;
    std::string text;
    bool inside = false;
    while (std::getline(in, line)) {
        line = std::string(trim_right(line));
        if (!line.empty() && line[0] == '@') {
            if (inside) break;
            inside = line.compare(1, std::string::npos, topic) == 0;
            continue;
        }
        if (inside) text += line + '\n';
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
