#include "options.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace tolvik::tools {
namespace fs = std::filesystem;

namespace {

std::string language_file(const std::string& value, const std::string& lang_dir) {
    if (value.find('/') != std::string::npos || fs::path(value).extension() == ".lng") return value;
    return (fs::path(lang_dir) / ("tolvik_" + value + ".lng")).string();
}

// "de" from a code or from a file named tolvik_de.lng; "" otherwise.
std::string language_code(const std::string& value) {
    if (value.find('/') == std::string::npos && fs::path(value).extension() != ".lng") return value;
    std::string stem = fs::path(value).stem().string();
    return stem.rfind("tolvik_", 0) == 0 ? stem.substr(7) : "";
}

std::string home_folder() {
    const char* home = std::getenv("HOME");
    return home && *home ? home : "/";
}

}  // namespace

std::string usage_text() {
    return "usage: tolvik_host [--left DIR] [--right DIR] [--root DIR] [--lang FILE|CODE]\n"
           "                   [--plugin PATH] [--keys \"K K ...\" [--size WxH]] [--select A,B,...]\n"
           "                   [--legacy-keys] [--welcome] [LEFT [RIGHT]]\n"
           "  --root DIR      the folder drive C: stands for (default /)\n"
           "  --left, --right the panels' folders, inside the root (default: here, home)\n"
           "  --lang          en, de or a language file; the help and host texts follow it\n"
           "  --plugin PATH   the plugin library (default: the one built with this host)\n"
           "  --select A,B    select these names in the left panel\n"
           "  --keys          run on a key script instead of a terminal (below)\n"
           "  --size WxH      the script's screen (default 80x25); below " +
           std::to_string(min_screen_width) + "x" + std::to_string(min_screen_height) +
           " the host shows only that the screen is too small\n"
           "  --legacy-keys   do not ask the terminal to report key releases; Ctrl mode\n"
           "                  then uses the stand-in: F12 opens the list as if Ctrl were\n"
           "                  held, Space (or F12) lets go of Ctrl\n"
           "  --welcome       show the welcome box first; any key closes it\n" +
           key_words_text();
}

bool parse_options(int argc, const char* const* argv, const std::string& lang_dir, const std::string& plugin,
                   options& out, std::string& error) {
    std::string lang = "en";
    out.plugin = plugin;
    int positional = 0;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            into = argv[++i];
            return true;
        };
        if (arg == "--help" || arg == "-h") {
            out.usage = true;
        } else if (arg == "--left") {
            if (!value(out.left)) return false;
        } else if (arg == "--right") {
            if (!value(out.right)) return false;
        } else if (arg == "--root") {
            if (!value(out.root)) return false;
        } else if (arg == "--lang") {
            if (!value(lang)) return false;
        } else if (arg == "--plugin") {
            if (!value(out.plugin)) return false;
        } else if (arg == "--keys") {
            std::string keys;
            if (!value(keys)) return false;
            if (!parse_key_script(keys, out.script_steps, error)) return false;
            out.script = true;
        } else if (arg == "--size") {
            std::string size;
            if (!value(size)) return false;
            if (!parse_size(size, out.width, out.height)) {
                error = "--size wants WxH, at least 16x4: " + size;
                return false;
            }
        } else if (arg == "--select") {
            if (!value(out.select)) return false;
        } else if (arg == "--welcome") {
            out.welcome = true;
        } else if (arg == "--legacy-keys") {
            out.legacy_keys = true;
        } else if (!arg.empty() && arg[0] == '-') {
            error = "unknown option " + arg;
            return false;
        } else if (positional == 0) {
            out.left = arg, ++positional;
        } else if (positional == 1) {
            out.right = arg, ++positional;
        } else {
            error = "too many folders: " + arg;
            return false;
        }
    }
    if (out.left.empty()) out.left = fs::current_path().string();
    if (out.right.empty()) out.right = home_folder();
    out.language = language_file(lang, lang_dir);
    std::error_code ec;
    if (!fs::is_regular_file(out.language, ec)) {
        error = "no language file " + out.language;
        return false;
    }
    out.host_texts = {(fs::path(lang_dir) / "host_en.txt").string()};
    std::string code = language_code(lang);
    fs::path own = fs::path(lang_dir) / ("host_" + code + ".txt");
    if (!code.empty() && code != "en" && fs::is_regular_file(own, ec)) out.host_texts.push_back(own.string());
    fs::path help = fs::path(out.language).replace_extension(".hlf");
    out.help = fs::is_regular_file(help, ec) ? help.string() : "";
    return true;
}

}  // namespace tolvik::tools
