// The key bars of every language name keys as the key scripts do (C- Ctrl,
// S- Shift, A- Alt), the view list's bar names the same keys in every
// language, and the host's help says what the prefixes mean.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "host_texts.h"
#include "key_decoder.h"

namespace tolvik::tools {
namespace {

namespace fs = std::filesystem;

const char* const key_bars[] = {"keybar.panels",    "keybar.list", "keybar.ctrl_stand_in",
                                "keybar.ctrl_held", "keybar.menu", "keybar.box"};

std::vector<fs::path> host_text_files() {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(fs::path(TOLVIK_LANG_DIR))) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("host_", 0) == 0 && entry.path().extension() == ".txt") found.push_back(entry.path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

// A language's texts over the English ones, as the host loads them.
host_texts texts_of(const fs::path& file) {
    host_texts t;
    EXPECT_TRUE(t.load(std::string(TOLVIK_LANG_DIR) + "/host_en.txt"));
    EXPECT_TRUE(t.load(file.string()));
    return t;
}

// The key of each "Key Label" pair of a bar.
std::vector<std::string> bar_keys(const std::string& bar) {
    std::vector<std::string> out;
    for (size_t start = 0; start <= bar.size();) {
        size_t end = bar.find('|', start);
        if (end == std::string::npos) end = bar.size();
        const std::string pair = bar.substr(start, end - start);
        out.push_back(pair.substr(0, pair.find(' ')));
        start = end + 1;
    }
    return out;
}

// True for a key written with the short prefixes: a letter and '-' first.
bool has_short_prefix(const std::string& key) {
    return key.size() > 2 && std::isalpha(static_cast<unsigned char>(key[0])) && key[1] == '-';
}

// The codes of the keys with short prefixes, in the bar's order.
std::vector<int32_t> prefixed_codes(const std::string& bar) {
    std::vector<int32_t> out;
    for (const std::string& key : bar_keys(bar))
        if (has_short_prefix(key)) out.push_back(key_from_name(key));
    return out;
}

TEST(key_bars, every_language_writes_modifiers_as_key_scripts_do) {
    host_texts english = texts_of(fs::path(TOLVIK_LANG_DIR) / "host_en.txt");
    const std::vector<int32_t> list_keys = prefixed_codes(english.get("keybar.list"));
    ASSERT_EQ(list_keys, (std::vector<int32_t>{keys::ctrl | keys::shift | keys::f3, keys::ctrl | keys::f3,
                                               keys::ctrl | keys::shift | keys::f5, keys::ctrl_r}))
        << "the list's editing keys: new, duplicate, renumber, refresh";
    for (const fs::path& file : host_text_files()) {
        SCOPED_TRACE(file.filename().string());
        host_texts t = texts_of(file);
        for (const char* bar : key_bars) {
            for (const std::string& key : bar_keys(t.get(bar))) {
                if (has_short_prefix(key)) {
                    EXPECT_NE(key_from_name(key), 0)
                        << bar << ": \"" << key << "\" is no key a script can press";
                }
            }
        }
        EXPECT_EQ(prefixed_codes(t.get("keybar.list")), list_keys) << t.get("keybar.list");
    }
}

TEST(key_bars, the_help_of_every_language_says_what_the_prefixes_mean) {
    for (const fs::path& file : host_text_files()) {
        SCOPED_TRACE(file.filename().string());
        host_texts t = texts_of(file);
        for (const char* prefix : {"C- ", "S- ", "A- "}) {
            bool said = false;
            for (const std::string& line : t.lines("help"))
                said = said || line.find(prefix) != std::string::npos;
            EXPECT_TRUE(said) << "the help does not say what \"" << prefix << "\" means";
        }
    }
}

}  // namespace
}  // namespace tolvik::tools
