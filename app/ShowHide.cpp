// The two moments that frame a run: the show sequence, which brings the whole instrument up in one fixed
// order, and the hide sequence, which silences it and saves the settings.
#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QShowEvent>

#include "components/WinSize/WinSize.h"
#include "engine/ControlRanges.h"
#include "engine/KeyNames.h"
#include "midi/Messages.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/help/WinHelp.h"
#include "ui/ClavitoMain.h"
#include "ui/MenuData.h"
#include "ui/SystemColors.h"

QString TMainForm::OpenErrorText(std::uint32_t code) {
    switch (code) {
    case platform::MMSYSERR_ALLOCATED:
        return QStringLiteral("Device Already Allocated");
    case platform::MIDIERR_NOMAP:
        return QStringLiteral("NoMap");
    case platform::MIDIERR_NODEVICE:
        return QStringLiteral("No Midi Device");
    default:
        return QStringLiteral("Midi Open Error");
    }
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (shown_ && !hidden_) {
        hidden_ = true;
        FormHide();
    }
    event->accept();
}

void TMainForm::FormShow() {
    // 1-2: the port, reported once if it cannot be opened; the show goes on either way.
    const std::uint32_t result = MidiOut.Open(setup_.midiOpener, settingsPath_);
    if (result != platform::MMSYSERR_NOERROR)
        platform::MessageBoxA(this, OpenErrorText(result), QStringLiteral("Error"));
    MidiOut.Reset();

    // 3-4: the client area fits the main panel; the outer size is then pinned.
    // The menu bar may wrap at another width, so the client height is set again after the width.
    auto setClientHeight = [this] {
        const int menuHeight = qMax(menuBar()->heightForWidth(width()), menuBar()->sizeHint().height());
        resize(width(), MainPanel->height() + menuHeight);
    };
    setClientHeight();
    resize(MainPanel->width(), height());
    setClientHeight();
    const QSize outer = size();
    WinSize1->MaxSizeX = outer.width();
    WinSize1->MaxSizeY = outer.height();
    WinSize1->MaxTrackSizeX = outer.width();
    WinSize1->MaxTrackSizeY = outer.height();
    WinSize1->MinTrackSizeX = outer.width();
    WinSize1->MinTrackSizeY = outer.height();
    WinSize1->Apply();

    // 5-11: the settings file.
    std::int32_t keyboardType = 0;
    int x = 0, y = 0;
    ReadSettings(keyboardType, x, y);

    // 12: keyboard type.
    switch (KeyboardTypeFromCode(keyboardType)) {
    case KeyboardType::Pc98:
        N981Click();
        break;
    case KeyboardType::En101:
        N1011Click();
        break;
    case KeyboardType::Jp106:
        N1061Click();
        break;
    }

    // 13-15: octave indicators, menu language, hints.
    PaintOctaveShapes();
    AttachMenu(Japanese1->isChecked() ? MainMenuJ : MainMenuE);
    SoundPopup = Japanese1->isChecked() ? SoundPopupJ : SoundPopupE;
    UpdateHints();

    // 16-19: the sound.
    SendProgram();
    QString display;
    if (Index1 == kPercussionPosition) {
        ChannelBase = midi::kPercussionChannel;
        display = StripAccelerator(Menu->Sound->actions()[kPercussionPosition]->text());
    } else {
        ChannelBase = 0;
        display = StripAccelerator(Menu->Sound->actions()[Index1]->menu()->actions()[Index2]->text());
    }
    SoundPanel->setCaption(display);
    CheckCurrentSound(true);

    // 20-25: controllers, displays, home position, saved copies.
    SendControllers();
    KeyPanel->setCaption(QString::fromLatin1(KeyName(Key)));
    KeyProgressBar->setPosition(BarPosition(kKeyRange, Key));
    VolumeProgressBar->setPosition(Volume);
    ModulationProgressBar->setPosition(Modulation);
    MarkHomePosition(ButtonFaceColor());
    PosShiftProgressBar->setPosition(PosShift);
    SavedVolume = Volume;
    SavedModulation = Modulation;
    SavedKey = Key;
    SavedPosShift = PosShift;

    // 26: placement.
    move(x, y);

    // 27: the knob rests at the centre of its track.
    BendTravel = PitchBendPanel2->height() - PitchBendPanel->height();
    PitchBendPanel->move(PitchBendPanel->x(), PitchBendPanel2->y() + BendTravel / 2);
    BendTop = PitchBendPanel->y();
}

void TMainForm::FormHide() {
    platform::WinHelp(this, QStringLiteral("Clavito.hlp"), platform::HELP_QUIT, 0);
    MidiOut.Reset();
    MidiOut.Close();
    WriteSettings(KeyboardTypeCode(CurrentKeyboardType()));
}
