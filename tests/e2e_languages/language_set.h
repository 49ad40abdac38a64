// The languages shipped in lang/: every tolvik_<code>.lng, with the help file
// and the interactive host's texts of the same code beside it. Every test
// of this folder runs over all of them, so a new language is tested as soon
// as its files are there.
#pragma once

#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "host_texts.h"

namespace tolvik::test {

struct language_files {
    std::string code;  // "en", "de", "ru", ...
    std::filesystem::path messages;
    std::filesystem::path help;
    std::filesystem::path host_texts;
};

// English first, then the others by code.
std::vector<language_files> shipped_languages();
const language_files& english();

std::string read_bytes(const std::filesystem::path& path);

// The interactive host's texts as the host reads them from `files`, each file
// over those before it: by name, every line given for it (a name on several
// lines is a list of lines). A file that cannot be read gives nothing.
std::map<std::string, std::vector<std::string>> host_texts_of(
    const std::vector<std::filesystem::path>& files);

// A key bar's pair as its text writes it ("F1 Help"), for messages.
inline std::string pair_text(const tools::key_bar_pair& pair) { return pair.key + " " + pair.label; }

// The help file's topics ("@Name" lines), in order.
std::vector<std::string> help_topics(const std::string& contents);

// gtest prints a language by its code; test names carry it too.
inline void PrintTo(const language_files& language, std::ostream* out) { *out << language.code; }

}  // namespace tolvik::test

// Runs the TEST_Ps of `suite` once for each shipped language.
#define TOLVIK_EACH_LANGUAGE(suite)                                                                  \
    INSTANTIATE_TEST_SUITE_P(shipped, suite, ::testing::ValuesIn(tolvik::test::shipped_languages()), \
                             [](const auto& info) { return info.param.code; })
