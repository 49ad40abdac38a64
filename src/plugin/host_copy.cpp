#include "plugin/host_copy.h"

#include <cstring>

namespace tolvik {
namespace {

// Module-wide state; all zero at load.
startup_info startup_copy;
standard_functions functions_copy;
bool too_old = true;

}  // namespace

const startup_info& host() { return startup_copy; }

bool host_too_old() { return too_old; }

bool copy_startup_info(const startup_info* record) {
    too_old = true;
    // Nothing of an earlier record may be called while the host is too old.
    std::memset(&startup_copy, 0, sizeof startup_copy);
    std::memset(&functions_copy, 0, sizeof functions_copy);
    if (!record || record->size < startup_info_size) return false;
    too_old = false;
    std::memcpy(&startup_copy, record, startup_info_size);
    if (record->functions)
        std::memcpy(&functions_copy, record->functions, standard_functions_size);
    startup_copy.functions = &functions_copy;
    return true;
}

const char* message_text(int32_t id) {
    const char* text = nullptr;
    if (startup_copy.get_message) text = startup_copy.get_message(startup_copy.module_number, id);
    return text ? text : "";
}

int32_t panel_control(int32_t command, void* param) {
    return startup_copy.panel_control ? startup_copy.panel_control(no_panel, command, param) : 0;
}

param_t send_dialog_message(host_handle dialog, int32_t message, int32_t param1, param_t param2) {
    if (!startup_copy.send_dialog_message) return 0;
    return startup_copy.send_dialog_message(dialog, message, param1, param2);
}

param_t default_dialog_proc(host_handle dialog, int32_t message, int32_t param1, param_t param2) {
    if (!startup_copy.default_dialog_proc) return 0;
    return startup_copy.default_dialog_proc(dialog, message, param1, param2);
}

}  // namespace tolvik
