#include "host_texts.h"

#include <algorithm>
#include <optional>
#include <set>

#include "text_file.h"

namespace tolvik::tools {
namespace {

host_texts& current() {
    static host_texts instance;
    return instance;
}

int generation = 0;

}  // namespace

bool host_texts::load(const std::string& path) {
    std::optional<std::string> contents = emu::read_text_file(path);
    if (!contents) return false;
    parse(*contents);
    return true;
}

void host_texts::parse(std::string_view text) {
    std::set<std::string> replaced;  // names this file has started to give
    for (std::string_view line : emu::split_lines(text)) {
        std::string_view whole = emu::trim(line);
        if (whole.empty() || whole.substr(0, 2) == "//") continue;
        size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        std::string name(emu::trim(line.substr(0, equals)));
        // One space after '=' belongs to the syntax; any more are the text's.
        std::string_view value = line.substr(equals + 1);
        if (!value.empty() && value[0] == ' ') value.remove_prefix(1);
        while (!value.empty() && value.back() == '\r') value.remove_suffix(1);
        if (replaced.insert(name).second) texts_[name].clear();
        firsts_.emplace(name, value);
        texts_[name].emplace_back(value);
    }
}

std::string host_texts::get(std::string_view name) const {
    auto found = texts_.find(name);
    if (found == texts_.end() || found->second.empty()) return "<" + std::string(name) + ">";
    return found->second.front();
}

std::string host_texts::first(std::string_view name) const {
    auto found = firsts_.find(name);
    return found == firsts_.end() ? std::string() : found->second;
}

const std::vector<std::string>& host_texts::lines(std::string_view name) const {
    static const std::vector<std::string> none;
    auto found = texts_.find(name);
    return found == texts_.end() ? none : found->second;
}

std::vector<std::string> host_texts::names() const {
    std::vector<std::string> out;
    for (const auto& entry : texts_) out.push_back(entry.first);
    return out;
}

std::vector<key_bar_pair> key_bar_pairs(const std::string& bar) {
    std::vector<key_bar_pair> out;
    size_t start = 0;
    while (start < bar.size()) {
        size_t end = bar.find('|', start);
        if (end == std::string::npos) end = bar.size();
        std::string pair = bar.substr(start, end - start);
        start = end + 1;
        size_t space = pair.find(' ');
        std::string label = space == std::string::npos ? "" : pair.substr(space + 1);
        size_t tilde = label.find('~');
        std::string short_label = tilde == std::string::npos ? label : label.substr(tilde + 1);
        if (tilde != std::string::npos) label.resize(tilde);
        out.push_back({pair.substr(0, space), label, short_label});
    }
    return out;
}

std::string fill(std::string text, const std::vector<std::pair<std::string, std::string>>& values) {
    for (const auto& [key, value] : values) {
        std::string mark = "{" + key + "}";
        for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + value.size()))
            text.replace(at, mark.size(), value);
    }
    return text;
}

std::vector<std::string> wrap_lines(const std::vector<std::string>& lines, size_t width) {
    if (width < 2) return lines;
    std::vector<std::string> out;
    for (std::string line : lines) {
        size_t text_start = std::min(line.find_first_not_of(' '), line.size());
        std::string indent(std::min(text_start + 3, width / 2), ' ');
        bool broken = false;
        while (line.size() > width) {
            broken = true;
            size_t start = line.find_first_not_of(' ');
            size_t at = line.rfind(' ', width);
            if (at == std::string::npos || at <= start) {
                out.push_back(line.substr(0, width));
                line.replace(0, width, indent);
                continue;
            }
            size_t next = line.find_first_not_of(' ', at);
            out.push_back(line.substr(0, line.find_last_not_of(' ', at) + 1));
            if (next == std::string::npos)
                line.clear();
            else
                line.replace(0, next, indent);
        }
        if (!broken || !line.empty()) out.push_back(line);
    }
    return out;
}

const host_texts& texts() { return current(); }

void set_texts(host_texts t) {
    current() = std::move(t);
    ++generation;
}

int texts_generation() { return generation; }

}  // namespace tolvik::tools
