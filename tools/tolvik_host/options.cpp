#include "options.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "code_pages.h"

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

// The language codes that have a language file in `lang_dir`, sorted.
std::string known_codes(const std::string& lang_dir) {
    std::vector<std::string> codes;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(lang_dir, ec)) {
        std::string code = language_code(entry.path().string());
        if (!code.empty() && entry.path().extension() == ".lng") codes.push_back(code);
    }
    std::sort(codes.begin(), codes.end());
    std::string out;
    for (const std::string& code : codes) out += (out.empty() ? "" : ", ") + code;
    return out;
}

// Whether `folder` (canonical) is `root` (canonical) or lies inside it.
bool inside(const fs::path& folder, const fs::path& root) {
    fs::path relative = folder.lexically_relative(root);
    return !relative.empty() && *relative.begin() != "..";
}

// Checks a panel's folder against the root. A folder the user gave must
// exist inside the root; a default one that does not is replaced by the
// root itself. `what` names the argument in messages.
bool check_folder(std::string& folder, bool given, const char* what, const fs::path& root,
                  const std::string& root_given, std::string& error) {
    std::error_code ec;
    fs::path canonical = fs::canonical(folder, ec);
    bool is_folder = !ec && fs::is_directory(canonical, ec);
    if (!given) {
        if (!is_folder || !inside(canonical, root)) folder = root.string();
        return true;
    }
    if (!is_folder) {
        error = std::string(what) + " " + folder +
                (fs::exists(folder, ec) ? " is not a folder" : " does not exist");
        return false;
    }
    if (!inside(canonical, root)) {
        error =
            std::string(what) + " " + folder + " lies outside the root " + root_given + " (--root, drive C:)";
        return false;
    }
    return true;
}

}  // namespace

std::string usage_text() {
    return "usage: tolvik_host [--left DIR] [--right DIR] [--root DIR] [--lang FILE|CODE]\n"
           "                   [--plugin PATH] [--keys \"K K ...\" [--size WxH]] [--select A,B,...]\n"
           "                   [--legacy-keys] [--welcome] [LEFT [RIGHT]]\n"
           "  --root DIR      the folder drive C: stands for (default /)\n"
           "  --left, --right the panels' folders, inside the root (default: here and\n"
           "                  home, or the root when they lie outside it)\n"
           "  --lang          en, de, ru, pl, cs, es, fr or a language file FILE.lng; the\n"
           "                  help (FILE.hlf) and the host's texts (host_CODE.txt beside\n"
           "                  it) follow it, all read in the code page of the file's\n"
           "                  .Language= name: " +
           code_pages_of_languages() +
           "\n"
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
    if (out.usage) return true;
    std::error_code ec;
    fs::path root = fs::canonical(out.root, ec);
    if (ec || !fs::is_directory(root, ec)) {
        error =
            "--root " + out.root +
            (fs::exists(out.root, ec) ? ": the root is not a folder" : ": the root folder does not exist");
        return false;
    }
    bool left_given = !out.left.empty();
    bool right_given = !out.right.empty();
    if (!left_given) out.left = fs::current_path(ec).string();
    if (!right_given) out.right = home_folder();
    if (!check_folder(out.left, left_given, "the left panel's folder (LEFT or --left)", root, out.root,
                      error) ||
        !check_folder(out.right, right_given, "the right panel's folder (RIGHT or --right)", root, out.root,
                      error))
        return false;
    out.language = language_file(lang, lang_dir);
    if (!fs::is_regular_file(out.language, ec)) {
        bool code = language_file(lang, "") != lang;
        error = code ? "--lang " + lang + ": no such language (known: " + known_codes(lang_dir) + ")"
                     : "--lang " + lang + ": no such language file";
        return false;
    }
    out.host_texts = {(fs::path(lang_dir) / "host_en.txt").string()};
    // The host's texts of a language lie beside its language file.
    std::string code = language_code(lang);
    fs::path own = fs::path(out.language).parent_path() / ("host_" + code + ".txt");
    if (!code.empty() && code != "en" && fs::is_regular_file(own, ec)) out.host_texts.push_back(own.string());
    fs::path help = fs::path(out.language).replace_extension(".hlf");
    out.help = fs::is_regular_file(help, ec) ? help.string() : "";
    return true;
}

}  // namespace tolvik::tools
