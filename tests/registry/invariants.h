// The registry's invariants, checked from outside: one place for every test.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "registry/registry.h"
#include "views/view_numbers.h"

namespace tolvik::test {

inline std::vector<view*> entries(view_list& list) {
    std::vector<view*> out;
    for (view* v : list) out.push_back(v);
    return out;
}

inline std::vector<int32_t> numbers(view_list& list) {
    std::vector<int32_t> out;
    for (view* v : list) out.push_back(v->number);
    return out;
}

// all_views and recent_views hold the same views once each, none null; each
// view's slots are exactly the slots showing it; the numbers are unique and
// are the number set.
inline void expect_registry_invariants(const std::string& where) {
    std::vector<view*> all = entries(all_views());
    std::vector<view*> recent = entries(recent_views());
    EXPECT_EQ(std::count(all.begin(), all.end(), nullptr), 0) << where << ": a null view in all_views";
    std::sort(all.begin(), all.end());
    std::sort(recent.begin(), recent.end());
    EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end()) << where << ": a view listed twice";
    EXPECT_EQ(all, recent) << where << ": all_views and recent_views differ";

    std::vector<panel_slot*> slots;
    for (panel_slot* s : panel_slots()) slots.push_back(s);
    EXPECT_EQ(std::count(slots.begin(), slots.end(), nullptr), 0) << where << ": a null slot";
    for (view* v : all) {
        size_t showing = std::count_if(slots.begin(), slots.end(),
                                       [&](panel_slot* s) { return s && s->shown_view() == v; });
        EXPECT_EQ(v->slots.size(), showing) << where << ": view " << v->number << " slot list";
        for (panel_slot* s : v->slots) EXPECT_EQ(s->shown_view(), v) << where << ": view " << v->number;
    }

    std::vector<int32_t> held = numbers(all_views());
    std::sort(held.begin(), held.end());
    std::vector<int32_t> in_set;
    for (size_t i = 0; i < view_numbers().size(); ++i) in_set.push_back(view_numbers().at(i));
    EXPECT_EQ(held, in_set) << where << ": view numbers and the number set differ";
    EXPECT_EQ(std::adjacent_find(held.begin(), held.end()), held.end()) << where << ": a number used twice";
}

}  // namespace tolvik::test
