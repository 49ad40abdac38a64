// The shipped language and help files, read by the host's own parsers: every
// language holds the same messages, the one format keeps exactly one "%s",
// every text fits the boxes that show it, and every help file explains the
// list dialog in a box that fits an 80x25 screen. How each file is encoded
// is checked by scripts/lang_codepages.py (the test lang_codepages).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "emulator/dialogs.h"
#include "emulator/language.h"
#include "emulator/text_file.h"
#include "host/constants.h"
#include "support/host_setup.h"

namespace tolvik::test {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> files_with(const std::string& extension) {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(fs::path(TOLVIK_LANG_DIR)))
        if (entry.is_regular_file() && entry.path().extension() == extension) found.push_back(entry.path());
    std::sort(found.begin(), found.end());
    return found;
}

std::string text(const emu::language& lang, int32_t id) {
    const char* t = lang.message(id);
    return t ? t : "";
}

// Number of '%' signs, and of "%s" among them.
void count_formats(const std::string& text, int& percents, int& strings) {
    percents = 0;
    strings = 0;
    for (size_t at = 0; at < text.size(); ++at)
        if (text[at] == '%') {
            ++percents;
            if (at + 1 < text.size() && text[at + 1] == 's') ++strings;
        }
}

TEST(language_files, english_and_at_least_one_other_language_are_shipped) {
    std::vector<fs::path> languages = files_with(".lng");
    ASSERT_GE(languages.size(), 2u) << "expected tolvik_en.lng and a second language in " << TOLVIK_LANG_DIR;
    EXPECT_TRUE(fs::exists(fs::path(TOLVIK_LANG_DIR) / "tolvik_en.lng"));
}

TEST(language_files, every_language_holds_the_same_messages_with_one_string_in_message_11) {
    emu::language english;
    ASSERT_TRUE(english.load((fs::path(TOLVIK_LANG_DIR) / "tolvik_en.lng").string()));
    ASSERT_EQ(english.size(), static_cast<size_t>(message_count));
    std::vector<std::string> names;
    for (const fs::path& path : files_with(".lng")) {
        SCOPED_TRACE(path.filename().string());
        emu::language lang;
        std::string error;
        ASSERT_TRUE(lang.load(path.string(), &error)) << error;
        EXPECT_EQ(lang.size(), english.size())
            << "expected " << english.size() << " messages, got " << lang.size();
        EXPECT_FALSE(lang.name().empty()) << "no .Language line";
        EXPECT_EQ(std::count(names.begin(), names.end(), lang.name()), 0)
            << "language named twice: " << lang.name();
        names.push_back(lang.name());

        for (int32_t id = 0; id < message_count; ++id) {
            int percents = 0;
            int strings = 0;
            count_formats(text(lang, id), percents, strings);
            if (id == msg_warning_format) {
                EXPECT_EQ(strings, 1)
                    << "message 11: expected one %s, got " << strings << " in \"" << text(lang, id) << '"';
                EXPECT_EQ(percents, 1) << "message 11 may hold no other format: \"" << text(lang, id) << '"';
            } else {
                EXPECT_EQ(percents, 0) << "message " << id << " is no format: \"" << text(lang, id) << '"';
            }
            // 3 is unused in every language.
            bool used = id != 3;
            EXPECT_EQ(text(lang, id).empty(), !used) << "message " << id << ": \"" << text(lang, id) << '"';
        }
    }
}

// The English file says in a comment before each group which numbers follow
// ("// 7-9: titles of the warning box"): each such comment stands before the
// message of its first number, and the plugin's names of the numbers fall in
// the group whose comment names their role.
TEST(language_files, each_message_number_names_its_english_text) {
    std::string contents = emu::read_text_file(english_language_file()).value_or("");
    ASSERT_FALSE(contents.empty()) << "cannot read " << english_language_file();
    std::istringstream lines(contents);
    std::string line;
    int32_t next_message = 0;
    std::vector<std::string> group_of(message_count);  // the comment over each message
    std::string group;
    bool header = false;
    while (std::getline(lines, line)) {
        std::string_view trimmed = emu::trim(line);
        if (trimmed.empty()) continue;
        if (!header) {
            header = true;
            continue;
        }
        if (trimmed.substr(0, 3) == "// ") {
            group = std::string(trimmed.substr(3));
            EXPECT_EQ(std::atoi(group.c_str()), next_message)
                << "the comment \"" << group << "\" stands over message " << next_message;
            continue;
        }
        ASSERT_LT(next_message, message_count) << "more messages than message_count";
        group_of[static_cast<size_t>(next_message++)] = group;
    }
    EXPECT_EQ(next_message, message_count);
    const std::vector<std::pair<std::vector<int32_t>, std::string>> roles = {
        {{msg_too_old_title, msg_too_old_text, msg_ok}, "too old"},
        {{msg_menu_entry}, "plugin menu entry"},
        {{msg_list_title}, "list title"},
        {{msg_refused_delete, msg_refused_move, msg_refused_clone, msg_refused_new},
         "titles of the warning box"},
        {{msg_warning_line, msg_warning_format}, "the warning's lines"},
        {{msg_label_file, msg_label_plugin, msg_label_tree, msg_label_information, msg_label_quick_view,
          msg_label_other},
         "panel type labels"},
    };
    for (const auto& [ids, role] : roles)
        for (int32_t id : ids)
            EXPECT_NE(group_of[static_cast<size_t>(id)].find(role), std::string::npos)
                << "message " << id << " stands under \"" << group_of[static_cast<size_t>(id)] << "\", not \""
                << role << '"';
}

