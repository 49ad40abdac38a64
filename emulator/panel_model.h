// One host panel over a real directory: its directory (a Windows path), its
// items as the host lists them, their selection, the cursor and top line, the
// view and sort modes, and the few fields tests set by hand (panel type,
// plugin flag, screen rectangle, descriptions, owners, custom columns).
//
// Items are listed with ".." first (except at a drive root), then
// directories, then files; sorting orders directories and files separately
// and never moves "..". Reverse order reverses each group.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "folders.h"
#include "host/panel_info.h"

namespace tolvik::emu {

// Sort modes the host offers (values of panel_info::sort_mode). Any other
// value is kept and reported back, and sorts by name.
namespace sort_modes {
constexpr int32_t unsorted = 1;       // in the order the directory lists them
constexpr int32_t by_name = 2;        // case-insensitive, then case-sensitive
constexpr int32_t by_extension = 3;   // extension, then name
constexpr int32_t by_write_time = 4;  // oldest first, then name
constexpr int32_t by_size = 5;        // smallest first, then name
}  // namespace sort_modes

struct panel_entry {
    std::string name;
    uint32_t attributes = attribute_file;
    uint64_t size = 0;
    uint64_t write_time = 0;  // 100 ns units since 1601 (Windows file time)
    bool selected = false;
    int read_order = 0;  // position in the directory listing
    // Where the panel keeps this name folded to lower case (see
    // panel_model::folded); set when the entry is read.
    uint32_t folded_at = 0;

    bool is_directory() const { return (attributes & attribute_directory) != 0; }
    bool is_parent() const { return name == ".."; }
};

// Texts a test attached to a file name; shown in every listing of that name.
struct entry_annotation {
    bool has_description = false;
    std::string description;
    bool has_owner = false;
    std::string owner;
    bool has_custom_columns = false;
    std::vector<std::string> custom_columns;
};

class panel_model {
public:
    // An empty panel with no directory; set_directory() fills it.
    panel_model() = default;

    // Moves to `path` (absolute "C:\dir" or relative to the current
    // directory, "." and ".." resolved) and reads it. A path that is not an
    // existing directory leaves the panel as it was and returns false.
    bool set_directory(std::string_view path);
    const std::string& directory() const { return directory_; }
    // Re-reads the directory: the selection and the cursor stay on the same
    // names where they still exist. Returns false when the directory is gone
    // (the panel then keeps its items).
    bool refresh();

    const std::vector<panel_entry>& items() const { return items_; }
    size_t size() const { return items_.size(); }
    // The name of an item folded to lower case, made once when the folder
    // was read: the key of every case-insensitive comparison the sorts make.
    // Valid until the next read.
    std::string_view folded(const panel_entry& item) const {
        return std::string_view(folded_names_).substr(item.folded_at, item.name.size());
    }
    // Index of the item with that exact name, or -1.
    int find(std::string_view name) const;

    int32_t cursor() const { return cursor_; }
    int32_t top() const { return top_; }
    // Both clamped to the items (0 when there are none).
    void set_cursor(int32_t index);
    void set_top(int32_t index);
    void move_cursor(int32_t delta);
    // Lines of the panel body: the rectangle's height minus frame and footer.
    int32_t visible_lines() const;

    // Selection; ".." is never selected.
    void set_selected(size_t index, bool selected);
    void toggle_selection(size_t index);
    bool select_name(std::string_view name, bool selected);
    void clear_selection();
    std::vector<std::string> selected_names() const;
    size_t selected_count() const;

    // The folders this panel lists (the disk unless set); `source` must
    // outlive the panel's use of it.
    void read_from(const folder_source& source) { folders_ = &source; }

    // Enters the directory under the cursor ("..": the parent, cursor on the
    // directory left). False when the cursor is on a file.
    bool enter();

    int32_t view_mode = 2;
    int32_t type = panel_file;
    int32_t plugin = 0;
    panel_rect rect{0, 0, 39, 22};

    int32_t sort_mode() const { return sort_mode_; }
    bool reversed() const { return reversed_; }
    // Re-sorts (the directory is not read again); the cursor stays on the
    // same item. A mode or order the panel already has changes nothing.
    void set_sort_mode(int32_t mode);
    void set_reversed(bool reversed);

    // Texts for the item of that name (kept across re-reads and directories).
    void set_description(std::string_view name, std::string_view text);
    void set_owner(std::string_view name, std::string_view text);
    void set_custom_columns(std::string_view name, std::vector<std::string> texts);
    // The annotation of a name, or null.
    const entry_annotation* annotation(std::string_view name) const;

private:
    void sort_items();
    // Reads `directory` into spare_: its items unsorted, their folded names
    // one after the other. False (spare_ in any state) when it is no folder.
    bool read(const std::string& directory);
    // The listing read last becomes the panel's; the old one is kept as
    // spare_, its memory reused by the next read.
    void take_spare();

    const folder_source* folders_ = &disk_folders();
    std::string directory_;
    std::vector<panel_entry> items_;
    std::string folded_names_;  // every item's folded name, at its folded_at

    // Memory kept between reads, so that a big folder read again allocates
    // only what its names need (contents meaningless outside a read or sort).
    struct scratch {
        std::vector<folder_entry> found;
        std::vector<panel_entry> items;
        std::string folded_names;
    };
    scratch spare_;
    int32_t cursor_ = 0;
    int32_t top_ = 0;
    int32_t sort_mode_ = sort_modes::by_name;
    bool reversed_ = false;
    std::map<std::string, entry_annotation, std::less<>> annotations_;
};

}  // namespace tolvik::emu
