// The module-wide view number set.
#include "base/module_object.h"
#include "views/view_numbers.h"

namespace tolvik {
namespace {

constinit module_object<view_number_set> numbers;

}  // namespace

void construct_view_numbers() { numbers.construct(); }
void destroy_view_numbers() { numbers.destroy(); }

view_number_set& view_numbers() { return numbers.get(); }

}  // namespace tolvik
