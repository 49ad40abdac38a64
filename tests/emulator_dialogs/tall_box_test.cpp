// A message box taller than the screen (a long help topic on a short
// terminal) keeps off the bottom two rows, where the host shows its status
// row and key bar: its lines are cut inside its border, its buttons kept.
#include <string>
#include <vector>

#include "engine_fixture.h"

namespace tolvik::test {
using namespace emu;
namespace {

using tall_box = engine_test;

TEST_F(tall_box, stays_above_the_bottom_two_rows_with_its_buttons) {
    display.resize(40, 12);
    std::vector<std::string> rows;
    input.set_source([&](input_event& event) {
        rows = display.text_rows();
        event = {input_kind::key, key::enter};
        return true;
    });
    std::vector<std::string> lines;
    std::vector<const char*> texts{"Help"};
    for (int i = 0; i < 20; ++i) lines.push_back("line " + std::to_string(i));
    for (const std::string& line : lines) texts.push_back(line.c_str());
    texts.push_back("OK");
    EXPECT_EQ(message_box(7, 0, nullptr, texts.data(), static_cast<int32_t>(texts.size()), 1), 0);
    ASSERT_EQ(rows.size(), 12u);
    std::string screen;
    for (const std::string& row : rows) screen += row + "\n";
    EXPECT_EQ(rows[10], "") << screen;
    EXPECT_EQ(rows[11], "") << screen;
    EXPECT_NE(rows[1].find("+= Help ="), std::string::npos) << "the top border:\n" << screen;
    EXPECT_NE(rows[8].find("+==="), std::string::npos) << "the bottom border:\n" << screen;
    EXPECT_NE(rows[7].find("[ OK ]"), std::string::npos) << "the button inside:\n" << screen;
    EXPECT_NE(rows[6].find("| line 4"), std::string::npos) << screen;
    EXPECT_EQ(screen.find("line 5"), std::string::npos) << "the lines that do not fit are cut:\n" << screen;
    EXPECT_TRUE(failures.empty()) << failure_text();
}

}  // namespace
}  // namespace tolvik::test
