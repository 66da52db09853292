#pragma once
// A fixture that owns a temporary settings folder and a main window on a recording MIDI output, with every
// modal box switched off.

#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

#include "engine/MidiMessages.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/help/WinHelp.h"
#include "support/Files.h"
#include "support/RecordingOutput.h"
#include "ui/ClavitoMain.h"

using ShownBox = std::pair<QString, QString>; // caption, text

// A Sound menu's group as it opens, which makes its instruments.
inline QMenu* OpenGroup(QMenu* menu, int group) {
    QMenu* groupMenu = menu->actions()[group]->menu();
    emit groupMenu->aboutToShow();
    return groupMenu;
}

class FormFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        platform::SetMessageBoxHook(
            [this](const QString& caption, const QString& text) { boxes.emplace_back(caption, text); });
    }
    void TearDown() override {
        form.reset();
        platform::SetMessageBoxHook({});
    }

    const Performance& State() const { return form->Engine().State(); }
    std::int32_t Value(Control control) const { return State().control(control); }
    const FormWidgets& W() const { return form->Widgets(); }

    QString IniPath() const { return dir.filePath(QStringLiteral("clavito.INI")); }
    void WriteIni(const QByteArray& content) { ASSERT_TRUE(WriteFile(IniPath(), content)); }
    QByteArray ReadIni() const { return ReadFile(IniPath()); }

    // Creates and shows the window on the settings file (IniPath() unless given); the show sequence runs and
    // the port's open is told. With openCode != 0 the port fails to open.
    void Start(std::uint32_t openCode = platform::MMSYSERR_NOERROR, QString settingsPath = {}) {
        form = std::make_unique<TMainForm>(
            TMainForm::Setup{.midiOpener = recordingMidiOpener(log, openCode),
                             .settingsPath = settingsPath.isEmpty() ? IniPath() : settingsPath});
        const std::size_t sent = log->size(), shown = boxes.size();
        form->show();
        // The window does not wait for the port: the start's reset reaches it, or a box says why it did not
        // open, a moment later.
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return openCode == platform::MMSYSERR_NOERROR ? log->size() > sent : boxes.size() > shown;
        }));
    }
    // Shows the window and gives it the keyboard, as a user's click on it would; the log starts empty.
    void StartActive() {
        Start();
        Activate(form.get());
        log->clear();
    }
    static void Activate(QWidget* window) {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    // A typing key as the window system delivers it: to the window, known by its XKB keycode (evdev + 8).
    void Key(QEvent::Type type, int evdev, bool autoRepeat = false, Qt::KeyboardModifiers modifiers = {}) {
        QKeyEvent event(type, Qt::Key_unknown, modifiers, static_cast<quint32>(evdev + 8), 0, 0, QString(),
                        autoRepeat);
        QApplication::sendEvent(form->windowHandle(), &event);
    }

    // Mouse buttons on the window, over the middle of a control (moved by offset).
    QPoint At(QWidget* control, QPoint offset = {}) const {
        return control->mapTo(form.get(), control->rect().center() + offset);
    }
    void Click(QWidget* control, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(form->windowHandle(), button, Qt::NoModifier, At(control));
    }

    QTemporaryDir dir;
    std::shared_ptr<MidiLog> log = std::make_shared<MidiLog>();
    std::unique_ptr<TMainForm> form;
    std::vector<ShownBox> boxes;
};
