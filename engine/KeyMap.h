#pragma once
// The typing keyboard's virtual-key codes to key panels (numbers 1..58, 0 for none), per keyboard type,
// and what choosing a keyboard type does to the panels. The types differ only in the punctuation keys.

#include <array>
#include <cstdint>

#include "platform/keys/KeyboardType.h"

// A stored code other than 1 or 2 means the 106 Japanese keyboard.
constexpr KeyboardType KeyboardTypeFromCode(int code) {
    if (code == 1)
        return KeyboardType::Pc98;
    if (code == 2)
        return KeyboardType::En101;
    return KeyboardType::Jp106;
}

constexpr int KeyboardTypeCode(KeyboardType type) {
    return static_cast<int>(type);
}

// Keys that play no panel: the Apps key's release pops up the sound menu, Space can be a sustain pedal.
inline constexpr std::uint16_t kAppsKey = 93;
inline constexpr std::uint16_t kSpaceKey = 32;

namespace key_map_detail {

struct CommonKey {
    std::uint16_t vk;
    std::uint8_t panel;
};

inline constexpr std::array<CommonKey, 15> kCommonKeys = {{
    {33, 53},
    {34, 54},
    {35, 58},
    {36, 57},
    {37, 50},
    {38, 49},
    {39, 52},
    {40, 51},
    {45, 55},
    {46, 56},
    {188, 45},
    {189, 11},
    {190, 46},
    {191, 47},
    {220, 13},
}};

// '0'..'9': the number row, "0" at its end.
inline constexpr std::array<std::uint8_t, 10> kDigitPanels = {10, 1, 2, 3, 4, 5, 6, 7, 8, 9};

// 'A'..'Z' by their places in the Q, home and Z rows.
inline constexpr std::array<std::uint8_t, 26> kLetterPanels = {
    26, 42, 40, 28, 16, 29, 30, 31, 21, 32, 33, 34, 44, 43, 22, 23, 14, 17, 27, 18, 20, 41, 15, 39, 19, 38,
};

struct PunctuationKey {
    std::uint16_t vk;
    std::array<std::uint8_t, 3> panel; // by KeyboardType: Jp106, Pc98, En101
};

inline constexpr std::array<PunctuationKey, 8> kPunctuationKeys = {{
    {186, {36, 36, 35}},
    {187, {35, 35, 12}},
    {192, {24, 24, 0}},
    {219, {25, 25, 24}},
    {221, {37, 37, 25}},
    {222, {12, 12, 36}},
    {223, {0, 48, 0}},
    {226, {48, 0, 0}},
}};

} // namespace key_map_detail

constexpr int PanelForKey(KeyboardType type, std::uint16_t vk) {
    using namespace key_map_detail;
    if (vk >= '0' && vk <= '9')
        return kDigitPanels[vk - '0'];
    if (vk >= 'A' && vk <= 'Z')
        return kLetterPanels[vk - 'A'];
    for (const CommonKey& key : kCommonKeys) {
        if (key.vk == vk)
            return key.panel;
    }
    for (const PunctuationKey& key : kPunctuationKeys) {
        if (key.vk == vk)
            return key.panel[static_cast<std::size_t>(type)];
    }
    return 0;
}

// What a keyboard-type command sets. A null caption leaves that panel's caption as it is.
struct KeyboardTypeLayout {
    const char* panel48Caption;
    const char* panel12Caption;
    const char* panel24Caption;
    const char* panel25Caption;
    const char* panel36Caption;
    bool extraPanelsVisible; // Panel13, Panel37 and Panel48
    bool panel13ShiftJis;    // draws Panel13's backslash as the yen sign
};

inline constexpr std::array<KeyboardTypeLayout, 3> kKeyboardTypeLayouts = {{
    {"\\", "^", "@", "[", ":", true, true},
    {"_", "^", "@", "[", ":", true, true},
    {nullptr, "=", "[", "]", "'", false, false},
}};

constexpr const KeyboardTypeLayout& KeyboardTypeLayoutFor(KeyboardType type) {
    return kKeyboardTypeLayouts[static_cast<std::size_t>(type)];
}
