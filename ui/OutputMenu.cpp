// The output chooser: Options' last submenu lists the built-in synthesizer and every MIDI input present
// when it opens, the output in use checked. A choice is stored in section "MIDI" and the port reopened
// on it, so that it also holds at the next start.
#include <algorithm>

#include <QAction>
#include <QMenu>

#include "platform/dialogs/MessageBox.h"
#include "platform/midi/MidiSettings.h"
#include "ui/ClavitoMain.h"
#include "ui/MenuData.h"

using platform::MidiDestination;
using platform::MidiOutputChoice;

namespace {
QString DestinationCaption(const MidiDestination& destination, bool japanese) {
    if (destination.output == MidiOutputChoice::Synth)
        return QString::fromUtf8(MenuText(kSynthItem, japanese));
    // A port's name is shown as it is, never as an accelerator.
    return platform::midiDestinationName(destination).replace(u'&', QStringLiteral("&&"));
}
} // namespace

void TMainForm::FillOutputMenu(QMenu* menu, bool japanese) {
    menu->clear();
    const std::optional<MidiDestination> current = engine_.Port().destination();
    for (const MidiDestination& destination : setup_.midiLister()) {
        QAction* item = menu->addAction(DestinationCaption(destination, japanese));
        item->setCheckable(true);
        item->setChecked(destination == current);
        connect(item, &QAction::triggered, this, [this, destination] { ChooseOutput(destination); });
    }
}

// The port is reset and closed before the new one opens (a JACK or ALSA client "Clavito" cannot be there
// twice); when the new one fails, the previous settings are stored again and reopened. Either way the sound
// and controllers go out again, as at the start.
void TMainForm::ChooseOutput(const MidiDestination& destination) {
    const QString name = DestinationCaption(destination, false).remove(u'&');
    const std::vector<MidiDestination> present = setup_.midiLister();
    if (std::find(present.begin(), present.end(), destination) == present.end()) {
        platform::MessageBoxA(this, name + QStringLiteral(": ") + OpenErrorText(platform::MIDIERR_NODEVICE),
                              QStringLiteral("Error"));
        return;
    }
    const platform::MidiSettings previous = platform::readMidiSettings(setup_.settingsPath);
    const auto store = [this](MidiOutputChoice output, const std::string& connect) {
        const SettingValue values[] = {
            {platform::kMidiSection, platform::kOutputKey, platform::midiOutputName(output).toUtf8()},
            {platform::kMidiSection, platform::kConnectKey, QByteArray::fromStdString(connect)}};
        return WriteSettings(values);
    };
    if (!store(destination.output, destination.connect))
        return;
    engine_.Stop();
    const std::uint32_t result = engine_.Port().Open(setup_.midiOpener, setup_.settingsPath);
    if (result != platform::MMSYSERR_NOERROR) {
        store(previous.output, previous.connect);
        engine_.Port().Open(setup_.midiOpener, setup_.settingsPath);
    }
    engine_.Resend();
    if (result != platform::MMSYSERR_NOERROR)
        platform::MessageBoxA(this, name + QStringLiteral(": ") + OpenErrorText(result),
                              QStringLiteral("Error"));
}
