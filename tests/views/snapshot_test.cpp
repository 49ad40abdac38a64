// The snapshot itself: item copies, shared clones, the re-capture rule, type labels,
// validity and the shortened path.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "emulator/call_log.h"
#include "host/constants.h"
#include "records.h"
#include "view_fixture.h"

namespace tolvik::test {
namespace {

std::string text_or_null(const char* text) { return text ? text : "<null>"; }

class snapshots : public view_fixture {
protected:
    void forget(file_panel_view* v) { std::erase(made, v); }
    // The active panel on "left" with a.txt and b.txt, no registry.
    emu::panel_model& two_files() {
        tree.file("left/a.txt");
        tree.file("left/b.txt");
        start_without_registry();
        return host.panels().active();
    }
};

TEST_F(snapshots, item_texts_outlive_the_host_array_and_a_clone_shares_them_until_either_recaptures) {
    emu::panel_model& panel = two_files();
    panel.set_description("a.txt", "first file");
    panel.set_owner("a.txt", "alice");
    panel.set_custom_columns("a.txt", {"one", "two", "three"});
    panel.refresh();
    file_panel_view* source = adopt(capture_active_panel());
    const panel_item* host_array = host.panels().handed_out();
    memory::destroy(capture_passive_panel());  // the host replaces (frees) its array
    ASSERT_NE(source->record().items, host_array);

    file_panel_view* copy = adopt(source->clone());
    EXPECT_NE(copy->number, source->number);
    EXPECT_TRUE(copy->slots.empty());
    EXPECT_EQ(copy->is_valid(), source->is_valid());
    EXPECT_STREQ(copy->path(), source->path());
    EXPECT_EQ(field(copy->record().items), field(source->record().items)) << "expected one shared item array";

    // Either re-captured, the other keeps what it had; the panel's new texts
    // are as long as the old ones, which a block of its own takes in place.
    panel.set_description("a.txt", "other file");
    panel.set_owner("a.txt", "bobby");
    panel.refresh();
    file_panel_view* recaptured = adopt(source->clone());
    ASSERT_TRUE(recaptured->recapture_from_active());
    EXPECT_EQ(text_or_null(find_item(recaptured->record(), "a.txt")->owner), "bobby");
    ASSERT_TRUE(source->recapture_from_active());
    EXPECT_EQ(text_or_null(find_item(source->record(), "a.txt")->description), "other file");
    forget(source);
    memory::destroy(source);

    const panel_item* a_copy = find_item(copy->record(), "a.txt");
    ASSERT_TRUE(a_copy);
    EXPECT_EQ(text_or_null(a_copy->description), "first file");
    EXPECT_EQ(text_or_null(a_copy->owner), "alice");
    ASSERT_EQ(field(a_copy->custom_column_count), 3);
    EXPECT_EQ(text_or_null(a_copy->custom_column_data[0]), "one");
    EXPECT_EQ(text_or_null(a_copy->custom_column_data[2]), "three");
    const panel_item* b_copy = find_item(copy->record(), "b.txt");
    ASSERT_TRUE(b_copy);
    EXPECT_EQ(field(b_copy->description), nullptr);
    EXPECT_EQ(field(b_copy->owner), nullptr);
    EXPECT_EQ(field(b_copy->custom_column_data), nullptr);
}

TEST_F(snapshots, empty_panel_is_captured_cloned_recaptured_and_applied) {
    tree.folder("nothing");
    start_without_registry();
    record_builder record(tree.windows("nothing"));
    file_panel_view* v = adopt(file_panel_view::create(record.info()));
    EXPECT_EQ(field(v->record().item_count), 0);
    EXPECT_NE(field(v->record().items), nullptr) << "an empty panel still gets an array of its own";
    file_panel_view* copy = adopt(v->clone());
    EXPECT_EQ(field(copy->record().item_count), 0);
    EXPECT_TRUE(v->recapture(record.info()));
    v->apply();
    EXPECT_TRUE(selection_sent().empty()) << "expected nothing selected";
}

TEST_F(snapshots, recapture_of_the_same_panel_rewrites_in_place_or_from_itself) {
    emu::panel_model& panel = two_files();
    panel.set_owner("a.txt", "ann");
    panel.refresh();
    file_panel_view* v = adopt(capture_active_panel());
    panel.set_owner("a.txt", "bob");  // same size, new text
    panel.select_name("b.txt", true);
    panel.refresh();
    const long allocations = memory::allocation_count();
    ASSERT_TRUE(v->recapture_from_active());
    EXPECT_EQ(memory::allocation_count(), allocations) << "expected the block to be rewritten in place";
    EXPECT_EQ(text_or_null(find_item(v->record(), "a.txt")->owner), "bob");
    EXPECT_TRUE(field(find_item(v->record(), "b.txt")->flags) & item_selected);

    // Regression: re-capturing from the view's own record must not read the
    // block it is rewriting.
    const panel_info own = v->record();
    ASSERT_TRUE(v->recapture(own));
    EXPECT_EQ(text_or_null(find_item(v->record(), "a.txt")->owner), "bob");
    EXPECT_EQ(field(v->record().item_count), field(own.item_count));
}

TEST_F(snapshots, recapture_keeps_a_gone_view_only_at_the_exact_fallback) {
    start_without_registry();
    record_builder gone(tree.windows("gone"));
    gone.item("old.txt", true);
    struct case_ {
        const char* directory;
        bool invalid_before;
        bool replaced;
    } cases[] = {
        {"C:\\", true, false}, {"c:\\", true, true}, {"C:\\Temp", true, true}, {"C:\\", false, true}};
    for (const auto& c : cases) {
        file_panel_view* v = adopt(file_panel_view::create(gone.info()));
        if (c.invalid_before) v->refresh_validity();
        ASSERT_EQ(v->is_valid(), !c.invalid_before);
        record_builder next(c.directory);
        next.item("new.txt");
        EXPECT_TRUE(v->recapture(next.info()));
        const bool replaced = std::strcmp(v->path(), c.directory) == 0;
        EXPECT_EQ(replaced, c.replaced) << c.directory << " on a " << (c.invalid_before ? "gone" : "valid")
                                        << " view: path is " << v->path();
        EXPECT_EQ(v->is_valid(), c.replaced);
        EXPECT_NE(find_item(v->record(), c.replaced ? "new.txt" : "old.txt"), nullptr);
    }
}

TEST_F(snapshots, type_labels_and_unsupported_panels) {
    start_without_registry();
    struct case_ {
        int32_t type, plugin, label;
        bool unsupported;
    } cases[] = {{0, 0, msg_label_file, false},       {0, 2, msg_label_file, false},
                 {0, 1, msg_label_plugin, true},      {3, 1, msg_label_plugin, true},
                 {1, 0, msg_label_tree, true},        {2, 0, msg_label_quick_view, true},
                 {3, 0, msg_label_information, true}, {5, 0, msg_label_other, true},
                 {-1, 2, msg_label_other, true}};
    for (const auto& c : cases) {
        record_builder record("C:\\");
        record.type(c.type, c.plugin);
        file_panel_view* v = adopt(file_panel_view::create(record.info()));
        EXPECT_EQ(v->type_label_id(), c.label) << "type " << c.type << ", plugin " << c.plugin;
        EXPECT_EQ(v->is_unsupported(), c.unsupported) << "type " << c.type << ", plugin " << c.plugin;
    }
}

TEST_F(snapshots, refresh_validity_follows_the_disk) {
    tree.folder("here");
    tree.file("plain.txt");
    start_without_registry();
    struct case_ {
        std::string directory;
        bool valid;
    } cases[] = {
        {tree.windows("here"), true}, {tree.windows("plain.txt"), false}, {tree.windows("never"), false}};
    for (const auto& c : cases) {
        record_builder record(c.directory);
        file_panel_view* v = adopt(file_panel_view::create(record.info()));
        ASSERT_TRUE(v->is_valid()) << "a capture is valid";
        v->refresh_validity();
        EXPECT_EQ(v->is_valid(), c.valid) << c.directory;
    }
}

TEST_F(snapshots, short_paths_share_one_buffer) {
    start_without_registry();
    record_builder first("C:\\first\\folder"), second("C:\\second");
    file_panel_view* a = adopt(file_panel_view::create(first.info()));
    file_panel_view* b = adopt(file_panel_view::create(second.info()));
    const char* from_a = a->short_path(40);
    const std::string a_text = from_a;
    const char* from_b = b->short_path(8);
    EXPECT_EQ(from_a, from_b) << "expected one shared buffer";
    EXPECT_EQ(a_text, "C:\\first\\folder");
    auto calls = host.log().calls_to(emu::service::shorten_path);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].args.at(1), 8);
    EXPECT_EQ(calls[1].texts.at(0), "C:\\second");
    EXPECT_EQ(std::string(from_b), calls[1].texts.at(1));
}

}  // namespace
}  // namespace tolvik::test
