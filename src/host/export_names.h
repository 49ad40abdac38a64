// The names the host looks the plugin's five exports up by, undecorated. The
// module-definition file (plugin/tolvik.def) lists the same names, and
// scripts/test-exports.sh checks it and the built libraries against this list.
#pragma once

namespace tolvik::export_names {

inline constexpr char get_min_far_version[] = "GetMinFarVersion";
inline constexpr char set_startup_info[] = "SetStartupInfo";
inline constexpr char get_plugin_info[] = "GetPluginInfo";
inline constexpr char open_plugin[] = "OpenPlugin";
inline constexpr char exit_far[] = "ExitFAR";

}  // namespace tolvik::export_names
