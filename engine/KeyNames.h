#pragma once
// The name shown for each transposition Key -46..39: pitch class, then the octave in parentheses
// ("D(-4)" .. "C(0)" .. "D#(+3)").

#include <array>

inline constexpr int kMinKey = -46;
inline constexpr int kMaxKey = 39;

inline constexpr std::array<const char*, 86> kKeyNames = {
    "D(-4)",  "D#(-4)", "E(-4)",  "F(-4)",  "F#(-4)", "G(-4)",  "G#(-4)", "A(-4)",  "A#(-4)", "B(-4)",
    "C(-3)",  "C#(-3)", "D(-3)",  "D#(-3)", "E(-3)",  "F(-3)",  "F#(-3)", "G(-3)",  "G#(-3)", "A(-3)",
    "A#(-3)", "B(-3)",  "C(-2)",  "C#(-2)", "D(-2)",  "D#(-2)", "E(-2)",  "F(-2)",  "F#(-2)", "G(-2)",
    "G#(-2)", "A(-2)",  "A#(-2)", "B(-2)",  "C(-1)",  "C#(-1)", "D(-1)",  "D#(-1)", "E(-1)",  "F(-1)",
    "F#(-1)", "G(-1)",  "G#(-1)", "A(-1)",  "A#(-1)", "B(-1)",  "C(0)",   "C#(0)",  "D(0)",   "D#(0)",
    "E(0)",   "F(0)",   "F#(0)",  "G(0)",   "G#(0)",  "A(0)",   "A#(0)",  "B(0)",   "C(+1)",  "C#(+1)",
    "D(+1)",  "D#(+1)", "E(+1)",  "F(+1)",  "F#(+1)", "G(+1)",  "G#(+1)", "A(+1)",  "A#(+1)", "B(+1)",
    "C(+2)",  "C#(+2)", "D(+2)",  "D#(+2)", "E(+2)",  "F(+2)",  "F#(+2)", "G(+2)",  "G#(+2)", "A(+2)",
    "A#(+2)", "B(+2)",  "C(+3)",  "C#(+3)", "D(+3)",  "D#(+3)",
};

// A Key outside its range has no name: the empty text, never a dangling pointer.
constexpr const char* KeyName(int key) {
    if (key < kMinKey || key > kMaxKey)
        return "";
    return kKeyNames[static_cast<std::size_t>(key - kMinKey)];
}
