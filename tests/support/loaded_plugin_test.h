// The fixture of the end-to-end tests: the built plugin (tolvik.dll or
// libtolvik.so, as shipped) loaded into a fresh emulated host over a
// temporary tree, panels on "left" and "right", with the English texts.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "emulator/host.h"
#include "support/test_tree.h"

namespace tolvik::test {

class loaded_plugin_test : public ::testing::Test {
protected:
    loaded_plugin_test() { start(); }

    void TearDown() override;

    // A new host with the plugin loaded afresh, so its module state starts over.
    void reload();

    // Message `id` of the loaded language file; empty when there is none.
    std::string text(int32_t id) const;

    test_tree tree;
    std::unique_ptr<emu::host> host;

private:
    void start();
};

}  // namespace tolvik::test
