// winshim, the Linux stand-in for the plugin's Windows calls: drive paths
// translated to Linux paths, GetFileAttributesA on what they name, and the
// key state GetAsyncKeyState reports. Every folder the plugin checks goes
// through the translation, so a slip there shows as a panel that "does not
// exist".
#if !defined(_WIN32)
#include "winshim.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "host/windows_values.h"
#include "oem_code_pages.h"
#include "support/test_tree.h"

namespace tolvik::test {
namespace {

// The Linux path of `windows`, or "(none)".
std::string native(const char* windows, uint32_t size = 256) {
    char out[256] = "untouched";
    return winshim_native_path(windows, out, size) ? std::string(out) : std::string("(none)");
}

TEST(winshim_paths, a_mapped_drive_gives_its_folder_with_one_slash_between_parts) {
    winshim_map_drive('w', "/srv/w/");  // letters in either case
    EXPECT_EQ(native("W:\\docs\\a.txt"), "/srv/w/docs/a.txt");
    EXPECT_EQ(native("w:\\\\docs//sub\\"), "/srv/w/docs/sub") << "repeated and trailing separators go";
    EXPECT_EQ(native("W:"), "/srv/w");
    EXPECT_EQ(native("W:docs"), "/srv/w/docs");
    winshim_map_drive('W', "/");
    EXPECT_EQ(native("W:\\"), "/") << "the root keeps its slash";
    EXPECT_EQ(native("W:\\etc", 4), "(none)") << "\"/etc\" and its terminator need 5 bytes";
    EXPECT_EQ(native("W:\\etc", 5), "/etc");

    winshim_map_drive('W', nullptr);
    EXPECT_EQ(native("W:\\docs"), "(none)") << "an unmapped drive names nothing";
    winshim_map_drive('W', "");
    EXPECT_EQ(native("W:\\docs"), "(none)");
    for (const char* odd : {"", "W", "Wx\\docs", "\\\\server\\share", "1:\\a", "[:\\a", "@:\\a"})
        EXPECT_EQ(native(odd), "(none)") << "'" << odd << "' is no drive path";
    EXPECT_EQ(native(nullptr), "(none)");
    EXPECT_EQ(native("C:\\", 0), "(none)");
    EXPECT_FALSE(winshim_native_path("C:\\", nullptr, 10));
    winshim_map_drive('0', "/tmp");  // no such drives: nothing changes
    winshim_map_drive('[', "/tmp");
    EXPECT_EQ(native("W:\\"), "(none)");
}

TEST(winshim_files, attributes_tell_folders_from_files_and_missing_paths) {
    test_tree tree;
    tree.folder("docs");
    tree.file("docs/a.txt");
    ASSERT_EQ(mkfifo(tree.native("docs/pipe").c_str(), 0600), 0);
    EXPECT_EQ(GetFileAttributesA(tree.windows("docs").c_str()), file_attribute_directory);
    EXPECT_EQ(GetFileAttributesA(tree.windows("docs\\a.txt").c_str()), file_attribute_archive);
    EXPECT_EQ(GetFileAttributesA(tree.windows("docs\\pipe").c_str()), file_attribute_normal)
        << "neither a folder nor a regular file";
    EXPECT_EQ(GetFileAttributesA(tree.windows("docs\\gone").c_str()), invalid_file_attributes);
    EXPECT_EQ(GetFileAttributesA("Q:\\docs"), invalid_file_attributes) << "an unmapped drive";
    EXPECT_EQ(GetFileAttributesA(nullptr), invalid_file_attributes);
}

// A Linux name as the single-byte calls show it, or "(none)".
std::string in_code_page(const char* name, uint32_t size = 256) {
    char out[256] = "untouched";
    return winshim_name_in_code_page(name, out, size) ? std::string(out) : std::string("(none)");
}

TEST(winshim_code_page, names_are_bytes_of_the_page_and_paths_go_back_to_utf8) {
    winshim_map_drive('W', "/srv/w");
    EXPECT_EQ(in_code_page("caf\xC3\xA9"), "caf\xC3\xA9") << "no page: bytes as they are";
    EXPECT_EQ(native("W:\\a?\xE9"), "/srv/w/a?\xE9");
    const struct {
        emu::code_page page;
        const char* linux_name;  // UTF-8
        std::string shown;       // in the page
    } names[] = {
        {emu::code_page::cp850, "caf\xC3\xA9.txt", "caf\x82.txt"},
        {emu::code_page::cp852, "\xC5\x81\xC3\xB3\x64\xC5\xBA", "\x9D\xA2\x64\xAB"},  // Lodz
        {emu::code_page::cp866, "\xD0\x9F\xD1\x80\xD0\xB8", "\x8F\xE0\xA8"},          // Pri
        {emu::code_page::cp866, "caf\xC3\xA9", "caf?"},                // a character the page lacks
        {emu::code_page::cp850, "\xD0\x9F\xF0\x9F\x98\x80!", "?\?!"},  // outside the page, outside 16 bits
        {emu::code_page::cp850, "a\xC3(\xFF\xE9", "a?(??"},            // bytes that start no character
        {emu::code_page::cp850, "\xE2\x82\xAC\xE2(\xF0\x9F(", "?\?(?\?("},  // three bytes, then cut short
    };
    for (const auto& n : names) {
        SCOPED_TRACE(n.shown);
        winshim_set_code_page(emu::high_half_utf8(n.page));
        EXPECT_EQ(in_code_page(n.linux_name), n.shown);
        if (n.shown.find('?') == std::string::npos) {
            EXPECT_EQ(native(("W:\\" + n.shown).c_str()), std::string("/srv/w/") + n.linux_name)
                << "and back";
        }
    }
    EXPECT_EQ(native("W:\\a?b"), "(none)") << "a '?' names nothing";
    EXPECT_EQ(in_code_page("caf\xC3\xA9", 4), "(none)") << "four bytes and the terminator need 5";
    EXPECT_EQ(in_code_page("caf\xC3\xA9", 5), "caf\x82");
    EXPECT_EQ(in_code_page(nullptr), "(none)");
    const char* const none_held[128] = {};
    winshim_set_code_page(none_held);
    EXPECT_EQ(in_code_page("caf\xC3\xA9"), "caf?") << "a page that holds no character";
    winshim_set_code_page(nullptr);
    winshim_map_drive('W', nullptr);
}

TEST(winshim_keys, the_state_set_is_the_state_reported_for_each_key) {
    winshim_set_key_state(0x11, 0x8001);
    winshim_set_key_state(0x10, 0x8000);
    EXPECT_EQ(static_cast<uint16_t>(GetAsyncKeyState(0x11)), 0x8001);
    EXPECT_EQ(static_cast<uint16_t>(GetAsyncKeyState(0x10)), 0x8000);
    winshim_set_key_state(0x11, 0);
    winshim_set_key_state(0x10, 0);
    EXPECT_EQ(GetAsyncKeyState(0x11), 0);
    winshim_set_key_state(-1, 0x8000);  // out of range: ignored
    winshim_set_key_state(256, 0x8000);
    EXPECT_EQ(GetAsyncKeyState(-1), 0);
    EXPECT_EQ(GetAsyncKeyState(256), 0);
}

}  // namespace
}  // namespace tolvik::test
#endif
