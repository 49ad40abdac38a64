#include "panel_model.h"

#include <algorithm>
#include <cctype>

#include "win_path.h"

namespace tolvik::emu {
namespace {

int compare_folded(std::string_view a, std::string_view b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        int x = std::tolower(static_cast<unsigned char>(a[i]));
        int y = std::tolower(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::string_view extension(std::string_view name) {
    size_t dot = name.rfind('.');
    return dot == std::string_view::npos || dot == 0 ? std::string_view{} : name.substr(dot + 1);
}

int compare_names(const panel_entry& a, const panel_entry& b) {
    if (int c = compare_folded(a.name, b.name)) return c;
    return a.name.compare(b.name) < 0 ? -1 : (a.name == b.name ? 0 : 1);
}

// Strict order within one group (directories or files) for a sort mode.
bool sorts_before(const panel_entry& a, const panel_entry& b, int32_t mode) {
    int c = 0;
    switch (mode) {
        case sort_modes::unsorted:
            return a.read_order < b.read_order;
        case sort_modes::by_extension:
            c = compare_folded(extension(a.name), extension(b.name));
            break;
        case sort_modes::by_write_time:
            c = a.write_time == b.write_time ? 0 : (a.write_time < b.write_time ? -1 : 1);
            break;
        case sort_modes::by_size:
            c = a.size == b.size ? 0 : (a.size < b.size ? -1 : 1);
            break;
        default:
            break;
    }
    if (c == 0) c = compare_names(a, b);
    return c != 0 ? c < 0 : a.read_order < b.read_order;
}

}  // namespace

bool panel_model::read(const std::string& directory, std::vector<panel_entry>& out) const {
    std::vector<folder_entry> listing;
    if (!folders_->list(directory, listing)) return false;
    out.clear();
    out.reserve(listing.size() + 1);
    if (!win_path::is_root(directory)) {
        panel_entry parent;
        parent.name = "..";
        parent.attributes = attribute_directory;
        parent.read_order = -1;
        out.push_back(parent);
    }
    int order = 0;
    for (folder_entry& found : listing) {
        panel_entry entry;
        entry.name = std::move(found.name);
        entry.attributes = found.attributes;
        entry.size = found.size;
        entry.write_time = found.write_time;
        entry.read_order = order++;
        out.push_back(std::move(entry));
    }
    return true;
}

bool panel_model::set_directory(std::string_view path) {
    std::string target = win_path::resolve(path, directory_);
    if (target.empty()) return false;
    std::vector<panel_entry> listing;
    if (!read(target, listing)) return false;
    directory_ = std::move(target);
    items_ = std::move(listing);
    cursor_ = 0;
    top_ = 0;
    sort_items();
    return true;
}

bool panel_model::refresh() {
    std::vector<panel_entry> listing;
    if (directory_.empty() || !read(directory_, listing)) return false;
    std::string at_cursor = items_.empty() ? std::string() : items_[static_cast<size_t>(cursor_)].name;
    for (panel_entry& entry : listing) {
        int old = find(entry.name);
        entry.selected = old >= 0 && items_[static_cast<size_t>(old)].selected;
    }
    items_ = std::move(listing);
    sort_items();
    int found = find(at_cursor);
    set_cursor(found >= 0 ? found : cursor_);
    set_top(top_);
    return true;
}

int panel_model::find(std::string_view name) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].name == name) return static_cast<int>(i);
    return -1;
}

void panel_model::sort_items() {
    auto first = items_.begin();
    if (first != items_.end() && first->is_parent()) ++first;
    int32_t mode = sort_mode_;
    bool reversed = reversed_;
    // The order is total (read order breaks every tie), so an unstable sort
    // gives the one result and needs no buffer.
    std::sort(first, items_.end(), [mode, reversed](const panel_entry& a, const panel_entry& b) {
        if (a.is_directory() != b.is_directory()) return a.is_directory();
        return reversed ? sorts_before(b, a, mode) : sorts_before(a, b, mode);
    });
}

