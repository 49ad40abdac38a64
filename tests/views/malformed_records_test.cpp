// Records the host should never send but might: every field read within its
// size, every count checked against its array.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/memory.h"
#include "emulator/call_log.h"
#include "records.h"
#include "view_fixture.h"

namespace tolvik::test {
namespace {

class malformed_records : public view_fixture {
protected:
    void SetUp() override {
        view_fixture::SetUp();
        tree.file("left/a.txt");
        tree.file("left/b.txt");
        start_without_registry();
        host.panels().active().set_custom_columns("a.txt", {"one", "two", "three"});
        host.panels().active().refresh();
    }
    file_panel_view* capture_tampered(std::function<void(panel_info&)> tamper) {
        host.panels().tamper = std::move(tamper);
        file_panel_view* v = capture_active_panel();
        host.panels().tamper = nullptr;
        return adopt(v);
    }
};

TEST_F(malformed_records, unterminated_directory_is_cut_within_its_field) {
    file_panel_view* v =
        capture_tampered([](panel_info& info) { std::memset(info.current_dir, 'x', max_path); });
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(std::strlen(v->path()), static_cast<size_t>(max_path - 1));
    v->refresh_validity();
    EXPECT_FALSE(v->is_valid());
    const std::string shortened = v->short_path(20);
    const emu::call_entry* call = host.log().last(emu::service::shorten_path);
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(call->texts.at(0), std::string(max_path - 1, 'x')) << "expected the terminated directory";
    EXPECT_EQ(shortened, call->texts.at(1));
}

TEST_F(malformed_records, bad_item_counts_give_an_empty_panel) {
    file_panel_view* negative = capture_tampered([](panel_info& info) { info.item_count = -5; });
    file_panel_view* no_array = capture_tampered([](panel_info& info) { info.items = nullptr; });
    for (file_panel_view* v : {negative, no_array}) {
        ASSERT_NE(v, nullptr);
        EXPECT_EQ(field(v->record().item_count), 0);
        file_panel_view* copy = adopt(v->clone());
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(field(copy->record().item_count), 0);
    }
}

TEST_F(malformed_records, custom_columns_with_null_entries_or_negative_counts) {
    file_panel_view* holes = capture_tampered(
        [&](panel_info& info) { find_item(info, "a.txt")->custom_column_data[1] = nullptr; });
    file_panel_view* negative =
        capture_tampered([&](panel_info& info) { find_item(info, "a.txt")->custom_column_count = -3; });
    ASSERT_TRUE(holes && negative);
    auto copied = [](file_panel_view* v) -> const panel_item& { return *find_item(v->record(), "a.txt"); };
    const panel_item& with_hole = copied(holes);
    ASSERT_EQ(field(with_hole.custom_column_count), 3);
    EXPECT_STREQ(with_hole.custom_column_data[0], "one");
    EXPECT_EQ(with_hole.custom_column_data[1], nullptr) << "a null entry is copied as null";
    EXPECT_STREQ(with_hole.custom_column_data[2], "three");
    EXPECT_EQ(field(copied(negative).custom_column_data), nullptr) << "a negative count means no columns";
    EXPECT_EQ(field(copied(negative).custom_column_count), 0);
}

TEST_F(malformed_records, unterminated_and_empty_names_during_apply) {
    record_builder record(tree.windows("left"));
    record.item("", true).item("a.txt", true);
    std::memset(record.items()[0].file_name, 'n', max_path);  // unterminated, selected
    file_panel_view* v = adopt(file_panel_view::create(record.info()));
    ASSERT_NE(v, nullptr);
    host.panels().tamper = [](panel_info& info) {
        ASSERT_GE(info.item_count, 2);
        std::memset(info.items[0].file_name, 'n', max_path);  // the same unterminated name
        info.items[1].file_name[0] = '\0';                    // an empty name
    };
    v->apply();
    EXPECT_EQ(selection_sent(), std::vector<int32_t>{0}) << "the 260-character name matches within its field";

    record_builder empty_name(tree.windows("left"));
    empty_name.item("", true);
    file_panel_view* w = adopt(file_panel_view::create(empty_name.info()));
    ASSERT_NE(w, nullptr);
    host.log().clear();
    w->apply();
    EXPECT_TRUE(selection_sent().empty()) << "an empty name never matches";
}

TEST_F(malformed_records, fresh_listing_without_items_during_apply) {
    record_builder record(tree.windows("left"));
    record.item("a.txt", true);
    file_panel_view* v = adopt(file_panel_view::create(record.info()));
    ASSERT_NE(v, nullptr);
    for (auto tamper : {std::function<void(panel_info&)>([](panel_info& i) { i.item_count = -1; }),
                        std::function<void(panel_info&)>([](panel_info& i) { i.items = nullptr; })}) {
        host.panels().tamper = tamper;
        host.log().clear();
        v->apply();
        EXPECT_EQ(commands(), (std::vector<int32_t>{16, 12, 19, 21, 1, 10, 5, 21}));
    }
}

}  // namespace
}  // namespace tolvik::test
