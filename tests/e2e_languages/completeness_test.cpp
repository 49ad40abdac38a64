// Every language holds what English holds: each message number in the same
// place with the same placeholders (message 11 exactly one "%s", no other
// message a '%'), each help topic under the same name, and in the host's
// texts only names English has, with the same "{...}" marks and key bars of
// the same keys.
#include <gtest/gtest.h>

#include <regex>

#include "e2e_languages/language_set.h"
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

std::vector<std::string> messages_of(const language_files& files) {
    emu::language lang;
    std::string error;
    EXPECT_TRUE(lang.load(files.messages.string(), &error)) << error;
    std::vector<std::string> texts;
    for (size_t id = 0; id < lang.size(); ++id) texts.push_back(lang.message(static_cast<int32_t>(id)));
    return texts;
}

// The "{name}" marks of a text, in order.
std::vector<std::string> marks(const std::string& text) {
    std::vector<std::string> found;
    static const std::regex mark("\\{[a-z_]+\\}");
    for (std::sregex_iterator it(text.begin(), text.end(), mark), end; it != end; ++it)
        found.push_back(it->str());
    return found;
}

// "C-S-F3" -> "C-S-": the modifier notation of a key bar's key.
std::string modifiers(const std::string& key) {
    static const std::regex prefix("^((C|S|A)-)+");
    std::smatch match;
    return std::regex_search(key, match, prefix) ? match.str() : "";
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
    for (const auto& [name, lines] : texts) {
        SCOPED_TRACE(name);
        auto found = english_texts.find(name);
        ASSERT_NE(found, english_texts.end()) << "English has no text of this name";
        const std::vector<std::string>& english_lines = found->second;
        if (english_lines.size() == 1) {
            EXPECT_EQ(lines.size(), 1u) << "one line in English";
        }
        std::vector<std::string> all_marks;
        std::vector<std::string> english_marks;
        for (const std::string& line : lines)
            for (const std::string& m : marks(line)) all_marks.push_back(m);
        for (const std::string& line : english_lines)
            for (const std::string& m : marks(line)) english_marks.push_back(m);
        std::sort(all_marks.begin(), all_marks.end());
        std::sort(english_marks.begin(), english_marks.end());
        EXPECT_EQ(joined(all_marks), joined(english_marks));
        if (name.rfind("keybar.", 0) != 0) continue;
        std::vector<tools::key_bar_pair> bar = tools::key_bar_pairs(lines[0]);
        std::vector<tools::key_bar_pair> english_bar = tools::key_bar_pairs(english_lines[0]);
        ASSERT_EQ(bar.size(), english_bar.size()) << "pairs: " << lines[0];
        for (size_t i = 0; i < bar.size(); ++i)
            EXPECT_EQ(modifiers(bar[i].key), modifiers(english_bar[i].key))
                << "pair \"" << pair_text(bar[i]) << "\": key bars write the modifiers as English does ("
                << pair_text(english_bar[i]) << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(shipped, completeness, ::testing::ValuesIn(shipped_languages()), language_name{});

}  // namespace
}  // namespace tolvik::test
