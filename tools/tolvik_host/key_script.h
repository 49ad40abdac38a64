// The script mode's input: the words of --keys read into steps before
// anything runs, so that a word the host does not know stops the run at
// once. Words:
//   a key name        "Enter", "C-S-F3", "Ctrl+R", "a" (key_decoder.h:
//                     key_from_name(), key_names())
//   ctrl-down         Ctrl goes down (the plugin sees it held)
//   ctrl-up           Ctrl goes up; a list opened with Ctrl held commits on
//                     the next idle tick, so follow it with "idle"
//   idle              an idle tick (the host has nothing to do)
//   dump              print the screen as it is now
//   resize WxH        the terminal takes a new size
//   click X,Y         the left mouse button clicks the cell in column X,
//                     row Y (from 0 at the top left)
//   double-click X,Y  a double click there
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tolvik::tools {

struct script_step {
    enum class kind { key, ctrl_down, ctrl_up, idle, dump, resize, click };
    kind what = kind::key;
    int32_t code = 0;  // key: the host key code
    int width = 0;     // resize
    int height = 0;
    int x = 0;  // click
    int y = 0;
    bool twice = false;
};

// Reads `text` into `steps`; false with `error` naming the first word it
// does not understand.
bool parse_key_script(const std::string& text, std::vector<script_step>& steps, std::string& error);

// The sizes a script's screen may take.
constexpr int script_min_width = 16;
constexpr int script_min_height = 4;
constexpr int script_max_width = 1000;
constexpr int script_max_height = 1000;

// Reads "WxH" into `width` and `height`; "" when it is a size the host
// accepts, else why not ("a size is WxH", "at least 16x4", "at most
// 1000x1000"), with `width` and `height` unchanged.
std::string parse_size(std::string_view text, int& width, int& height);

// The script words and key names, for --help.
std::string key_words_text();

}  // namespace tolvik::tools
