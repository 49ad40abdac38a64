// Loading the plugin and calling its five exports.
#include <type_traits>

#include "host.h"
#include "host_platform.h"
#include "pointer_value.h"

namespace tolvik::emu {
namespace {

int32_t log_value(int32_t value) { return value; }
int32_t log_value(const void* pointer) { return pointer_value(pointer); }

}  // namespace

bool host::load(const std::string& path) {
    unload();
    load_error_.clear();
    bool redirected = false;
    library_ = platform::load_library(path, load_error_, redirected);
    if (!library_) return false;
    if (!redirected) fail("the plugin imports no GetAsyncKeyState: the Ctrl key cannot be emulated");
    plugin_exports found;
    auto look_up = [this](auto& fn, const char* name) {
        fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(platform::find_symbol(library_, name));
        if (!fn) load_error_ += (load_error_.empty() ? "missing export " : ", ") + std::string(name);
    };
#define TOLVIK_LOOK_UP(name, member, result, parameters) look_up(found.member, #name);
    TOLVIK_EXPORTS(TOLVIK_LOOK_UP)
#undef TOLVIK_LOOK_UP
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
    platform::free_library(library_);
    library_ = nullptr;
}

template <class function, class... arguments>
auto host::call_export(function fn, std::string_view name, std::vector<int32_t> args, arguments... values) {
    using result = std::invoke_result_t<function, arguments...>;
    size_t index = log_.add(call_kind::export_call, name, std::move(args));
    if (!fn) {
        fail("the host called " + std::string(name) + ", which the plugin does not export (not loaded?)");
        return result();
    }
    log_.enter();
    if constexpr (std::is_void_v<result>) {
        fn(values...);
        log_.leave();
    } else {
        result answer = fn(values...);
        log_.leave();
        log_.set_result(index, log_value(answer));
        return answer;
    }
}

int32_t host::min_far_version() {
    return call_export(exports_.get_min_far_version, export_name::get_min_far_version, {});
}

void host::set_startup_info(uint32_t size_field) {
    build_startup_records(size_field);
    call_export(exports_.set_startup_info, export_name::set_startup_info, {static_cast<int32_t>(size_field)},
                reinterpret_cast<const startup_info*>(startup_.get()));
}

void host::get_plugin_info(plugin_info& info) {
    call_export(exports_.get_plugin_info, export_name::get_plugin_info, {pointer_value(&info)}, &info);
}

host_handle host::open_plugin(int32_t open_from, int32_t item) {
    return call_export(exports_.open_plugin, export_name::open_plugin, {open_from, item}, open_from, item);
}

void host::exit_far() { call_export(exports_.exit_far, export_name::exit_far, {}); }

}  // namespace tolvik::emu
