// Dialog messages: what the plugin can ask of an open dialog. One function
// carries out each message; send_message picks it from a table.
#include <algorithm>
#include <cstdint>

#include "dialog_internal.h"
#include "dialogs.h"
#include "host/constants.h"

namespace tolvik::emu {

namespace {

int32_t visible_lines(const FarDialogItem& list) {
    int32_t rows = list.bottom - list.top + 1;
    if (!(list.flags & flag_list_no_box)) rows -= 2;
    return std::max(rows, 1);
}

// Keeps a list's cursor on a line and its window on the lines.
void clamp_list(dialog_item_state& item) {
    int32_t count = static_cast<int32_t>(item.lines.size());
    int32_t rows = visible_lines(item.record);
    item.list_select = count == 0 ? 0 : std::clamp(item.list_select, 0, count - 1);
    item.list_top = std::clamp(item.list_top, 0, std::max(0, count - rows));
}

// What a message's record holds, for the log; nothing for a null record.
std::vector<int32_t> values_of(const screen_point* point) {
    return point ? std::vector<int32_t>{point->x, point->y} : std::vector<int32_t>{};
}
std::vector<int32_t> values_of(const list_position* position) {
    return position ? std::vector<int32_t>{position->select, position->top} : std::vector<int32_t>{};
}

}  // namespace

// A message to `target` (null: no dialog has that handle). Each message is
// decoded once: for the log, before anything can change what its record
// holds, and to be carried out.
struct dialog_engine::message_call {
    dialog_engine& engine;
    open_dialog* target;
    host_handle handle;
    int32_t message;
    int32_t param1;
    param_t param2;
    void* pointer = param_pointer(param2);
    size_t entry = SIZE_MAX;  // its call log entry

    std::string name() const { return "dialog message " + std::to_string(message); }
    std::string dialog_name() const { return "dialog '" + target->title() + "'"; }

    void log_call(std::vector<int32_t> values, std::vector<std::string> texts) {
        entry = engine.log(service::send_dialog_message, {pointer_value(handle), message, param1, param2},
                           std::move(values), std::move(texts));
    }
    // Logs the call with `values` and `texts`, then tells whether the dialog
    // can take it.
    bool start(std::vector<int32_t> values = {}, std::vector<std::string> texts = {}) {
        if (engine.logging()) log_call(std::move(values), std::move(texts));
        if (!target) {
            engine.fail(name() + " to an unknown (or closed) dialog handle");
            return false;
        }
        // The dialog ends as soon as the current notification returns; the
        // plugin has nothing left to ask of it.
        if (target->closing) engine.fail(name() + " to " + dialog_name() + " after its close was accepted");
        return true;
    }
    bool needs_pointer() const {
        if (pointer) return true;
        engine.fail(name() + " to " + dialog_name() + " without its record (Param2 null)");
        return false;
    }
    // The list box that param1 names, or null (a failure) when it names none.
    dialog_item_state* target_list() const {
        if (param1 < 0 || static_cast<size_t>(param1) >= target->items.size() ||
            target->items[static_cast<size_t>(param1)].record.type != item_list_box) {
            engine.fail(name() + " to item " + std::to_string(param1) + " of " + dialog_name() +
                        ", which is not a list box");
            return nullptr;
        }
        return &target->items[static_cast<size_t>(param1)];
    }
    // The values of a record of type T, decoded only while calls are logged.
    template <class T>
    std::vector<int32_t> logged_values() const {
        return engine.logging() ? values_of(static_cast<const T*>(pointer)) : std::vector<int32_t>{};
    }

    param_t close() {
        if (!start()) return 0;
        engine.request_close(*target, param1);
        return target->closing ? 1 : 0;
    }

    param_t enable_redraw() {
        if (!start()) return 0;
        int32_t before = target->redraw_stopped;
        if (param1 == 0) {
            ++target->redraw_stopped;
        } else if (target->redraw_stopped > 0) {
            if (--target->redraw_stopped == 0) engine.changed();
        }
        return before;
    }

    param_t move() {
        auto* point = static_cast<const screen_point*>(pointer);
        if (!start(logged_values<screen_point>()) || !needs_pointer()) return 0;
        if (param1 != 0) {
            if (point->x != -1) target->left = point->x;
            if (point->y != -1) target->top = point->y;
            engine.centre(*target, point->x == -1, point->y == -1);
        } else {
            target->left += point->x;
            target->top += point->y;
        }
        engine.changed();
        return 1;
    }

