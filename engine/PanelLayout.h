#pragma once
// The 58 key panels as designed (the 106 Japanese keyboard's captions): caption, action tag, position and
// colour row. Panel n is kKeyPanels[n - 1]. The four arrow panels carry the Unicode arrows.

#include <array>

enum class PanelColour { BlackRow, WhiteRow, Control };

struct KeyPanelData {
    const char* caption; // UTF-8
    int tag;
    int left;
    int top;
    PanelColour colour;
};

inline constexpr int kKeyPanelCount = 58;
inline constexpr int kKeyPanelSize = 38;
inline constexpr int kNotePanelFontPixels = 13;
inline constexpr int kControlPanelFontPixels = 12;
inline constexpr int kArrowPanelFontPixels = 16;

namespace panel_layout_detail {
using enum PanelColour;
inline constexpr std::array<KeyPanelData, kKeyPanelCount> kKeyPanels = {{
    {"1", 114, 20, 32, BlackRow},     {"2", 116, 56, 32, BlackRow},     {"3", 118, 92, 32, BlackRow},
    {"4", 120, 128, 32, BlackRow},    {"5", 122, 164, 32, BlackRow},    {"6", 124, 200, 32, BlackRow},
    {"7", 126, 236, 32, BlackRow},    {"8", 128, 272, 32, BlackRow},    {"9", 130, 308, 32, BlackRow},
    {"0", 132, 344, 32, BlackRow},    {"-", 134, 380, 32, BlackRow},    {"^", 136, 416, 32, BlackRow},
    {"\\", 138, 452, 32, BlackRow},   {"Q", 115, 36, 68, WhiteRow},     {"W", 117, 72, 68, WhiteRow},
    {"E", 119, 108, 68, WhiteRow},    {"R", 121, 144, 68, WhiteRow},    {"T", 123, 180, 68, WhiteRow},
    {"Y", 125, 216, 68, WhiteRow},    {"U", 127, 252, 68, WhiteRow},    {"I", 129, 288, 68, WhiteRow},
    {"O", 131, 324, 68, WhiteRow},    {"P", 133, 360, 68, WhiteRow},    {"@", 135, 396, 68, WhiteRow},
    {"[", 137, 432, 68, WhiteRow},    {"A", 100, 44, 104, BlackRow},    {"S", 102, 80, 104, BlackRow},
    {"D", 104, 116, 104, BlackRow},   {"F", 106, 152, 104, BlackRow},   {"G", 108, 188, 104, BlackRow},
    {"H", 110, 224, 104, BlackRow},   {"J", 112, 260, 104, BlackRow},   {"K", 114, 296, 104, BlackRow},
    {"L", 116, 332, 104, BlackRow},   {";", 118, 368, 104, BlackRow},   {":", 120, 404, 104, BlackRow},
    {"]", 122, 440, 104, BlackRow},   {"Z", 101, 60, 140, WhiteRow},    {"X", 103, 96, 140, WhiteRow},
    {"C", 105, 132, 140, WhiteRow},   {"V", 107, 168, 140, WhiteRow},   {"B", 109, 204, 140, WhiteRow},
    {"N", 111, 240, 140, WhiteRow},   {"M", 113, 276, 140, WhiteRow},   {",", 115, 312, 140, WhiteRow},
    {".", 117, 348, 140, WhiteRow},   {"/", 119, 384, 140, WhiteRow},   {"\\", 121, 420, 140, WhiteRow},
    {"\u2191", 2, 568, 140, Control}, {"\u2190", 1, 532, 176, Control}, {"\u2193", 4, 568, 176, Control},
    {"\u2192", 3, 604, 176, Control}, {"PU", 5, 604, 32, Control},      {"PD", 6, 604, 68, Control},
    {"Ins", 7, 532, 32, Control},     {"Del", 8, 532, 68, Control},     {"Hm", 9, 568, 32, Control},
    {"End", 10, 568, 68, Control},
}};
} // namespace panel_layout_detail

using panel_layout_detail::kKeyPanels;

// Panel numbers run 1..58; anything else is no panel.
constexpr bool IsKeyPanel(int panel) {
    return panel >= 1 && panel <= kKeyPanelCount;
}

constexpr const KeyPanelData& KeyPanelAt(int panel) {
    return kKeyPanels[static_cast<std::size_t>(panel - 1)];
}

// The action tag of a panel; 0 (no action) for no panel.
constexpr int PanelTag(int panel) {
    return IsKeyPanel(panel) ? KeyPanelAt(panel).tag : 0;
}

constexpr bool IsArrowPanel(int panel) {
    return panel >= 49 && panel <= 52;
}

constexpr int PanelFontPixels(int panel) {
    if (IsArrowPanel(panel))
        return kArrowPanelFontPixels;
    return panel > 48 ? kControlPanelFontPixels : kNotePanelFontPixels;
}
