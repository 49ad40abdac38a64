// Every language holds what English holds: each message number in the same
// place with the same placeholders (message 11 exactly one "%s", no other
// message a '%'), each help topic under the same name, and in the host's
// texts every name English has and no other, with the same "{...}" marks and
// key bars of the same keys, whose first pair fits the smallest screen. English itself says what each message
// is for and which keys the list's help names.
#include <gtest/gtest.h>

#include <regex>

#include "e2e_languages/language_set.h"
#include "emulator/dialogs.h"
#include "emulator/language.h"
#include "emulator/text_file.h"
#include "host/constants.h"

namespace tolvik::test {
namespace {

// The '%' sequences of a text ("%s", "%d", "%%"...), in order.
std::vector<std::string> placeholders(const std::string& text) {
    std::vector<std::string> found;
    for (size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 2))
        found.push_back(text.substr(at, 2));
    return found;
}

std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items) out += (out.empty() ? "" : " ") + item;
    return "[" + out + "]";
}

std::vector<std::string> messages_of(const language_files& files, std::string* name = nullptr) {
    emu::language lang;
    std::string error;
    EXPECT_TRUE(lang.load(files.messages.string(), &error)) << error;
    if (name) *name = lang.name();
    std::vector<std::string> texts;
    for (size_t id = 0; id < lang.size(); ++id) texts.push_back(lang.message(static_cast<int32_t>(id)));
    return texts;
}

// The "{name}" marks of a text's lines, sorted.
std::vector<std::string> marks(const std::vector<std::string>& lines) {
    std::vector<std::string> found;
    static const std::regex mark("\\{[a-z_]+\\}");
    for (const std::string& text : lines)
        for (std::sregex_iterator it(text.begin(), text.end(), mark), end; it != end; ++it)
            found.push_back(it->str());
    std::sort(found.begin(), found.end());
    return found;
}

// "C-S-F3" -> "C-S-": the modifier notation of a key bar's key.
std::string modifiers(const std::string& key) {
    static const std::regex prefix("^((C|S|A)-)+");
    std::smatch match;
    return std::regex_search(key, match, prefix) ? match.str() : "";
}

TEST(shipped_languages, are_english_first_and_others_each_under_a_name_of_its_own) {
    std::vector<language_files> languages = shipped_languages();
    ASSERT_GE(languages.size(), 2u) << "expected tolvik_en.lng and a second language in " << TOLVIK_LANG_DIR;
    EXPECT_EQ(languages[0].code, "en");
    std::vector<std::string> names;
    for (const language_files& files : languages) {
        std::string name;
        messages_of(files, &name);
        EXPECT_FALSE(name.empty()) << files.code << ": no .Language line";
        EXPECT_EQ(std::count(names.begin(), names.end(), name), 0) << "language named twice: " << name;
        names.push_back(name);
    }
}

// The English file says in a comment before each group which numbers follow
// ("// 7-9: titles of the warning box"); the plugin's names of the numbers
// fall in the group whose comment names their role, and only message 3 is
// unused.
TEST(english_messages, each_message_number_stands_under_the_comment_of_its_role) {
    std::vector<std::string> group_of;
    std::string group;
    const std::string contents = read_bytes(english().messages);
    for (std::string_view whole : emu::split_lines(contents)) {
        std::string line(emu::trim(whole));
        if (line.rfind("// ", 0) == 0 && line.size() > 3 && std::isdigit(static_cast<unsigned char>(line[3])))
            group = line.substr(3);
        else if (line.find('"') != std::string::npos && line.rfind("//", 0) != 0)
            group_of.push_back(group);
    }
    ASSERT_EQ(group_of.size(), static_cast<size_t>(message_count));
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
    std::vector<std::string> texts = messages_of(english());
    for (size_t id = 0; id < texts.size(); ++id)
        EXPECT_EQ(texts[id].empty(), id == 3) << "message " << id << ": \"" << texts[id] << '"';
}

TEST(english_help, the_list_topic_names_every_key_of_the_list) {
    emu::dialog_engine engine;
    ASSERT_TRUE(engine.load_help(english().help.string()));
    std::string topic = engine.help_topic_text("Panel_list");
    for (const char* key :
         {"Enter", "Esc", "F10", "PgUp", "PgDn", "Home", "End", "Ctrl+Shift+F3", "Ctrl+F3", "Del", "Ctrl+Del",
          "Ctrl+F4", "Ctrl+Shift+F5", "Ctrl+R", "Ctrl+~", "Ctrl+Shift+~", "'-'", "plugin panel"})
        EXPECT_NE(topic.find(key), std::string::npos) << "the help does not mention " << key;
}

class completeness : public ::testing::TestWithParam<language_files> {};

