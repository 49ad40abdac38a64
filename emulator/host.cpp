#include "host.h"

#include "host/constants.h"
#include "host/windows_values.h"
#include "host_platform.h"
#include "oem_code_pages.h"
#include "win_path.h"

namespace tolvik::emu {
namespace {

host* live_host = nullptr;

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
    panels_.read_from(barred_);
    set_key_held(virtual_key_control, false);
}

host::~host() {
    unload();
    if (folders_) use_folders(nullptr);
    while (!key_states_.empty()) set_key_state(key_states_.begin()->first, 0);
    platform::see_names_in(nullptr);
    live_host = previous_;
}

host* host::current() { return live_host; }

bool host::load_language(const std::string& path) {
    std::string error;
    if (language_.load(path, &error)) {
        platform::see_names_in(high_half_utf8(code_page_of_language(language_.name())));
        return true;
    }
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
    barred_.wrap(source ? *source : disk_folders());
    platform::answer_file_attributes(*this, source ? &attributes_from_folders : nullptr);
}

void host::set_key_held(int32_t virtual_key, bool held) {
    set_key_state(virtual_key, held ? key_state_held : 0);
}

bool host::key_held(int32_t virtual_key) const { return (key_state(virtual_key) & key_state_held) != 0; }

void host::set_key_state(int32_t virtual_key, uint16_t state) {
    if (state != 0)
        key_states_[virtual_key] = state;
    else
        key_states_.erase(virtual_key);
    platform::set_key_state(virtual_key, state);
}

uint16_t host::key_state(int32_t virtual_key) const {
    auto it = key_states_.find(virtual_key);
    return it == key_states_.end() ? 0 : it->second;
}

int host::redirect_own_imports() { return platform::redirect_own_imports(); }

}  // namespace tolvik::emu
