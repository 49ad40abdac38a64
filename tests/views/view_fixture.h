// The fixture of the tests that make views by hand: it owns what they make
// and destroys it at the end of the test, before ExitFAR counts the blocks.
#pragma once

#include <cstring>
#include <vector>

#include "base/memory.h"
#include "support/linked_plugin_test.h"
#include "views/file_panel_view.h"

namespace tolvik::test {

// The item of `record` named `name`, or null.
inline panel_item* find_item(const panel_info& record, const char* name) {
    for (int32_t i = 0; i < record.item_count; ++i)
        if (std::strcmp(record.items[i].file_name, name) == 0) return &record.items[i];
    return nullptr;
}

class view_fixture : public linked_plugin_test {
protected:
    // Takes `v`, which must not be null, to be destroyed at the end.
    file_panel_view* adopt(file_panel_view* v) {
        EXPECT_NE(v, nullptr);
        if (v) made.push_back(v);
        return v;
    }
    void TearDown() override {
        host.panels().tamper = nullptr;
        for (auto* v : made) memory::destroy(v);
        linked_plugin_test::TearDown();
    }
    // The items the log's first command 10 carried selected.
    std::vector<int32_t> selection_sent() {
        for (const auto& call : host.log().entries())
            if (call.args.size() > 1 && call.args[1] == cmd_set_selection) return call.values;
        ADD_FAILURE() << "expected a command 10\n" << host.report();
        return {};
    }

    std::vector<file_panel_view*> made;
};

}  // namespace tolvik::test
