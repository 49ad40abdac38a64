#include "key_script.h"

#include <cstdio>
#include <sstream>

#include "key_decoder.h"

namespace tolvik::tools {

bool parse_size(const std::string& text, int& width, int& height) {
    int w = 0;
    int h = 0;
    char extra = 0;
    if (std::sscanf(text.c_str(), "%dx%d%c", &w, &h, &extra) != 2) return false;
    if (w < 16 || h < 4 || w > 1000 || h > 1000) return false;
    width = w;
    height = h;
    return true;
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
            if (!(words >> size) || !parse_size(size, step.width, step.height)) {
                error = "'resize' wants a size WxH (at least 16x4) after it" +
                        (size.empty() ? "" : ", not '" + size + "'");
                return false;
            }
            step.what = script_step::kind::resize;
        } else if (word == "click" || word == "double-click") {
            std::string cell;
            char extra = 0;
            if (!(words >> cell) || std::sscanf(cell.c_str(), "%d,%d%c", &step.x, &step.y, &extra) != 2 ||
                step.x < 0 || step.y < 0 || step.x >= 1000 || step.y >= 1000) {
                error = "'" + word + "' wants a cell X,Y (column and row from 0) after it" +
                        (cell.empty() ? "" : ", not '" + cell + "'");
                return false;
            }
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
           "(nothing runs), 3 the script ended while a dialog was open.\n";
}

}  // namespace tolvik::tools
