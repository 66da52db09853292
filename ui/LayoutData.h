#pragma once
// The main window's fixed picture apart from the key panels (engine/PanelLayout.h): frames, labels,
// displays, bars, the pitch-bend track and knob and the octave indicators. Pixels at 96 dots per inch,
// relative to MainPanel's top-left corner.

#include <array>

#include "engine/ControlRanges.h"

struct LayoutRect {
    int left;
    int top;
    int width;
    int height;
};

struct LayoutRgb {
    int red;
    int green;
    int blue;
};

inline constexpr LayoutRect kMainPanel = {0, 0, 761, 233};
inline constexpr LayoutRect kBevel2 = {4, 4, 497, 225};   // key rows, sound display, octave indicators
inline constexpr LayoutRect kBevel1 = {504, 4, 253, 225}; // control area

// What a label's mouse-up does: only the octave-indicator captions react.
enum class LabelClick { None, LowShape, HighShape };

struct LabelData {
    const char* name;
    const char* caption;
    LayoutRect rect;
    int fontPixels;
    bool underlined;
    bool showsHint;
    LabelClick click; // the reacting labels also show the hand cursor
};

inline constexpr std::array<LabelData, 17> kLabels = {{
    {"ModLabel", "Mod", {536, 12, 27, 17}, 15, true, true, LabelClick::None},
    {"PosLabel", "Pos", {572, 12, 26, 17}, 15, true, true, LabelClick::None},
    {"VolLabel", "Vol", {612, 12, 20, 17}, 15, true, true, LabelClick::None},
    {"PitLabel", "PitchBend", {680, 12, 67, 17}, 15, true, true, LabelClick::None},
    {"KeyLabel", "Key", {516, 144, 25, 17}, 15, true, true, LabelClick::None},
    {"OctLabel", "Octave", {332, 188, 47, 17}, 15, true, true, LabelClick::None},
    {"ModPlusSign", "+", {516, 40, 9, 17}, 15, false, false, LabelClick::None},
    {"ModMinusSign", "-", {520, 76, 5, 17}, 15, false, false, LabelClick::None},
    {"KeyPlusSign", "+", {556, 148, 9, 17}, 15, false, false, LabelClick::None},
    {"OctaveDownCaption", "-Octave", {524, 212, 41, 15}, 12, false, false, LabelClick::None},
    {"KeyMinusSign", "-", {584, 208, 5, 18}, 16, false, false, LabelClick::None},
    {"OctaveUpCaption", "+Octave", {604, 212, 44, 15}, 12, false, false, LabelClick::None},
    {"BendUpSign", "+", {696, 32, 9, 17}, 15, false, false, LabelClick::None},
    {"BendCentreSign", "...", {692, 93, 12, 17}, 15, false, false, LabelClick::None},
    {"BendDownSign", "-", {700, 160, 5, 17}, 15, false, false, LabelClick::None},
    {"LowCaption", "Low=F11", {360, 208, 51, 15}, 12, false, false, LabelClick::LowShape},
    {"HighCaption", "High=F12", {436, 208, 54, 15}, 12, false, false, LabelClick::HighShape},
}};

// Both displays: navy background, yellow bold Arial, lowered outer bevel of width 2.
inline constexpr LayoutRgb kDisplayBackground = {0, 0, 128};
inline constexpr LayoutRgb kDisplayText = {255, 255, 0};
inline constexpr int kDisplayFontPixels = 15;
inline constexpr int kDisplayBevelWidth = 2;

struct DisplayData {
    const char* name;
    LayoutRect rect;
    const char* caption;
    bool japaneseCharset;
    bool handCursor;
};

inline constexpr DisplayData kKeyDisplay = {"KeyPanel", {624, 148, 57, 21}, "C(0)", false, false};
inline constexpr DisplayData kSoundDisplay = {"SoundPanel", {12, 200, 189, 21}, "", true, true};

inline constexpr int kBarHeight = 11;

struct BarData {
    const char* name;
    int left;
    int top;
    int width;
    int min;
    int max;
    int designPosition;
};

inline constexpr BarData kModulationBar = {"ModulationProgressBar",      512, 112, 52, 0,
                                           BarMaximum(kModulationRange), 32};
inline constexpr BarData kPosShiftBar = {"PosShiftProgressBar",      568, 112, 40, 0,
                                         BarMaximum(kPosShiftRange), 6};
inline constexpr BarData kVolumeBar = {"VolumeProgressBar", 612, 112, 52, 0, BarMaximum(kVolumeRange), 32};
inline constexpr BarData kKeyBar = {"KeyProgressBar", 648, 192, 100, 0, BarMaximum(kKeyRange), 46};

// The track: single-line border, lowered outer and inner bevels. The knob: raised bevels of width 2.
inline constexpr LayoutRect kPitchBendTrack = {716, 36, 4, 141};
inline constexpr LayoutRect kPitchBendKnob = {708, 100, 21, 13};
inline constexpr int kPitchBendKnobBevelWidth = 2;

// The octave indicators are olive-outlined circles; the fill tells whether the doubling is on.
inline constexpr LayoutRgb kOctaveOnFill = {0, 255, 0};
inline constexpr LayoutRgb kOctaveOffFill = {0, 128, 0};
inline constexpr LayoutRgb kOctaveOutline = {128, 128, 0};

struct ShapeData {
    const char* name;
    LayoutRect rect;
    LayoutRgb designFill;
};

inline constexpr ShapeData kLowShape = {"LowShape", {348, 212, 9, 9}, kOctaveOffFill};
inline constexpr ShapeData kHighShape = {"HighShape", {424, 212, 9, 9}, kOctaveOnFill};

// The sustain pedal's mark, left of the octave indicators, shown only while Space is a pedal: a circle lit
// while the pedal is down, and its caption.
inline constexpr ShapeData kPedalShape = {"PedalShape", {216, 212, 9, 9}, kOctaveOffFill};
inline constexpr LabelData kPedalCaption = {"PedalCaption", "Pedal=Space", {228, 208, 62, 15}, 12,
                                            false,          false,         LabelClick::None};
