#include "plugin_menu.h"

#include <algorithm>
#include <cstring>

#include "dialogs.h"
#include "host_texts.h"
#include "key_decoder.h"

namespace tolvik::tools {
namespace {

constexpr int32_t most_entries = 64;
constexpr size_t longest_entry = 128;

}  // namespace

std::vector<std::string> menu_entries(const plugin_info& info) {
    std::vector<std::string> out;
    if (!info.menu_strings || info.menu_string_count <= 0 || info.menu_string_count > most_entries)
        return out;
    for (int32_t i = 0; i < info.menu_string_count; ++i) {
        const char* text = info.menu_strings[i];
        out.push_back(emu::field_text(text, longest_entry));
    }
    return out;
}

void plugin_menu::open(emu::host& h) {
    plugin_info info;
    std::memset(&info, 0, sizeof info);
    h.get_plugin_info(info);
    entries_ = menu_entries(info);
    cursor_ = 0;
    open_ = true;
}

int32_t plugin_menu::key(int32_t code) {
    int32_t count = static_cast<int32_t>(entries_.size());
    switch (code & ~keys::ctrl) {
        case keys::up:
        case keys::wheel_up:
            if (count) cursor_ = (cursor_ + count - 1) % count;
            break;
        case keys::down:
        case keys::wheel_down:
            if (count) cursor_ = (cursor_ + 1) % count;
            break;
        case keys::home:
            cursor_ = 0;
            break;
        case keys::end:
            cursor_ = std::max(count - 1, 0);
            break;
        case keys::esc:
        case keys::f(10):
            open_ = false;
            break;
        case keys::enter:
            open_ = false;
            return count ? cursor_ : -1;
        default:
            break;
    }
    return -1;
}

void plugin_menu::draw(emu::screen& display) const {
    if (!open_) return;
    int32_t inner = 20;
    for (const std::string& entry : entries_)
        inner = std::max<int32_t>(inner, static_cast<int32_t>(entry.size()) + 2);
    inner = std::min(inner, display.width() - 8);
    int32_t rows = std::max<int32_t>(static_cast<int32_t>(entries_.size()), 1);
    int32_t width = inner + 6;
    int32_t height = rows + 4;
    int32_t x0 = (display.width() - width) / 2;
    int32_t y0 = std::max(0, (display.height() - height) / 2);
    display.fill(x0, y0, x0 + width - 1, y0 + height - 1, ' ', emu::attr::dialog);
    display.double_box(x0 + 2, y0 + 1, x0 + width - 3, y0 + height - 2, emu::attr::frame,
                       texts().get("menu.title"));
    if (entries_.empty()) display.text(x0 + 4, y0 + 2, texts().get("menu.empty"), emu::attr::dialog, inner);
    for (int32_t i = 0; i < static_cast<int32_t>(entries_.size()); ++i) {
        emu::attr a = i == cursor_ ? emu::attr::list_cursor : emu::attr::dialog;
        display.fill(x0 + 3, y0 + 2 + i, x0 + width - 4, y0 + 2 + i, ' ', a);
        display.text(x0 + 4, y0 + 2 + i, entries_[static_cast<size_t>(i)], a, inner - 1);
    }
}

}  // namespace tolvik::tools
