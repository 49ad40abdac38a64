// The interactive host's own texts (key bars, its help, the status row, its
// boxes and panel stand-ins) in the language in use. They live in the
// host's own files beside the plugin's language files, one per language:
//   // a comment
//   name = text
// in code page 850, as the screen shows them. A name given on several lines
// is a list of lines (the help); a later file replaces what an earlier one
// gave, so English can sit under a language that leaves a text out. Texts
// hold no printf formats: "{name}" marks are filled by fill().
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tolvik::tools {

class host_texts {
public:
    // Reads a file over what is loaded; false (with nothing changed) when it
    // cannot be read.
    bool load(const std::string& path);
    // Takes the texts of `text` as if read from a file.
    void parse(std::string_view text);

    // The text of `name`; "<name>" when no file gives it, so that a missing
    // text shows on screen rather than nothing.
    std::string get(std::string_view name) const;
    // The first line of `name` as the first file that gave it gave it,
    // whatever later files replaced: English, which the host reads under the
    // language in use. "" when no file gives it.
    std::string first(std::string_view name) const;
    // Every line given for `name`, in order (empty when none).
    const std::vector<std::string>& lines(std::string_view name) const;
    // The names given, in order of name.
    std::vector<std::string> names() const;

private:
    std::map<std::string, std::vector<std::string>, std::less<>> texts_;
    std::map<std::string, std::string, std::less<>> firsts_;
};

// The pairs of a key bar text "Key Label|Key Label|...", in order: the key
// up to the pair's first space, the label after it. A label may end in
// "~Short", the form it takes on a narrow row; without one, `short_label` is
// the label itself.
struct key_bar_pair {
    std::string key;
    std::string label;
    std::string short_label;
};
std::vector<key_bar_pair> key_bar_pairs(const std::string& bar);

// `text` with each "{key}" replaced by its value; unknown marks stay.
std::string fill(std::string text, const std::vector<std::pair<std::string, std::string>>& values);

// `lines` with each line longer than `width` broken at its last blank that
// fits; what follows goes on a line of its own, indented 3 columns more than
// the line it came from. A word longer than `width` is cut.
std::vector<std::string> wrap_lines(const std::vector<std::string>& lines, size_t width);

// The texts the host draws with. Set once at start-up by the session before
// anything is drawn; the panel stand-ins read them here.
const host_texts& texts();
void set_texts(host_texts t);
// Changes with every set_texts(): what was made from texts() under another
// value is stale.
int texts_generation();

}  // namespace tolvik::tools
