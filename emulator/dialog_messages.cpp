// Dialog messages: what the plugin can ask of an open dialog.
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

dialog_item_state* dialog_engine::list_item_at(open_dialog& dialog, int32_t index, int32_t message) {
    if (index < 0 || static_cast<size_t>(index) >= dialog.items.size() ||
        dialog.items[static_cast<size_t>(index)].record.type != item_list_box) {
        fail("dialog message " + std::to_string(message) + " to item " + std::to_string(index) +
             " of dialog '" + dialog.title() + "', which is not a list box");
        return nullptr;
    }
    return &dialog.items[static_cast<size_t>(index)];
}

param_t dialog_engine::send_message(host_handle handle, int32_t message, int32_t param1, param_t param2) {
    message_call call{handle, message, param1, param2};
    param_t result = handle_message(find(handle), call);
    log_result(call.entry, result);
    return result;
}

// Each message is decoded once: for the log (before anything can change what
// its record holds) and to be carried out.
param_t dialog_engine::handle_message(open_dialog* target, message_call& call) {
    const int32_t message = call.message;
    const int32_t param1 = call.param1;
    void* pointer = param_pointer(call.param2);
    auto log_call = [&](std::vector<int32_t> values, std::vector<std::string> texts) {
        call.entry =
            log(service::send_dialog_message, {pointer_value(call.handle), message, param1, call.param2},
                std::move(values), std::move(texts));
    };
    // Logs the call with `values` and `texts`, then tells whether the dialog
    // can take it.
    auto start = [&](std::vector<int32_t> values = {}, std::vector<std::string> texts = {}) {
        if (logging()) log_call(std::move(values), std::move(texts));
        if (!target) {
            fail("dialog message " + std::to_string(message) + " to an unknown (or closed) dialog handle");
            return false;
        }
        // The dialog ends as soon as the current notification returns; the
        // plugin has nothing left to ask of it.
        if (target->closing)
            fail("dialog message " + std::to_string(message) + " to dialog '" + target->title() +
                 "' after its close was accepted");
        return true;
    };
    auto needs_pointer = [&]() {
        if (pointer) return true;
        fail("dialog message " + std::to_string(message) + " to dialog '" + target->title() +
             "' without its record (Param2 null)");
        return false;
    };
    switch (message) {
        case dm_close:
            if (!start()) return 0;
            request_close(*target, param1);
            return target->closing ? 1 : 0;
        case dm_enable_redraw: {
            if (!start()) return 0;
            int32_t before = target->redraw_stopped;
            if (param1 == 0) {
                ++target->redraw_stopped;
            } else if (target->redraw_stopped > 0) {
                if (--target->redraw_stopped == 0) changed();
            }
            return before;
        }
        case dm_move: {
            auto* point = static_cast<const screen_point*>(pointer);
            if (!start(logging() ? values_of(point) : std::vector<int32_t>{}) || !needs_pointer()) return 0;
            if (param1 != 0) {
                if (point->x != -1) target->left = point->x;
                if (point->y != -1) target->top = point->y;
                centre(*target, point->x == -1, point->y == -1);
            } else {
                target->left += point->x;
                target->top += point->y;
            }
            changed();
            return 1;
        }
        case dm_set_item: {
            auto* record = static_cast<const FarDialogItem*>(pointer);
            bool decode = record && logging();
            if (!start(decode ? std::vector<int32_t>{record->type, record->left, record->top, record->right,
                                                     record->bottom, static_cast<int32_t>(record->flags)}
                              : std::vector<int32_t>{},
                       decode ? std::vector<std::string>{field_text(record->text, item_text_size)}
                              : std::vector<std::string>{}))
                return 0;
            if (param1 < 0 || static_cast<size_t>(param1) >= target->items.size()) {
                fail("dialog message 12 to item " + std::to_string(param1) + " of dialog '" +
                     target->title() + "', which has " + std::to_string(target->items.size()) + " items");
                return 0;
            }
            if (!needs_pointer()) return 0;
            dialog_item_state& item = target->items[static_cast<size_t>(param1)];
            item.record = *record;
            if (item.record.type == item_list_box)
                clamp_list(item);  // the lines stay until message 53
            else
                item.lines.clear();
            changed();
            return 1;
        }
        case dm_redraw:
            if (!start()) return 0;
            changed();
            return 1;
        case dm_list_get_position: {
            // Nothing runs inside message 30: it is logged with the position
            // it filled.
            if (!target) {
                start();
                return 0;
            }
            auto* position = static_cast<list_position*>(pointer);
            dialog_item_state* item = list_item_at(*target, param1, message);
            param_t result = 0;
            if (item && needs_pointer()) {
                position->select = item->list_select;
                position->top = item->list_top;
                result = item->list_select;
            }
            if (logging()) log_call(values_of(position), {});
            return result;
        }
        case dm_list_set_position: {
            auto* position = static_cast<const list_position*>(pointer);
            if (!start(logging() ? values_of(position) : std::vector<int32_t>{})) return 0;
            dialog_item_state* item = list_item_at(*target, param1, message);
            if (!item || !needs_pointer()) return 0;
            item->list_select = position->select;
            item->list_top = position->top;
            clamp_list(*item);
            changed();
            return item->list_select;
        }
        case dm_resize: {
            auto* point = static_cast<const screen_point*>(pointer);
            if (!start(logging() ? values_of(point) : std::vector<int32_t>{}) || !needs_pointer()) return 0;
            if (point->x <= 0 || point->y <= 0) {
                fail("dialog '" + target->title() + "' resized to " + std::to_string(point->x) + "x" +
                     std::to_string(point->y));
                return 0;
            }
            target->width = point->x;
            target->height = point->y;
            changed();
            return 1;
        }
        case dm_list_set: {
            auto* list = static_cast<const list_record*>(pointer);
            std::vector<int32_t> values;
            std::vector<std::string> texts;
            if (list && logging()) {
                values = {list->count};
                std::vector<list_item> lines;
                std::string problem;
                if (read_list_lines(list, lines, problem))
                    for (const list_item& line : lines)
                        texts.push_back(field_text(line.text, list_text_size));
            }
            if (!start(std::move(values), std::move(texts))) return 0;
            dialog_item_state* item = list_item_at(*target, param1, message);
            if (!item || !needs_pointer()) return 0;
            std::string problem;
            if (!read_list_lines(list, item->lines, problem))
                fail("dialog message 53 to dialog '" + target->title() + "': " + problem);
            clamp_list(*item);
            changed();
            return static_cast<param_t>(item->lines.size());
        }
        case dm_list_mouse_reaction: {
            if (!start()) return 0;
            dialog_item_state* item = list_item_at(*target, param1, message);
            if (!item) return 0;
            int32_t before = item->mouse_reaction < 0 ? 0 : item->mouse_reaction;
            item->mouse_reaction = call.param2;
            return before;
        }
        default:
            if (!start()) return 0;
            fail("unexpected dialog message " + std::to_string(message) + " to dialog '" + target->title() +
                 "'");
            return 0;
    }
}

}  // namespace tolvik::emu
