// Terminal bytes to host key codes, in both keyboard encodings.
#include "key_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tolvik::tools {
namespace {

using kind = terminal_event::kind;

std::vector<terminal_event> decode(const std::string& bytes, bool flush = true) {
    key_decoder decoder;
    std::vector<terminal_event> out;
    decoder.feed(bytes, out);
    if (flush) decoder.flush(out);
    return out;
}

// The key codes of the decoded key events, in order.
std::vector<int32_t> codes(const std::string& bytes) {
    std::vector<int32_t> out;
    for (const terminal_event& e : decode(bytes))
        if (e.what == kind::key) out.push_back(e.code);
    return out;
}

std::string names(const std::vector<int32_t>& codes) {
    std::string out;
    for (int32_t c : codes) out += (out.empty() ? "" : " ") + key_name(c);
    return out;
}

TEST(key_decoder, legacy_keys_the_list_dialog_tests_get_their_host_codes) {
    struct {
        const char* bytes;
        int32_t expected;
    } cases[] = {
        {"\r", 0x0D},
        {"\x1b[A", 0x126},
        {"\x1b[B", 0x128},
        {"\x1bOB", 0x128},
        {"\x1b[H", 0x124},
        {"\x1b[F", 0x123},
        {"\x1b[1~", 0x124},
        {"\x1b[4~", 0x123},
        {"\x1b[5~", 0x121},
        {"\x1b[6~", 0x122},
        {"\x1b[3~", 0x12E},
        {"\x1b[3;5~", 0x100012E},
        {"\x1b[1;5H", 0x1000124},
        {"\x1b[5;5~", 0x1000121},
        {"\x1b[21~", 0x179},
        {"\x1bOR", 0x172},
        {"\x1b[1;5R", 0x1000172},
        {"\x1b[1;6R", 0x5000172},
        {"\x1b[1;5S", 0x1000173},
        {"\x1b[15;6~", 0x5000174},
        {"\x12", 0x1000052},
        {"\x15", 0x1000055},
        {"\x1bOP", 0x170},
        {"\x1b[23~", 0x17A},
        {"\x1b[2~", 0x12D},
        {"\t", 0x09},
        {" ", 0x20},
        {"\x1b[1;5A", 0x1000126},
    };
    for (const auto& c : cases) {
        std::vector<int32_t> got = codes(c.bytes);
        ASSERT_EQ(got.size(), 1u) << "bytes of " << key_name(c.expected) << " gave: " << names(got);
        EXPECT_EQ(got[0], c.expected) << "expected " << key_name(c.expected) << ", got " << key_name(got[0]);
    }
}

TEST(key_decoder, a_split_sequence_waits_for_its_end_and_a_lone_esc_for_a_quiet_terminal) {
    key_decoder decoder;
    std::vector<terminal_event> out;
    decoder.feed("\x1b[1;", out);
    EXPECT_TRUE(out.empty()) << "an incomplete sequence gave " << out.size() << " events";
    EXPECT_TRUE(decoder.pending());
    decoder.feed("5R", out);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].code, 0x1000172) << "expected Ctrl+F3, got " << key_name(out[0].code);
    EXPECT_FALSE(decoder.pending());
    decoder.feed("\x1b", out);
    EXPECT_EQ(out.size(), 1u) << "ESC may start a sequence: it waits";
    decoder.flush(out);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[1].code, 0x1B);
    EXPECT_EQ(names(codes("\x1b\x1b[B")), "Esc Down");
}

TEST(key_decoder, broken_or_endless_sequences_end_as_esc_and_lose_no_later_key) {
    // A control byte inside a sequence: ESC was a key, the rest is decoded.
    EXPECT_EQ(names(codes("\x1b[\r")), "Esc [ Enter");
    // Parameters that never end do not grow the buffer without bound.
    std::string endless = "\x1b[" + std::string(500, '1');
    key_decoder decoder;
    std::vector<terminal_event> out;
    decoder.feed(endless, out);
    EXPECT_FALSE(decoder.pending()) << "expected the junk to be dropped";
    decoder.feed("\x1b[B", out);
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(out.back().code, 0x128) << "expected Down after the junk, got " << key_name(out.back().code);
    // Unknown sequences are swallowed whole.
    EXPECT_EQ(names(codes("\x1b[99x\x1b[A")), "Up");
}

TEST(key_decoder, progressive_protocol_reports_ctrl_going_down_and_up_and_answers_apart_from_keys) {
    std::vector<terminal_event> events = decode("\x1b[57442u\x1b[96;5u\x1b[96;5:3u\x1b[57442;5:3u");
    ASSERT_EQ(events.size(), 3u) << "expected Ctrl down, Ctrl+~, Ctrl up (key releases dropped)";
    EXPECT_EQ(events[0].what, kind::ctrl_down);
    EXPECT_EQ(events[1].what, kind::key);
    EXPECT_EQ(events[1].code, 0x100007E) << "expected Ctrl+~, got " << key_name(events[1].code);
    EXPECT_EQ(events[2].what, kind::ctrl_up);
    // The right Ctrl key as well; repeats of Ctrl are no new press.
    events = decode("\x1b[57448;5:1u\x1b[57448;5:2u\x1b[57448;1:3u");
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].what, kind::ctrl_down);
    EXPECT_EQ(events[1].what, kind::ctrl_up);
    // Shift alone is no key.
    EXPECT_TRUE(decode("\x1b[57441;2u").empty());
    // Answers to the host's questions are no keys.
    events = decode("\x1b[?11u\x1b[?62;22c");
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].what, kind::protocol_reply);
    EXPECT_EQ(events[0].code, 11);
    EXPECT_EQ(events[1].what, kind::protocol_reply);
    EXPECT_EQ(events[1].code, -1) << "device attributes";
}

