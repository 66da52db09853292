// The one path from the instrument's state to the screen: every control, check mark and display is drawn
// from what the instrument holds, for the parts it says have changed. The controls repaint only what
// differs.
#include <functional>
#include <utility>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "engine/HomePosition.h"
#include "engine/KeyMap.h"
#include "engine/KeyNames.h"
#include "ui/ClavitoMain.h"
#include "ui/MenuData.h"
#include "ui/StripAccelerator.h"
#include "ui/SystemColors.h"

using platform::TBevelCut;

namespace {
const QColor kOctaveOn(0, 255, 0);
const QColor kOctaveOff(0, 128, 0);

// The sound's entry (and its item, but for percussion) carries the check mark, in the menus of the language
// in force only.
void MarkSound(const LanguageMenus& menus, const SoundChoice& sound, bool shown) {
    for (const QMenu* menu : {menus.sound, menus.soundPopup}) {
        const QList<QAction*> entries = menu->actions();
        for (int group = 0; group < entries.size(); ++group) {
            const bool current = shown && group == sound.group;
            entries[group]->setChecked(current);
            if (!entries[group]->menu())
                continue;
            const QList<QAction*> items = entries[group]->menu()->actions();
            for (int item = 0; item < items.size(); ++item)
                items[item]->setChecked(current && !IsPercussion(sound) && item == sound.item);
        }
    }
}

// Both languages' menus carry the other marks, so that a language switch shows them as they stand. item is
// the action's member of LanguageMenus, or a function that picks it.
template <typename Item> void CheckInBothLanguages(const TMainForm& form, Item item, bool checked = true) {
    for (bool japanese : {false, true})
        std::invoke(item, form.Menus(japanese))->setChecked(checked);
}

bool IsBlackRowPanel(int number) {
    return KeyPanelAt(number).colour == PanelColour::BlackRow;
}
} // namespace

// Each part in drawing order. A language switch redraws the sound too, since the display then shows the
// new language's caption.
void TMainForm::Refresh(Changes changes) {
    using Draw = void (TMainForm::*)();
    static constexpr std::pair<Changes, Draw> kParts[] = {
        {kLanguageChanged, &TMainForm::DrawLanguage},
        {kPanelsChanged, &TMainForm::DrawPanels},
        {kControlsChanged, &TMainForm::DrawControls},
        {kSoundChanged | kLanguageChanged, &TMainForm::DrawSound},
        {kDoublingsChanged, &TMainForm::DrawDoublings},
        {kKeyboardChanged, &TMainForm::DrawKeyboardType},
        {kBendChanged, &TMainForm::DrawBend},
        {kPlayOptionsChanged, &TMainForm::DrawPlayOptions},
        {kPedalChanged, &TMainForm::DrawPedal}};
    for (const auto& [parts, draw] : kParts) {
        if (changes & parts)
            (this->*draw)();
    }
}

void TMainForm::DrawPanels() {
    for (int number = 1; number <= kKeyPanelCount; ++number)
        w_.Panel(number)->setBevelOuter(engine_.State().isHeld(number) ? TBevelCut::bvLowered
                                                                       : TBevelCut::bvRaised);
}

// The bars, the transposition's name, and the home-position marks: the black-row panels that sound nothing
// at this position shift take the button colour with a grey caption.
void TMainForm::DrawControls() {
    const Performance& state = engine_.State();
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const auto control = static_cast<Control>(i);
        w_.Bar(control)->setPosition(BarPosition(RangeOf(control), state.control(control)));
    }
    w_.KeyPanel->setCaption(QString::fromLatin1(KeyName(state.control(Control::Key))));
    const auto marks = HomePositionPanels(state.control(Control::PosShift));
    for (int number = 1; number <= kKeyPanelCount; ++number) {
        if (!IsBlackRowPanel(number))
            continue;
        const bool marked = std::ranges::find(marks, number) != marks.end();
        w_.Panel(number)->setColor(marked ? ButtonFaceColor() : QColor(Qt::black));
        w_.Panel(number)->setFontColor(marked ? GrayTextColor() : QColor(Qt::white));
    }
}

