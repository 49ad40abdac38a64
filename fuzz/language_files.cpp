// Fuzz target: the host's reading of the plugin's language and help files,
// any bytes of any length: a missing, repeated or late ".Language=" header,
// lines without quotes or with one, "\" at the end, NUL bytes, no final
// newline, "@" topic lines anywhere. The same bytes are read as a language
// file and as a help file.
//
// A language file that does not parse leaves the messages read before (the
// English ones) in place; one that parses gives exactly size() messages,
// each a terminated line. A help topic's text has no blank line at its ends
// and is empty for a topic the file does not have.
#include <string>

#include "emulator/dialogs.h"
#include "emulator/language.h"
#include "require.h"

namespace {

// The topics asked for: the plugin's own, and the first few the file names.
std::vector<std::string> topics(const std::string& text) {
    std::vector<std::string> out = {"Panel_list", "Contents", ""};
    size_t at = 0;
    while (out.size() < 8 && at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        if (text[at] == '@') out.push_back(text.substr(at + 1, end - at - 1));
        at = end + 1;
    }
    return out;
}

void read_language(const std::string& bytes) {
    using tolvik::fuzz::fail;
    using tolvik::fuzz::require;
    tolvik::emu::language lang;
    require(lang.parse(tolvik::fuzz::english_language_text()), "the English language file did not parse");
    const size_t english_count = lang.size();
    const std::string first = lang.message(0);
    std::string error;
    if (!lang.parse(bytes, &error)) {
        require(!error.empty(), "a language file was refused without a reason");
        require(lang.size() == english_count && first == lang.message(0),
                "a refused language file changed the messages held before");
        return;
    }
    for (size_t id = 0; id < lang.size(); ++id) {
        const char* text = lang.message(static_cast<int32_t>(id));
        if (!text) fail("message " + std::to_string(id) + " of " + std::to_string(lang.size()) + " is null");
        if (std::string_view(text).find('\n') != std::string_view::npos)
            fail("message " + std::to_string(id) + " holds a line break");
    }
    require(lang.message(static_cast<int32_t>(lang.size())) == nullptr, "a message past the last one");
    require(lang.message(-1) == nullptr, "message -1 exists");
    require(lang.name().find(',') == std::string::npos, "the language's name holds a comma");
}

void read_help(const std::string& bytes) {
    using tolvik::fuzz::fail;
    tolvik::emu::dialog_engine help{tolvik::emu::dialog_environment{}};
    help.set_help_text(bytes);
    for (const std::string& topic : topics(bytes)) {
        std::string text = help.help_topic_text(topic);
        if (text.empty()) continue;
        if (text.front() == '\n' || text.back() == '\n')
            fail("the text of topic '" + topic + "' has blank ends");
        if (bytes.find("@" + topic) == std::string::npos)
            fail("topic '" + topic + "' has a text but no @ line");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    read_language(bytes);
    read_help(bytes);
    return 0;
}
