#include "host.h"

#include <algorithm>
#include <type_traits>

#include "host/constants.h"
#include "host/export_names.h"
#include "import_patch.h"
#include "win_path.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>

#include "winshim.h"
#endif

namespace tolvik::emu {
namespace {

host* live_host = nullptr;

void* find_symbol(void* library, const char* name) {
#if defined(_WIN32)
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
#else
    return dlsym(library, name);
#endif
}

dialog_environment environment_of(host& h, call_log& log, input_queue& input, emu::screen& display) {
    dialog_environment env;
    env.input = &input;
    env.display = &display;
    env.calls = &log;
    env.failure = [&h](const std::string& text) { h.fail(text); };
    env.set_ctrl_held = [&h](bool held) { h.set_key_held(virtual_key_control, held); };
    return env;
}

// GetFileAttributesA of a host whose folders are in memory.
uint32_t attributes_from_folders(const char* path) {
    const folder_source* folders = live_host ? live_host->folders() : nullptr;
    if (!folders || !path) return attributes_missing;
    std::string resolved = win_path::resolve(path);
    return resolved.empty() ? attributes_missing : folders->attributes(resolved);
}

}  // namespace

host::host() : dialogs_(environment_of(*this, log_, input_, screen_)) {
    previous_ = live_host;
    live_host = this;
    if (previous_) fail("a second host was created while another one lives");
    set_key_held(virtual_key_control, false);
}

host::~host() {
    unload();
    if (folders_) use_folders(nullptr);
    while (!key_states_.empty()) set_key_state(key_states_.begin()->first, 0);
    live_host = previous_;
}

host* host::current() { return live_host; }

bool host::load(const std::string& path) {
    unload();
    load_error_.clear();
#if defined(_WIN32)
    library_ = reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
    if (!library_) {
        load_error_ = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    if (redirect_key_and_file_imports(library_) == 0)
        fail("the plugin imports no GetAsyncKeyState: the Ctrl key cannot be emulated");
#else
    library_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library_) {
        const char* why = dlerror();
        load_error_ = "cannot load " + path + ": " + (why ? why : "unknown error");
        return false;
    }
#endif
    plugin_exports found;
    auto look_up = [this](auto& fn, const char* name) {
        fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(find_symbol(library_, name));
        if (!fn) load_error_ += (load_error_.empty() ? "missing export " : ", ") + std::string(name);
    };
    look_up(found.get_min_far_version, export_names::get_min_far_version);
    look_up(found.set_startup_info, export_names::set_startup_info);
    look_up(found.get_plugin_info, export_names::get_plugin_info);
    look_up(found.open_plugin, export_names::open_plugin);
    look_up(found.exit_far, export_names::exit_far);
    if (!load_error_.empty()) {
        load_error_ = path + ": " + load_error_;
        unload();
        return false;
    }
    exports_ = found;
    library_path_ = path;
    return true;
}

void host::attach(const plugin_exports& exports) {
    unload();
    exports_ = exports;
    library_path_ = "(linked in)";
}

bool host::loaded() const { return exports_.set_startup_info != nullptr; }

void host::unload() {
    exports_ = plugin_exports{};
    library_path_.clear();
    if (!library_) return;
#if defined(_WIN32)
    FreeLibrary(static_cast<HMODULE>(library_));
#else
    dlclose(library_);
#endif
    library_ = nullptr;
}

bool host::require(const void* fn, std::string_view name) {
    if (fn) return true;
    fail("the host called " + std::string(name) + ", which the plugin does not export (not loaded?)");
    return false;
}

int32_t host::min_far_version() {
    size_t index = log_.add(call_kind::export_call, export_name::get_min_far_version, {});
    if (!require(reinterpret_cast<const void*>(exports_.get_min_far_version),
                 export_name::get_min_far_version))
        return 0;
    log_.enter();
    int32_t version = exports_.get_min_far_version();
    log_.leave();
    log_.set_result(index, version);
    return version;
}

void host::get_plugin_info(plugin_info& info) {
    log_.add(call_kind::export_call, export_name::get_plugin_info,
             {static_cast<int32_t>(reinterpret_cast<intptr_t>(&info))});
    if (!require(reinterpret_cast<const void*>(exports_.get_plugin_info), export_name::get_plugin_info))
        return;
    log_.enter();
    exports_.get_plugin_info(&info);
    log_.leave();
}

host_handle host::open_plugin(int32_t open_from, int32_t item) {
    size_t index = log_.add(call_kind::export_call, export_name::open_plugin, {open_from, item});
    if (!require(reinterpret_cast<const void*>(exports_.open_plugin), export_name::open_plugin))
        return nullptr;
    log_.enter();
    host_handle result = exports_.open_plugin(open_from, item);
    log_.leave();
    log_.set_result(index, static_cast<int32_t>(reinterpret_cast<intptr_t>(result)));
    return result;
}

void host::exit_far() {
    log_.add(call_kind::export_call, export_name::exit_far, {});
    if (!require(reinterpret_cast<const void*>(exports_.exit_far), export_name::exit_far)) return;
    log_.enter();
    exports_.exit_far();
    log_.leave();
}

bool host::load_language(const std::string& path) {
    std::string error;
    if (language_.load(path, &error)) return true;
    fail(error);
    return false;
}

void host::fail(std::string what) { failures_.push_back(std::move(what)); }

std::string host::report() const {
    std::string out;
    if (!failures_.empty()) {
        out += "host failures:\n";
        for (const std::string& f : failures_) out += "  " + f + "\n";
    }
    out += "call log:\n" + log_.to_string();
    return out;
}

void host::use_folders(const folder_source* source) {
    folders_ = source;
    panels_.read_from(source ? *source : disk_folders());
#if defined(_WIN32)
    if (source)
        file_attributes = [](const char* path) { return attributes_from_folders(path); };
    else
        file_attributes = nullptr;
#else
    winshim_answer_file_attributes(source ? &attributes_from_folders : nullptr);
#endif
}

void host::set_key_held(int32_t virtual_key, bool held) { set_key_state(virtual_key, held ? 0x8000 : 0); }

bool host::key_held(int32_t virtual_key) const { return (key_state(virtual_key) & 0x8000) != 0; }

void host::set_key_state(int32_t virtual_key, uint16_t state) {
    if (state != 0)
        key_states_[virtual_key] = state;
    else
        key_states_.erase(virtual_key);
#if !defined(_WIN32)
    winshim_set_key_state(virtual_key, state);
#endif
}

uint16_t host::key_state(int32_t virtual_key) const {
    auto it = key_states_.find(virtual_key);
    return it == key_states_.end() ? 0 : it->second;
}

int host::redirect_own_imports() {
#if defined(_WIN32)
    return redirect_key_and_file_imports(reinterpret_cast<void*>(GetModuleHandleA(nullptr)));
#else
    return 0;
#endif
}

}  // namespace tolvik::emu