// The display shows the caption the sound was chosen by: the popup's where it came from the popup (the
// Japanese popup shortens one), else the Sound menu's.
void TMainForm::DrawSound() {
    const Performance& state = engine_.State();
    for (bool japanese : {false, true})
        MarkSound(Menus(japanese), state.sound, japanese == state.japanese);
    const char* caption = IsPercussion(state.sound)
                              ? MenuText(kSoundEntries[kPercussionPosition], state.japanese)
                              : InstrumentCaption(ProgramOf(state.sound), state.japanese, soundFromPopup_);
    w_.SoundPanel->setCaption(::StripAccelerator(QString::fromUtf8(caption), state.japanese));
}

void TMainForm::DrawDoublings() {
    const Performance& state = engine_.State();
    CheckInBothLanguages(*this, &LanguageMenus::high, state.high);
    CheckInBothLanguages(*this, &LanguageMenus::low, state.low);
    w_.HighShape->setBrushColor(state.high ? kOctaveOn : kOctaveOff);
    w_.LowShape->setBrushColor(state.low ? kOctaveOn : kOctaveOff);
}

// The punctuation panels carry the labels of the keyboard type's keys; the 101 English keyboard lacks three.
// A null caption leaves the panel as it is.
void TMainForm::DrawKeyboardType() {
    const KeyboardType type = engine_.State().keyboard;
    CheckInBothLanguages(
        *this, [type](const LanguageMenus& menus) { return menus.keyboard[static_cast<std::size_t>(type)]; });
    const KeyboardTypeLayout& layout = KeyboardTypeLayoutFor(type);
    for (int number : {13, 37, 48})
        w_.Panel(number)->setVisible(layout.extraPanelsVisible);
    if (layout.panel48Caption)
        w_.Panel(48)->setCaption(QString::fromUtf8(layout.panel48Caption));
    w_.Panel(12)->setCaption(QString::fromUtf8(layout.panel12Caption));
    w_.Panel(24)->setCaption(QString::fromUtf8(layout.panel24Caption));
    w_.Panel(25)->setCaption(QString::fromUtf8(layout.panel25Caption));
    w_.Panel(36)->setCaption(QString::fromUtf8(layout.panel36Caption));
    w_.Panel(13)->setYenForBackslash(layout.panel13ShiftJis);
}

// The language's menus go on the menu bar and its hints on the labels; a language switch chooses no sound,
// so the display then shows the Sound menu's caption.
void TMainForm::DrawLanguage() {
    const bool japanese = engine_.State().japanese;
    const LanguageMenus& menus = Menus();
    CheckInBothLanguages(*this, japanese ? &LanguageMenus::japanese : &LanguageMenus::english);
    menuBar()->clear();
    for (QMenu* menu : {menus.sound, menus.options, menus.help})
        menuBar()->addMenu(menu);
    for (std::size_t i = 0; i < kHints.size(); ++i)
        w_.hintLabels[i]->setHint(QString::fromUtf8(japanese ? kHints[i].japanese : kHints[i].english));
    soundFromPopup_ = false;
}

void TMainForm::DrawBend() {
    const Performance& state = engine_.State();
    w_.PitchBendPanel->move(w_.PitchBendPanel->x(), w_.PitchBendTrack->y() + state.bendOffset);
}

// The player's options: their menu items, and the pedal's mark only while Space is a pedal, so that a window
// without the option looks as it always did.
void TMainForm::DrawPlayOptions() {
    const Performance& state = engine_.State();
    CheckInBothLanguages(*this, &LanguageMenus::sustain, state.sustain);
    CheckInBothLanguages(*this, &LanguageMenus::dynamics, state.dynamics);
    w_.PedalShape->setVisible(state.sustain);
    w_.PedalCaption->setVisible(state.sustain);
}

void TMainForm::DrawPedal() {
    w_.PedalShape->setBrushColor(engine_.State().pedalDown ? kOctaveOn : kOctaveOff);
}