TEST(language_files, texts_fit_the_list_and_the_warning_box_on_an_80_column_screen) {
    for (const fs::path& path : files_with(".lng")) {
        SCOPED_TRACE(path.filename().string());
        emu::language lang;
        ASSERT_TRUE(lang.load(path.string()));
        size_t longest_label = 0;
        for (int32_t id = msg_label_file; id <= msg_label_other; ++id)
            longest_label = std::max(longest_label, text(lang, id).size());
        // The list keeps at least 20 columns of path next to a 2-digit number
        // and the widest label in a dialog capped at 68 columns.
        EXPECT_LE(longest_label, 30u) << "the widest panel type label leaves too little room for the path";
        // The warning box is its widest text plus 8 columns; it must fit 80.
        size_t line = text(lang, msg_warning_format).size() - 2 + longest_label;
        size_t inner = std::max(line, text(lang, msg_warning_line).size());
        for (int32_t id = msg_refused_delete; id <= msg_refused_new; ++id)
            inner = std::max(inner, text(lang, id).size() + 2);
        EXPECT_LE(inner + 8, 80u) << "the warning box is " << inner + 8 << " columns wide";
        // The too-old box is the host's message box, the same 8 columns wider.
        EXPECT_LE(text(lang, msg_too_old_text).size() + 8, 80u);
        EXPECT_LE(text(lang, msg_list_title).size() + 10, 68u) << "the list title widens the dialog past 68";
    }
}

TEST(help_files, every_language_has_a_help_file_with_the_list_topic_fitting_80x25) {
    for (const fs::path& language_path : files_with(".lng")) {
        fs::path path = language_path;
        path.replace_extension(".hlf");
        SCOPED_TRACE(path.filename().string());
        ASSERT_TRUE(fs::exists(path)) << "expected a help file beside " << language_path.filename().string();
        emu::dialog_engine engine;
        ASSERT_TRUE(engine.load_help(path.string()));
        std::string topic = engine.help_topic_text("Panel_list");
        ASSERT_FALSE(topic.empty()) << "no topic @Panel_list";
        std::istringstream lines(topic);
        std::string line;
        int count = 0;
        while (std::getline(lines, line)) {
            ++count;
            // The host's box is the widest line plus 8 columns.
            EXPECT_LE(line.size(), 72u) << "line " << count << " is too wide: " << line;
            EXPECT_EQ(line.find('\t'), std::string::npos) << "tab in line " << count;
        }
        // Lines, the button row and 4 rows of frame fit 25 rows.
        EXPECT_LE(count + 5, 25) << "expected at most 20 lines, got " << count;
    }
}

TEST(help_files, english_topic_names_every_key_of_the_list) {
    emu::dialog_engine engine;
    ASSERT_TRUE(engine.load_help((fs::path(TOLVIK_LANG_DIR) / "tolvik_en.hlf").string()));
    std::string topic = engine.help_topic_text("Panel_list");
    const char* keys[] = {"Enter",        "Esc",     "F10",           "PgUp",    "PgDn",
                          "Home",         "End",     "Ctrl+Shift+F3", "Ctrl+F3", "Del",
                          "Ctrl+Del",     "Ctrl+F4", "Ctrl+Shift+F5", "Ctrl+R",  "Ctrl+~",
                          "Ctrl+Shift+~", "'-'",     "plugin panel"};
    for (const char* key : keys)
        EXPECT_NE(topic.find(key), std::string::npos) << "the help does not mention " << key;
}

}  // namespace
}  // namespace tolvik::test
