// Reading a text file whole, splitting it into lines and trimming them: what
// the host's readers of language, help and text files share.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvik::emu {

// The bytes of the file at `path`, or nothing when it cannot be opened.
std::optional<std::string> read_text_file(const std::string& path);

// The lines of `text`, split at each '\n'; a line break at the end starts
// no further line, so "" has none. A '\r' before a break stays (trim drops
// it). The views point into `text`.
std::vector<std::string_view> split_lines(std::string_view text);

// `line` without its leading and trailing blanks (spaces, tabs, CR, LF).
std::string_view trim(std::string_view line);
// `line` without its trailing blanks.
std::string_view trim_right(std::string_view line);

}  // namespace tolvik::emu
