// The two moments that frame a run: the show sequence, which brings the whole instrument up in one fixed
// order, and the hide sequence, which silences it and saves the settings.
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>

#include "components/WinSize/WinSize.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/help/WinHelp.h"
#include "ui/ClavitoMain.h"

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
    // The port, reported once if it cannot be opened; the show goes on either way. The window does not wait
    // for it: what is played before it is open waits for it instead.
    engine_.Port().OpenInBackground(setup_.midiOpener, setup_.settingsPath, [this](std::uint32_t result) {
        if (result != platform::MMSYSERR_NOERROR)
            platform::MessageBoxA(this, OpenErrorText(result), QStringLiteral("Error"));
    });
    FitToMainPanel();
    const Settings settings = ReadSettings();
    // The instrument takes the settings in, sends the sound and the controllers, and the window draws it all.
    engine_.Start(settings);
    move(settings.x, settings.y);
    // The knob rests at the centre of its track.
    engine_.SetBendTravel(w_.PitchBendTrack->height() - w_.PitchBendPanel->height());
}

// The client area fits the main panel; the outer size is then pinned. The menu bar may wrap at another
// width, so the client height is set again after the width.
void TMainForm::FitToMainPanel() {
    auto setClientHeight = [this] {
        const int menuHeight = qMax(menuBar()->heightForWidth(width()), menuBar()->sizeHint().height());
        resize(width(), w_.mainPanel->height() + menuHeight);
    };
    setClientHeight();
    resize(w_.mainPanel->width(), height());
    setClientHeight();
    const QSize outer = size();
    winSize_->MaxSizeX = outer.width();
    winSize_->MaxSizeY = outer.height();
    winSize_->MaxTrackSizeX = outer.width();
    winSize_->MaxTrackSizeY = outer.height();
    winSize_->MinTrackSizeX = outer.width();
    winSize_->MinTrackSizeY = outer.height();
    winSize_->Apply();
}

// The file is read once; what it holds wrong (and a place off the screen) is corrected in the file at once.
Settings TMainForm::ReadSettings() {
    LoadedSettings loaded = ::ReadSettings(setup_.settingsPath, setup_.absentSettings);
    ClampPosition(loaded.values, loaded.corrections);
    if (!loaded.corrections.empty())
        WriteSettings(loaded.corrections);
    return loaded.values;
}

// A corrected coordinate is written back as the window's current edge (where the system put it); the
// clamped value is where the show sequence then places the window.
void TMainForm::ClampPosition(Settings& settings, std::vector<SettingValue>& corrections) {
    const QRect screenRect = (screen() ? screen() : QGuiApplication::primaryScreen())->geometry();
    const QSize limit = screenRect.size() - frameGeometry().size();
    const struct {
        std::int32_t Settings::*field;
        int limit;
        int current;
    } axes[] = {{&Settings::x, limit.width(), pos().x()}, {&Settings::y, limit.height(), pos().y()}};
    for (const auto& axis : axes) {
        std::int32_t& value = settings.*axis.field;
        const SettingKey& key = SettingKeyOf(axis.field);
        if (value < 0) {
            value = 0;
            corrections.push_back(StoredValue(key, axis.current));
        }
        if (value > axis.limit) {
            value = axis.limit;
            corrections.push_back(StoredValue(key, axis.current));
        }
    }
}

// A failed write is reported.
bool TMainForm::WriteSettings(std::span<const SettingValue> values) {
    if (WriteSettingValues(setup_.settingsPath, values))
        return true;
    platform::ShowApplicationError(
        QStringLiteral("%1 に書き込めません").arg(QDir::toNativeSeparators(setup_.settingsPath)));
    return false;
}

// The guide closes, the port is silenced and closed, and every setting is written in one rewrite.
void TMainForm::FormHide() {
    platform::WinHelp(this, QStringLiteral("Clavito.hlp"), platform::HELP_QUIT, 0);
    engine_.Stop();
    Settings settings = engine_.StoredSettings();
    settings.x = pos().x();
    settings.y = pos().y();
    WriteSettings(StoredValues(settings));
}
