#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/KeyMap.h"
#include "engine/PanelLayout.h"

namespace {

constexpr KeyboardType kTypes[] = {KeyboardType::Jp106, KeyboardType::Pc98, KeyboardType::En101};

struct MappedKey {
    std::uint16_t vk;
    int panel;
    int tag;
};

constexpr MappedKey kSameForEveryType[] = {
    {33, 53, 5},    {34, 54, 6},    {35, 58, 10},   {36, 57, 9},    {37, 50, 1},    {38, 49, 2},
    {39, 52, 3},    {40, 51, 4},    {45, 55, 7},    {46, 56, 8},    {188, 45, 115}, {189, 11, 134},
    {190, 46, 117}, {191, 47, 119}, {220, 13, 138}, {'1', 1, 114},  {'2', 2, 116},  {'3', 3, 118},
    {'4', 4, 120},  {'5', 5, 122},  {'6', 6, 124},  {'7', 7, 126},  {'8', 8, 128},  {'9', 9, 130},
    {'0', 10, 132}, {'A', 26, 100}, {'B', 42, 109}, {'C', 40, 105}, {'D', 28, 104}, {'E', 16, 119},
    {'F', 29, 106}, {'G', 30, 108}, {'H', 31, 110}, {'I', 21, 129}, {'J', 32, 112}, {'K', 33, 114},
    {'L', 34, 116}, {'M', 44, 113}, {'N', 43, 111}, {'O', 22, 131}, {'P', 23, 133}, {'Q', 14, 115},
    {'R', 17, 121}, {'S', 27, 102}, {'T', 18, 123}, {'U', 20, 127}, {'V', 41, 107}, {'W', 15, 117},
    {'X', 39, 103}, {'Y', 19, 125}, {'Z', 38, 101},
};

TEST(KeyMap, KeysThatAreTheSameForEveryType) {
    for (KeyboardType type : kTypes) {
        for (const MappedKey& key : kSameForEveryType) {
            EXPECT_EQ(PanelForKey(type, key.vk), key.panel) << "vk " << key.vk;
            EXPECT_EQ(PanelTag(key.panel), key.tag) << "vk " << key.vk;
        }
    }
}

// A letter or digit plays the panel captioned with it: found by caption, not through the key map's tables.
TEST(KeyMap, LettersAndDigitsPlayThePanelOfTheirCaption) {
    for (int vk : std::string("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ")) {
        int captioned = 0;
        for (int panel = 1; panel <= kKeyPanelCount; ++panel) {
            if (std::string(KeyPanelAt(panel).caption) == std::string(1, static_cast<char>(vk)))
                captioned = panel;
        }
        EXPECT_EQ(PanelForKey(KeyboardType::Jp106, static_cast<std::uint16_t>(vk)), captioned) << "vk " << vk;
    }
}

struct TypedKey {
    int panel;
    const char* caption;
    int tag;
};

struct TypeDependentRow {
    std::uint16_t vk;
    TypedKey byType[3]; // Jp106, Pc98, En101; panel 0 = none
};

constexpr TypeDependentRow kTypeDependent[] = {
    {186, {{36, ":", 120}, {36, ":", 120}, {35, ";", 118}}},
    {187, {{35, ";", 118}, {35, ";", 118}, {12, "=", 136}}},
    {192, {{24, "@", 135}, {24, "@", 135}, {0, nullptr, 0}}},
    {219, {{25, "[", 137}, {25, "[", 137}, {24, "[", 135}}},
    {221, {{37, "]", 122}, {37, "]", 122}, {25, "]", 137}}},
    {222, {{12, "^", 136}, {12, "^", 136}, {36, "'", 120}}},
    {223, {{0, nullptr, 0}, {48, "_", 121}, {0, nullptr, 0}}},
    {226, {{48, "\\", 121}, {0, nullptr, 0}, {0, nullptr, 0}}},
};

// The caption a panel shows once a keyboard type is chosen.
std::string CaptionUnder(KeyboardType type, int panel) {
    const KeyboardTypeLayout& layout = KeyboardTypeLayoutFor(type);
    const char* caption = KeyPanelAt(panel).caption;
    const struct {
        int panel;
        const char* caption;
    } changed[] = {{48, layout.panel48Caption},
                   {12, layout.panel12Caption},
                   {24, layout.panel24Caption},
                   {25, layout.panel25Caption},
                   {36, layout.panel36Caption}};
    for (const auto& c : changed) {
        if (c.panel == panel && c.caption != nullptr)
            caption = c.caption;
    }
    return caption;
}

TEST(KeyMap, KeysThatDependOnTheType) {
    for (const TypeDependentRow& row : kTypeDependent) {
        for (std::size_t t = 0; t < 3; ++t) {
            const TypedKey& want = row.byType[t];
            EXPECT_EQ(PanelForKey(kTypes[t], row.vk), want.panel) << "vk " << row.vk << " type " << t;
            if (want.panel == 0)
                continue;
            EXPECT_EQ(PanelTag(want.panel), want.tag) << "vk " << row.vk << " type " << t;
            EXPECT_EQ(CaptionUnder(kTypes[t], want.panel), want.caption) << "vk " << row.vk << " type " << t;
        }
    }
}

TEST(KeyMap, EveryOtherCodeMapsToNoPanel) {
    std::set<int> listed;
    for (const MappedKey& key : kSameForEveryType)
        listed.insert(key.vk);
    for (const TypeDependentRow& row : kTypeDependent)
        listed.insert(row.vk);
    for (KeyboardType type : kTypes) {
        for (int vk = 0; vk <= 0xFFFF; ++vk) {
            if (!listed.contains(vk)) {
                ASSERT_EQ(PanelForKey(type, static_cast<std::uint16_t>(vk)), 0) << "vk " << vk;
            }
        }
    }
}

TEST(KeyMap, NamedCodesThatPlayNothing) {
    // Space, Enter, Shift, Ctrl, Alt, Apps, the keypad, F1..F12.
    std::set<int> codes = {32, 13, 16, 17, 18, 93};
    for (int vk = 96; vk <= 123; ++vk)
        codes.insert(vk);
    for (KeyboardType type : kTypes) {
        for (int vk : codes)
            EXPECT_EQ(PanelForKey(type, static_cast<std::uint16_t>(vk)), 0) << "vk " << vk;
    }
}

TEST(KeyMap, KeyboardTypeCommands) {
    const struct {
        KeyboardType type;
        const char* panel48;
        const char* panel12;
        const char* panel24;
        const char* panel25;
        const char* panel36;
        bool visible;
        bool shiftJis;
    } cases[] = {
        {KeyboardType::Jp106, "\\", "^", "@", "[", ":", true, true},
        {KeyboardType::Pc98, "_", "^", "@", "[", ":", true, true},
        {KeyboardType::En101, nullptr, "=", "[", "]", "'", false, false},
    };
    for (const auto& c : cases) {
        const KeyboardTypeLayout& layout = KeyboardTypeLayoutFor(c.type);
        if (c.panel48 == nullptr) {
            EXPECT_EQ(layout.panel48Caption, nullptr);
        } else {
            EXPECT_STREQ(layout.panel48Caption, c.panel48);
        }
        EXPECT_STREQ(layout.panel12Caption, c.panel12);
        EXPECT_STREQ(layout.panel24Caption, c.panel24);
        EXPECT_STREQ(layout.panel25Caption, c.panel25);
        EXPECT_STREQ(layout.panel36Caption, c.panel36);
        EXPECT_EQ(layout.extraPanelsVisible, c.visible);
        EXPECT_EQ(layout.panel13ShiftJis, c.shiftJis);
    }
}

TEST(KeyMap, StoredCodes) {
    const struct {
        int code;
        KeyboardType type;
    } cases[] = {{0, KeyboardType::Jp106},  {1, KeyboardType::Pc98},  {2, KeyboardType::En101},
                 {-1, KeyboardType::Jp106}, {3, KeyboardType::Jp106}, {99, KeyboardType::Jp106}};
    for (const auto& c : cases)
        EXPECT_EQ(KeyboardTypeFromCode(c.code), c.type) << "code " << c.code;
    for (KeyboardType type : kTypes)
        EXPECT_EQ(KeyboardTypeFromCode(KeyboardTypeCode(type)), type);
    EXPECT_EQ(KeyboardTypeCode(KeyboardType::Pc98), 1);
    EXPECT_EQ(KeyboardTypeCode(KeyboardType::En101), 2);
}

} // namespace

// The tables serve constant expressions too, so a wrong entry can be caught where it is used.
static_assert(PanelForKey(KeyboardType::Jp106, 'Z') == 38);
static_assert(PanelTag(38) == 101);
