// Fuzz target: the texts of the plugin's language file, any length, any %
// sequences, through everything that shows them: the plugin menu (message 4),
// the host-too-old box (0, 1, 2), the list's title and type labels (5, 12 to
// 17), and the warning box (2, 7 to 11) in both modes. No text may act as a
// format, overflow a field or leave a line unterminated.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "fuzz_host.h"
#include "host/constants.h"
#include "support/list_keys.h"

namespace {

std::string message(FuzzedDataProvider& in) {
    static const char* const pieces[] = {"%s",   "%d",      "%n", "%%", "%", "%*d",
                                         "%.*s", "%99999s", "%p", "%c", " "};
    switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:
            return std::string(in.ConsumeIntegralInRange<size_t>(200, 6000),
                               static_cast<char>(in.ConsumeIntegralInRange(32, 126)));
        case 1: {
            std::string soup;
            for (int n = in.ConsumeIntegralInRange(0, 40); n > 0; --n) {
                if (in.ConsumeBool())
                    soup += pieces[in.ConsumeIntegralInRange<size_t>(0, std::size(pieces) - 1)];
                else
                    soup += static_cast<char>(in.ConsumeIntegral<uint8_t>() | 1);  // no NUL
            }
            return soup;
        }
        default:
            return in.ConsumeRandomLengthString(200);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tolvik;
    using namespace tolvik::fuzz;
    FuzzedDataProvider in(data, size);
    session s;
    emu::host& host = s.host();
    for (int32_t id = 0; id < message_count; ++id)
        if (in.ConsumeBool()) host.lang().set_message(id, message(in));

    auto keys = [](std::initializer_list<emu::input_event> script) {
        auto events = std::make_shared<std::vector<emu::input_event>>(script);
        auto at = std::make_shared<size_t>(0);
        return [events, at](emu::input_event& event) {
            if (*at == events->size()) return false;
            event = (*events)[(*at)++];
            return true;
        };
    };
    auto key_of = [](int32_t code) { return emu::input_event{emu::input_kind::key, code}; };
    const emu::input_event ctrl_up{emu::input_kind::ctrl_up, 0};
    const emu::input_event idle{emu::input_kind::idle, 0};

    // Too old a host: the menu entry and the warning message box.
    plugin_info info{};
    host.set_startup_info(startup_info_size - 1);
    host.get_plugin_info(info);
    s.open(keys({key_of(key::enter)}));
    s.require_registry("the host-too-old box");

    // A full start: the list with its title and labels, moves and a copy.
    host.set_startup_info();
    host.get_plugin_info(info);
    s.open(keys(
        {key_of(key::down), key_of(tolvik::test::keys::duplicate), key_of(key::end), key_of(key::enter)}));
    s.require_registry("the list");

    // Refused keys on a panel of each unsupported kind: the warning box.
    const int32_t kind = in.ConsumeIntegralInRange(1, 4);
    host.panels().active().type = kind == 4 ? panel_file : kind;
    host.panels().active().plugin = kind == 4 ? 1 : 0;
    s.open(keys({key_of(key::down), key_of(key::esc), key_of(tolvik::test::keys::duplicate), key_of(key::esc),
                 key_of(tolvik::test::keys::new_view), key_of(key::esc), key_of(key::del), key_of(key::esc),
                 key_of(key::esc)}));
    s.require_registry("the warning box");
    s.open(keys({key_of(key::ctrl_tilde), ctrl_up, idle, idle}), true);
    s.require_registry("the warning box in Ctrl mode");
    return 0;
}
