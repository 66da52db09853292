#pragma once
// The main window: the whole instrument. It owns every control, both menu trees, the three thread timers,
// the size limiter and the performance state, and it does all of its work on the UI thread.
//
// The methods are defined in the source files of the folder that owns them:
//   app/    FormShow, FormHide, the settings file and the window placement
//   ui/     construction of the controls and menus, instrument choice, menu language, help and About
//   engine/ PressAction/ReleaseAction, notes, typing keys, mouse and auto-repeat, controls, pitch bend
//   midi/   the port's message helpers and SendControllers

#include <array>
#include <cstdint>

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include "engine/KeyMap.h"
#include "platform/controls/Panel.h"
#include "platform/midi/MidiDestinations.h"
#include "platform/midi/MidiOut.h"

class QAction;
class QMenu;
class QMouseEvent;
class TSuperTimer;
class TWinSize;

// One language's main menu: its three top-level menus, attached to the window's one menu bar in turn.
struct TMainMenu {
    QMenu* Sound = nullptr;
    QMenu* Options = nullptr;
    QMenu* Help = nullptr;
    QMenu* Output = nullptr; // the last submenu of Options
};

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    struct Setup {
        platform::MidiOpener midiOpener = platform::openMidiMapper;
        QString settingsPath; // empty: where this run keeps its settings (app/SettingsLocation.h)
        platform::MidiLister midiLister = platform::listMidiDestinations;
    };
    TMainForm();
    explicit TMainForm(Setup setup);
    ~TMainForm() override;

    static QString DefaultSettingsPath();
    QString SettingsPath() const { return settingsPath_; }

    // Performance state.
    platform::MidiOut MidiOut;
    std::int32_t ChannelBase = 0;
    std::int32_t Index1 = 0;
    std::int32_t Index2 = 0;
    std::int32_t BendGrabY = 0;
    std::int32_t BendTravel = 0;
    std::int32_t BendTop = 0;
    std::int32_t Volume = 0;
    std::int32_t Modulation = 0;
    std::int32_t Key = 0;
    std::int32_t PosShift = 0;
    std::int32_t SavedVolume = 0;
    std::int32_t SavedModulation = 0;
    std::int32_t SavedKey = 0;
    std::int32_t SavedPosShift = 0;
    QMenu* SoundPopup = nullptr;

    // Controls. Key panels are Panel(1) .. Panel(58).
    platform::TPanel* MainPanel = nullptr;
    platform::TBevel* Bevel1 = nullptr;
    platform::TBevel* Bevel2 = nullptr;
    platform::TPanel* Panel(int number) const { return panels_[number - 1]; }
    platform::TPanel* KeyPanel = nullptr;
    platform::TPanel* SoundPanel = nullptr;
    platform::TPanel* PitchBendPanel = nullptr;
    platform::TPanel* PitchBendPanel2 = nullptr;
    platform::TLabel* ModLabel = nullptr;
    platform::TLabel* PosLabel = nullptr;
    platform::TLabel* VolLabel = nullptr;
    platform::TLabel* PitLabel = nullptr;
    platform::TLabel* KeyLabel = nullptr;
    platform::TLabel* OctLabel = nullptr;
    platform::TLabel* Label16 = nullptr;
    platform::TLabel* Label17 = nullptr;
    platform::TProgressBar* ModulationProgressBar = nullptr;
    platform::TProgressBar* PosShiftProgressBar = nullptr;
    platform::TProgressBar* VolumeProgressBar = nullptr;
    platform::TProgressBar* KeyProgressBar = nullptr;
    platform::TShape* LowShape = nullptr;
    platform::TShape* HighShape = nullptr;

    // Menus of both languages; Menu is the one attached to the menu bar.
    TMainMenu MainMenuE;
    TMainMenu MainMenuJ;
    const TMainMenu* Menu = nullptr;
    QMenu* SoundPopupE = nullptr;
    QMenu* SoundPopupJ = nullptr;
    QAction* High1 = nullptr;
    QAction* High2 = nullptr;
    QAction* Low1 = nullptr;
    QAction* Low2 = nullptr;
    QAction* N1061 = nullptr;
    QAction* N1062 = nullptr;
    QAction* N981 = nullptr;
    QAction* N982 = nullptr;
    QAction* N1011 = nullptr;
    QAction* N1012 = nullptr;
    QAction* Japanese1 = nullptr;
    QAction* Japanese2 = nullptr;
    QAction* English1 = nullptr;
    QAction* English2 = nullptr;
    QAction* Help2 = nullptr;
    QAction* Help4 = nullptr;
    QAction* About1 = nullptr;
    QAction* About2 = nullptr;
    QAction* Percussion1 = nullptr;
    QAction* Percussion2 = nullptr;
    QAction* Percussion3 = nullptr;
    QAction* N13 = nullptr;

    TSuperTimer* SuperTimer1 = nullptr;
    TSuperTimer* SuperTimer2 = nullptr;
    TSuperTimer* SuperTimer3 = nullptr;
    TWinSize* WinSize1 = nullptr;

    // Lifecycle.
    void FormShow();
    void FormHide();

    // Actions.
    void PressAction(std::int32_t tag);
    void ReleaseAction(std::int32_t tag);

    // Typing keyboard (virtual-key codes).
    void FormKeyDown(std::uint16_t key);
    void FormKeyUp(std::uint16_t key);
    std::uint8_t KeyToPanel(platform::TBevelCut state, std::uint16_t key);
    void N1061Click();
    void N981Click();
    void N1011Click();
    KeyboardType CurrentKeyboardType() const;

    // Mouse and auto-repeat.
    void PanelMouseDown(platform::TPanel* sender, Qt::MouseButton button);
    void PanelMouseUp(platform::TPanel* sender, Qt::MouseButton button);
    void SuperTimer1Timer();
    void SuperTimer2Timer();

    // Performance controls.
    void VolumeProgressBarMouseUp();
    void ModulationProgressBarMouseUp();
    void KeyProgressBarMouseUp();
    void PosShiftProgressBarMouseUp();
    void MarkHomePosition(const QColor& color);
    void High1Click();
    void Low1Click();
    void HighShapeMouseUp() { High1Click(); }
    void LowShapeMouseUp() { Low1Click(); }

    // Pitch-bend knob.
    void PitchBendPanelMouseDown(Qt::MouseButton button, int y);
    void PitchBendPanelMouseUp(Qt::MouseButton button);
    void SuperTimer3Timer();

    // Instruments, language, help.
    void MenuClick(QAction* item);
    void Percussion1Click();
    void CheckCurrentSound(bool checked);
    QString StripAccelerator(const QString& caption) const;
    void SoundPanelMouseUp();
    void Japanese1Click();
    void English1Click();
    void UpdateHints();
    void Help2Click();
    void About1Click();

    // MIDI.
    void SendControllers();
    void SendProgram();
    static QString OpenErrorText(std::uint32_t code);

    // The output chooser.
    void FillOutputMenu(QMenu* menu, bool japanese);
    void ChooseOutput(const platform::MidiDestination& destination);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateKeyPanels();
    void CreateLabels();
    void CreateDisplays();
    void CreateBars();
    void CreatePitchBend();
    void CreateShapes();
    void CreateMenus();
    void CreateTimers();
    void AttachMenu(const TMainMenu& menu);
    void SwitchLanguage(bool japanese);
    void ControlStep(std::int32_t tag);
    void SetControl(std::int32_t TMainForm::*field, std::int32_t value);
    void PaintOctaveShapes();
    void PlayNote(std::int32_t tag);
    void StopNote(std::int32_t tag);
    void Send(std::uint32_t msg) { MidiOut.ShortMsg(msg); }

    // Settings file and placement (app/).
    void ReadSettings(std::int32_t& keyboardType, int& x, int& y);
    void ClampPosition(int& x, int& y);
    void WriteSettings(std::int32_t keyboardType);
    bool WriteInt(const char* section, const char* key, std::int32_t value);
    bool WriteBool(const char* section, const char* key, bool value);
    bool WriteString(const char* section, const char* key, const QString& value);

    // The typing-key layer (engine/KeyInput.cpp).
    bool HandleKeyEvent(QObject* watched, QEvent* event);
    void ReleaseHeldKeys();

    // Mouse buttons delivered as on Windows (engine/Mouse.cpp).
    bool RouteMouseButton(QObject* watched, QMouseEvent* event);

    Setup setup_;
    QString settingsPath_;
    std::array<platform::TPanel*, 58> panels_{};
    // The virtual-key code each physical key (XKB keycode) produced when it went down; 0 = not held.
    std::array<std::uint16_t, 256> heldKeys_{};
    // The control that got each button's press (left, right, middle), which gets its release too.
    std::array<QPointer<QWidget>, 3> pressedBy_{};
    bool routing_ = false; // a press or release is being handed on to its control
    bool shown_ = false;
    bool hidden_ = false;
};
