#include "views/view.h"

#include "views/view_numbers.h"

namespace tolvik {

view::view() noexcept : number(acquire_view_number()) {}

view::~view() {
    if (number != 0) release_view_number(number);
    slots.clear();
}

bool view::is_unsupported() const { return false; }

bool view::add_slot(panel_slot* slot) noexcept { return slots.push_back(slot) != slots.end(); }

void view::remove_slot(panel_slot* slot) noexcept {
    for (auto at = slots.begin(); at != slots.end(); ++at) {
        if (*at == slot) {
            slots.erase(at);
            return;
        }
    }
}

}  // namespace tolvik
