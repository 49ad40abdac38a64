// The host's path shortening, alone and as the service the table carries.
#include "emulator/shorten_path.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "emulator/host.h"
#include "fake_plugin.h"

namespace tolvik::test {
using namespace emu;
namespace {

TEST(shorten_path, keeps_what_fits_and_cuts_the_middle_of_what_does_not_down_to_nothing) {
    const std::string path = "C:\\projects\\tolvik\\build\\output";  // 31 characters
    EXPECT_EQ(shorten(path, 31), path);
    EXPECT_EQ(shorten(path, 100), path);
    EXPECT_EQ(shorten(path, 20), "C:\\...k\\build\\output");
    for (int32_t width = 1; width <= 31; ++width) {
        std::string s = shorten(path, width);
        EXPECT_EQ(s.size(), static_cast<size_t>(width))
            << "a cut path uses the whole width, " << width << " gave " << s;
        EXPECT_EQ(s.back(), 't') << "the tail is kept, width " << width << " gave " << s;
    }
    EXPECT_EQ(shorten("C:\\abcdefgh", 6), "...fgh") << "no room for the drive";
    EXPECT_EQ(shorten("C:\\abcdefgh", 7), "C:\\...h");
    EXPECT_EQ(shorten("\\\\server\\share\\dir", 10), "...are\\dir");
    EXPECT_EQ(shorten("C:\\abcdefgh", 3), "fgh");
    EXPECT_EQ(shorten("C:\\abcdefgh", 0), "");
    EXPECT_EQ(shorten("C:\\abcdefgh", -5), "");
    EXPECT_EQ(shorten("", 5), "");
}

TEST(shorten_path, service_shortens_in_place_and_logs_before_and_after) {
    host h;
    h.attach(fake::exports());
    h.set_startup_info();
    ASSERT_NE(h.function_table(), nullptr);
    char buffer[64] = "C:\\one\\two\\three\\four";
    char* result = h.function_table()->shorten_path(buffer, 11);
    EXPECT_EQ(result, buffer) << "the result is the caller's buffer";
    EXPECT_STREQ(buffer, "C:\\...\\four");
    const call_entry* call = h.log().last(service::shorten_path);
    ASSERT_NE(call, nullptr) << h.report();
    ASSERT_EQ(call->texts.size(), 2u);
    EXPECT_EQ(call->texts[0], "C:\\one\\two\\three\\four");
    EXPECT_EQ(call->texts[1], "C:\\...\\four");
    EXPECT_EQ(call->args[1], 11);

    EXPECT_EQ(h.function_table()->shorten_path(nullptr, 5), nullptr);
    EXPECT_EQ(h.failures().size(), 1u) << "a null path is a host failure:\n" << h.report();
}

}  // namespace
}  // namespace tolvik::test
