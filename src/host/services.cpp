#include "host/services.h"

#include <cstring>

namespace tolvik {
namespace {

// Module-wide state; all zero at load.
startup_info record_copy;
standard_functions table_copy;
bool too_old = true;

}  // namespace

const startup_info& startup_copy() { return record_copy; }

bool host_too_old() { return too_old; }

bool copy_startup_info(const startup_info* record) {
    too_old = true;
    // Nothing of an earlier record may be called while the host is too old.
    std::memset(&record_copy, 0, sizeof record_copy);
    std::memset(&table_copy, 0, sizeof table_copy);
    if (!record || record->size < startup_info_size) return false;
    too_old = false;
    std::memcpy(&record_copy, record, startup_info_size);
    if (record->functions) std::memcpy(&table_copy, record->functions, standard_functions_size);
    record_copy.functions = &table_copy;
    return true;
}

const char* message_lookup(int32_t id) {
    return record_copy.get_message ? record_copy.get_message(record_copy.module_number, id) : nullptr;
}

const char* message_text(int32_t id) {
    const char* text = message_lookup(id);
    return text ? text : "";
}

int32_t panel_control(int32_t command, void* param) {
    return record_copy.panel_control ? record_copy.panel_control(no_panel, command, param) : 0;
}

param_t send_dialog_message(host_handle dialog, int32_t message, int32_t param1, param_t param2) {
    if (!record_copy.send_dialog_message) return 0;
    return record_copy.send_dialog_message(dialog, message, param1, param2);
}

int32_t run_dialog(int32_t width, int32_t height, const char* help_topic, FarDialogItem* items,
                   int32_t item_count, uint32_t flags, dialog_proc_fn proc) {
    if (!record_copy.dialog_ex) return -1;
    return record_copy.dialog_ex(record_copy.module_number, -1, -1, width, height, help_topic, items,
                                 item_count, 0, flags, proc, 0);
}

param_t default_dialog_proc(host_handle dialog, int32_t message, int32_t param1, param_t param2) {
    if (!record_copy.default_dialog_proc) return 0;
    return record_copy.default_dialog_proc(dialog, message, param1, param2);
}

}  // namespace tolvik
