// The one view list dialog object.
#include "base/module_object.h"
#include "dialog/view_list_dialog_impl.h"

namespace tolvik {
namespace {

constinit module_object<view_list_dialog_impl> dialog;

}  // namespace

void construct_view_list_dialog() { dialog.construct(); }
void destroy_view_list_dialog() { dialog.destroy(); }

view_list_dialog& get_view_list_dialog() { return dialog.get(); }

}  // namespace tolvik
