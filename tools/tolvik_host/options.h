// The interactive host's command line:
//   tolvik_host [options] [LEFT [RIGHT]]
//   --left DIR, --right DIR  the panels' folders (default: the current folder
//                            and the home folder; a default outside the root
//                            is the root itself)
//   --root DIR               the folder drive C: stands for (default "/"); the
//                            panels' folders must lie inside it
//   --lang FILE|CODE         language file, or a code: "de" is
//                            <lang>/tolvik_de.lng; its help file is the same
//                            name with ".hlf"; the code page of all of the
//                            language's files follows its ".Language=" name
//                            (oem_code_pages.h)
//   --plugin PATH            the plugin library (default: the one built with
//                            this host)
//   --keys "K K ..."         script mode: no terminal; the words of
//                            key_script.h are the input
//   --size WxH               script mode's screen (default 80x25; from
//                            16x4 to 1000x1000, key_script.h)
//   --select A,B,...         select these names in the left panel at start;
//                            each must be in the left panel's folder
//   --legacy-keys            do not ask the terminal for key releases
//   --welcome                show the welcome box first (the demo does)
// The host's own texts come from <lang>/host_en.txt, overlaid by
// host_<code>.txt beside the language file (tolvik_<code>.lng).
// Wrong arguments are refused before anything starts, with a message that
// names the argument, what the user gave and the rule it broke.
#pragma once

#include <string>
#include <vector>

#include "key_script.h"

namespace tolvik::tools {

// The smallest screen on which the two panels, the status row, the key bar
// and the widest list the plugin draws (68 columns by 12 rows, centred) fit:
// the list's bottom row, (height - 12) / 2 + 11, must stay above the status
// row at height - 2, which holds from 15 rows on.
constexpr int min_screen_width = 68;
constexpr int min_screen_height = 15;

struct options {
    std::string left;
    std::string right;
    std::string root = "/";
    std::string language;  // a file path once parsed
    std::string help;      // the help file beside it, "" when there is none
    std::string plugin;
    std::vector<std::string> host_texts;  // files, in the order they are read
    std::vector<script_step> script_steps;
    std::string select;  // comma-separated names
    bool script = false;
    int width = 80;
    int height = 25;
    bool legacy_keys = false;
    bool welcome = false;
    bool usage = false;
};

// Fills `out` from the arguments; false with `error` set when they are wrong.
// `lang_dir` and `plugin` are the defaults for language codes and the plugin.
bool parse_options(int argc, const char* const* argv, const std::string& lang_dir, const std::string& plugin,
                   options& out, std::string& error);

// The command line, every option and every key word of --keys.
std::string usage_text();

}  // namespace tolvik::tools
