// The host's record of everything the plugin asked of it: one entry per call
// of a host service (and per export the host called), in call order, with the
// arguments decoded. Tests assert on sequences taken from it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/export_names.h"

namespace tolvik::emu {

// Service names used in call_entry::service.
namespace service {
inline constexpr std::string_view get_message = "get_message";
inline constexpr std::string_view message_box = "message_box";
inline constexpr std::string_view panel_control = "panel_control";
inline constexpr std::string_view dialog_ex = "dialog_ex";
inline constexpr std::string_view send_dialog_message = "send_dialog_message";
inline constexpr std::string_view default_dialog_proc = "default_dialog_proc";
inline constexpr std::string_view shorten_path = "shorten_path";
// A slot of the startup record or the standard-function table the plugin must
// not use; texts[0] names the slot ("startup+268", "functions+4").
inline constexpr std::string_view unexpected = "unexpected";
// A help topic shown (F1); texts[0] is the topic.
inline constexpr std::string_view help = "help";
}  // namespace service

// Calls the host made into the plugin (logged too, kind export_call).
namespace export_name {
#define TOLVIK_EXPORT_NAME(name, member, result, parameters) inline constexpr std::string_view member = #name;
TOLVIK_EXPORTS(TOLVIK_EXPORT_NAME)
#undef TOLVIK_EXPORT_NAME
}  // namespace export_name

enum class call_kind {
    service,      // the plugin called a host service
    export_call,  // the host called one of the plugin's exports
};

// One call. Conventions per service (args are the integer arguments in call
// order, pointers as their 32-bit value; values are integers read through
// pointer arguments; texts are decoded strings):
//   get_message:          args {module, id};             texts {the text returned, or "" }
//   panel_control:        args {handle, command, param}; values and texts by command:
//                           5  values {current, top} (none for null)
//                           10 values {indexes of the items marked selected},
//                              texts {the folder the active panel showed}
//                           12, 19, 21 values {the int}
//                           16 texts {the directory}
//   shorten_path:         args {path pointer, width};    texts {path before, path after}
//   send_dialog_message:  args {handle, message, param1, param2}
//   message_box, dialog_ex, default_dialog_proc: see emulator/dialogs.h
struct call_entry {
    call_kind kind = call_kind::service;
    std::string service;
    std::vector<int32_t> args;
    std::vector<int32_t> values;
    std::vector<std::string> texts;
    int32_t result = 0;
    bool has_result = false;
    // Nesting depth: calls made while a dialog runs are one deeper.
    int depth = 0;

    // "panel_control(-1, 16, 0x...) \"C:\\\" -> 1"
    std::string describe() const;
};

class call_log {
public:
    // Appends an entry and returns its index (for set_result).
    size_t add(call_entry entry);
    size_t add(call_kind kind, std::string_view service, std::vector<int32_t> args,
               std::vector<int32_t> values = {}, std::vector<std::string> texts = {});
    // Records the result of the entry at `index` once the call returns.
    void set_result(size_t index, int32_t result);

    const std::vector<call_entry>& entries() const { return entries_; }
    const call_entry& operator[](size_t index) const { return entries_[index]; }
    // The entry at `index` for amending while its call runs, or null.
    call_entry* entry(size_t index) { return index < entries_.size() ? &entries_[index] : nullptr; }
    size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    void clear() { entries_.clear(); }

    // Whether calls are recorded from now on (a new log records). While not,
    // add() records nothing and returns an index no entry has, and the
    // callers skip decoding what they would log. For a host that makes many
    // calls and reads none of them (the fuzz host): building entries is dear.
    void set_recording(bool on) { recording_ = on; }
    bool recording() const { return recording_; }

    // Number of service calls with that service name (or export calls by name).
    size_t count(std::string_view service) const;
    // The service calls with that name, in order (copies).
    std::vector<call_entry> calls_to(std::string_view service) const;
    // The last call with that name, or null.
    const call_entry* last(std::string_view service) const;

    // Command numbers of every panel_control call, in order.
    std::vector<int32_t> panel_commands() const;
    // Message ids of every get_message call, in order.
    std::vector<int32_t> message_lookups() const;

    // Depth tracking for nested calls (dialogs running inside a service call).
    void enter() { ++depth_; }
    void leave() {
        if (depth_ > 0) --depth_;
    }
    int depth() const { return depth_; }

    // One line per entry, indented by depth, for failure messages.
    std::string to_string() const;

private:
    std::vector<call_entry> entries_;
    int depth_ = 0;
    bool recording_ = true;
};

// "{16, 12, 19}" for failure messages.
std::string to_string(const std::vector<int32_t>& numbers);

}  // namespace tolvik::emu
