#include "e2e_languages/language_set.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

#include "e2e_languages/code_pages.h"

namespace tolvik::test {

namespace fs = std::filesystem;

std::vector<language_files> shipped_languages() {
    std::vector<language_files> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(fs::path(TOLVIK_LANG_DIR), error)) {
        const fs::path& path = entry.path();
        std::string stem = path.stem().string();
        if (path.extension() != ".lng" || stem.rfind("tolvik_", 0) != 0) continue;
        language_files files;
        files.code = stem.substr(7);
        files.messages = path;
        files.help = fs::path(path).replace_extension(".hlf");
        files.host_texts = path.parent_path() / ("host_" + files.code + ".txt");
        found.push_back(files);
    }
    std::sort(found.begin(), found.end(), [](const language_files& a, const language_files& b) {
        return (a.code != "en") == (b.code != "en") ? a.code < b.code : a.code == "en";
    });
    return found;
}

const language_files& english() {
    static const language_files files = [] {
        language_files en;
        en.code = "en";
        fs::path dir(TOLVIK_LANG_DIR);
        en.messages = dir / "tolvik_en.lng";
        en.help = dir / "tolvik_en.hlf";
        en.host_texts = dir / "host_en.txt";
        return en;
    }();
    return files;
}

std::string read_bytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

int declared_code_page(const std::string& contents) {
    std::istringstream lines(contents);
    std::string line;
    int page = 0;
    while (std::getline(lines, line)) {
        if (line.rfind("//", 0) != 0) continue;
        std::string lower = line;
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        size_t at = lower.find("code page ");
        if (at == std::string::npos) continue;
        int number = std::atoi(lower.c_str() + at + 10);
        if (page != 0 && number != page) return -1;
        page = number;
    }
    return page;
}

namespace {

std::string trim(const std::string& text) {
    size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

std::map<std::string, std::vector<std::string>> parse_host_texts(const std::string& contents) {
    std::map<std::string, std::vector<std::string>> texts;
    std::istringstream lines(contents);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (trim(line).empty() || trim(line).rfind("//", 0) == 0) continue;
        size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        std::string text = line.substr(equals + 1);
        if (!text.empty() && text[0] == ' ') text.erase(0, 1);
        texts[trim(line.substr(0, equals))].push_back(text);
    }
    return texts;
}

std::vector<std::string> help_topics(const std::string& contents) {
    std::vector<std::string> topics;
    std::istringstream lines(contents);
    std::string line;
    while (std::getline(lines, line))
        if (!line.empty() && line[0] == '@') topics.push_back(trim(line.substr(1)));
    return topics;
}

}  // namespace tolvik::test
