// What every fuzz target shares: a fresh emulated host per input, attached to
// the plugin compiled into the fuzzer, over one folder tree planted once per
// process (and planted again per input, since inputs may remove folders), and
// the checks that end an input: invariants, host failures, leaked blocks.
// A failed check prints what broke and aborts, which libFuzzer reports with
// the input that did it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "emulator/host.h"
#include "support/test_tree.h"
#include "walk/invariants.h"

namespace tolvik::fuzz {

// The tree mapped as drive C: for the whole run.
test::test_tree& tree();

class session {
public:
    // A host with the plugin attached and the English language loaded, both
    // panels on folders of the tree. The plugin is not started yet.
    session();
    // Shuts the plugin down if it still runs and requires that no plugin
    // block outlives the input.
    ~session();
    session(const session&) = delete;
    session& operator=(const session&) = delete;

    emu::host& host() { return *host_; }

    // Requires that the registry invariants hold (and the host saw nothing
    // wrong unless `host_may_complain`).
    void require_registry(const char* where, bool host_may_complain = false);
    // Runs one opening whose events come from `next` (false: no more events;
    // the host then cancels whatever is open).
    void open(const std::function<bool(emu::input_event&)>& next, bool ctrl_held = false);

private:
    std::unique_ptr<emu::host> host_;
    long blocks_before_ = 0;
    int cancels_ = 0;
};

// Prints `what` and aborts when `ok` is false.
void require(bool ok, const std::string& what);

}  // namespace tolvik::fuzz
