// The view list dialog: the plugin's main screen, one line per view.
//
// There is exactly one dialog object, a module-wide singleton built with the
// other module-wide objects; get_view_list_dialog hands it out.
#pragma once

namespace tolvik {

class view_list_dialog {
public:
    // Opens the dialog over the registry's views and returns when it closes,
    // with the host's extended dialog result. REQUIRES: the host copies are
    // filled (not too old) and the registry is populated.
    virtual int run() = 0;
    virtual ~view_list_dialog() = default;
};

// The one dialog object. REQUIRES: constructed (between the library's load
// and unload, plugin/module.h).
view_list_dialog& get_view_list_dialog();
// Construction and destruction, called only by the library's load and unload.
void construct_view_list_dialog();
void destroy_view_list_dialog();

}  // namespace tolvik
