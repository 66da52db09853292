#include "platform/keys/VirtualKeys.h"

#include <QKeyEvent>
#include <array>
#include <linux/input-event-codes.h>
#include <optional>
#include <span>

namespace platform {
namespace {

constexpr std::uint32_t kXkbKeycodeOffset = 8;

struct Translation {
    int from;
    std::uint16_t vk;
};

// Same on every keyboard type: the US places of letters and digits, and the named keys. A 0 marks a key
// known to play nothing, which must not fall back to its character (the keypad's "=").
constexpr auto kPhysicalKeys = std::to_array<Translation>({
    {KEY_A, 'A'},          {KEY_B, 'B'},         {KEY_C, 'C'},         {KEY_D, 'D'},
    {KEY_E, 'E'},          {KEY_F, 'F'},         {KEY_G, 'G'},         {KEY_H, 'H'},
    {KEY_I, 'I'},          {KEY_J, 'J'},         {KEY_K, 'K'},         {KEY_L, 'L'},
    {KEY_M, 'M'},          {KEY_N, 'N'},         {KEY_O, 'O'},         {KEY_P, 'P'},
    {KEY_Q, 'Q'},          {KEY_R, 'R'},         {KEY_S, 'S'},         {KEY_T, 'T'},
    {KEY_U, 'U'},          {KEY_V, 'V'},         {KEY_W, 'W'},         {KEY_X, 'X'},
    {KEY_Y, 'Y'},          {KEY_Z, 'Z'},         {KEY_0, '0'},         {KEY_1, '1'},
    {KEY_2, '2'},          {KEY_3, '3'},         {KEY_4, '4'},         {KEY_5, '5'},
    {KEY_6, '6'},          {KEY_7, '7'},         {KEY_8, '8'},         {KEY_9, '9'},
    {KEY_BACKSPACE, 8},    {KEY_TAB, 9},         {KEY_ENTER, 13},      {KEY_KPENTER, 13},
    {KEY_LEFTSHIFT, 16},   {KEY_RIGHTSHIFT, 16}, {KEY_LEFTCTRL, 17},   {KEY_RIGHTCTRL, 17},
    {KEY_LEFTALT, 18},     {KEY_RIGHTALT, 18},   {KEY_CAPSLOCK, 20},   {KEY_ESC, 27},
    {KEY_SPACE, 32},       {KEY_PAGEUP, 33},     {KEY_PAGEDOWN, 34},   {KEY_END, 35},
    {KEY_HOME, 36},        {KEY_LEFT, 37},       {KEY_UP, 38},         {KEY_RIGHT, 39},
    {KEY_DOWN, 40},        {KEY_INSERT, 45},     {KEY_DELETE, 46},     {KEY_LEFTMETA, 91},
    {KEY_RIGHTMETA, 92},   {KEY_COMPOSE, 93},    {KEY_KP0, 96},        {KEY_KP1, 97},
    {KEY_KP2, 98},         {KEY_KP3, 99},        {KEY_KP4, 100},       {KEY_KP5, 101},
    {KEY_KP6, 102},        {KEY_KP7, 103},       {KEY_KP8, 104},       {KEY_KP9, 105},
    {KEY_KPASTERISK, 106}, {KEY_KPPLUS, 107},    {KEY_KPJPCOMMA, 108}, {KEY_KPCOMMA, 108},
    {KEY_KPMINUS, 109},    {KEY_KPDOT, 110},     {KEY_KPSLASH, 111},   {KEY_NUMLOCK, 144},
    {KEY_SCROLLLOCK, 145}, {KEY_F1, 112},        {KEY_F2, 113},        {KEY_F3, 114},
    {KEY_F4, 115},         {KEY_F5, 116},        {KEY_F6, 117},        {KEY_F7, 118},
    {KEY_F8, 119},         {KEY_F9, 120},        {KEY_F10, 121},       {KEY_F11, 122},
    {KEY_F12, 123},        {KEY_SYSRQ, 44},      {KEY_PAUSE, 19},      {KEY_KPEQUAL, 0},
});

struct PerType {
    int from;
    std::array<std::uint16_t, 3> vk; // by KeyboardType: Jp106, Pc98, En101
};

// The punctuation places; a 0 is a place that has no key on that type.
constexpr auto kPunctuationPlaces = std::to_array<PerType>({
    {KEY_MINUS, {189, 189, 189}},
    {KEY_EQUAL, {222, 222, 187}},
    {KEY_LEFTBRACE, {192, 192, 219}},
    {KEY_RIGHTBRACE, {219, 219, 221}},
    {KEY_SEMICOLON, {187, 187, 186}},
    {KEY_APOSTROPHE, {186, 186, 222}},
    {KEY_GRAVE, {0, 0, 192}},
    {KEY_BACKSLASH, {221, 221, 220}},
    {KEY_COMMA, {188, 188, 188}},
    {KEY_DOT, {190, 190, 190}},
    {KEY_SLASH, {191, 191, 191}},
    {KEY_102ND, {0, 0, 226}},
    {KEY_RO, {226, 223, 0}},
    {KEY_YEN, {220, 220, 0}},
});

// The characters of the punctuation and shifted digit keys, by where each type has them: the JIS
// arrangement for 106 Japanese and PC 98 (PC 98's ro key is "_"), the US one for 101 English. On 106
// Japanese the backslash is the ro key's, whose panel shows a backslash; the yen key shows the yen sign.
constexpr auto kPunctuationCharacters = std::to_array<PerType>({
    {'!', {49, 49, 49}},    {'"', {50, 50, 222}},   {'#', {51, 51, 51}},    {'$', {52, 52, 52}},
    {'%', {53, 53, 53}},    {'&', {54, 54, 55}},    {'\'', {55, 55, 222}},  {'(', {56, 56, 57}},
    {')', {57, 57, 48}},    {'*', {186, 186, 56}},  {'+', {187, 187, 187}}, {',', {188, 188, 188}},
    {'-', {189, 189, 189}}, {'.', {190, 190, 190}}, {'/', {191, 191, 191}}, {':', {186, 186, 186}},
    {';', {187, 187, 186}}, {'<', {188, 188, 188}}, {'=', {189, 189, 187}}, {'>', {190, 190, 190}},
    {'?', {191, 191, 191}}, {'@', {192, 192, 50}},  {'[', {219, 219, 219}}, {'\\', {226, 220, 220}},
    {']', {221, 221, 221}}, {'^', {222, 222, 54}},  {'_', {226, 223, 189}}, {'`', {192, 192, 192}},
    {'{', {219, 219, 219}}, {'|', {220, 220, 220}}, {'}', {221, 221, 221}}, {'~', {222, 222, 192}},
    {0xA5, {220, 220, 0}},
});

constexpr auto kNamedQtKeys = std::to_array<Translation>({
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},     {Qt::Key_Backtab, 9},   {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},  {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},    {Qt::Key_Pause, 19},  {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},    {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},
    {Qt::Key_Home, 36},     {Qt::Key_Left, 37},   {Qt::Key_Up, 38},       {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},     {Qt::Key_Insert, 45}, {Qt::Key_Delete, 46},   {Qt::Key_Menu, 93},
});

// Without Num Lock the keypad reports the navigation keys; they keep their keypad codes.
constexpr auto kKeypadQtKeys = std::to_array<Translation>({
    {Qt::Key_0, 96},         {Qt::Key_1, 97},        {Qt::Key_2, 98},      {Qt::Key_3, 99},
    {Qt::Key_4, 100},        {Qt::Key_5, 101},       {Qt::Key_6, 102},     {Qt::Key_7, 103},
    {Qt::Key_8, 104},        {Qt::Key_9, 105},       {Qt::Key_Insert, 96}, {Qt::Key_End, 97},
    {Qt::Key_Down, 98},      {Qt::Key_PageDown, 99}, {Qt::Key_Left, 100},  {Qt::Key_Clear, 101},
    {Qt::Key_Right, 102},    {Qt::Key_Home, 103},    {Qt::Key_Up, 104},    {Qt::Key_PageUp, 105},
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},    {Qt::Key_Comma, 108}, {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},   {Qt::Key_Delete, 110},  {Qt::Key_Slash, 111}, {Qt::Key_Enter, 13},
});

