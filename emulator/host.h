// The host emulator: loads the plugin (or is handed its five exports), builds
// the startup record with the host's services, and holds what the services
// act on: the call log, the language, the two panels, the input queue, the
// screen and the dialogs.
//
// One host lives at a time: the services are plain functions that find it
// through host::current(). Everything that goes wrong on the host's side
// (unexpected calls, bad arguments, input running out) is collected in
// failures(); tests assert that it is empty.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "barred_folders.h"
#include "call_log.h"
#include "dialogs.h"
#include "folders.h"
#include "host/api.h"
#include "host/export_names.h"
#include "host/startup_info.h"
#include "input.h"
#include "language.h"
#include "panels.h"
#include "screen.h"

namespace tolvik::emu {

// The plugin's five exports, one pointer per export of host/export_names.h.
// The macro's arguments are a type, a name and a parameter list, which
// parentheses would break.
struct plugin_exports {
#define TOLVIK_EXPORT_POINTER(name, member, result, parameters) \
    result(TOLVIK_API* member) parameters = nullptr;  // NOLINT(bugprone-macro-parentheses)
    TOLVIK_EXPORTS(TOLVIK_EXPORT_POINTER)
#undef TOLVIK_EXPORT_POINTER
};

// Module number the host gives the plugin unless a test sets another.
constexpr int32_t default_module_number = 0x2A;
// Byte that fills a startup record beyond its first 372 bytes.
constexpr uint8_t startup_poison = 0xA5;

class host {
public:
    host();
    ~host();  // unloads the plugin (without calling ExitFAR)
    host(const host&) = delete;
    host& operator=(const host&) = delete;

    // The live host, or null.
    static host* current();

    // Loads the plugin library and resolves the five exports by their plain
    // names. False (with load_error()) when the library or a name is missing.
    bool load(const std::string& path);
    // Uses exports linked into the test program instead.
    void attach(const plugin_exports& exports);
    bool loaded() const;
    const std::string& load_error() const { return load_error_; }

    // Calls the exports, logging each call. A missing export is a failure.
    int32_t min_far_version();
    // Builds a fresh startup record whose size field is `size_field` (a
    // shorter buffer of exactly that many bytes, at least 4, when smaller than
    // 372; a longer one, poisoned beyond 372, when larger) and passes it.
    void set_startup_info(uint32_t size_field = startup_info_size);
    // When set, edits each new startup record (all 372 bytes of it) before
    // the plugin sees it: for tests of records a faulty host hands over.
    std::function<void(startup_info&)> tamper_startup;
    void get_plugin_info(plugin_info& info);
    host_handle open_plugin(int32_t open_from = 0, int32_t item = 0);
    void exit_far();

    // The records of the last set_startup_info. They stay allocated (and the
    // tests may overwrite them) until the next set_startup_info,
    // release_startup_records() or the host's end.
    uint8_t* startup_bytes() { return startup_.get(); }
    uint32_t startup_buffer_size() const { return startup_size_; }
    // The record when the buffer holds all 372 bytes, else null.
    startup_info* startup_record();
    standard_functions* function_table() { return table_.get(); }
    // Fills the record and the table with garbage (their slots then point
    // nowhere usable), to prove the plugin works from its own copies.
    void scribble_startup_records();
    // Frees them, so a plugin still using them is caught by the sanitizers.
    void release_startup_records();

    int32_t module_number() const { return module_number_; }
    void set_module_number(int32_t number) { module_number_ = number; }

    call_log& log() { return log_; }
    language& lang() { return language_; }
    // Loads the plugin's language file; from then on the plugin and the
    // panels see the disk's names in the language's code page, as a console
    // host does through Windows' single-byte calls ('?' for a character the
    // page lacks; a path holding one names nothing).
    bool load_language(const std::string& path);
    panel_pair& panels() { return panels_; }
    input_queue& input() { return input_; }
    emu::screen& screen() { return screen_; }
    // The dialog engine behind the dialog services and the message box; its
    // environment is this host's input, screen, log, failures and key state.
    dialog_engine& dialogs() { return dialogs_; }

    // Host-side faults, in order.
    const std::vector<std::string>& failures() const { return failures_; }
    void fail(std::string what);
    void clear_failures() { failures_.clear(); }
    // The failures, one per line, then the call log: for assertion messages.
    std::string report() const;

    // The key state the plugin's GetAsyncKeyState sees (0x8000 while held).
    void set_key_held(int32_t virtual_key, bool held);
    bool key_held(int32_t virtual_key) const;
    // The whole 16-bit state it sees, for the states other than 0x8000 and 0
    // (0x0001: pressed since the last query; 0x8001: both).
    void set_key_state(int32_t virtual_key, uint16_t state);
    uint16_t key_state(int32_t virtual_key) const;

    // The folders both panels list and the plugin's GetFileAttributesA sees:
    // `source` (which must outlive its use), or the disk again for null.
    void use_folders(const folder_source* source);
    // The folders in use: null for the disk.
    const folder_source* folders() const { return folders_; }
    // Folders that exist but that the panels cannot enter (barred_folders.h),
    // whichever folders are in use.
    barred_folders& barred() { return barred_; }

    // What the plugin's GetFileAttributesA returns on Windows once its
    // imports are redirected; empty: the real call. (On Linux the plugin asks
    // winshim, which reads the mapped drives.)
    std::function<uint32_t(const char* path)> file_attributes;

    // Windows: redirects the imports of GetAsyncKeyState and
    // GetFileAttributesA of the test program itself to the emulator, for
    // tests that link the plugin's static library. Returns how many import
    // slots were patched. Linux: does nothing, returns 0.
    int redirect_own_imports();

private:
    void unload();
    // Logs a call of export `fn` (named `name`) with `args`, then makes it;
    // logs its result when it has one. A missing export is a failure.
    template <class function, class... arguments>
    auto call_export(function fn, std::string_view name, std::vector<int32_t> args, arguments... values);
    // Builds the records set_startup_info passes (startup_, table_).
    void build_startup_records(uint32_t size_field);

    plugin_exports exports_{};
    void* library_ = nullptr;
    std::string library_path_;  // the module name the startup record carries
    std::string load_error_;
    int32_t module_number_ = default_module_number;
    std::unique_ptr<uint8_t[]> startup_;
    uint32_t startup_size_ = 0;
    std::unique_ptr<standard_functions> table_;
    call_log log_;
    language language_;
    panel_pair panels_;
    input_queue input_;
    emu::screen screen_;
    std::vector<std::string> failures_;
    std::map<int32_t, uint16_t> key_states_;  // keys whose state is not 0
    const folder_source* folders_ = nullptr;
    barred_folders barred_{disk_folders()};  // what the panels read through
    dialog_engine dialogs_;                  // after everything its environment refers to
    host* previous_ = nullptr;
};

}  // namespace tolvik::emu