TEST(key_decoder, progressive_protocol_keys_get_the_same_codes_as_legacy_ones) {
    EXPECT_EQ(names(codes("\x1b[96;6u")), key_name(0x500007E)) << "Ctrl+Shift+~ walks up";
    EXPECT_EQ(names(codes("\x1b[114;5u")), key_name(0x1000052)) << "Ctrl+R";
    EXPECT_EQ(names(codes("\x1b[13u\x1b[27u\x1b[9u")), "Enter Esc Tab");
    EXPECT_EQ(names(codes("\x1b[1;5B")), "Ctrl+Down");
    EXPECT_EQ(names(codes("\x1b[1;5:2B")), "Ctrl+Down") << "a repeat counts as a press";
    EXPECT_TRUE(codes("\x1b[1;5:3B").empty()) << "a release is no key";
    EXPECT_EQ(names(codes("\x1b[13;5~")), "Ctrl+F3");
    EXPECT_EQ(names(codes("\x1b[97;2u")), "A") << "Shift+a is 'A'";
    // Shifted alternates: '+' is typed, and Ctrl+Shift keeps both modifiers.
    EXPECT_EQ(codes("\x1b[61:43;2u"), std::vector<int32_t>{'+'});
    EXPECT_EQ(codes("\x1b[96:126;6u"), std::vector<int32_t>{0x500007E}) << "Ctrl+Shift+~";
    EXPECT_EQ(codes("\x1b[114:82;6u"), std::vector<int32_t>{0x5000052}) << "Ctrl+Shift+R";
}

TEST(key_decoder, sgr_mouse_wheel_gives_the_wheel_keys_and_clicks_nothing) {
    EXPECT_EQ(codes("\x1b[<64;10;5M\x1b[<65;1;1M"), (std::vector<int32_t>{keys::wheel_up, keys::wheel_down}));
    EXPECT_EQ(codes("\x1b[<81;3;3M"), (std::vector<int32_t>{keys::wheel_down | keys::ctrl})) << "Ctrl+wheel";
    EXPECT_EQ(codes("\x1b[<0;3;3M\x1b[<0;3;3m\x1b[<66;3;3M\x1b[<64;3;3m"), (std::vector<int32_t>{}))
        << "clicks, releases and sideways wheels are no keys";
    EXPECT_EQ(codes("\x1b[<65;200;60Mq"), (std::vector<int32_t>{keys::wheel_down, 'q'}))
        << "the next key survives";
}

TEST(key_decoder, sgr_left_button_presses_are_clicks_at_cells_from_0) {
    std::vector<terminal_event> events =
        decode("\x1b[<0;10;5M\x1b[<0;10;5m\x1b[<32;11;5M\x1b[<2;3;3M\x1b[<1;3;3M\x1b[<0;1;1M");
    ASSERT_EQ(events.size(), 2u) << "releases, drags, the right and middle buttons are no clicks";
    EXPECT_EQ(events[0].what, kind::click);
    EXPECT_EQ(events[0].x, 9) << "terminals count from 1";
    EXPECT_EQ(events[0].y, 4);
    EXPECT_EQ(events[1].what, kind::click);
    EXPECT_EQ(events[1].x, 0);
    EXPECT_EQ(events[1].y, 0);
}

TEST(key_names, script_names_give_the_codes_the_plugin_tests) {
    EXPECT_EQ(key_from_name("C-S-F3"), 0x5000172);
    EXPECT_EQ(key_from_name("Ctrl+F3"), 0x1000172);
    EXPECT_EQ(key_from_name("C-S-F5"), 0x5000174);
    EXPECT_EQ(key_from_name("C-r"), 0x1000052);
    EXPECT_EQ(key_from_name("C-~"), 0x100007E);
    EXPECT_EQ(key_from_name("Del"), 0x12E);
    EXPECT_EQ(key_from_name("F10"), 0x179);
    EXPECT_EQ(key_from_name("s"), 's');
    EXPECT_EQ(key_from_name("Nonsense"), 0);
    EXPECT_EQ(key_from_name("C-"), 0);
    for (int32_t code : {0x5000172, 0x126, 0x100012E, 0x17B, 0x1000052})
        EXPECT_EQ(key_from_name(key_name(code)), code) << "round trip of " << key_name(code);
}

}  // namespace
}  // namespace tolvik::tools
