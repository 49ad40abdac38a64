#include "key_script.h"

#include <charconv>
#include <limits>
#include <sstream>
#include <system_error>

#include "key_decoder.h"

namespace tolvik::tools {

namespace {

// Two whole numbers split by `mark` ("80x25", "3,7"), nothing else around
// them; a number too large for its type reads as the largest there is.
bool parse_pair(std::string_view text, char mark, int64_t& first, int64_t& second) {
    size_t split = text.find(mark);
    if (split == std::string_view::npos) return false;
    auto whole = [](std::string_view digits, int64_t& into) {
        const char* end = digits.data() + digits.size();
        auto [stop, fault] = std::from_chars(digits.data(), end, into);
        if (fault == std::errc::result_out_of_range) into = std::numeric_limits<int64_t>::max();
        return (fault == std::errc() || fault == std::errc::result_out_of_range) && stop == end;
    };
    return whole(text.substr(0, split), first) && whole(text.substr(split + 1), second);
}

std::string size_text(int width, int height) { return std::to_string(width) + "x" + std::to_string(height); }

}  // namespace

std::string parse_size(std::string_view text, int& width, int& height) {
    int64_t w = 0;
    int64_t h = 0;
    if (!parse_pair(text, 'x', w, h)) return "a size is WxH";
    if (w < script_min_width || h < script_min_height)
        return "at least " + size_text(script_min_width, script_min_height);
    if (w > script_max_width || h > script_max_height)
        return "at most " + size_text(script_max_width, script_max_height);
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return "";
}

bool parse_key_script(const std::string& text, std::vector<script_step>& steps, std::string& error) {
    std::istringstream words(text);
    std::vector<script_step> out;
    for (std::string word; words >> word;) {
        script_step step;
        if (word == "dump") {
            step.what = script_step::kind::dump;
        } else if (word == "idle") {
            step.what = script_step::kind::idle;
        } else if (word == "ctrl-down") {
            step.what = script_step::kind::ctrl_down;
        } else if (word == "ctrl-up") {
            step.what = script_step::kind::ctrl_up;
        } else if (word == "resize") {
            std::string size;
            std::string why = words >> size ? parse_size(size, step.width, step.height) : "a size is WxH";
            if (!why.empty()) {
                error = "'resize' wants a size WxH after it (" + why + ")" +
                        (size.empty() ? "" : ", not '" + size + "'");
                return false;
            }
            step.what = script_step::kind::resize;
        } else if (word == "click" || word == "double-click") {
            std::string cell;
            int64_t x = -1;
            int64_t y = -1;
            if (!(words >> cell) || !parse_pair(cell, ',', x, y) || x < 0 || y < 0 || x >= script_max_width ||
                y >= script_max_height) {
                error = "'" + word + "' wants a cell X,Y (column and row from 0) after it" +
                        (cell.empty() ? "" : ", not '" + cell + "'");
                return false;
            }
            step.x = static_cast<int>(x);
            step.y = static_cast<int>(y);
            step.what = script_step::kind::click;
            step.twice = word == "double-click";
        } else if (int32_t code = key_from_name(word)) {
            step.code = code;
        } else {
            error = "unknown key word '" + word + "' in --keys";
            return false;
        }
        out.push_back(step);
    }
    steps = std::move(out);
    return true;
}

std::string key_words_text() {
    // The key names, wrapped at 76 columns.
    std::string names;
    std::string line;
    for (const std::string& name : key_names()) {
        if (line.size() + name.size() + 1 > 76) {
            names += line + "\n";
            line.clear();
        }
        line += " " + name;
    }
    names += line + "\n";
    return "key words of --keys, separated by spaces:\n" + names +
           "      a key (WheelUp, WheelDown: the mouse wheel); prefixes C- (Ctrl),\n"
           "      S- (Shift), A- (Alt), or Ctrl+ Shift+ Alt+: C-S-F3, Ctrl+R;\n"
           "      a single character is that key: a, +, 1\n"
           "  dump         print the screen (the list's cursor line marked '>' on the left)\n"
           "  ctrl-down    Ctrl goes down and stays down (real Ctrl mode)\n"
           "  ctrl-up      Ctrl goes up; a list opened with Ctrl held commits on the\n"
           "               next idle tick, so write 'ctrl-up idle'\n"
           "  idle         an idle tick: the host has nothing to do\n"
           "  resize WxH   the terminal takes a new size\n"
           "  click X,Y    the left mouse button clicks column X, row Y (from 0)\n"
           "  double-click X,Y  a double click there\n"
           "The screen is printed at the end when the script has no dump.\n"
           "Exit status: 0 done, 1 cannot start, 2 bad arguments or an unknown key word\n"
           "(nothing runs), 3 the script ended while a dialog was open, 4 keys never ran\n"
           "because the screen stayed too small (with a dialog open or not: both are said).\n";
}

}  // namespace tolvik::tools
