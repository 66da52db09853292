// The ten control steps, the bar clicks, the home-position marks and the octave doublings.
//
// Every step and every bar click first resets the port, which silences whatever sounds. A step that would
// leave its range is not made at all (no clamping), yet its saved copy and controllers still go out.
#include <QAction>

#include "engine/HomePosition.h"
#include "engine/KeyNames.h"
#include "ui/ClavitoMain.h"
#include "ui/SystemColors.h"

namespace {
constexpr std::int32_t kKeyMin = -46, kKeyMax = 39;
constexpr std::int32_t kStepMax = 32; // Volume and Modulation
constexpr std::int32_t kPosShiftMax = 6;
constexpr std::int32_t kNeutralVolume = 25;
const QColor kOctaveOn(0, 255, 0);
const QColor kOctaveOff(0, 128, 0);
} // namespace

void TMainForm::ShowKey() {
    KeyPanel->setCaption(QString::fromLatin1(KeyName(Key)));
    KeyProgressBar->setPosition(Key + 46);
}

void TMainForm::ChangePosShift(std::int32_t newValue) {
    MarkHomePosition(Qt::black);
    PosShift = newValue;
    MarkHomePosition(ButtonFaceColor());
    PosShiftProgressBar->setPosition(PosShift);
}

void TMainForm::ControlStep(std::int32_t tag) {
    MidiOut.Reset();
    switch (tag) {
    case 1:
    case 2:
    case 3:
    case 4: {
        constexpr std::int32_t kDelta[] = {-12, 1, 12, -1};
        const std::int32_t next = Key + kDelta[tag - 1];
        if (next >= kKeyMin && next <= kKeyMax) {
            Key = next;
            ShowKey();
        }
        SavedKey = Key;
        break;
    }
    case 5:
    case 6: {
        const std::int32_t next = Volume + (tag == 5 ? 1 : -1);
        if (next >= 0 && next <= kStepMax) {
            Volume = next;
            VolumeProgressBar->setPosition(Volume);
        }
        SavedVolume = Volume;
        break;
    }
    case 7:
    case 8: {
        const std::int32_t next = Modulation + (tag == 7 ? 1 : -1);
        if (next >= 0 && next <= kStepMax) {
            Modulation = next;
            ModulationProgressBar->setPosition(Modulation);
        }
        SavedModulation = Modulation;
        break;
    }
    case 9:
    case 10: {
        const std::int32_t next = PosShift + (tag == 9 ? 1 : -1);
        if (next >= 0 && next <= kPosShiftMax)
            ChangePosShift(next);
        SavedPosShift = PosShift;
        return; // the position shift sends no controllers
    }
    }
    SendControllers();
}

void TMainForm::VolumeProgressBarMouseUp() {
    MidiOut.Reset();
    Volume = Volume != kNeutralVolume ? kNeutralVolume : SavedVolume;
    VolumeProgressBar->setPosition(Volume);
    SendControllers();
}

void TMainForm::ModulationProgressBarMouseUp() {
    MidiOut.Reset();
    Modulation = Modulation != 0 ? 0 : SavedModulation;
    ModulationProgressBar->setPosition(Modulation);
    SendControllers();
}

void TMainForm::KeyProgressBarMouseUp() {
    MidiOut.Reset();
    Key = Key != 0 ? 0 : SavedKey;
    ShowKey();
    SendControllers();
}

void TMainForm::PosShiftProgressBarMouseUp() {
    MidiOut.Reset();
    ChangePosShift(PosShift != 0 ? 0 : SavedPosShift);
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
