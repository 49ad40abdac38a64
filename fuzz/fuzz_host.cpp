#include "fuzz_host.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "base/memory.h"
#include "plugin/exports.h"
#include "walk/walk_tree.h"

namespace tolvik::fuzz {
namespace {

// Cancels the host sends after an opening's events ran out.
constexpr int max_cancels = 32;

const std::string& language_file() {
    static const std::string contents = [] {
        std::ifstream in(std::string(TOLVIK_LANG_DIR) + "/tolvik_en.lng", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }();
    return contents;
}

}  // namespace

test::test_tree& tree() {
    static test::test_tree* planted = new test::test_tree;  // lives as long as the process
    return *planted;
}

void require(bool ok, const std::string& what) {
    if (ok) return;
    std::fprintf(stderr, "\n*** tolvik fuzz check failed:\n%s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

session::session() {
    memory::fail_allocation(0);
    test::plant_tree(tree());
    host_ = std::make_unique<emu::host>();
    host_->attach({GetMinFarVersion, SetStartupInfo, GetPluginInfo, OpenPlugin, ExitFAR});
    require(host_->lang().parse(language_file()), "the language file did not parse");
    host_->panels().left().set_directory(tree().windows("a"));
    host_->panels().right().set_directory(tree().windows("b"));
    blocks_before_ = test::plugin_blocks();
}

session::~session() {
    host_->input().set_source(nullptr);
    host_->set_key_held(0x11, false);
    host_->panels().tamper = nullptr;
    host_->exit_far();
    require(all_views().empty() && panel_slots().empty(), "ExitFAR left views or slots behind");
    require(test::plugin_blocks() == blocks_before_, "expected " + std::to_string(blocks_before_) +
                                                         " plugin blocks after ExitFAR, got " +
                                                         std::to_string(test::plugin_blocks()));
}

void session::require_registry(const char* where, bool host_may_complain) {
    std::string problems;
    test::check_registry(problems);
    if (!host_may_complain)
        for (const std::string& failure : host_->failures()) problems += "host failure: " + failure + "\n";
    require(problems.empty(), std::string(where) + ":\n" + problems + host_->report());
}

void session::open(const std::function<bool(emu::input_event&)>& next, bool ctrl_held) {
    cancels_ = 0;
    host_->input().set_source([this, &next](emu::input_event& event) {
        if (next(event)) return true;
        if (++cancels_ > max_cancels) return false;
        event = {emu::input_kind::cancel, 0};
        return true;
    });
    host_->set_key_held(0x11, ctrl_held);
    host_->open_plugin();
    host_->set_key_held(0x11, false);
    host_->input().set_source(nullptr);
}

}  // namespace tolvik::fuzz
