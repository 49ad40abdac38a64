#include "e2e_languages/language_set.h"

#include <algorithm>

#include "emulator/text_file.h"

namespace tolvik::test {

namespace fs = std::filesystem;

namespace {

// The files of the language `code` in `dir`, as lang/ names them.
language_files files_of(const fs::path& dir, const std::string& code) {
    return {code, dir / ("tolvik_" + code + ".lng"), dir / ("tolvik_" + code + ".hlf"),
            dir / ("host_" + code + ".txt")};
}

}  // namespace

std::vector<language_files> shipped_languages() {
    std::vector<language_files> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(fs::path(TOLVIK_LANG_DIR), error)) {
        const fs::path& path = entry.path();
        std::string stem = path.stem().string();
        if (path.extension() != ".lng" || stem.rfind("tolvik_", 0) != 0) continue;
        found.push_back(files_of(path.parent_path(), stem.substr(7)));
    }
    std::sort(found.begin(), found.end(), [](const language_files& a, const language_files& b) {
        return (a.code != "en") == (b.code != "en") ? a.code < b.code : a.code == "en";
    });
    return found;
}

const language_files& english() {
    static const language_files files = files_of(fs::path(TOLVIK_LANG_DIR), "en");
    return files;
}

std::string read_bytes(const fs::path& path) {
    return emu::read_text_file(path.string()).value_or(std::string());
}

std::map<std::string, std::vector<std::string>> host_texts_of(const std::vector<fs::path>& files) {
    tools::host_texts texts;
    for (const fs::path& file : files) texts.load(file.string());
    std::map<std::string, std::vector<std::string>> by_name;
    for (const std::string& name : texts.names()) by_name[name] = texts.lines(name);
    return by_name;
}

std::vector<std::string> help_topics(const std::string& contents) {
    std::vector<std::string> topics;
    for (std::string_view line : emu::split_lines(contents))
        if (!line.empty() && line[0] == '@') topics.emplace_back(emu::trim(line.substr(1)));
    return topics;
}

}  // namespace tolvik::test
