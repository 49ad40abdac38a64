// The host's default dialog procedure and the message box service.
#include "engine_fixture.h"
#include "host_keys.h"

namespace tolvik::test {
using namespace emu;
namespace {

using default_procedure = engine_test;
using message_boxes = engine_test;

std::vector<FarDialogItem> two_buttons(bool second_focused) {
    std::vector<FarDialogItem> items{box_item(2, 1, 27, 5, "Pick"), button_item(4, 3, "Yes"),
                                     button_item(12, 3, "No")};
    if (second_focused) items[2].focus = 1;
    return items;
}

// Enter closes on the focused button: the one marked, or else the first
// that can take the focus (hidden items never do).
TEST_F(default_procedure, enter_closes_on_the_focused_button) {
    auto marked = two_buttons(true);
    auto unmarked = two_buttons(false);
    unmarked[1].flags = flag_hidden;
    for (auto* items : {&marked, &unmarked}) {
        input.key(key::enter);
        EXPECT_EQ(run(*items), 2) << (items == &marked ? "marked" : "first that can take it");
    }
}

TEST_F(default_procedure, esc_closes_with_minus_one_and_other_keys_and_idle_are_left_alone) {
    auto items = two_buttons(false);
    std::vector<param_t> answers;
    outer_handler = [&answers](host_handle dialog, int32_t message, int32_t param1,
                               param_t param2) -> param_t {
        param_t answer = default_dialog_proc(dialog, message, param1, param2);
        answers.push_back(answer);
        return answer;
    };
    input.key('x');
    input.idle();
    input.keys({key::down, key::esc});
    EXPECT_EQ(run(items), -1);
    // init, 'x', idle, Down, Esc, close
    ASSERT_EQ(answers.size(), 6u);
    EXPECT_EQ(answers[1], 0) << "expected an ordinary key left unhandled";
    EXPECT_EQ(answers[2], 0) << "expected idle answered 0";
    EXPECT_EQ(answers[3], 0);
    EXPECT_EQ(answers[4], 1) << "expected Esc handled";
    EXPECT_EQ(answers[5], 1) << "expected the close allowed";
    EXPECT_EQ(calls.count(service::default_dialog_proc), 6u);
}

TEST_F(default_procedure, f1_records_the_topic_and_shows_its_help_text) {
    engine->set_help_text("@Other\nNot this.\n@Panel_list\n\nThe list of views.\nEnter keeps one.\n@End\n");
    auto items = two_buttons(false);
    input.keys({key::f1, key::enter /* closes the help box */, key::esc});
    EXPECT_EQ(run(items, 30, 7, outer_proc, "Panel_list"), -1)
        << "Enter went to the help box, Esc to the dialog";
    EXPECT_EQ(engine->help_requests(), (std::vector<std::string>{"Panel_list"}));
    EXPECT_EQ(calls.count(service::help), 1u);
    ASSERT_EQ(engine->message_boxes().size(), 1u);
    const message_box_run& help = engine->message_boxes()[0];
    EXPECT_EQ(help.title, "Panel_list");
    EXPECT_EQ(help.lines, (std::vector<std::string>{"The list of views.", "Enter keeps one."}));
    EXPECT_EQ(help.result, 0);
}

TEST_F(default_procedure, f1_without_topic_or_help_file_shows_nothing) {
    auto items = two_buttons(false);
    input.keys({key::f1, key::esc});
    run(items);
    EXPECT_TRUE(engine->help_requests().empty()) << "a dialog without a help topic has no help";
    input.keys({key::f1, key::esc});
    run(items, 30, 7, outer_proc, "Missing");
    EXPECT_EQ(engine->help_requests().size(), 1u);
    EXPECT_TRUE(engine->message_boxes().empty()) << "no help file: nothing to show";
    EXPECT_TRUE(failures.empty()) << failure_text();
}

TEST_F(default_procedure, unknown_handle_is_a_failure) {
    EXPECT_EQ(default_dialog_proc(reinterpret_cast<host_handle>(0x1234), dn_key, 0, key::esc), 0);
    EXPECT_EQ(failures.size(), 1u) << failure_text();
}

TEST_F(message_boxes, texts_are_split_into_title_lines_and_buttons) {
    const char* texts[] = {"Too old", "This host is too old.", "Update it.", "OK", "Cancel"};
    input.key(key::enter);
    EXPECT_EQ(message_box(7, style_warning, "Topic", texts, 5, 2), 0);
    ASSERT_EQ(engine->message_boxes().size(), 1u);
    const message_box_run& box = engine->message_boxes()[0];
    EXPECT_EQ(box.flags, style_warning);
    EXPECT_EQ(box.help_topic, "Topic");
    EXPECT_EQ(box.title, "Too old");
    EXPECT_EQ(box.lines, (std::vector<std::string>{"This host is too old.", "Update it."}));
    EXPECT_EQ(box.buttons, (std::vector<std::string>{"OK", "Cancel"}));
    const call_entry* logged = calls.last(service::message_box);
    ASSERT_NE(logged, nullptr);
    EXPECT_EQ(logged->args[1], 1);
    EXPECT_EQ(logged->args[4], 5);
    EXPECT_EQ(logged->args[5], 2);
    EXPECT_EQ(logged->texts.size(), 6u) << "the topic, then every text";
    EXPECT_TRUE(failures.empty()) << failure_text();
}

TEST_F(message_boxes, esc_gives_minus_one_other_keys_are_ignored_and_no_input_cancels) {
    const char* texts[] = {"T", "line", "OK"};
    input.keys({'a', key::down, key::esc, key::enter});
    EXPECT_EQ(message_box(7, 1, nullptr, texts, 3, 1), -1);
    EXPECT_EQ(input.size(), 1u) << "the box stops at Esc";
    EXPECT_EQ(message_box(7, 1, nullptr, texts, 3, 1), 0);
    EXPECT_EQ(message_box(7, 1, nullptr, texts, 3, 1), -1) << "an empty queue closes at once";
    EXPECT_TRUE(failures.empty()) << "running out of input is no failure here:\n" << failure_text();
    EXPECT_EQ(engine->message_boxes().size(), 3u);
}

TEST_F(message_boxes, malformed_arguments_are_failures_not_crashes) {
    EXPECT_EQ(message_box(7, 1, nullptr, nullptr, 2, 1), -1);
    const char* texts[] = {"T", nullptr, "OK"};
    message_box(7, 1, nullptr, texts, 3, 5);
    EXPECT_EQ(failures.size(), 3u) << "expected null array, null text and too many buttons, got:\n"
                                   << failure_text();
    ASSERT_EQ(engine->message_boxes().size(), 1u);
    EXPECT_EQ(engine->message_boxes()[0].buttons.size(), 2u)
        << "the buttons are cut to the texts after the title";
}

TEST_F(default_procedure, shipped_help_topic_is_shown_whole_on_the_screen) {
    ASSERT_TRUE(engine->load_help(std::string(TOLVIK_LANG_DIR) + "/tolvik_en.hlf"));
    std::string text = engine->help_topic_text("Panel_list");
    ASSERT_FALSE(text.empty()) << "expected the Panel_list topic in the English help file";
    EXPECT_EQ(text.find(".Language"), std::string::npos) << "the header is no part of a topic";

    std::string shown;
    input.set_source([&](input_event& event) {
        if (shown.empty() && !engine->help_requests().empty()) shown = display.dump();
        event = {input_kind::key, key::esc};
        return true;
    });
    std::vector<FarDialogItem> items{box_item(2, 1, 27, 5, "Views")};
    input.key(key::f1);
    dialog_ex(7, -1, -1, 30, 7, "Panel_list", items.data(), 1, 0, 0, outer_proc, 0);

    ASSERT_EQ(engine->message_boxes().size(), 1u);
    for (const std::string& line : engine->message_boxes()[0].lines) {
        std::string trimmed = line.substr(0, line.find_last_not_of(' ') + 1);
        EXPECT_NE(shown.find(trimmed), std::string::npos)
            << "expected the line \"" << trimmed << "\" on the screen:\n"
            << shown;
    }
}

}  // namespace
}  // namespace tolvik::test
