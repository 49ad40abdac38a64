// The interactive host's command line: folders, language files, key scripts,
// its help, and the messages that refuse wrong arguments.
#include "options.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "key_decoder.h"
#include "support/test_tree.h"

namespace tolvik::tools {
namespace {

namespace fs = std::filesystem;

using test::test_tree;

// The host's arguments after its name into a fresh `out`, with the language
// files of `lang_dir`.
bool parse(std::vector<const char*> args, options& out, std::string& error,
           const std::string& lang_dir = TOLVIK_LANG_DIR) {
    args.insert(args.begin(), "tolvik_host");
    out = options{};
    return parse_options(static_cast<int>(args.size()), args.data(), lang_dir, "plugin.so", out, error);
}

// A tree whose folder root/ holds photos/, and a folder elsewhere/ beside
// the root that HOME names for the scope of a test.
class host_options : public ::testing::Test {
protected:
    host_options() {
        tree_.folder("root/photos");
        tree_.folder("elsewhere");
        if (const char* was = std::getenv("HOME")) home_ = was;
        setenv("HOME", elsewhere_.c_str(), 1);
    }
    ~host_options() override {
        if (home_)
            setenv("HOME", home_->c_str(), 1);
        else
            unsetenv("HOME");
    }

    test_tree tree_;
    const std::string root_ = tree_.native("root").string();
    const std::string photos_ = tree_.native("root/photos").string();
    const std::string elsewhere_ = tree_.native("elsewhere").string();
    std::optional<std::string> home_;  // HOME before the test
};

TEST_F(host_options, folders_plugin_keys_and_size) {
    std::string error;
    options o;
    ASSERT_TRUE(
        parse({"--root", tree_.native().string().c_str(), photos_.c_str(), elsewhere_.c_str()}, o, error))
        << error;
    EXPECT_EQ(o.left, photos_);
    EXPECT_EQ(o.right, elsewhere_);
    EXPECT_EQ(fs::path(o.language).filename(), "tolvik_en.lng") << "English unless --lang says otherwise";
    EXPECT_EQ(o.plugin, "plugin.so");
    EXPECT_FALSE(o.script);

    ASSERT_TRUE(parse({"--keys", "F11 Enter", "--size", "100x30", "--left", photos_.c_str()}, o, error))
        << error;
    EXPECT_TRUE(o.script);
    EXPECT_EQ(o.width, 100);
    EXPECT_EQ(o.height, 30);
    EXPECT_EQ(o.left, photos_);
    EXPECT_EQ(o.right, elsewhere_) << "the right panel defaults to the home folder";
}

TEST_F(host_options, default_folders_outside_the_root_fall_back_to_the_root) {
    std::string error;
    options o;
    ASSERT_TRUE(parse({"--root", root_.c_str(), photos_.c_str()}, o, error))
        << "the default right panel (home, outside the root) must not stop the start: " << error;
    EXPECT_EQ(o.left, photos_);
    EXPECT_EQ(fs::canonical(o.right), fs::canonical(root_)) << "the root stands in for the home folder";

    tree_.folder("root/home");
    const std::string inner_home = tree_.native("root/home").string();
    setenv("HOME", inner_home.c_str(), 1);
    ASSERT_TRUE(parse({"--root", root_.c_str(), photos_.c_str()}, o, error)) << error;
    EXPECT_EQ(o.right, inner_home) << "a home inside the root stays";
}

TEST_F(host_options, wrong_arguments_are_refused_naming_only_what_was_given) {
    const std::string missing = tree_.native("root/nothing").string();
    const struct {
        std::vector<const char*> args;
        std::vector<std::string> said;
        std::string not_said = TOLVIK_LANG_DIR;  // what the user never gave
    } cases[] = {
        {.args = {"--root", "/nonexistent/tolvik-root"},
         .said = {"--root", "/nonexistent/tolvik-root", "does not exist"},
         .not_said = "home"},
        {.args = {"--root", root_.c_str(), missing.c_str()},
         .said = {"left panel", missing, "does not exist"},
         .not_said = elsewhere_},
        {.args = {"--root", root_.c_str(), "--right", elsewhere_.c_str()},
         .said = {"right panel", elsewhere_, "outside the root", root_},
         .not_said = "left panel"},
        {.args = {"--lang", "xx", "--root", root_.c_str()}, .said = {"--lang xx", "known:", "de", "en"}},
        {.args = {"--size", "99999x99999"},
         .said = {"--size 99999x99999", "at most 1000x1000"},
         .not_said = "at least"},
        {.args = {"--size", "10x3"}, .said = {"--size 10x3", "at least 16x4"}, .not_said = "at most"},
        {.args = {"--keys", "F10", "--size", "wide"}, .said = {"--size wide", "WxH"}},
        {.args = {"--size", "80x25"}, .said = {"--size 80x25", "a terminal keeps its own"}},
        {.args = {"--root", root_.c_str(), "--select", "photos,nothing.jpg", root_.c_str()},
         .said = {"--select nothing.jpg", "no such name", root_},
         .not_said = "photos,"},
        {.args = {"--bogus"}, .said = {"unknown option --bogus"}},
        {.args = {"a", "b", "c"}, .said = {"too many folders: c"}},
        {.args = {"--left"}, .said = {"--left needs a value"}},
        {.args = {"--keys", "F11 Frobnicate"}, .said = {"'Frobnicate'"}},
        {.args = {"--keys", "resize"}, .said = {"'resize' wants a size WxH"}},
        {.args = {"--keys", "resize big"}, .said = {"'resize' wants a size WxH"}},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.args[0] + std::string(" ") + each.args.back());
        options out;
        std::string error;
        EXPECT_FALSE(parse(each.args, out, error));
        for (const std::string& text : each.said)
            EXPECT_NE(error.find(text), std::string::npos) << "'" << text << "' missing from: " << error;
        EXPECT_EQ(error.find(each.not_said), std::string::npos)
            << "names what the user never gave: " << error;
    }
}

TEST_F(host_options, language_codes_find_their_files_and_host_texts_beside_them) {
    for (const char* file : {"lang/tolvik_ru.lng", "lang/tolvik_ru.hlf", "lang/host_ru.txt",
                             "lang/host_en.txt", "own/tolvik_pl.lng", "own/host_pl.txt"})
        tree_.file(file);
    auto in_tree = [&](const char* path) { return tree_.native(path).string(); };
    const struct {
        std::string lang;  // as --lang gives it
        std::string language;
        std::string host_texts;  // read after the English ones
        std::string help;
    } cases[] = {
        {.lang = "ru",
         .language = in_tree("lang/tolvik_ru.lng"),
         .host_texts = in_tree("lang/host_ru.txt"),
         .help = in_tree("lang/tolvik_ru.hlf")},
        {.lang = in_tree("own/tolvik_pl.lng"),
         .language = in_tree("own/tolvik_pl.lng"),
         .host_texts = in_tree("own/host_pl.txt"),
         .help = ""},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.lang);
        options out;
        std::string error;
        ASSERT_TRUE(parse({"--root", tree_.native().string().c_str(), "--lang", each.lang.c_str()}, out,
                          error, in_tree("lang")))
            << error;
        EXPECT_EQ(out.language, each.language);
        EXPECT_EQ(out.host_texts, (std::vector<std::string>{in_tree("lang/host_en.txt"), each.host_texts}))
            << "English under every language, then the texts beside the language file";
        EXPECT_EQ(out.help, each.help);
    }
}