TEST_P(completeness, every_message_of_english_in_the_same_place_with_the_same_placeholders) {
    std::vector<std::string> english_texts = messages_of(english());
    std::vector<std::string> texts = messages_of(GetParam());
    ASSERT_EQ(english_texts.size(), static_cast<size_t>(message_count));
    ASSERT_EQ(texts.size(), english_texts.size()) << "expected " << english_texts.size() << " messages";
    for (size_t id = 0; id < texts.size(); ++id) {
        SCOPED_TRACE("message " + std::to_string(id) + " \"" + texts[id] + "\"");
        EXPECT_EQ(texts[id].empty(), english_texts[id].empty()) << "English: \"" << english_texts[id] << '"';
        EXPECT_EQ(joined(placeholders(texts[id])), joined(placeholders(english_texts[id])));
        std::vector<std::string> found = placeholders(texts[id]);
        if (id == static_cast<size_t>(msg_warning_format)) {
            EXPECT_EQ(joined(found), "[%s]") << "message 11 holds exactly one %s";
        } else {
            EXPECT_TRUE(found.empty()) << "only message 11 may hold a %";
        }
    }
}

// A comment "// 7-9: ..." names the message that follows it; a message left
// out or added shifts the rest, which the comment then gives away.
TEST_P(completeness, numbered_comments_name_the_message_that_follows) {
    std::string contents = read_bytes(GetParam().messages);
    int next = 0;
    int numbered = 0;
    for (std::string_view whole : emu::split_lines(contents)) {
        std::string line(emu::trim_right(whole));
        if (line.rfind("// ", 0) == 0 && line.size() > 3 &&
            std::isdigit(static_cast<unsigned char>(line[3]))) {
            ++numbered;
            EXPECT_EQ(std::atoi(line.c_str() + 3), next)
                << "comment \"" << line << "\" stands before message " << next;
        } else if (line.find('"') != std::string::npos && line.rfind("//", 0) != 0) {
            ++next;
        }
    }
    EXPECT_GT(numbered, 0) << "the messages carry no numbered comments";
}

TEST_P(completeness, every_help_topic_of_english_under_the_same_name) {
    std::vector<std::string> english_topics = help_topics(read_bytes(english().help));
    std::vector<std::string> topics = help_topics(read_bytes(GetParam().help));
    ASSERT_FALSE(english_topics.empty());
    for (const std::string& topic : english_topics)
        EXPECT_EQ(std::count(topics.begin(), topics.end(), topic), 1) << "topic @" << topic;
    EXPECT_EQ(topics.size(), english_topics.size()) << "topics: " << joined(topics);
}

TEST_P(completeness, host_texts_are_names_english_has_with_the_same_marks_and_keys) {
    auto english_texts = host_texts_of({english().host_texts});
    auto texts = host_texts_of({GetParam().host_texts});
    ASSERT_FALSE(texts.empty()) << GetParam().host_texts.string();
    EXPECT_GT(english_texts.size(), 40u);
    for (const auto& [name, lines] : english_texts) EXPECT_EQ(texts.count(name), 1u) << "lacks " << name;
    for (const auto& [name, lines] : texts) {
        SCOPED_TRACE(name);
        auto found = english_texts.find(name);
        ASSERT_NE(found, english_texts.end()) << "English has no text of this name";
        const std::vector<std::string>& english_lines = found->second;
        if (english_lines.size() == 1) {
            EXPECT_EQ(lines.size(), 1u) << "one line in English";
        }
        EXPECT_EQ(joined(marks(lines)), joined(marks(english_lines)));
        if (name.rfind("keybar.", 0) != 0) continue;
        std::vector<tools::key_bar_pair> bar = tools::key_bar_pairs(lines[0]);
        std::vector<tools::key_bar_pair> english_bar = tools::key_bar_pairs(english_lines[0]);
        ASSERT_EQ(bar.size(), english_bar.size()) << "pairs: " << lines[0];
        // The host's smallest screen is 68 columns wide: the first pair fits it.
        ASSERT_FALSE(bar.empty());
        EXPECT_LE(pair_text(bar[0]).size(), 68u) << pair_text(bar[0]);
        for (size_t i = 0; i < bar.size(); ++i)
            EXPECT_EQ(modifiers(bar[i].key), modifiers(english_bar[i].key))
                << "pair \"" << pair_text(bar[i]) << "\": key bars write the modifiers as English does ("
                << pair_text(english_bar[i]) << ")";
    }
}

// The help and welcome boxes (their lines and 8 columns of frame) fit the
// smallest screen too, so that no line wraps and leaves a word on its own;
// the welcome's F11 and F12 lines start their second column in one place.
TEST_P(completeness, help_and_welcome_boxes_fit_the_smallest_screen) {
    auto texts = host_texts_of({english().host_texts, GetParam().host_texts});
    for (const char* box : {"help", "welcome"}) {
        EXPECT_FALSE(texts[box].empty()) << box;
        for (const std::string& line : texts[box])
            EXPECT_LE(line.size() + 8, 68u) << box << " too wide: " << line;
    }
    std::vector<size_t> second_columns;
    for (const std::string& line : texts["welcome"])
        if (line.rfind("F11", 0) == 0 || line.rfind("F12", 0) == 0)
            second_columns.push_back(line.find_first_not_of(' ', line.find("  ")));
    ASSERT_EQ(second_columns.size(), 2u);
    EXPECT_EQ(second_columns[0], second_columns[1]) << "the welcome's key lines are out of line";
}

TOLVIK_EACH_LANGUAGE(completeness);

}  // namespace
}  // namespace tolvik::test
