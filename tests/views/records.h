// Panel records made by hand, for the cases the host would never produce by
// itself. The builder owns the items and their strings.
#pragma once

#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "host/panel_info.h"

namespace tolvik::test {

// A packed record's field as a value: assertions take their arguments by
// reference, which a misaligned field cannot bind to.
template <class T>
T field(T value) {
    return value;
}

class record_builder {
public:
    explicit record_builder(const std::string& directory) {
        std::strncpy(info_.current_dir, directory.c_str(), max_path - 1);
    }

    record_builder& item(const std::string& name, bool selected = false) {
        panel_item made{};
        std::strncpy(made.file_name, name.c_str(), max_path - 1);
        if (selected) made.flags = item_selected;
        items_.push_back(made);
        return *this;
    }
    // Texts of the last item added.
    record_builder& texts(const char* description, const char* owner, std::vector<const char*> columns = {}) {
        panel_item& last = items_.back();
        last.description = keep(description);
        last.owner = keep(owner);
        if (!columns.empty()) {
            auto& array = columns_.emplace_back();
            for (const char* c : columns) array.push_back(keep(c));
            last.custom_column_data = array.data();
            last.custom_column_count = static_cast<int32_t>(array.size());
        }
        return *this;
    }
    record_builder& type(int32_t panel_type, int32_t plugin) {
        info_.panel_type = panel_type;
        info_.plugin = plugin;
        return *this;
    }

    panel_info& info() {
        info_.items = items_.empty() ? nullptr : items_.data();
        info_.item_count = static_cast<int32_t>(items_.size());
        return info_;
    }
    std::vector<panel_item>& items() { return items_; }

private:
    char* keep(const char* text) {
        if (!text) return nullptr;
        return strings_.emplace_back(text).data();
    }

    panel_info info_{};
    std::vector<panel_item> items_;
    std::deque<std::string> strings_;
    std::deque<std::vector<char*>> columns_;
};

}  // namespace tolvik::test
