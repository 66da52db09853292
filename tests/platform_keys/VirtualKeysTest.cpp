#include <gtest/gtest.h>

#include <QKeyEvent>

#include "engine/KeyMap.h"
#include "engine/NoteTable.h"
#include "engine/PanelLayout.h"
#include "platform/keys/VirtualKeys.h"

namespace {

using platform::VirtualKeyFromEvent;
using platform::VirtualKeyFromKeypadKey;
using platform::VirtualKeyFromQtKey;
using platform::VirtualKeyFromScanCode;

constexpr KeyboardType kTypes[] = {KeyboardType::Jp106, KeyboardType::Pc98, KeyboardType::En101};

// evdev codes as the kernel numbers them; the X server adds 8.
std::uint32_t Xkb(int evdev) {
    return static_cast<std::uint32_t>(evdev + 8);
}

TEST(VirtualKeys, PunctuationPlacesPerType) {
    const struct {
        int evdev;
        std::uint16_t en101;
        std::uint16_t jp106;
        std::uint16_t pc98;
    } rows[] = {
        {12, 189, 189, 189}, {13, 187, 222, 222}, {26, 219, 192, 192}, {27, 221, 219, 219},
        {39, 186, 187, 187}, {40, 222, 186, 186}, {41, 192, 0, 0},     {43, 220, 221, 221},
        {51, 188, 188, 188}, {52, 190, 190, 190}, {53, 191, 191, 191}, {86, 226, 0, 0},
        {89, 0, 226, 223},   {124, 0, 220, 220},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(VirtualKeyFromScanCode(Xkb(row.evdev), KeyboardType::En101), row.en101)
            << "evdev " << row.evdev;
        EXPECT_EQ(VirtualKeyFromScanCode(Xkb(row.evdev), KeyboardType::Jp106), row.jp106)
            << "evdev " << row.evdev;
        EXPECT_EQ(VirtualKeyFromScanCode(Xkb(row.evdev), KeyboardType::Pc98), row.pc98)
            << "evdev " << row.evdev;
    }
}

TEST(VirtualKeys, LettersAndDigitsByTheirUsPlaces) {
    const char* const rows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    const int firstCodes[] = {16, 30, 44};
    for (KeyboardType type : kTypes) {
        for (int r = 0; r < 3; ++r) {
            for (int i = 0; rows[r][i] != '\0'; ++i)
                EXPECT_EQ(VirtualKeyFromScanCode(Xkb(firstCodes[r] + i), type), rows[r][i]);
        }
        for (int digit = 1; digit <= 9; ++digit)
            EXPECT_EQ(VirtualKeyFromScanCode(Xkb(1 + digit), type), '0' + digit);
        EXPECT_EQ(VirtualKeyFromScanCode(Xkb(11), type), '0');
    }
}

TEST(VirtualKeys, NamedKeys) {
    const struct {
        int evdev;
        std::uint16_t vk;
    } rows[] = {
        {103, 38}, {105, 37}, {106, 39}, {108, 40}, {104, 33}, {109, 34}, {102, 36}, {107, 35},
        {110, 45}, {111, 46}, {127, 93}, {57, 32},  {28, 13},  {59, 112}, {68, 121}, {87, 122},
        {88, 123}, {42, 16},  {54, 16},  {29, 17},  {97, 17},  {56, 18},  {100, 18},
    };
    for (KeyboardType type : kTypes) {
        for (const auto& row : rows)
            EXPECT_EQ(VirtualKeyFromScanCode(Xkb(row.evdev), type), row.vk) << "evdev " << row.evdev;
        for (int f = 0; f < 10; ++f)
            EXPECT_EQ(VirtualKeyFromScanCode(Xkb(59 + f), type), 112 + f);
    }
}

TEST(VirtualKeys, KeypadKeysKeepTheirKeypadCodesAndPlayNothing) {
    const struct {
        int evdev;
        std::uint16_t vk;
    } rows[] = {
        {82, 96},  {79, 97},  {80, 98},  {81, 99},  {75, 100}, {76, 101}, {77, 102}, {71, 103},
        {72, 104}, {73, 105}, {55, 106}, {78, 107}, {74, 109}, {83, 110}, {98, 111}, {96, 13},
    };
    for (KeyboardType type : kTypes) {
        for (const auto& row : rows) {
            const std::uint16_t vk = VirtualKeyFromScanCode(Xkb(row.evdev), type);
            EXPECT_EQ(vk, row.vk) << "evdev " << row.evdev;
            EXPECT_EQ(PanelForKey(type, vk), 0) << "evdev " << row.evdev;
        }
    }
}

TEST(VirtualKeys, UnknownScanCodes) {
    for (std::uint32_t keycode : {0u, 7u, Xkb(0), Xkb(85), Xkb(200), 256u, 0xFFFFFFFFu})
        EXPECT_EQ(VirtualKeyFromScanCode(keycode, KeyboardType::Jp106), 0) << "keycode " << keycode;
}

int NoteOfPlace(int evdev, KeyboardType type) {
    const int panel = PanelForKey(type, VirtualKeyFromScanCode(Xkb(evdev), type));
    return panel == 0 ? 0 : NoteAt(PanelTag(panel));
}

TEST(VirtualKeys, EnglishKeyboardPlaysThePanelsOfItsLabels) {
    const struct {
        int evdev;
        int panel;
        int note;
    } rows[] = {{40, 36, 73}, {26, 24, 86}, {27, 25, 88}, {13, 12, 87}};
    for (const auto& row : rows) {
        EXPECT_EQ(
            PanelForKey(KeyboardType::En101, VirtualKeyFromScanCode(Xkb(row.evdev), KeyboardType::En101)),
            row.panel)
            << "evdev " << row.evdev;
        EXPECT_EQ(NoteOfPlace(row.evdev, KeyboardType::En101), row.note) << "evdev " << row.evdev;
    }
    // ";" lands on a silent black key, "\" on the hidden Panel13, silent at PosShift 0.
    EXPECT_EQ(NoteOfPlace(39, KeyboardType::En101), 0);
    EXPECT_EQ(NoteOfPlace(43, KeyboardType::En101), 0);
}

TEST(VirtualKeys, JapaneseAndPc98ExtraKeys) {
    EXPECT_EQ(PanelForKey(KeyboardType::Jp106, VirtualKeyFromScanCode(Xkb(89), KeyboardType::Jp106)), 48);
    EXPECT_EQ(PanelForKey(KeyboardType::Jp106, VirtualKeyFromScanCode(Xkb(124), KeyboardType::Jp106)), 13);
    EXPECT_EQ(VirtualKeyFromScanCode(Xkb(89), KeyboardType::Pc98), 223);
    EXPECT_EQ(PanelForKey(KeyboardType::Pc98, 223), 48);
}

TEST(VirtualKeys, QtKeyFallback) {
    const struct {
        int qtKey;
        const char* text;
        KeyboardType type;
        std::uint16_t vk;
    } cases[] = {
        {Qt::Key_A, "a", KeyboardType::Jp106, 'A'},
        {Qt::Key_Z, "Z", KeyboardType::En101, 'Z'},
        {Qt::Key_0, "0", KeyboardType::Pc98, '0'},
        {Qt::Key_9, "9", KeyboardType::En101, '9'},
        {Qt::Key_PageUp, "", KeyboardType::Jp106, 33},
        {Qt::Key_Down, "", KeyboardType::En101, 40},
        {Qt::Key_Insert, "", KeyboardType::Jp106, 45},
        {Qt::Key_Delete, "", KeyboardType::Pc98, 46},
        {Qt::Key_Home, "", KeyboardType::Pc98, 36},
        {Qt::Key_End, "", KeyboardType::Pc98, 35},
        {Qt::Key_Menu, "", KeyboardType::Jp106, 93},
        {Qt::Key_Space, " ", KeyboardType::Jp106, 32},
        {Qt::Key_Return, "\r", KeyboardType::Jp106, 13},
        {Qt::Key_F1, "", KeyboardType::Jp106, 112},
        {Qt::Key_F12, "", KeyboardType::Jp106, 123},
        {Qt::Key_Shift, "", KeyboardType::Jp106, 16},
        {Qt::Key_At, "@", KeyboardType::Jp106, 192},
        {Qt::Key_Colon, ":", KeyboardType::Jp106, 186},
        {Qt::Key_AsciiCircum, "^", KeyboardType::Jp106, 222},
        {Qt::Key_Semicolon, ";", KeyboardType::Jp106, 187},
        {Qt::Key_BracketRight, "]", KeyboardType::Jp106, 221},
        {Qt::Key_yen, "\u00A5", KeyboardType::Jp106, 220},
        {Qt::Key_Backslash, "\\", KeyboardType::Jp106, 226},
        {Qt::Key_Underscore, "_", KeyboardType::Jp106, 226},
        {Qt::Key_Underscore, "_", KeyboardType::Pc98, 223},
        {Qt::Key_At, "@", KeyboardType::Pc98, 192},
        {Qt::Key_Equal, "=", KeyboardType::En101, 187},
        {Qt::Key_Plus, "+", KeyboardType::En101, 187},
        {Qt::Key_Apostrophe, "'", KeyboardType::En101, 222},
        {Qt::Key_BracketLeft, "[", KeyboardType::En101, 219},
        {Qt::Key_BraceRight, "}", KeyboardType::En101, 221},
        {Qt::Key_Semicolon, ";", KeyboardType::En101, 186},
        {Qt::Key_Backslash, "\\", KeyboardType::En101, 220},
        {Qt::Key_QuoteLeft, "`", KeyboardType::En101, 192},
        {Qt::Key_At, "@", KeyboardType::En101, '2'},
        {Qt::Key_Underscore, "_", KeyboardType::En101, 189},
        {Qt::Key_yen, "\u00A5", KeyboardType::En101, 0},
        {Qt::Key_VolumeUp, "", KeyboardType::En101, 0},
        // A key Qt could not name still has its character.
        {Qt::Key_unknown, "@", KeyboardType::Jp106, 192},
        {Qt::Key_unknown, "\u0436", KeyboardType::En101, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VirtualKeyFromQtKey(c.qtKey, QString::fromUtf8(c.text), c.type), c.vk)
            << "Qt key " << std::hex << c.qtKey << " text " << c.text;
    }
}

TEST(VirtualKeys, KeypadFallback) {
    const struct {
        int qtKey;
        std::uint16_t vk;
    } cases[] = {{Qt::Key_0, 96},     {Qt::Key_5, 101},     {Qt::Key_9, 105},      {Qt::Key_Home, 103},
                 {Qt::Key_Left, 100}, {Qt::Key_Clear, 101}, {Qt::Key_Insert, 96},  {Qt::Key_Asterisk, 106},
                 {Qt::Key_Plus, 107}, {Qt::Key_Minus, 109}, {Qt::Key_Period, 110}, {Qt::Key_Slash, 111},
                 {Qt::Key_Enter, 13}, {Qt::Key_Equal, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(VirtualKeyFromKeypadKey(c.qtKey), c.vk) << "Qt key " << std::hex << c.qtKey;
}

QKeyEvent Press(int qtKey, Qt::KeyboardModifiers modifiers, std::uint32_t scanCode, const char* text) {
    return QKeyEvent(QEvent::KeyPress, qtKey, modifiers, scanCode, 0, 0, QString::fromUtf8(text));
}

TEST(VirtualKeys, EventsPreferThePhysicalPlace) {
    const struct {
        QKeyEvent event;
        KeyboardType type;
        std::uint16_t vk;
    } cases[] = {
        // A French or Dvorak desktop layout: the place decides, not the character.
        {Press(Qt::Key_Apostrophe, {}, Xkb(16), "'"), KeyboardType::En101, 'Q'},
        {Press(Qt::Key_Apostrophe, {}, Xkb(40), "'"), KeyboardType::En101, 222},
        {Press(Qt::Key_Apostrophe, {}, Xkb(40), "'"), KeyboardType::Jp106, 186},
        // A known place without a key on this type stays silent; it does not fall back to the character.
        {Press(Qt::Key_QuoteLeft, {}, Xkb(41), "`"), KeyboardType::Jp106, 0},
        // Synthetic events and borrowed keycodes go by the Qt key.
        {Press(Qt::Key_A, {}, 0, "a"), KeyboardType::Jp106, 'A'},
        {Press(Qt::Key_At, {}, Xkb(200), "@"), KeyboardType::Jp106, 192},
        {Press(Qt::Key_1, Qt::KeypadModifier, 0, "1"), KeyboardType::Jp106, 97},
        {Press(Qt::Key_Up, Qt::KeypadModifier, 0, ""), KeyboardType::Jp106, 104},
        {Press(Qt::Key_1, Qt::KeypadModifier, Xkb(79), "1"), KeyboardType::Jp106, 97},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VirtualKeyFromEvent(c.event, c.type), c.vk)
            << "Qt key " << std::hex << c.event.key() << " scan code " << std::dec
            << c.event.nativeScanCode();
    }
}

} // namespace