std::optional<std::uint16_t> Find(std::span<const Translation> table, int from) {
    for (const Translation& row : table) {
        if (row.from == from)
            return row.vk;
    }
    return std::nullopt;
}

std::optional<std::uint16_t> Find(std::span<const PerType> table, int from, KeyboardType type) {
    for (const PerType& row : table) {
        if (row.from == from)
            return row.vk[static_cast<std::size_t>(type)];
    }
    return std::nullopt;
}

// Set for every scan code this layer knows, even where the chosen type has no key there.
std::optional<std::uint16_t> PhysicalKey(std::uint32_t xkbKeycode, KeyboardType type) {
    if (xkbKeycode < kXkbKeycodeOffset || xkbKeycode > 255)
        return std::nullopt;
    const int evdev = static_cast<int>(xkbKeycode - kXkbKeycodeOffset);
    if (const auto vk = Find(kPhysicalKeys, evdev))
        return vk;
    return Find(kPunctuationPlaces, evdev, type);
}

// Qt's key codes of Latin-1 characters are the characters themselves; others come from the text.
char16_t CharacterOf(int qtKey, const QString& text) {
    if (qtKey >= 0x20 && qtKey <= 0xFF)
        return static_cast<char16_t>(qtKey);
    return text.isEmpty() ? u'\0' : text.front().unicode();
}

} // namespace

std::uint16_t VirtualKeyFromScanCode(std::uint32_t xkbKeycode, KeyboardType type) {
    return PhysicalKey(xkbKeycode, type).value_or(0);
}

std::uint16_t VirtualKeyFromQtKey(int qtKey, const QString& text, KeyboardType type) {
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return static_cast<std::uint16_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return static_cast<std::uint16_t>(112 + (qtKey - Qt::Key_F1));
    if (const auto vk = Find(kNamedQtKeys, qtKey))
        return *vk;
    return Find(kPunctuationCharacters, CharacterOf(qtKey, text), type).value_or(0);
}

std::uint16_t VirtualKeyFromKeypadKey(int qtKey) {
    return Find(kKeypadQtKeys, qtKey).value_or(0);
}

std::uint16_t VirtualKeyFromEvent(const QKeyEvent& e, KeyboardType type) {
    if (e.nativeScanCode() != 0) {
        if (const auto vk = PhysicalKey(e.nativeScanCode(), type))
            return *vk;
    }
    if (e.modifiers().testFlag(Qt::KeypadModifier))
        return VirtualKeyFromKeypadKey(e.key());
    return VirtualKeyFromQtKey(e.key(), e.text(), type);
}

} // namespace platform
