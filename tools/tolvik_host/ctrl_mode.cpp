#include "ctrl_mode.h"

#include "host/constants.h"
#include "key_decoder.h"

namespace tolvik::tools {

void ctrl_mode::begin(emu::host& host, bool stand_in) {
    stand_in_ = stand_in && !host.key_held(virtual_key_control);
    if (stand_in_) host.set_key_held(virtual_key_control, true);
    held_at_begin_ = host.key_held(virtual_key_control);
}

void ctrl_mode::end(emu::host& host) {
    if (stand_in_) host.set_key_held(virtual_key_control, false);
    stand_in_ = false;
    held_at_begin_ = false;
}

bool ctrl_mode::on(const emu::host& host) const {
    return held_at_begin_ && host.key_held(virtual_key_control);
}

bool ctrl_mode::lets_go(const emu::host& host, int32_t code) const {
    return stand_in_ && host.key_held(virtual_key_control) &&
           (code == keys::space || (code & ~keys::modifiers) == keys::f(12));
}

}  // namespace tolvik::tools
