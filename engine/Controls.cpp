// The ten control steps, the bar clicks, the home-position marks and the octave doublings.
//
// Every step and every bar click first resets the port, which silences whatever sounds. A step that would
// leave its range is not made at all (no clamping), yet its saved copy and controllers still go out.
#include <QAction>

#include "engine/ControlRanges.h"
#include "engine/HomePosition.h"
#include "engine/KeyNames.h"
#include "ui/ClavitoMain.h"
#include "ui/SystemColors.h"

namespace {
const QColor kOctaveOn(0, 255, 0);
const QColor kOctaveOff(0, 128, 0);

// One control step: which value moves, by how much, within which range, and which saved copy follows it.
struct StepRule {
    std::int32_t TMainForm::*field;
    std::int32_t TMainForm::*saved;
    std::int32_t delta;
    ControlRange range;
};

constexpr StepRule kStepRules[] = {
    {&TMainForm::Key, &TMainForm::SavedKey, -12, kKeyRange},
    {&TMainForm::Key, &TMainForm::SavedKey, +1, kKeyRange},
    {&TMainForm::Key, &TMainForm::SavedKey, +12, kKeyRange},
    {&TMainForm::Key, &TMainForm::SavedKey, -1, kKeyRange},
    {&TMainForm::Volume, &TMainForm::SavedVolume, +1, kVolumeRange},
    {&TMainForm::Volume, &TMainForm::SavedVolume, -1, kVolumeRange},
    {&TMainForm::Modulation, &TMainForm::SavedModulation, +1, kModulationRange},
    {&TMainForm::Modulation, &TMainForm::SavedModulation, -1, kModulationRange},
    {&TMainForm::PosShift, &TMainForm::SavedPosShift, +1, kPosShiftRange},
    {&TMainForm::PosShift, &TMainForm::SavedPosShift, -1, kPosShiftRange},
};
constexpr std::int32_t kLastControllerTag = 8; // the position steps send no controllers
} // namespace

// Sets one of the four control values and shows it; a new position shift moves the home-position marks.
void TMainForm::SetControl(std::int32_t TMainForm::*field, std::int32_t value) {
    if (field == &TMainForm::PosShift) {
        MarkHomePosition(Qt::black);
        PosShift = value;
        MarkHomePosition(ButtonFaceColor());
        PosShiftProgressBar->setPosition(PosShift);
        return;
    }
    this->*field = value;
    if (field == &TMainForm::Key) {
        KeyPanel->setCaption(QString::fromLatin1(KeyName(Key)));
        KeyProgressBar->setPosition(BarPosition(kKeyRange, Key));
    } else {
        (field == &TMainForm::Volume ? VolumeProgressBar : ModulationProgressBar)->setPosition(value);
    }
}

void TMainForm::ControlStep(std::int32_t tag) {
    MidiOut.Reset();
    const StepRule& rule = kStepRules[tag - 1];
    const std::int32_t next = this->*rule.field + rule.delta;
    if (next >= rule.range.min && next <= rule.range.max)
        SetControl(rule.field, next);
    this->*rule.saved = this->*rule.field;
    if (tag <= kLastControllerTag)
        SendControllers();
}

void TMainForm::VolumeProgressBarMouseUp() {
    MidiOut.Reset();
    SetControl(&TMainForm::Volume, Volume != kVolumeRange.neutral ? kVolumeRange.neutral : SavedVolume);
    SendControllers();
}

void TMainForm::ModulationProgressBarMouseUp() {
    MidiOut.Reset();
    SetControl(&TMainForm::Modulation, Modulation != 0 ? 0 : SavedModulation);
    SendControllers();
}

void TMainForm::KeyProgressBarMouseUp() {
    MidiOut.Reset();
    SetControl(&TMainForm::Key, Key != 0 ? 0 : SavedKey);
    SendControllers();
}

void TMainForm::PosShiftProgressBarMouseUp() {
    MidiOut.Reset();
    SetControl(&TMainForm::PosShift, PosShift != 0 ? 0 : SavedPosShift);
}

// Marked panels take the given colour with a grey caption; black means unmarked (white caption).
void TMainForm::MarkHomePosition(const QColor& color) {
    const QColor caption = color == QColor(Qt::black) ? QColor(Qt::white) : GrayTextColor();
    for (int number : HomePositionPanels(PosShift)) {
        Panel(number)->setColor(color);
        Panel(number)->setFontColor(caption);
    }
}

void TMainForm::PaintOctaveShapes() {
    HighShape->setBrushColor(High1->isChecked() ? kOctaveOn : kOctaveOff);
    LowShape->setBrushColor(Low1->isChecked() ? kOctaveOn : kOctaveOff);
}

void TMainForm::High1Click() {
    const bool on = !High1->isChecked();
    High1->setChecked(on);
    High2->setChecked(on);
    PaintOctaveShapes();
}

void TMainForm::Low1Click() {
    const bool on = !Low1->isChecked();
    Low1->setChecked(on);
    Low2->setChecked(on);
    PaintOctaveShapes();
}