void panel_model::set_sort_mode(int32_t mode) {
    if (mode == sort_mode_) return;
    std::string at_cursor = items_.empty() ? std::string() : items_[static_cast<size_t>(cursor_)].name;
    sort_mode_ = mode;
    sort_items();
    if (!items_.empty()) set_cursor(find(at_cursor));
}

void panel_model::set_reversed(bool reversed) {
    if (reversed == reversed_) return;
    std::string at_cursor = items_.empty() ? std::string() : items_[static_cast<size_t>(cursor_)].name;
    reversed_ = reversed;
    sort_items();
    if (!items_.empty()) set_cursor(find(at_cursor));
}

namespace {

int32_t clamp_index(int32_t index, size_t count) {
    if (count == 0 || index < 0) return 0;
    return std::min<int32_t>(index, static_cast<int32_t>(count) - 1);
}

}  // namespace

void panel_model::set_cursor(int32_t index) { cursor_ = clamp_index(index, items_.size()); }

void panel_model::set_top(int32_t index) { top_ = clamp_index(index, items_.size()); }

int32_t panel_model::visible_lines() const {
    // Top border, bottom border, footer line and its separator.
    return std::max<int32_t>(1, rect.bottom - rect.top + 1 - 4);
}

void panel_model::move_cursor(int32_t delta) {
    int64_t target = static_cast<int64_t>(cursor_) + delta;
    target = std::clamp<int64_t>(target, 0, items_.empty() ? 0 : static_cast<int64_t>(items_.size()) - 1);
    cursor_ = static_cast<int32_t>(target);
    int32_t lines = visible_lines();
    if (cursor_ < top_) top_ = cursor_;
    if (cursor_ >= top_ + lines) top_ = cursor_ - lines + 1;
}

void panel_model::set_selected(size_t index, bool selected) {
    if (index < items_.size() && !items_[index].is_parent()) items_[index].selected = selected;
}

void panel_model::toggle_selection(size_t index) {
    if (index < items_.size()) set_selected(index, !items_[index].selected);
}

bool panel_model::select_name(std::string_view name, bool selected) {
    int at = find(name);
    if (at < 0 || items_[static_cast<size_t>(at)].is_parent()) return false;
    items_[static_cast<size_t>(at)].selected = selected;
    return true;
}

void panel_model::clear_selection() {
    for (panel_entry& entry : items_) entry.selected = false;
}

std::vector<std::string> panel_model::selected_names() const {
    std::vector<std::string> out;
    for (const panel_entry& entry : items_)
        if (entry.selected) out.push_back(entry.name);
    return out;
}

bool panel_model::enter() {
    if (items_.empty()) return false;
    const panel_entry& entry = items_[static_cast<size_t>(cursor_)];
    if (!entry.is_directory()) return false;
    if (entry.is_parent()) {
        std::string left = win_path::leaf(directory_);
        if (!set_directory(win_path::parent(directory_))) return false;
        int found = find(left);
        if (found >= 0) move_cursor(found - cursor_);
        return true;
    }
    return set_directory(entry.name);
}

void panel_model::set_description(std::string_view name, std::string_view text) {
    entry_annotation& a = annotations_[std::string(name)];
    a.has_description = true;
    a.description = std::string(text);
}

void panel_model::set_owner(std::string_view name, std::string_view text) {
    entry_annotation& a = annotations_[std::string(name)];
    a.has_owner = true;
    a.owner = std::string(text);
}

void panel_model::set_custom_columns(std::string_view name, std::vector<std::string> texts) {
    entry_annotation& a = annotations_[std::string(name)];
    a.has_custom_columns = true;
    a.custom_columns = std::move(texts);
}

const entry_annotation* panel_model::annotation(std::string_view name) const {
    auto it = annotations_.find(name);
    return it == annotations_.end() ? nullptr : &it->second;
}

}  // namespace tolvik::emu
