// The host's two rows as a session keeps them between paints
// (host_rows_cache): after a change of anything a row shows, the row the
// cache puts on the screen is the row drawn afresh from the texts.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "folders.h"
#include "host_rows.h"
#include "host_texts.h"

namespace tolvik::tools {
namespace {

host_texts texts_of(const std::string& text) {
    host_texts t;
    t.parse(text);
    return t;
}

const char* const first_texts =
    "status = [{folder}|{sort}{reversed}|{mode} {mode_name}]\nstatus.counts = {selected}\n"
    "status.reversed = -\nstatus.faults = F{count}\n"
    "sort.name = N\nsort.size = S\nview.2 = m\nview.3 = f\n"
    "keybar.panels = F1 One|F2 Two|F3 Three\nkeybar.menu = Enter Open|Esc Close\n";

class host_rows_cache_test : public ::testing::Test {
protected:
    host_rows_cache_test() {
        folders_.add_file("C:\\a\\x.txt");
        folders_.add_file("C:\\a\\y.txt");
        folders_.add_folder("C:\\b");
        panels_.read_from(folders_);
        panels_.lay_out(80, 25);
        panels_.left().set_directory("C:\\a");
        panels_.right().set_directory("C:\\b");
        set_texts(texts_of(first_texts));
    }
    ~host_rows_cache_test() override { set_texts(host_texts{}); }

    // The rows as the cache draws them over rows left by an earlier paint,
    // and as drawn afresh; each pair must match, and each step must change
    // what a fresh draw shows (else the step proves nothing).
    void expect_rows_follow(const std::vector<std::pair<std::string, std::function<void()>>>& steps,
                            const std::function<void(emu::screen&, host_rows_cache*)>& draw) {
        host_rows_cache cache;
        std::string before;
        for (const auto& [change, apply] : steps) {
            apply();
            emu::screen cached(width_, 2);
            emu::screen fresh(width_, 2);
            cached.fill(0, 0, width_ - 1, 1, '#', emu::attr::panel);
            fresh.fill(0, 0, width_ - 1, 1, '#', emu::attr::panel);
            draw(cached, &cache);
            draw(fresh, nullptr);
            EXPECT_EQ(cached.dump() + cached.dump_attributes(), fresh.dump() + fresh.dump_attributes())
                << "after " << change;
            EXPECT_NE(fresh.dump() + fresh.dump_attributes(), before) << change << " changed nothing";
            before = fresh.dump() + fresh.dump_attributes();
        }
    }

    emu::memory_folders folders_;
    emu::panel_pair panels_;
    int width_ = 80;
    size_t faults_ = 0;
};

TEST_F(host_rows_cache_test, status_row_follows_folder_modes_selection_faults_width_and_texts) {
    emu::panel_model& left = panels_.left();
    expect_rows_follow(
        {{"the first paint", [] {}},
         {"a selection", [&] { left.set_selected(1, true); }},
         {"a second selected item", [&] { left.set_selected(2, true); }},
         {"a sort mode", [&] { left.set_sort_mode(emu::sort_modes::by_size); }},
         {"the reversed order", [&] { left.set_reversed(true); }},
         {"a view mode", [&] { left.view_mode = 3; }},
         {"host faults", [&] { faults_ = 2; }},
         {"a folder change", [&] { left.set_directory("C:\\b"); }},
         {"the other panel active", [&] { panels_.switch_active(); }},
         {"a narrower screen", [&] { width_ = 30; }},
         {"other texts", [&] { set_texts(texts_of("status = <{folder}>\nstatus.faults = F{count}\n")); }}},
        [&](emu::screen& display, host_rows_cache* cache) {
            if (cache)
                cache->draw_status(display, 1, panels_, faults_);
            else
                draw_status(display, 1, panels_, faults_);
        });
}

TEST_F(host_rows_cache_test, key_bar_follows_what_has_the_keyboard_the_width_and_the_texts) {
    key_bar shown = key_bar::panels;
    expect_rows_follow({{"the first paint", [] {}},
                        {"the menu open", [&] { shown = key_bar::menu; }},
                        {"the menu closed", [&] { shown = key_bar::panels; }},
                        {"a narrower screen", [&] { width_ = 16; }},
                        {"other texts", [&] { set_texts(texts_of("keybar.panels = F9 Nine\n")); }},
                        {"the menu again", [&] { shown = key_bar::menu; }}},
                       [&](emu::screen& display, host_rows_cache* cache) {
                           if (cache)
                               cache->draw_key_bar(display, 1, shown);
                           else
                               draw_key_bar(display, 1, shown);
                       });
}

}  // namespace
}  // namespace tolvik::tools
