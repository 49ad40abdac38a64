// The plugin's language file as the host reads it: a ".Language=..." line,
// then one message per line in double quotes, message 0 first; blank lines
// and "//" comments are skipped. Inside the quotes \" stands for a quote; the
// message runs from the first quote to the last quote of its line.
//
// Pointers returned by message() stay valid until the language object is
// destroyed, even across set_message() and load(): replaced texts are kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace tolvik::emu {

class language {
public:
    // Reads a language file; on failure returns false, sets `error` and keeps
    // the messages held before.
    bool load(const std::string& path, std::string* error = nullptr);
    // Parses the contents of a language file (same rules, same result).
    bool parse(std::string_view contents, std::string* error = nullptr);

    // The text of message `id`, or null when there is no such message.
    const char* message(int32_t id) const;
    // Sets (or adds) message `id`; messages between the last one and `id`
    // become empty. Negative ids are ignored.
    void set_message(int32_t id, std::string_view text);

    size_t size() const { return index_.size(); }
    // The name after ".Language=" up to the first comma ("English").
    const std::string& name() const { return name_; }
    // The file last loaded, "" when parsed or set directly.
    const std::string& path() const { return path_; }
    // Counts the loads, parses and set_message calls that changed the
    // messages (a copy carries the count).
    uint64_t changes() const { return changes_; }

private:
    std::deque<std::string> storage_;  // never shrinks: pointers stay valid
    std::vector<const char*> index_;
    std::string name_;
    std::string path_;
    uint64_t changes_ = 0;
};

}  // namespace tolvik::emu
