// The records the host passes at start-up and the services they carry.
//
// startup_info, 372 bytes
//   OFFSET SIZE DESCRIPTION
//   0      4    size of the record in bytes
//   4      260  (module file name, unused)
//   264    4    module number: passed to message lookup, message box, dialogs
//   268    12   (unused services)
//   280    4    message box
//   284    4    message lookup
//   288    4    panel control
//   292    44   (unused services)
//   336    4    standard-function table (standard_functions)
//   340    12   (unused services)
//   352    4    extended dialog
//   356    4    dialog message
//   360    4    default dialog procedure
//   364    8    (reserved)
//
// standard_functions, 228 bytes
//   0      4    size of the table
//   148    4    shorten path; the only entry the plugin uses
//
// plugin_info, 44 bytes
//   0      4    size of the record (the plugin writes 44)
//   4      16   (flags, disk menu: untouched)
//   20     4    plugin-menu texts              24  4  their count
//   28     16   (configuration menu, command prefix, reserved: untouched)
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/api.h"
#include "host/dialog_items.h"

namespace tolvik {

using dialog_proc_fn = param_t(TOLVIK_API*)(host_handle dialog, int32_t message, int32_t param1,
                                            param_t param2);

using message_box_fn = int32_t(TOLVIK_API*)(int32_t module_number, uint32_t flags, const char* help_topic,
                                            const char* const* items, int32_t item_count,
                                            int32_t button_count);
using get_message_fn = const char*(TOLVIK_API*)(int32_t module_number, int32_t message_id);
using panel_control_fn = int32_t(TOLVIK_API*)(host_handle panel, int32_t command, void* param);
using dialog_ex_fn = int32_t(TOLVIK_API*)(int32_t module_number, int32_t left, int32_t top, int32_t width,
                                          int32_t height, const char* help_topic, FarDialogItem* items,
                                          int32_t item_count, uint32_t reserved, uint32_t flags,
                                          dialog_proc_fn proc, param_t param);
using send_dialog_message_fn = param_t(TOLVIK_API*)(host_handle dialog, int32_t message, int32_t param1,
                                                    param_t param2);
using shorten_path_fn = char*(TOLVIK_API*)(char* path, int32_t max_length);

#pragma pack(push, 1)

struct standard_functions {
    uint32_t size;                 // 0
    void* reserved_4[36];          // 4
    shorten_path_fn shorten_path;  // 148
    void* reserved_152[19];        // 152
};

struct startup_info {
    uint32_t size;                               // 0
    char module_name[260];                       // 4
    int32_t module_number;                       // 264
    void* reserved_268[3];                       // 268
    message_box_fn message_box;                  // 280
    get_message_fn get_message;                  // 284
    panel_control_fn panel_control;              // 288
    void* reserved_292[11];                      // 292
    standard_functions* functions;               // 336
    void* reserved_340[3];                       // 340
    dialog_ex_fn dialog_ex;                      // 352
    send_dialog_message_fn send_dialog_message;  // 356
    dialog_proc_fn default_dialog_proc;          // 360
    void* reserved_364[2];                       // 364
};

struct plugin_info {
    uint32_t size;                    // 0
    uint32_t reserved_4[4];           // 4
    const char* const* menu_strings;  // 20
    int32_t menu_string_count;        // 24
    uint32_t reserved_28[4];          // 28
};

#pragma pack(pop)

constexpr uint32_t startup_info_size = 372;
constexpr uint32_t standard_functions_size = 228;
constexpr uint32_t plugin_info_size = 44;

static_assert(sizeof(standard_functions) == standard_functions_size);
static_assert(offsetof(standard_functions, shorten_path) == 148);

static_assert(sizeof(startup_info) == startup_info_size);
static_assert(offsetof(startup_info, module_number) == 264);
static_assert(offsetof(startup_info, message_box) == 280);
static_assert(offsetof(startup_info, get_message) == 284);
static_assert(offsetof(startup_info, panel_control) == 288);
static_assert(offsetof(startup_info, functions) == 336);
static_assert(offsetof(startup_info, dialog_ex) == 352);
static_assert(offsetof(startup_info, send_dialog_message) == 356);
static_assert(offsetof(startup_info, default_dialog_proc) == 360);

static_assert(sizeof(plugin_info) == plugin_info_size);
static_assert(offsetof(plugin_info, menu_strings) == 20);
static_assert(offsetof(plugin_info, menu_string_count) == 24);

// The end offset of a field: a record whose size field reaches it holds the field.
#define TOLVIK_FIELD_END(record, field) (offsetof(record, field) + sizeof(record::field))

}  // namespace tolvik
