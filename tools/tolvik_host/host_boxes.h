// The host's own boxes over the panels, in the texts in use (host_texts.h):
// its help and its welcome. On a screen narrower than a line, the line breaks
// at a word (wrap_lines()).
#pragma once

#include <cstdint>
#include <string>

#include "text_box.h"

namespace tolvik::tools {

// On a screen `width` columns wide.
emu::text_box help_box(int32_t width);
// `root` is the folder drive C: stands for, as the user gave it.
emu::text_box welcome_box(int32_t width, const std::string& root);

}  // namespace tolvik::tools
