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

void dialog_engine::centre(open_dialog& dialog, bool horizontal, bool vertical) {
    int32_t screen_width = env_.display ? env_.display->width() : 80;
    int32_t screen_height = env_.display ? env_.display->height() : 25;
    if (horizontal) dialog.left = (screen_width - dialog.width) / 2;
    if (vertical) dialog.top = (screen_height - dialog.height) / 2;
}

void dialog_engine::recentre() {
    for (auto& dialog : stack_) centre(*dialog, dialog->requested_left == -1, dialog->requested_top == -1);
    redraw();
}

param_t dialog_engine::send_message(host_handle handle, int32_t message, int32_t param1, param_t param2) {
    // Decode what the parameter points at for the log, before anything can
    // change it.
    std::vector<int32_t> values;
    std::vector<std::string> texts;
    void* pointer = reinterpret_cast<void*>(static_cast<uintptr_t>(static_cast<uint32_t>(param2)));
    if (pointer && logging()) {
        if (message == dm_move || message == dm_resize) {
            auto* point = static_cast<const screen_point*>(pointer);
            values = {point->x, point->y};
        } else if (message == dm_set_item) {
            auto* item = static_cast<const FarDialogItem*>(pointer);
            values = {item->type,  item->left,   item->top,
                      item->right, item->bottom, static_cast<int32_t>(item->flags)};
            texts = {field_text(item->text, item_text_size)};
        } else if (message == dm_list_set_position) {
            auto* position = static_cast<const list_position*>(pointer);
            values = {position->select, position->top};
        } else if (message == dm_list_set) {
            auto* list = static_cast<const list_record*>(pointer);
            values = {list->count};
            std::vector<list_item> lines;
            std::string problem;
            if (read_list_lines(list, lines, problem))
                for (const list_item& line : lines) texts.push_back(field_text(line.text, list_text_size));
        }
    }
    open_dialog* dialog = find(handle);
    if (message == dm_list_get_position && dialog) {
        // Nothing runs inside message 30: log it with the position it filled.
        param_t result = handle_message(*dialog, message, param1, param2);
        if (!logging()) return result;
        if (pointer) {
            auto* position = static_cast<const list_position*>(pointer);
            values = {position->select, position->top};
        }
        log_result(
            log(service::send_dialog_message, {pointer_value(handle), message, param1, param2}, values),
            result);
        return result;
    }
    size_t entry = logging()
                       ? log(service::send_dialog_message, {pointer_value(handle), message, param1, param2},
                             std::move(values), std::move(texts))
                       : SIZE_MAX;
    if (!dialog) {
        fail("dialog message " + std::to_string(message) + " to an unknown (or closed) dialog handle");
        log_result(entry, 0);
        return 0;
    }
    if (dialog->closing) {
        // The dialog ends as soon as the current notification returns; the
        // plugin has nothing left to ask of it.
        fail("dialog message " + std::to_string(message) + " to dialog '" + dialog->title() +
             "' after its close was accepted");
    }
    param_t result = handle_message(*dialog, message, param1, param2);
    log_result(entry, result);
    return result;
}

param_t dialog_engine::handle_message(open_dialog& dialog, int32_t message, int32_t param1, param_t param2) {
    void* pointer = reinterpret_cast<void*>(static_cast<uintptr_t>(static_cast<uint32_t>(param2)));
    auto needs_pointer = [&]() {
        if (pointer) return true;
        fail("dialog message " + std::to_string(message) + " to dialog '" + dialog.title() +
             "' without its record (Param2 null)");
        return false;
    };
    switch (message) {
        case dm_close:
            request_close(dialog, param1);
            return dialog.closing ? 1 : 0;
        case dm_enable_redraw: {
            int32_t before = dialog.redraw_stopped;
            if (param1 == 0) {
                ++dialog.redraw_stopped;
            } else if (dialog.redraw_stopped > 0) {
                if (--dialog.redraw_stopped == 0) redraw();
            }
            return before;
        }
        case dm_move: {
            if (!needs_pointer()) return 0;
            auto* point = static_cast<const screen_point*>(pointer);
            if (param1 != 0) {
                if (point->x != -1) dialog.left = point->x;
                if (point->y != -1) dialog.top = point->y;
                centre(dialog, point->x == -1, point->y == -1);
            } else {
                dialog.left += point->x;
                dialog.top += point->y;
            }
            redraw();
            return 1;
        }
        case dm_set_item: {
            if (param1 < 0 || static_cast<size_t>(param1) >= dialog.items.size()) {
                fail("dialog message 12 to item " + std::to_string(param1) + " of dialog '" + dialog.title() +
                     "', which has " + std::to_string(dialog.items.size()) + " items");
                return 0;
            }
            if (!needs_pointer()) return 0;
            dialog_item_state& item = dialog.items[static_cast<size_t>(param1)];
            item.record = *static_cast<const FarDialogItem*>(pointer);
            if (item.record.type == item_list_box)
                clamp_list(item);  // the lines stay until message 53
            else
                item.lines.clear();
            redraw();
            return 1;
        }
        case dm_redraw:
            redraw();
            return 1;
        case dm_list_get_position: {
            dialog_item_state* item = list_item_at(dialog, param1, message);
            if (!item || !needs_pointer()) return 0;
            auto* position = static_cast<list_position*>(pointer);
            position->select = item->list_select;
            position->top = item->list_top;
            return item->list_select;
        }
        case dm_list_set_position: {
            dialog_item_state* item = list_item_at(dialog, param1, message);
            if (!item || !needs_pointer()) return 0;
            auto* position = static_cast<const list_position*>(pointer);
            item->list_select = position->select;
            item->list_top = position->top;
            clamp_list(*item);
            redraw();
            return item->list_select;
        }
        case dm_resize: {
            if (!needs_pointer()) return 0;
            auto* point = static_cast<const screen_point*>(pointer);
            if (point->x <= 0 || point->y <= 0) {
                fail("dialog '" + dialog.title() + "' resized to " + std::to_string(point->x) + "x" +
                     std::to_string(point->y));
                return 0;
            }
            dialog.width = point->x;
            dialog.height = point->y;
            redraw();
            return 1;
        }
        case dm_list_set: {
            dialog_item_state* item = list_item_at(dialog, param1, message);
            if (!item || !needs_pointer()) return 0;
            std::string problem;
            if (!read_list_lines(static_cast<const list_record*>(pointer), item->lines, problem))
                fail("dialog message 53 to dialog '" + dialog.title() + "': " + problem);
            clamp_list(*item);
            redraw();
            return static_cast<param_t>(item->lines.size());
        }
        case dm_list_mouse_reaction: {
            dialog_item_state* item = list_item_at(dialog, param1, message);
            if (!item) return 0;
            int32_t before = item->mouse_reaction < 0 ? 0 : item->mouse_reaction;
            item->mouse_reaction = param2;
            return before;
        }
        default:
            fail("unexpected dialog message " + std::to_string(message) + " to dialog '" + dialog.title() +
                 "'");
            return 0;
    }
}

}  // namespace tolvik::emu