TEST_F(host_options, key_scripts_are_read_whole_before_anything_runs) {
    std::vector<script_step> steps;
    std::string error;
    ASSERT_TRUE(parse_key_script("F11 resize 60x16 ctrl-down C-S-F3 ctrl-up idle dump", steps, error))
        << error;
    ASSERT_EQ(steps.size(), 7u);
    EXPECT_EQ(steps[0].code, keys::f(11));
    EXPECT_EQ(steps[1].what, script_step::kind::resize);
    EXPECT_EQ(steps[1].width, 60);
    EXPECT_EQ(steps[1].height, 16);
    EXPECT_EQ(steps[2].what, script_step::kind::ctrl_down);
    EXPECT_EQ(steps[3].code, keys::ctrl | keys::shift | keys::f(3));
    EXPECT_EQ(steps[4].what, script_step::kind::ctrl_up);
    EXPECT_EQ(steps[5].what, script_step::kind::idle);
    EXPECT_EQ(steps[6].what, script_step::kind::dump);

    steps.assign(1, script_step{});
    EXPECT_FALSE(parse_key_script("Enter Dwn Esc", steps, error));
    EXPECT_NE(error.find("'Dwn'"), std::string::npos) << "the error names the word: " << error;
    EXPECT_EQ(steps.size(), 1u) << "nothing is taken from a script with a bad word";
}

TEST_F(host_options, help_lists_every_key_word_and_option) {
    std::string usage = usage_text();
    for (const std::string& name : key_names())
        EXPECT_TRUE(usage.find(" " + name + " ") != std::string::npos ||
                    usage.find(" " + name + "\n") != std::string::npos)
            << name;
    for (const char* word : {"dump", "ctrl-down", "ctrl-up", "idle", "resize WxH", "--legacy-keys",
                             "--welcome", "C-S-F3", "Exit status", "from 16x4 to 1000x1000"})
        EXPECT_NE(usage.find(word), std::string::npos) << word;
    EXPECT_NE(usage.find("68x15"), std::string::npos) << "the smallest screen";
}

}  // namespace
}  // namespace tolvik::tools
