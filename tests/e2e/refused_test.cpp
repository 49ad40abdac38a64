// Keys refused while the active panel cannot be switched: the warning box
// names the panel type, and nothing changes.
#include "e2e/list_fixture.h"

namespace tolvik::test {
using namespace emu;
namespace {

class refused : public list_dialog_test {
protected:
    // Message 11 with the label of `label_id` in its one "%s".
    std::string type_line(int32_t label_id) {
        std::string line = text(msg_warning_format);
        size_t at = line.find("%s");
        return at == std::string::npos ? line : line.replace(at, 2, text(label_id));
    }
};

const panel_kind& plugin_panel = unsupported_panels[0];
const panel_kind& tree_panel = unsupported_panels[1];
const panel_kind& quick_view_panel = unsupported_panels[2];

TEST_F(refused, each_guarded_key_shows_its_title_and_names_the_panel_type) {
    grow_to(3);
    for (const panel_kind& kind : unsupported_panels) {
        make_active(kind);
        for (int32_t code : keys::codes_of(keys::guarded)) {
            SCOPED_TRACE(std::string(kind.name) + " panel, key " + std::to_string(code));
            size_t from = open({press(code), press(key::enter), press(key::esc)});
            const open_dialog* box = last_warning();
            ASSERT_NE(box, nullptr) << host->report();
            EXPECT_EQ(box->title(), text(keys::row_of(code, false)->refused_title));
            EXPECT_EQ(field_text(box->items[2].record.text, item_text_size), type_line(kind.label));
            EXPECT_EQ(field_text(box->items[1].record.text, item_text_size), text(msg_warning_line));
            EXPECT_TRUE(applied_since(from).empty())
                << "a refused key changes nothing: " << join(applied_since(from));
            auto boxes = calls_since(from, service::dialog_ex);
            ASSERT_EQ(boxes.size(), 2u);
            EXPECT_EQ(boxes[1].args[9], 1) << "warning colours";
            EXPECT_EQ(boxes[1].args[5], 0) << "no help topic";
            EXPECT_EQ(boxes[1].args[7], 4);
            // Fields the items do not use are handed over as 0, never as
            // whatever the stack held.
            for (size_t i = 1; i < box->items.size(); ++i) {
                const FarDialogItem& item = box->items[i].record;
                EXPECT_EQ(item.right, 0) << "item " << i;
                EXPECT_EQ(item.bottom, 0) << "item " << i;
                EXPECT_EQ(item.list, nullptr) << "item " << i;
            }
        }
    }
}

TEST_F(refused, the_longest_of_the_formatted_line_and_the_title_sets_the_width) {
    const struct {
        int32_t id;
        std::string text;
        int32_t width;
    } longest[] = {
        {msg_label_tree, "tree panel of a rather long kind", 15 + 32 + 8},  // inner width: the formatted line
        {msg_refused_move, std::string(50, 'T'), 52 + 8},                   // inner width: the title + 2
    };
    make_active(tree_panel);
    for (const auto& l : longest) {
        host->lang().set_message(l.id, l.text);
        open({press(key::down), press(key::enter), press(key::esc)});
        ASSERT_NE(last_warning(), nullptr);
        EXPECT_EQ(last_warning()->width, l.width) << l.text;
    }
}

// In normal mode the box is seven rows with a focused default button; in Ctrl
// mode it closes on the release, and the list after it.
TEST_F(refused, the_box_in_normal_and_in_ctrl_mode) {
    // Inner width: the longest of message 10, the formatted line and the
    // title + 2; W = inner + 4, and 4 more of margins in normal mode.
    // English: "Views work on file panels only." (31) over "Active panel:
    // plugin panel." (27), its quick view line and 19 + 2. German: message 10
    // and "Ansicht kann nicht gewechselt werden" + 2 (both 38) over "Typ des
    // aktiven Panels: Plugin-Panel." (37), under "Typ des aktiven Panels:
    // Schnellansicht." (39).
    const struct {
        const char* language;
        int32_t normal_width;
        int32_t ctrl_width;
    } languages[] = {{"en", 31 + 8, 31 + 4}, {"de", 38 + 8, 39 + 4}};
    grow_to(3);
    for (const auto& l : languages) {
        SCOPED_TRACE(l.language);
        ASSERT_TRUE(host->load_language(std::string(TOLVIK_LANG_DIR) + "/tolvik_" + l.language + ".lng"));
        make_active(plugin_panel);
        open({press(key::down), press(key::enter), press(key::esc)});
        const open_dialog* box = last_warning();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(field_text(box->items[2].record.text, item_text_size), type_line(msg_label_plugin));
        EXPECT_EQ(box->width, l.normal_width);
        EXPECT_EQ(box->height, 7);
        const FarDialogItem& frame = box->items[0].record;
        EXPECT_EQ(std::vector<int32_t>({frame.left, frame.top, frame.right, frame.bottom}),
                  std::vector<int32_t>({2, 1, l.normal_width - 3, 5}));
        EXPECT_EQ(box->items[1].record.top, 2);
        EXPECT_EQ(box->items[2].record.top, 3);
        EXPECT_EQ(box->items[1].record.left, -1);
        const FarDialogItem& button = box->items[3].record;
        EXPECT_EQ(button.type, item_button);
        EXPECT_EQ(std::vector<int32_t>({button.left, button.top}), std::vector<int32_t>({-1, 4}));
        EXPECT_EQ(button.flags, flag_button_centered);
        EXPECT_EQ(button.focus, 1);
        EXPECT_EQ(button.default_button, 1);
        EXPECT_EQ(field_text(button.text, item_text_size), text(msg_ok));

        make_active(file_panel);
        auto before = next_lines();
        make_active(quick_view_panel);
        size_t from = open({press(key::ctrl_tilde), idle(), ctrl_up(), idle()}, true);
        box = last_warning();
        ASSERT_NE(box, nullptr) << host->report();
        EXPECT_EQ(field_text(box->items[2].record.text, item_text_size), type_line(msg_label_quick_view));
        EXPECT_EQ(box->height, 4);
        EXPECT_EQ(box->width, l.ctrl_width);
        EXPECT_EQ(box->items[3].record.flags, flag_hidden | flag_button_centered);
        EXPECT_EQ(box->items[0].record.right, box->width - 1);
        EXPECT_TRUE(applied_since(from).empty()) << join(applied_since(from));
        auto messages = messages_since(from);
        ASSERT_GE(messages.size(), 2u);
        EXPECT_EQ(messages[messages.size() - 1], dm_close) << "the list closes";
        EXPECT_EQ(messages[messages.size() - 2], dm_close) << "after the box";
        for (const call_entry& c : calls_since(from, service::send_dialog_message)) {
            if (c.args[1] != dm_close) continue;
            EXPECT_EQ(std::vector<int32_t>(c.args.begin() + 2, c.args.end()), (std::vector<int32_t>{0, 0}))
                << "both dialogs close with 0, 0: " << c.describe();
        }
        EXPECT_EQ(host->dialogs().open_count(), 0u);
        // Nothing committed: the order stays.
        make_active(file_panel);
        EXPECT_EQ(next_lines(), before);
    }
}

// A host that hands the warning box an idle notification before its init
// notification, Ctrl already released: the box has no handle yet to close.
dialog_proc_fn box_proc = nullptr;

param_t TOLVIK_API idle_before_init(host_handle dialog, int32_t message, int32_t param1, param_t param2) {
    if (message == dn_init) {
        emu::host::current()->set_key_held(virtual_key_control, false);
        box_proc(dialog, dn_idle, 0, 0);
    }
    return box_proc(dialog, message, param1, param2);
}

int32_t TOLVIK_API early_idle_dialog_ex(int32_t module_number, int32_t left, int32_t top, int32_t width,
                                        int32_t height, const char* help_topic, FarDialogItem* items,
                                        int32_t item_count, uint32_t reserved, uint32_t flags,
                                        dialog_proc_fn proc, param_t param) {
    if (item_count == 4) {  // the warning box
        box_proc = proc;
        proc = &idle_before_init;
    }
    return emu::dialog_ex(module_number, left, top, width, height, help_topic, items, item_count, reserved,
                          flags, proc, param);
}

TEST_F(refused, an_idle_notification_before_the_box_has_its_handle_sends_nothing) {
    restart([](startup_info& record) { record.dialog_ex = &early_idle_dialog_ex; });
    make_active(plugin_panel);
    size_t from = open({press(key::ctrl_tilde), idle()}, true);
    ASSERT_NE(last_warning(), nullptr) << host->report();
    for (const call_entry& c : calls_since(from, service::send_dialog_message))
        EXPECT_NE(c.args[0], 0) << "a message without a dialog: " << c.describe();
    auto messages = messages_since(from);
    ASSERT_GE(messages.size(), 2u);
    EXPECT_EQ(messages[messages.size() - 2], dm_close) << "the box closes on the idle after its init";
    EXPECT_EQ(messages[messages.size() - 1], dm_close) << "then the list";
    EXPECT_EQ(host->dialogs().open_count(), 0u);
}

TEST_F(refused, unguarded_keys_still_act_on_an_unsupported_panel) {
    grow_to(3);
    make_active(unsupported_panels[3]);
    size_t from = open({press(key::ctrl | key::home), press(key::enter), press(key::ctrl_r),
                        press(keys::renumber), press(key::esc)});
    auto boxes = calls_since(from, service::dialog_ex);
    EXPECT_EQ(boxes.size(), 2u) << "only Ctrl+Home is refused";
    EXPECT_EQ(applied_since(from).size(), 1u) << "Ctrl+R re-applies the view";
}

}  // namespace
}  // namespace tolvik::test
