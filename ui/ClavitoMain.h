#pragma once
// The main window: a view of the instrument (engine/Instrument.h). It owns the controls, both languages'
// menus, the key filter and the mouse routing, the auto-repeat's two thread timers and the size limiter; it
// turns the player's input into calls of the instrument, and draws the instrument's state in one refresh
// path.
//
// Its files: Layout.cpp builds the controls, Menus.cpp the menus, KeyFilter.cpp and Mouse.cpp take the
// input, Refresh.cpp draws, Sound.cpp and OutputMenu.cpp are the sound and output choices, ShowHide.cpp the
// show and hide sequences with the settings file.

#include <array>
#include <cstdint>

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include "engine/Instrument.h"
#include "platform/controls/Panel.h"
#include "platform/midi/MidiDestinations.h"
#include "platform/midi/MidiOut.h"

class QAction;
class QMenu;
class QMouseEvent;
class TSuperTimer;
class TWinSize;

// One language's menus. Only the main menus of the language in force are on the menu bar, so only their
// shortcuts (F1, F11, F12) act.
struct LanguageMenus {
    QMenu* sound = nullptr;
    QMenu* options = nullptr;
    QMenu* help = nullptr;
    QMenu* output = nullptr;     // the last submenu of Options
    QMenu* soundPopup = nullptr; // the Sound menu's twin that pops up under the sound display
    QAction* high = nullptr;     // octave doublings
    QAction* low = nullptr;
    std::array<QAction*, 3> keyboard{}; // by KeyboardType
    QAction* japanese = nullptr;        // menu language
    QAction* english = nullptr;
    QAction* sustain = nullptr; // Space as a sustain pedal
    QAction* dynamics = nullptr;
    QAction* helpItem = nullptr;
    QAction* about = nullptr;
};

// Everything the window shows, made once by Layout.cpp.
struct FormWidgets {
    platform::TPanel* mainPanel = nullptr;
    platform::TBevel* keyBevel = nullptr;     // around the key rows, the sound display and the octave circles
    platform::TBevel* controlBevel = nullptr; // around the control area
    std::array<platform::TPanel*, kKeyPanelCount> keyPanels{}; // panel n at [n - 1]
    platform::TPanel* KeyPanel = nullptr;                      // the transposition's name
    platform::TPanel* SoundPanel = nullptr;                    // the sound's name; a click pops up the menu
    platform::TPanel* PitchBendPanel = nullptr;                // the knob
    platform::TPanel* PitchBendTrack = nullptr;
    std::array<platform::TProgressBar*, kControlCount> bars{}; // by Control
    platform::TShape* LowShape = nullptr;
    platform::TShape* HighShape = nullptr;
    platform::TShape* PedalShape = nullptr; // shown, with its caption, while Space is a pedal
    platform::TLabel* PedalCaption = nullptr;
    std::array<platform::TLabel*, 6> hintLabels{}; // in the order of the hint table (ui/MenuData.h)

    platform::TPanel* Panel(int number) const { return keyPanels[static_cast<std::size_t>(number - 1)]; }
    platform::TProgressBar* Bar(Control control) const { return bars[static_cast<std::size_t>(control)]; }
};

// The thread timers: a held control panel steps once after Delay, then at every Repeat tick.
struct FormTimers {
    TSuperTimer* Delay = nullptr;
    TSuperTimer* Repeat = nullptr;
};

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    struct Setup {
        platform::MidiOpener midiOpener = platform::openMidiMapper;
        QString settingsPath;
        platform::MidiLister midiLister = platform::listMidiDestinations;
        // What a setting missing from the file takes: the program's defaults, or the desktop's language and
        // keyboard on a first start.
        Settings absentSettings = {};
    };
    explicit TMainForm(Setup setup);
    ~TMainForm() override;

    QString SettingsPath() const { return setup_.settingsPath; }
    const Instrument& Engine() const { return engine_; }
    const FormWidgets& Widgets() const { return w_; }
    const LanguageMenus& Menus(bool japanese) const { return japanese ? japaneseMenus_ : englishMenus_; }
    // The menus of the language in force.
    const LanguageMenus& Menus() const { return Menus(engine_.State().japanese); }
    const FormTimers& Timers() const { return timers_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction (Layout.cpp, Menus.cpp).
    void CreateControls();
    void CreateKeyPanels();
    void CreateLabels();
    void CreateDisplays();
    void CreateBars();
    void CreatePitchBend();
    void CreateShapes();
    void CreatePedalMark();
    void CreateMenus();
    void CreateLanguageMenus(bool japanese);
    void FillSoundEntries(QMenu* menu, bool japanese, bool popup);
    void FillSoundGroup(QMenu* groupMenu, int group, bool japanese, bool popup);
    void CreateTimers();

    // The show and hide sequences and the settings file (ShowHide.cpp).
    void FormShow();
    void FormHide();
    void FitToMainPanel();
    Settings ReadSettings();
    void ClampPosition(Settings& settings, std::vector<SettingValue>& corrections);
    bool WriteSettings(std::span<const SettingValue> values);

    // Drawing the instrument's state (Refresh.cpp).
    void Refresh(Changes changes);
    void DrawPanels();
    void DrawControls();
    void DrawSound();
    void DrawDoublings();
    void DrawKeyboardType();
    void DrawLanguage();
    void DrawBend();
    void DrawPlayOptions();
    void DrawPedal();

    // Typing keys (KeyFilter.cpp).
    bool HandleKeyEvent(QObject* watched, QEvent* event);
    // Mouse buttons, the auto-repeat of a held control panel, the knob (Mouse.cpp).
    bool RouteMouseButton(QObject* watched, QMouseEvent* event);
    void PanelMouseDown(int panel, int y);
    void PanelMouseUp(int panel);
    void AutoRepeatTimer(TSuperTimer* timer);
    void PitchBendPanelMouseDown(int y);
    void PitchBendPanelMouseUp(Qt::MouseButton button);
    void PitchBendPointerMove(QObject* watched, const QMouseEvent& event);

    // The sound and the output (Sound.cpp, OutputMenu.cpp).
    void SoundPanelMouseUp();
    void ChooseSound(SoundChoice sound, bool popup);
    void FillOutputMenu(QMenu* menu, bool japanese);
    void ChooseOutput(const platform::MidiDestination& destination);
    static QString OpenErrorText(std::uint32_t code);

    Setup setup_;
    Instrument engine_;
    FormWidgets w_;
    LanguageMenus englishMenus_;
    LanguageMenus japaneseMenus_;
    FormTimers timers_;
    TWinSize* winSize_ = nullptr;
    bool soundFromPopup_ = false; // the display shows the popup's caption of the sound
    std::int32_t repeatTag_ = 0;  // the control panel's tag the auto-repeat steps
    std::int32_t bendGrabY_ = 0;  // where in the knob the pointer took it
    bool bending_ = false;        // a button holds the knob, which follows the pointer
    // The control that got each button's press (left, right, middle), which gets its release too.
    std::array<QPointer<QWidget>, 3> pressedBy_{};
    bool routing_ = false; // a press or release is being handed on to its control
    bool shown_ = false;
    bool hidden_ = false;
};
