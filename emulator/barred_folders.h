// Folders that exist but cannot be entered, as on a host whose user lost the
// right to list them, or on a share that answers attribute queries and
// refuses listings: their attributes are the underlying source's (a folder
// still tests as a folder), their listing fails, so neither panel command 16
// nor the host's own navigation can enter them, and a panel inside one that
// is barred later cannot re-read it.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "folders.h"

namespace tolvik::emu {

class barred_folders final : public folder_source {
public:
    // `inner` must outlive its use here.
    explicit barred_folders(const folder_source& inner) : inner_(&inner) {}
    void wrap(const folder_source& inner) { inner_ = &inner; }

    // Bars (or frees) one folder, by any path that resolves to it; compared
    // exactly once resolved, as the folder sources compare.
    void bar(std::string_view path);
    void free(std::string_view path);
    void free_all() { barred_.clear(); }
    bool barred(const std::string& path) const { return barred_.count(path) != 0; }

    bool list(const std::string& path, std::vector<folder_entry>& out) const override {
        return !barred(path) && inner_->list(path, out);
    }
    uint32_t attributes(const std::string& path) const override { return inner_->attributes(path); }

private:
    const folder_source* inner_;
    std::set<std::string, std::less<>> barred_;
};

}  // namespace tolvik::emu
