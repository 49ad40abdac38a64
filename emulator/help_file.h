// The host's help file as the dialog engine reads it: plain text, topics
// introduced by a line "@Topic"; a topic's first line "# Title" gives the
// title of the box that shows it. Lines keep their bytes (the language's code
// page); trailing blanks and carriage returns are dropped.
#pragma once

#include <string>
#include <vector>

namespace tolvik::emu::help_file {

// The text of `topic` in `help` without its title line, with no blank lines
// at its start and end; "" when the topic is absent.
std::string topic_text(const std::string& help, const std::string& topic);
// The title of `topic`, or the topic's name when it has no title line.
std::string topic_title(const std::string& help, const std::string& topic);
// A text split at its line breaks (an empty text is one empty line).
std::vector<std::string> lines_of(const std::string& text);

}  // namespace tolvik::emu::help_file
