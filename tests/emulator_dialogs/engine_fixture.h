// A dialog engine wired to objects the test owns, dialog procedures that
// forward to per-test handlers, and item builders.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "call_log.h"
#include "dialogs.h"
#include "host/constants.h"
#include "input.h"
#include "screen.h"

namespace tolvik::test {
using namespace emu;

using handler_fn = std::function<param_t(host_handle, int32_t, int32_t, param_t)>;

struct notification {
    host_handle dialog;
    int32_t message;
    int32_t param1;
    param_t param2;
};

// What the procedures saw, in order, and what they do: the handler's answer,
// or (without a handler) the host's default dialog procedure, as a plugin
// that handles nothing would.
inline std::vector<notification> seen;
inline handler_fn outer_handler;
inline handler_fn inner_handler;

inline param_t forward(const handler_fn& handler, host_handle dialog, int32_t message, int32_t param1,
                       param_t param2) {
    seen.push_back({dialog, message, param1, param2});
    if (handler) return handler(dialog, message, param1, param2);
    return default_dialog_proc(dialog, message, param1, param2);
}

inline param_t TOLVIK_API outer_proc(host_handle dialog, int32_t message, int32_t param1, param_t param2) {
    return forward(outer_handler, dialog, message, param1, param2);
}

inline param_t TOLVIK_API inner_proc(host_handle dialog, int32_t message, int32_t param1, param_t param2) {
    return forward(inner_handler, dialog, message, param1, param2);
}

inline FarDialogItem item_of(dialog_item_type type, int32_t left, int32_t top, int32_t right, int32_t bottom,
                             const char* text, uint32_t flags = 0) {
    FarDialogItem item{
        .type = type, .left = left, .top = top, .right = right, .bottom = bottom, .flags = flags};
    if (text) std::strncpy(item.text, text, item_text_size - 1);
    return item;
}

inline FarDialogItem box_item(int32_t left, int32_t top, int32_t right, int32_t bottom, const char* title) {
    return item_of(item_double_box, left, top, right, bottom, title);
}

inline FarDialogItem list_box_item(int32_t left, int32_t top, int32_t right, int32_t bottom,
                                   list_record* list, uint32_t flags = flag_list_no_box | flag_no_focus) {
    FarDialogItem item = item_of(item_list_box, left, top, right, bottom, nullptr, flags);
    item.list = list;
    return item;
}

inline FarDialogItem text_item(int32_t left, int32_t top, const char* text, uint32_t flags = 0) {
    return item_of(item_text, left, top, 0, 0, text, flags);
}

inline FarDialogItem button_item(int32_t left, int32_t top, const char* text, uint32_t flags = 0,
                                 bool is_default = false) {
    FarDialogItem item = item_of(item_button, left, top, 0, 0, text, flags);
    item.focus = item.default_button = is_default ? 1 : 0;
    return item;
}

// Sends `message` with a record of the caller's (or none) as Param2.
inline param_t send(host_handle dialog, int32_t message, int32_t param1, const void* record = nullptr) {
    return send_dialog_message(dialog, message, param1, reinterpret_cast<param_t>(record));
}

// Lines as a plugin holds them: its own buffer behind its own list record.
struct plugin_lines {
    std::vector<list_item> items;
    list_record record{};

    explicit plugin_lines(std::initializer_list<const char*> texts, int disabled = -1) {
        for (const char* text : texts) {
            list_item line{};
            std::strncpy(line.text, text, list_text_size - 1);
            items.push_back(line);
        }
        if (disabled >= 0) items[static_cast<size_t>(disabled)].flags = list_item_disabled;
        record = {static_cast<int32_t>(items.size()), items.data()};
    }
};

class engine_test : public ::testing::Test {
protected:
    call_log calls;
    input_queue input;
    screen display{80, 25};
    std::vector<std::string> failures;
    std::vector<bool> ctrl_changes;
    std::unique_ptr<dialog_engine> engine;

    void SetUp() override {
        seen.clear();
        outer_handler = nullptr;
        inner_handler = nullptr;
        dialog_environment env;
        env.input = &input;
        env.display = &display;
        env.calls = &calls;
        env.failure = [this](const std::string& text) { failures.push_back(text); };
        env.set_ctrl_held = [this](bool held) { ctrl_changes.push_back(held); };
        engine = std::make_unique<dialog_engine>(env);
    }

    // Runs a dialog through the stdcall service, as the plugin does.
    int32_t run(std::vector<FarDialogItem>& items, int32_t width = 30, int32_t height = 8,
                dialog_proc_fn proc = outer_proc, const char* help = nullptr, uint32_t flags = 0) {
        return dialog_ex(7, -1, -1, width, height, help, items.data(), static_cast<int32_t>(items.size()), 0,
                         flags, proc, 0x55);
    }

    // Calls `act` inside the notification of key 'k' and answers it; every
    // other notification goes to the default procedure.
    static void on_key_k(const std::function<void(host_handle)>& act) {
        outer_handler = [act](host_handle dialog, int32_t message, int32_t param1,
                              param_t param2) -> param_t {
            if (message == dn_key && param2 == 'k') {
                act(dialog);
                return 1;
            }
            return default_dialog_proc(dialog, message, param1, param2);
        };
    }

    // Notification numbers seen, in order.
    static std::vector<int32_t> messages_seen() {
        std::vector<int32_t> out;
        for (const notification& n : seen) out.push_back(n.message);
        return out;
    }

    std::string failure_text() const {
        std::string out;
        for (const std::string& f : failures) out += f + "\n";
        return out;
    }
};

}  // namespace tolvik::test
