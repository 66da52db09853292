#include <gtest/gtest.h>

#include "engine/KeyMap.h"

namespace {

using enum KeyboardType;

TEST(KeyMap, PanelsPerKeyboardType) {
    const struct {
        std::uint16_t vk;
        int panel[3]; // Jp106, Pc98, En101; 0: none
    } rows[] = {
        {186, {36, 36, 35}}, {187, {35, 35, 12}}, {192, {24, 24, 0}},  {219, {25, 25, 24}},
        {221, {37, 37, 25}}, {222, {12, 12, 36}}, {223, {0, 48, 0}},   {226, {48, 0, 0}},
        {220, {13, 13, 13}}, {'Z', {38, 38, 38}}, {'0', {10, 10, 10}}, {37, {50, 50, 50}},
        {188, {45, 45, 45}}, {32, {0, 0, 0}},     {96, {0, 0, 0}},
    };
    const KeyboardType types[] = {Jp106, Pc98, En101};
    for (const auto& row : rows) {
        for (int t = 0; t < 3; ++t)
            EXPECT_EQ(PanelForKey(types[t], row.vk), row.panel[t]) << "vk " << row.vk << " type " << t;
    }
}

// The settings file stores the code; anything unknown falls back to the Japanese keyboard.
TEST(KeyMap, StoredCodes) {
    for (KeyboardType type : {Jp106, Pc98, En101})
        EXPECT_EQ(KeyboardTypeFromCode(KeyboardTypeCode(type)), type);
    for (int code : {-1, 3, 99})
        EXPECT_EQ(KeyboardTypeFromCode(code), Jp106) << "code " << code;
}

} // namespace
