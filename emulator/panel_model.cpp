#include "panel_model.h"

#include <algorithm>
#include <cctype>
#include <unordered_set>

#include "win_path.h"

namespace tolvik::emu {
namespace {

// The case folding of every byte, as the C library folds it now.
struct fold_table {
    unsigned char to[256];
    fold_table() {
        for (int c = 0; c < 256; ++c) to[c] = static_cast<unsigned char>(std::tolower(c));
    }
    // Appends `name` folded to `out`.
    void fold(const std::string& name, std::string& out) const {
        size_t at = out.size();
        out.resize(at + name.size());
        for (size_t i = 0; i < name.size(); ++i)
            out[at + i] = static_cast<char>(to[static_cast<unsigned char>(name[i])]);
    }
};

std::string_view extension(std::string_view name) {
    size_t dot = name.rfind('.');
    return dot == std::string_view::npos || dot == 0 ? std::string_view{} : name.substr(dot + 1);
}

int compare(std::string_view a, std::string_view b) {
    int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

template <typename T>
int compare_values(T a, T b) {
    return a == b ? 0 : (a < b ? -1 : 1);
}

// Eight bytes of a key from `from` on, the first one highest (zeros past
// its end).
uint64_t chunk_of(std::string_view key, size_t from) {
    uint64_t chunk = 0;
    for (size_t i = from; i < from + 8; ++i)
        chunk = chunk << 8 | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
    return chunk;
}

// A folded name with its first sixteen bytes as two numbers: names whose
// heads differ compare as their heads do.
struct sort_key {
    uint64_t head[2];
    std::string_view text;
};

sort_key key_of(std::string_view text) { return {{chunk_of(text, 0), chunk_of(text, 8)}, text}; }

int compare(const sort_key& a, const sort_key& b) {
    if (a.head[0] != b.head[0]) return a.head[0] < b.head[0] ? -1 : 1;
    if (a.head[1] != b.head[1]) return a.head[1] < b.head[1] ? -1 : 1;
    // The first sixteen bytes are equal (a key that ends within them is
    // followed by zeros in the other), so the rest decides, then the length.
    const size_t n = std::min(a.text.size(), b.text.size());
    for (size_t i = 16; i < n; ++i)
        if (a.text[i] != b.text[i])
            return static_cast<unsigned char>(a.text[i]) < static_cast<unsigned char>(b.text[i]) ? -1 : 1;
    return compare_values(a.text.size(), b.text.size());
}

// What one entry is sorted on, gathered once per sort: the comparisons read
// no further than this record and the folded name it points to.
struct sort_record {
    sort_key name;               // the folded name
    std::string_view extension;  // of the folded name (by_extension only)
    panel_entry* entry;
    bool directory;
};

// Strict order within one group (directories or files) for a sort mode:
// the mode's key, then the folded name, then the name as it is, then the
// listing order, which breaks every tie.
template <int32_t Mode>
bool sorts_before(const sort_record& a, const sort_record& b) {
    const panel_entry& x = *a.entry;
    const panel_entry& y = *b.entry;
    if constexpr (Mode == sort_modes::unsorted) return x.read_order < y.read_order;
    int c = 0;
    if constexpr (Mode == sort_modes::by_extension) c = compare(a.extension, b.extension);
    if constexpr (Mode == sort_modes::by_write_time) c = compare_values(x.write_time, y.write_time);
    if constexpr (Mode == sort_modes::by_size) c = compare_values(x.size, y.size);
    if (c == 0) c = compare(a.name, b.name);
    if (c == 0) c = compare(x.name, y.name);
    return c != 0 ? c < 0 : x.read_order < y.read_order;
}

template <int32_t Mode>
void sort_group(std::vector<sort_record>::iterator first, std::vector<sort_record>::iterator last,
                bool reversed) {
    // The order is total (the listing order breaks every tie), so an
    // unstable sort gives the one result.
    if (reversed)
        std::sort(first, last,
                  [](const sort_record& a, const sort_record& b) { return sorts_before<Mode>(b, a); });
    else
        std::sort(first, last,
                  [](const sort_record& a, const sort_record& b) { return sorts_before<Mode>(a, b); });
}

void sort_group(std::vector<sort_record>::iterator first, std::vector<sort_record>::iterator last,
                int32_t mode, bool reversed) {
    switch (mode) {
        case sort_modes::unsorted:
            return sort_group<sort_modes::unsorted>(first, last, reversed);
        case sort_modes::by_extension:
            return sort_group<sort_modes::by_extension>(first, last, reversed);
        case sort_modes::by_write_time:
            return sort_group<sort_modes::by_write_time>(first, last, reversed);
        case sort_modes::by_size:
            return sort_group<sort_modes::by_size>(first, last, reversed);
        default:
            return sort_group<sort_modes::by_name>(first, last, reversed);
    }
}

}  // namespace

bool panel_model::read(const std::string& directory) {
    std::vector<folder_entry>& found = spare_.found;
    if (!folders_->list(directory, found)) return false;
    const fold_table folding;
    size_t folded_size = 2;
    for (const folder_entry& f : found) folded_size += f.name.size();
    std::vector<panel_entry>& items = spare_.items;
    std::string& folded_names = spare_.folded_names;
    items.clear();
    items.reserve(found.size() + 1);
    folded_names.clear();
    folded_names.reserve(folded_size);
    if (!win_path::is_root(directory)) {
        panel_entry& parent = items.emplace_back();
        parent.name = "..";
        parent.attributes = attribute_directory;
        parent.read_order = -1;
        folded_names = "..";
    }
    int order = 0;
    for (folder_entry& f : found) {
        panel_entry& entry = items.emplace_back();
        entry.name = std::move(f.name);
        entry.folded_at = static_cast<uint32_t>(folded_names.size());
        folding.fold(entry.name, folded_names);
        entry.attributes = f.attributes;
        entry.size = f.size;
        entry.write_time = f.write_time;
        entry.read_order = order++;
    }
    found.clear();
    return true;
}

void panel_model::take_spare() {
    items_.swap(spare_.items);
    folded_names_.swap(spare_.folded_names);
    spare_.items.clear();
}

bool panel_model::set_directory(std::string_view path) {
    std::string target = win_path::resolve(path, directory_);
    if (target.empty() || !read(target)) return false;
    directory_ = std::move(target);
    take_spare();
    cursor_ = 0;
    top_ = 0;
    sort_items();
    return true;
}

bool panel_model::refresh() {
    if (directory_.empty() || !read(directory_)) return false;
    std::string at_cursor = items_.empty() ? std::string() : items_[static_cast<size_t>(cursor_)].name;
    std::unordered_set<std::string_view> selected;
    for (const panel_entry& entry : items_)
        if (entry.selected) selected.insert(entry.name);
    if (!selected.empty())
        for (panel_entry& entry : spare_.items) entry.selected = selected.count(entry.name) != 0;
    selected.clear();
    take_spare();
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
    size_t first = !items_.empty() && items_.front().is_parent() ? 1 : 0;
    if (items_.size() - first < 2) return;
    const int32_t mode = sort_mode_;
    std::vector<sort_record> records;
    records.reserve(items_.size() - first);
    for (size_t i = first; i < items_.size(); ++i) {
        panel_entry& entry = items_[i];
        std::string_view name = folded(entry);
        std::string_view ext = mode == sort_modes::by_extension ? extension(name) : std::string_view{};
        records.push_back({key_of(name), ext, &entry, entry.is_directory()});
    }
    // Directories first, each group sorted on its own.
    auto files =
        std::partition(records.begin(), records.end(), [](const sort_record& r) { return r.directory; });
    sort_group(records.begin(), files, mode, reversed_);
    sort_group(files, records.end(), mode, reversed_);
    std::vector<panel_entry>& sorted = spare_.items;
    sorted.clear();
    sorted.reserve(items_.size());
    if (first) sorted.push_back(std::move(items_.front()));
    for (const sort_record& r : records) sorted.push_back(std::move(*r.entry));
    items_.swap(sorted);
    sorted.clear();
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

size_t panel_model::selected_count() const {
    size_t count = 0;
    for (const panel_entry& entry : items_) count += entry.selected ? 1 : 0;
    return count;
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
