#include "language.h"

#include "text_file.h"

namespace tolvik::emu {
namespace {

// The text between the first and the last quote, with \" turned into ".
bool unquote(std::string_view line, std::string& out) {
    size_t open = line.find('"');
    size_t close = line.rfind('"');
    if (open == std::string_view::npos || close == open) return false;
    out.clear();
    std::string_view body = line.substr(open + 1, close - open - 1);
    for (size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '\\' && i + 1 < body.size() && body[i + 1] == '"') {
            out += '"';
            ++i;
        } else {
            out += body[i];
        }
    }
    return true;
}

}  // namespace

bool language::load(const std::string& path, std::string* error) {
    std::optional<std::string> contents = read_text_file(path);
    if (!contents) {
        if (error) *error = "cannot open language file " + path;
        return false;
    }
    if (!parse(*contents, error)) {
        if (error) *error = path + ": " + *error;
        return false;
    }
    path_ = path;
    return true;
}

bool language::parse(std::string_view contents, std::string* error) {
    std::string name;
    std::vector<std::string> texts;
    bool header = false;
    int line_number = 0;
    for (std::string_view whole : split_lines(contents)) {
        std::string_view line = trim(whole);
        ++line_number;
        if (line_number == 1 && line.substr(0, 3) == "\xEF\xBB\xBF") line = trim(line.substr(3));
        if (line.empty() || line.substr(0, 2) == "//") continue;
        if (!header) {
            constexpr std::string_view tag = ".Language=";
            if (line.substr(0, tag.size()) != tag) {
                if (error) *error = "line " + std::to_string(line_number) + ": expected " + std::string(tag);
                return false;
            }
            std::string_view rest = line.substr(tag.size());
            name = std::string(rest.substr(0, rest.find(',')));
            header = true;
            continue;
        }
        std::string text;
        if (!unquote(line, text)) {
            if (error) *error = "line " + std::to_string(line_number) + ": expected a quoted message";
            return false;
        }
        texts.push_back(std::move(text));
    }
    if (!header) {
        if (error) *error = "no .Language line";
        return false;
    }
    index_.clear();
    for (std::string& text : texts) {
        storage_.push_back(std::move(text));
        index_.push_back(storage_.back().c_str());
    }
    name_ = name;
    path_.clear();
    ++changes_;
    return true;
}

const char* language::message(int32_t id) const {
    if (id < 0 || static_cast<size_t>(id) >= index_.size()) return nullptr;
    return index_[static_cast<size_t>(id)];
}

void language::set_message(int32_t id, std::string_view text) {
    if (id < 0) return;
    size_t at = static_cast<size_t>(id);
    if (at >= index_.size()) {
        static const char empty[] = "";
        index_.resize(at + 1, empty);
    }
    storage_.emplace_back(text);
    index_[at] = storage_.back().c_str();
    ++changes_;
}

}  // namespace tolvik::emu
