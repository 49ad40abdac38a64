#include "options.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
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
           "  --lang          " +
           language_codes() +
           " or a language file FILE.lng; the\n"
           "                  help (FILE.hlf) and the host's texts (host_CODE.txt beside\n"
           "                  it) follow it, all read in the code page of the file's\n"
           "                  .Language= name: " +
           code_pages_of_languages() +
           "\n"
           "  --plugin PATH   the plugin library (default: the one built with this host)\n"
           "  --select A,B    select these names of the left panel's folder\n"
           "  --keys          run on a key script instead of a terminal (below)\n"
           "  --size WxH      the script's screen, from " +
           std::to_string(script_min_width) + "x" + std::to_string(script_min_height) + " to " +
           std::to_string(script_max_width) + "x" + std::to_string(script_max_height) +
           " (default\n"
           "                  80x25; a terminal has its own size); below " +
           std::to_string(min_screen_width) + "x" + std::to_string(min_screen_height) +
           " the host\n"
           "                  shows only that the screen is too small\n"
           "  --legacy-keys   do not ask the terminal to report key releases; Ctrl mode\n"
           "                  then uses the stand-in: F12 opens the list as if Ctrl were\n"
           "                  held, Space (or F12) lets go of Ctrl\n"
           "  --welcome       show the welcome box first; any key closes it\n" +
           key_words_text();
}

namespace {

// What the arguments give besides `options` before anything is checked.
struct given {
    std::string lang = "en";
    int folders = 0;  // LEFT and RIGHT given without an option
    bool size = false;
};

// An option's effect on what is given, for options that do more than store
// a text or set a flag; false with `error` set.
using option_effect = bool (*)(const std::string& value, options& out, given& g, std::string& error);

// One option: a text it stores, a flag it sets, or an effect. It takes a
// value unless it sets a flag.
struct option_entry {
    const char* name;
    std::string options::*text = nullptr;
    bool options::*flag = nullptr;
    option_effect effect = nullptr;
};

constexpr option_entry option_table[] = {
    {"--help", nullptr, &options::usage},
    {"-h", nullptr, &options::usage},
    {"--welcome", nullptr, &options::welcome},
    {"--legacy-keys", nullptr, &options::legacy_keys},
    {"--left", &options::left},
    {"--right", &options::right},
    {"--root", &options::root},
    {"--plugin", &options::plugin},
    {"--select", &options::select},
    {"--lang", nullptr, nullptr,
     [](const std::string& v, options&, given& g, std::string&) {
         g.lang = v;
         return true;
     }},
    {"--keys", nullptr, nullptr,
     [](const std::string& v, options& out, given&, std::string& error) {
         out.script = true;
         return parse_key_script(v, out.script_steps, error);
     }},
    {"--size", nullptr, nullptr,
     [](const std::string& v, options& out, given& g, std::string& error) {
         g.size = true;
         std::string why = parse_size(v, out.width, out.height);
         if (!why.empty()) error = "--size " + v + ": " + why;
         return why.empty();
     }},
};

// The arguments into `out` and `g`, unchecked against the disk.
bool read_arguments(int argc, const char* const* argv, options& out, given& g, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        const option_entry* entry = nullptr;
        for (const option_entry& each : option_table)
            if (arg == each.name) entry = &each;
        if (entry) {
            if (entry->flag) {
                out.*entry->flag = true;
                continue;
            }
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            const std::string value = argv[++i];
            if (entry->text)
                out.*entry->text = value;
            else if (!entry->effect(value, out, g, error))
                return false;
        } else if (!arg.empty() && arg[0] == '-') {
            error = "unknown option " + arg;
            return false;
        } else if (g.folders < 2) {
            (g.folders++ == 0 ? out.left : out.right) = arg;
        } else {
            error = "too many folders: " + arg;
            return false;
        }
    }
    return true;
}

// The root, the panels' folders and the names to select, checked.
bool check_folders(options& out, std::string& error) {
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
    std::istringstream names(out.select);
    for (std::string name; std::getline(names, name, ',');) {
        if (name.empty()) continue;
        if (name.find('/') != std::string::npos || name == "." || name == ".." ||
            !fs::exists(fs::symlink_status(fs::path(out.left) / name, ec))) {
            error = "--select " + name + ": no such name in the left panel's folder " + out.left;
            return false;
        }
    }
    return true;
}

// The language file, its help and the host's texts of `lang`.
bool find_language(const std::string& lang, const std::string& lang_dir, options& out, std::string& error) {
    std::error_code ec;
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

}  // namespace

bool parse_options(int argc, const char* const* argv, const std::string& lang_dir, const std::string& plugin,
                   options& out, std::string& error) {
    given g;
    out.plugin = plugin;
    if (!read_arguments(argc, argv, out, g, error)) return false;
    if (out.usage) return true;
    if (g.size && !out.script) {
        error = "--size " + std::to_string(out.width) + "x" + std::to_string(out.height) +
                ": only a key script (--keys) has a size of its own; a terminal keeps its own";
        return false;
    }
    return check_folders(out, error) && find_language(g.lang, lang_dir, out, error);
}

}  // namespace tolvik::tools
