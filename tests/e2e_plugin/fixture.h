// Loads the built plugin into a fresh emulated host over a temporary tree.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "emulator/host.h"
#include "support/test_tree.h"

namespace tolvik::emu {

class plugin_fixture : public ::testing::Test {
protected:
    plugin_fixture() { start(); }

    void TearDown() override { EXPECT_TRUE(host_->failures().empty()) << host_->report(); }

    // A new host with the plugin loaded afresh, so its module state starts over.
    void reload() {
        host_.reset();
        start();
    }

    std::string text(int32_t id) const {
        const char* t = host_->lang().message(id);
        return t ? t : "";
    }

    test::test_tree tree_;
    std::unique_ptr<host> host_;

private:
    void start() {
        host_ = std::make_unique<host>();
        ASSERT_TRUE(host_->load(TOLVIK_PLUGIN_PATH)) << host_->load_error();
        ASSERT_TRUE(host_->load_language(std::string(TOLVIK_LANG_DIR) + "/tolvik_en.lng"));
        tree_.folder("left");
        tree_.folder("right");
        host_->panels().left().set_directory(tree_.windows("left"));
        host_->panels().right().set_directory(tree_.windows("right"));
    }
};

}  // namespace tolvik::emu
