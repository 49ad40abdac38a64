// What the plugin's fuzz targets share: one emulated host for the whole run,
// attached to the plugin compiled into the fuzzer, over one folder tree held
// in memory; each input starts from the same host, tree and language, and
// ends with the same checks: invariants, host failures, ExitFAR leaving no
// view, slot or block behind. A failed check prints what broke and aborts,
// which libFuzzer reports with the input that did it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "emulator/host.h"
#include "require.h"
#include "support/test_tree.h"
#include "walk/invariants.h"

namespace tolvik::fuzz {

// The tree, mapped as drive C: for the whole run.
test::test_tree& tree();

// One input's use of the host. Only one lives at a time.
class session {
public:
    // The host with the English language loaded and both panels on folders
    // of the tree, as at the start of every input. The plugin is not
    // started yet.
    session();
    // Shuts the plugin down if it still runs, requires that nothing of it
    // outlives the input, and puts the host and the tree back.
    ~session();
    session(const session&) = delete;
    session& operator=(const session&) = delete;

    emu::host& host() { return host_; }

    // Requires that the registry invariants hold (and the host saw nothing
    // wrong unless `host_may_complain`).
    void require_registry(const char* where, bool host_may_complain = false);
    // Runs one opening whose events come from `next` (false: no more events;
    // the host then cancels whatever is open).
    void open(const std::function<bool(emu::input_event&)>& next, bool ctrl_held = false);

private:
    emu::host& host_;
    long blocks_before_ = 0;
    int cancels_ = 0;
};

}  // namespace tolvik::fuzz
