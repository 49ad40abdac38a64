// The folders the walk, the allocation sweep and the fuzzers move panels to:
// a few folders, some nested, each with a file or two, below the test tree's
// root (drive C:). Header-only, shared by those programs.
#pragma once

#include <string>
#include <vector>

#include "emulator/host.h"
#include "support/test_tree.h"
#include "walk/linked_plugin.h"

namespace tolvik::test {

// The folders, relative to the tree's root.
inline const std::vector<std::string>& walk_folders() {
    static const std::vector<std::string> folders = {"a", "a/x",       "a/y", "b", "b/x",
                                                     "c", "c/deep/er", "d",   "e"};
    return folders;
}

// Creates (again) every folder of walk_folders() with its files.
inline void plant_tree(test_tree& tree) {
    int n = 0;
    for (const std::string& folder : walk_folders()) {
        tree.folder(folder);
        tree.file(folder + "/f" + std::to_string(n % 3) + ".txt");
        tree.file(folder + "/G" + std::to_string(n % 2) + ".dat");
        ++n;
    }
}

// Plants the tree and attaches the linked plugin to `host` with the panels on
// folders "a" (left) and "b" (right). False when the language file cannot be
// read.
inline bool attach_plugin(emu::host& host, test_tree& tree) {
    plant_tree(tree);
    if (!attach_linked_plugin(host)) return false;
    open_panels_on(host, tree, "a", "b");
    return true;
}

}  // namespace tolvik::test
