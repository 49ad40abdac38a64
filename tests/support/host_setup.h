// What every emulated host of the tests starts from: the shipped English
// texts and both panels on folders of the test tree. No GoogleTest here.
#pragma once

#include <string>

#include "emulator/host.h"
#include "support/test_tree.h"

namespace tolvik::test {

// The English language file shipped with the plugin.
inline std::string english_language_file() { return std::string(TOLVIK_LANG_DIR) + "/tolvik_en.lng"; }

// Creates `left` and `right` below the tree's root and puts the panels there.
inline void open_panels_on(emu::host& host, test_tree& tree, const std::string& left,
                           const std::string& right) {
    tree.folder(left);
    tree.folder(right);
    host.panels().left().set_directory(tree.windows(left));
    host.panels().right().set_directory(tree.windows(right));
}

}  // namespace tolvik::test
