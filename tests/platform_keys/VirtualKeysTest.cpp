#include <gtest/gtest.h>

#include <QKeyEvent>

#include "engine/KeyMap.h"
#include "engine/NoteTable.h"
#include "engine/PanelLayout.h"
#include "platform/keys/VirtualKeys.h"

namespace {

using enum KeyboardType;

using platform::VirtualKeyFromEvent;
using platform::VirtualKeyFromQtKey;
using platform::VirtualKeyFromScanCode;

// evdev codes as the kernel numbers them; the X server adds 8.
std::uint32_t Xkb(int evdev) {
    return static_cast<std::uint32_t>(evdev + 8);
}

// The keypad keeps its own codes whatever NumLock says, so it never plays a digit's or an arrow's panel.
TEST(VirtualKeys, PhysicalPlacesPerType) {
    const struct {
        int evdev;
        std::uint16_t vk[3]; // En101, Jp106, Pc98
    } rows[] = {
        {12, {189, 189, 189}}, {13, {187, 222, 222}}, {26, {219, 192, 192}}, {27, {221, 219, 219}},
        {39, {186, 187, 187}}, {40, {222, 186, 186}}, {41, {192, 0, 0}},     {43, {220, 221, 221}},
        {86, {226, 0, 0}},     {89, {0, 226, 223}},   {124, {0, 220, 220}},  {82, {96, 96, 96}},
        {79, {97, 97, 97}},    {72, {104, 104, 104}}, {75, {100, 100, 100}}, {83, {110, 110, 110}},
        {96, {13, 13, 13}},    {85, {0, 0, 0}},
    };
    const KeyboardType types[] = {En101, Jp106, Pc98};
    for (const auto& row : rows) {
        for (int t = 0; t < 3; ++t)
            EXPECT_EQ(VirtualKeyFromScanCode(Xkb(row.evdev), types[t]), row.vk[t]) << "evdev " << row.evdev;
    }
}

// From the key's place through the key map to the sounding note at PosShift 0 (0: silent).
TEST(VirtualKeys, PlacesPlayThePanelsOfTheirLabels) {
    const struct {
        int evdev;
        KeyboardType type;
        int panel;
        int note;
    } rows[] = {
        {40, En101, 36, 73}, {26, En101, 24, 86}, {27, En101, 25, 88},
        {13, En101, 12, 87}, {39, En101, 35, 0},  {43, En101, 13, 0},
        {89, Jp106, 48, 74}, {124, Jp106, 13, 0}, {89, Pc98, 48, 74},
    };
    for (const auto& row : rows) {
        const int panel = PanelForKey(row.type, VirtualKeyFromScanCode(Xkb(row.evdev), row.type));
        EXPECT_EQ(panel, row.panel) << "evdev " << row.evdev;
        EXPECT_EQ(NoteAt(PanelTag(panel)), row.note) << "evdev " << row.evdev;
    }
}

// Without a usable place the Qt key and its character decide.
TEST(VirtualKeys, QtKeyFallback) {
    const struct {
        int qtKey;
        const char* text;
        KeyboardType type;
        std::uint16_t vk;
    } cases[] = {{Qt::Key_A, "a", Jp106, 'A'},          {Qt::Key_PageUp, "", Jp106, 33},
                 {Qt::Key_At, "@", Jp106, 192},         {Qt::Key_At, "@", En101, '2'},
                 {Qt::Key_Underscore, "_", Jp106, 226}, {Qt::Key_Underscore, "_", Pc98, 223},
                 {Qt::Key_Apostrophe, "'", En101, 222}, {Qt::Key_yen, "\u00A5", Jp106, 220},
                 {Qt::Key_yen, "\u00A5", En101, 0},     {Qt::Key_unknown, "@", Jp106, 192},
                 {Qt::Key_unknown, "\u0436", En101, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(VirtualKeyFromQtKey(c.qtKey, QString::fromUtf8(c.text), c.type), c.vk)
            << "Qt key " << std::hex << c.qtKey << " text " << c.text;
    }
}

// A remapped desktop layout must not move the notes: a known place wins over the character, even when
// the place has no key on this type.
TEST(VirtualKeys, EventsPreferThePhysicalPlace) {
    const QKeyEvent moved(QEvent::KeyPress, Qt::Key_Apostrophe, {}, Xkb(16), 0, 0, "'");
    const QKeyEvent placeless(QEvent::KeyPress, Qt::Key_QuoteLeft, {}, Xkb(41), 0, 0, "`");
    const QKeyEvent synthetic(QEvent::KeyPress, Qt::Key_1, Qt::KeypadModifier, 0, 0, 0, "1");
    EXPECT_EQ(VirtualKeyFromEvent(moved, En101), 'Q');
    EXPECT_EQ(VirtualKeyFromEvent(placeless, Jp106), 0);
    EXPECT_EQ(VirtualKeyFromEvent(synthetic, Jp106), 97);
}

} // namespace