    param_t set_item() {
        auto* record = static_cast<const FarDialogItem*>(pointer);
        bool decode = record && engine.logging();
        if (!start(decode ? std::vector<int32_t>{record->type, record->left, record->top, record->right,
                                                 record->bottom, static_cast<int32_t>(record->flags)}
                          : std::vector<int32_t>{},
                   decode ? std::vector<std::string>{field_text(record->text, item_text_size)}
                          : std::vector<std::string>{}))
            return 0;
        if (param1 < 0 || static_cast<size_t>(param1) >= target->items.size()) {
            engine.fail(name() + " to item " + std::to_string(param1) + " of " + dialog_name() +
                        ", which has " + std::to_string(target->items.size()) + " items");
            return 0;
        }
        if (!needs_pointer()) return 0;
        dialog_item_state& item = target->items[static_cast<size_t>(param1)];
        item.record = *record;
        if (item.record.type == item_list_box)
            clamp_list(item);  // the lines stay until message 53
        else
            item.lines.clear();
        engine.changed();
        return 1;
    }

    param_t redraw() {
        if (!start()) return 0;
        engine.changed();
        return 1;
    }

    // Nothing runs inside message 30: it is logged with the position it filled.
    param_t list_get_position() {
        if (!target) {
            start();
            return 0;
        }
        auto* position = static_cast<list_position*>(pointer);
        dialog_item_state* item = target_list();
        param_t result = 0;
        if (item && needs_pointer()) {
            position->select = item->list_select;
            position->top = item->list_top;
            result = item->list_select;
        }
        if (engine.logging()) log_call(values_of(position), {});
        return result;
    }

    param_t list_set_position() {
        auto* position = static_cast<const list_position*>(pointer);
        if (!start(logged_values<list_position>())) return 0;
        dialog_item_state* item = target_list();
        if (!item || !needs_pointer()) return 0;
        item->list_select = position->select;
        item->list_top = position->top;
        clamp_list(*item);
        engine.changed();
        return item->list_select;
    }

    param_t resize() {
        auto* point = static_cast<const screen_point*>(pointer);
        if (!start(logged_values<screen_point>()) || !needs_pointer()) return 0;
        if (point->x <= 0 || point->y <= 0) {
            engine.fail(dialog_name() + " resized to " + std::to_string(point->x) + "x" +
                        std::to_string(point->y));
            return 0;
        }
        target->width = point->x;
        target->height = point->y;
        engine.changed();
        return 1;
    }

    param_t list_set() {
        auto* list = static_cast<const list_record*>(pointer);
        std::vector<int32_t> values;
        std::vector<std::string> texts;
        if (list && engine.logging()) {
            values = {list->count};
            std::vector<list_item> lines;
            std::string problem;
            if (read_list_lines(list, lines, problem))
                for (const list_item& line : lines) texts.push_back(field_text(line.text, list_text_size));
        }
        if (!start(std::move(values), std::move(texts))) return 0;
        dialog_item_state* item = target_list();
        if (!item || !needs_pointer()) return 0;
        std::string problem;
        if (!read_list_lines(list, item->lines, problem))
            engine.fail(name() + " to " + dialog_name() + ": " + problem);
        clamp_list(*item);
        engine.changed();
        return static_cast<param_t>(item->lines.size());
    }

    param_t list_mouse_reaction() {
        if (!start()) return 0;
        dialog_item_state* item = target_list();
        if (!item) return 0;
        int32_t before = item->mouse_reaction < 0 ? 0 : item->mouse_reaction;
        item->mouse_reaction = param2;
        return before;
    }

    param_t unexpected() {
        if (!start()) return 0;
        engine.fail("unexpected " + name() + " to " + dialog_name());
        return 0;
    }
};

param_t dialog_engine::send_message(host_handle handle, int32_t message, int32_t param1, param_t param2) {
    static constexpr struct {
        int32_t message;
        param_t (message_call::*carry_out)();
    } messages[] = {
        {dm_close, &message_call::close},
        {dm_enable_redraw, &message_call::enable_redraw},
        {dm_move, &message_call::move},
        {dm_set_item, &message_call::set_item},
        {dm_redraw, &message_call::redraw},
        {dm_list_get_position, &message_call::list_get_position},
        {dm_list_set_position, &message_call::list_set_position},
        {dm_resize, &message_call::resize},
        {dm_list_set, &message_call::list_set},
        {dm_list_mouse_reaction, &message_call::list_mouse_reaction},
    };
    message_call call{*this, find(handle), handle, message, param1, param2};
    param_t (message_call::*carry_out)() = &message_call::unexpected;
    for (const auto& row : messages)
        if (row.message == message) carry_out = row.carry_out;
    param_t result = (call.*carry_out)();
    log_result(call.entry, result);
    return result;
}

}  // namespace tolvik::emu
