#include "fuzz_host.h"

#include "base/memory.h"
#include "host/constants.h"
#include "walk/linked_plugin.h"
#include "walk/walk_tree.h"

namespace tolvik::fuzz {
namespace {

// Cancels the host sends after an opening's events ran out.
constexpr int max_cancels = 32;

// The tree as planted, which every input starts from.
const emu::memory_folders& planted() {
    static const emu::memory_folders copy = [] {
        test::plant_tree(tree());
        return *tree().memory();
    }();
    return copy;
}

// Puts back everything an input may have changed on the host's side, as a
// fresh host has it (the call log, failures, dialog records, language,
// panels, input, startup records), and the tree as planted. Done at the end of each
// input, so that an input frees what it allocated (libFuzzer looks for leaks
// in inputs that do not).
void reset(emu::host& h) {
    h.log().clear();
    h.clear_failures();
    h.dialogs().clear_records();
    h.input() = emu::input_queue();
    h.release_startup_records();
    h.set_key_held(virtual_key_control, false);
    if (tree().memory()->changes() != planted().changes()) *tree().memory() = planted();
    // The English messages are parsed again only after an input changed them.
    static uint64_t english_parsed = ~uint64_t{0};
    if (h.lang().changes() != english_parsed) {
        h.lang() = emu::language();
        require(h.lang().parse(english_language_text()), "the language file did not parse");
        english_parsed = h.lang().changes();
    }
    h.panels() = emu::panel_pair();
    // The panels read through the host's barred folders, over the tree.
    h.panels().read_from(h.barred());
    h.barred().free_all();
    h.panels().left().set_directory(tree().windows("a"));
    h.panels().right().set_directory(tree().windows("b"));
}

// The process's host; the plugin is attached once.
emu::host& shared_host() {
    static emu::host* h = [] {
        auto* made = new emu::host;  // lives as long as the process
        made->attach(test::linked_exports());
        made->use_folders(tree().memory());
        // Dialogs are not drawn: drawing reads only the host's own copies of
        // what the plugin handed over (the golden-screen tests check it), and
        // would take most of an input's time.
        made->dialogs().environment().display = nullptr;
        // Nor are the calls logged: the checks read none of them, and the
        // host reports a bad call as a failure whether it logs it or not.
        made->log().set_recording(false);
        reset(*made);
        return made;
    }();
    return *h;
}

}  // namespace

test::test_tree& tree() {
    static test::test_tree* memory = new test::test_tree(test::test_tree::in_memory);  // for the whole run
    return *memory;
}

session::session() : host_(shared_host()) {
    memory::fail_allocation(0);
    blocks_before_ = test::plugin_blocks();
}

session::~session() {
    host_.input().set_source(nullptr);
    host_.set_key_held(virtual_key_control, false);
    host_.panels().tamper = nullptr;
    std::string left = test::shut_down(host_, blocks_before_);
    require(left.empty(), left.c_str());
    reset(host_);
}

void session::require_registry(const char* where, bool host_may_complain) {
    std::string problems;
    test::check_registry(problems);
    if (!host_may_complain)
        for (const std::string& failure : host_.failures()) problems += "host failure: " + failure + "\n";
    if (!problems.empty()) fail(std::string(where) + ":\n" + problems + host_.report());
}

void session::open(const std::function<bool(emu::input_event&)>& next, bool ctrl_held) {
    cancels_ = 0;
    host_.input().set_source([this, &next](emu::input_event& event) {
        if (next(event)) return true;
        if (++cancels_ > max_cancels) return false;
        event = {emu::input_kind::cancel, 0};
        return true;
    });
    host_.set_key_held(virtual_key_control, ctrl_held);
    host_.open_plugin();
    host_.set_key_held(virtual_key_control, false);
    host_.input().set_source(nullptr);
}

}  // namespace tolvik::fuzz
