#include "barred_folders.h"

#include "win_path.h"

namespace tolvik::emu {

void barred_folders::bar(std::string_view path) {
    std::string resolved = win_path::resolve(path);
    if (!resolved.empty()) barred_.insert(std::move(resolved));
}

void barred_folders::free(std::string_view path) { barred_.erase(win_path::resolve(path)); }

}  // namespace tolvik::emu
