// The host's reading of a language file and its message lookup.
#include "emulator/language.h"

#include <gtest/gtest.h>

#include <string>

namespace tolvik::test {
using namespace emu;
namespace {

TEST(language, parses_messages_in_order_skipping_blanks_and_comments) {
    language lang;
    std::string error;
    ASSERT_TRUE(
        lang.parse(".Language=English,English\r\n"
                   "\n"
                   "// a comment\n"
                   "\"zero\"\n"
                   "  \"\"  \n"
                   "\"say \\\"hi\\\"\"\n"
                   "\"C:\\\"\n"
                   "\"50% of %s\"",
                   &error))
        << error;
    EXPECT_EQ(lang.name(), "English");
    ASSERT_EQ(lang.size(), 5u);
    EXPECT_STREQ(lang.message(0), "zero");
    EXPECT_STREQ(lang.message(1), "");
    EXPECT_STREQ(lang.message(2), "say \"hi\"");
    EXPECT_STREQ(lang.message(3), "C:\\") << "a closing quote after a backslash still closes";
    EXPECT_STREQ(lang.message(4), "50% of %s") << "no trailing newline";
    EXPECT_EQ(lang.message(5), nullptr);
    EXPECT_EQ(lang.message(-1), nullptr);
}

TEST(language, malformed_files_are_refused_and_keep_the_old_messages) {
    language lang;
    ASSERT_TRUE(lang.parse(".Language=English,English\n\"kept\"\n"));
    std::string error;
    EXPECT_FALSE(lang.parse("\"no header\"\n", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(lang.parse(".Language=English,English\nunquoted\n", &error));
    EXPECT_NE(error.find("line 2"), std::string::npos) << "expected the line number, got: " << error;
    EXPECT_FALSE(lang.load("/no/such/file.lng", &error));
    EXPECT_STREQ(lang.message(0), "kept");
    EXPECT_EQ(lang.changes(), 1u) << "a refused file changes nothing, so it must not count as a change";
}

TEST(language, pointers_stay_valid_when_messages_are_replaced) {
    language lang;
    ASSERT_TRUE(lang.parse(".Language=English,English\n\"old\"\n"));
    const char* old = lang.message(0);
    lang.set_message(0, std::string(1000, 'x'));
    lang.set_message(3, "%n %d %s %s");
    ASSERT_TRUE(lang.parse(".Language=English,English\n\"new\"\n"));
    EXPECT_STREQ(old, "old") << "a pointer handed out earlier must still read its text";
    EXPECT_STREQ(lang.message(0), "new");
}

TEST(language, set_message_grows_with_empty_messages) {
    language lang;
    lang.set_message(2, "two");
    ASSERT_EQ(lang.size(), 3u);
    EXPECT_STREQ(lang.message(0), "");
    EXPECT_STREQ(lang.message(2), "two");
    lang.set_message(-4, "ignored");
    EXPECT_EQ(lang.size(), 3u);
    EXPECT_EQ(lang.changes(), 1u) << "only the message that was set counts";
    language copy = lang;
    copy.set_message(0, "zero");
    EXPECT_EQ(copy.changes(), 2u) << "a copy carries the count on";
}

TEST(language, the_english_file_holds_messages_0_to_17) {
    language lang;
    std::string error;
    ASSERT_TRUE(lang.load(std::string(TOLVIK_LANG_DIR) + "/tolvik_en.lng", &error)) << error;
    EXPECT_GE(lang.size(), 18u);
    for (int32_t id = 0; id < 18; ++id) EXPECT_NE(lang.message(id), nullptr) << "message " << id;
    std::string format = lang.message(11);
    EXPECT_NE(format.find("%s"), std::string::npos) << "message 11 holds one %s, got: " << format;
}

}  // namespace
}  // namespace tolvik::test
