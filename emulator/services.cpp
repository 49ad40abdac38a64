#include "services.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "host.h"
#include "pointer_value.h"
#include "shorten_path.h"

namespace tolvik::emu {

const char* TOLVIK_API get_message_service(int32_t module_number, int32_t message_id) {
    static const char empty[] = "";
    host* h = host::current();
    if (!h) return empty;
    const char* text = h->lang().message(message_id);
    if (h->log().recording())
        h->log().add(call_kind::service, service::get_message, {module_number, message_id}, {},
                     {text ? std::string(text) : std::string()});
    if (module_number != h->module_number())
        h->fail("message lookup with module number " + std::to_string(module_number) + ", the host gave " +
                std::to_string(h->module_number()));
    if (!text) {
        h->fail("message lookup of message " + std::to_string(message_id) +
                ", which the language file lacks");
        return empty;
    }
    return text;
}

int32_t TOLVIK_API panel_control_service(host_handle panel, int32_t command, void* param) {
    host* h = host::current();
    if (!h) return 0;
    size_t index = h->log().recording() ? h->log().add(call_kind::service, service::panel_control,
                                                       {pointer_value(panel), command, pointer_value(param)})
                                        : SIZE_MAX;
    if (panel != no_panel)
        h->fail("panel control " + std::to_string(command) + " with a panel handle other than -1");
    std::vector<std::string> failures;
    int32_t result = h->panels().control(command, param, failures, &h->log(), index);
    for (std::string& f : failures) h->fail(std::move(f));
    h->log().set_result(index, result);
    return result;
}

char* TOLVIK_API shorten_path_service(char* path, int32_t max_length) {
    host* h = host::current();
    if (!h) return path;
    size_t index = h->log().recording() ? h->log().add(call_kind::service, service::shorten_path,
                                                       {pointer_value(path), max_length})
                                        : SIZE_MAX;
    if (!path) {
        h->fail("shorten path with a null path");
        return path;
    }
    std::string before(path);
    std::string after = shorten(before, max_length);
    std::memcpy(path, after.c_str(), after.size() + 1);
    if (call_entry* entry = h->log().entry(index)) entry->texts = {before, after};
    return path;
}

}  // namespace tolvik::emu
