// The startup record and the standard-function table the host passes to
// SetStartupInfo.
#include <algorithm>
#include <cstring>

#include "host.h"
#include "services.h"

namespace tolvik::emu {
namespace {

// A size field beyond this still gets a buffer of this size: the plugin reads
// only the first 372 bytes, and the rest is there to be ignored.
constexpr uint32_t largest_buffer = 1u << 16;

}  // namespace

void host::build_startup_records(uint32_t size_field) {
    auto table = std::make_unique<standard_functions>();
    std::memset(table.get(), 0, sizeof *table);
    table->size = standard_functions_size;
    fill_traps(*table);
    table->shorten_path = &shorten_path_service;

    startup_info full;
    std::memset(&full, 0, sizeof full);
    full.size = size_field;
    std::string name = library_path_.substr(0, sizeof full.module_name - 1);
    std::memcpy(full.module_name, name.c_str(), name.size() + 1);
    full.module_number = module_number_;
    fill_traps(full);
    full.message_box = &message_box;
    full.get_message = &get_message_service;
    full.panel_control = &panel_control_service;
    full.functions = table.get();
    full.dialog_ex = &dialog_ex;
    full.send_dialog_message = &send_dialog_message;
    full.default_dialog_proc = &default_dialog_proc;
    if (tamper_startup) tamper_startup(full);

    uint32_t buffer = std::clamp<uint32_t>(size_field, 4, largest_buffer);
    auto bytes = std::make_unique<uint8_t[]>(buffer);
    std::memset(bytes.get(), startup_poison, buffer);
    std::memcpy(bytes.get(), &full, std::min<uint32_t>(buffer, startup_info_size));

    startup_ = std::move(bytes);
    startup_size_ = buffer;
    table_ = std::move(table);
}

startup_info* host::startup_record() {
    return startup_ && startup_size_ >= startup_info_size ? reinterpret_cast<startup_info*>(startup_.get())
                                                          : nullptr;
}

void host::scribble_startup_records() {
    if (startup_) std::memset(startup_.get(), 0xCC, startup_size_);
    if (table_) std::memset(static_cast<void*>(table_.get()), 0xCC, sizeof *table_);
}

void host::release_startup_records() {
    startup_.reset();
    startup_size_ = 0;
    table_.reset();
}

}  // namespace tolvik::emu
