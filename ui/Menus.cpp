// Both languages' menu trees: the main menus (Sound, Options, Help) and the sound popups. Every command
// item of one language has a twin in the other with the same handler and shortcut; only the menus attached
// to the menu bar are live, so the twins' shortcuts never compete. The check marks are drawn from the
// instrument's state (Refresh.cpp), never kept by the menus themselves.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "platform/help/WinHelp.h"
#include "ui/About.h"
#include "ui/ClavitoMain.h"
#include "ui/MenuData.h"

namespace {
QString Caption(const MenuCaption& caption, bool japanese) {
    return QString::fromUtf8(MenuText(caption, japanese));
}

// A command item that acts when chosen.
template <typename Handler>
QAction* AddItem(QMenu* menu, const MenuCaption& caption, bool japanese, Handler handler) {
    QAction* action = menu->addAction(Caption(caption, japanese));
    QObject::connect(action, &QAction::triggered, menu, handler);
    return action;
}

// A check item whose handler flips it (High, Low): the menu's own flip is undone first, so that choosing
// the item and clicking its circle run the very same handler.
template <typename Handler>
QAction* AddToggle(QMenu* menu, const MenuCaption& caption, bool japanese, QKeySequence shortcut,
                   Handler handler) {
    QAction* action = menu->addAction(Caption(caption, japanese));
    action->setCheckable(true);
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, menu, [action, handler] {
        action->setChecked(!action->isChecked());
        handler();
    });
    return action;
}

// A radio item of an exclusive group; checking it clears its siblings.
template <typename Handler>
QAction* AddRadio(QMenu* menu, QActionGroup* group, const MenuCaption& caption, bool japanese,
                  Handler handler) {
    QAction* action = AddItem(menu, caption, japanese, handler);
    action->setCheckable(true);
    group->addAction(action);
    return action;
}
} // namespace

// A group's instruments, made when the group first opens: the four Sound menus and popups would otherwise
// hold 512 items from the start, most of them never seen. The refresh then marks the new items.
void TMainForm::FillSoundGroup(QMenu* groupMenu, int group, bool japanese, bool popup) {
    if (!groupMenu->isEmpty())
        return;
    for (int item = 0; item < kInstrumentsPerGroup; ++item) {
        const SoundChoice sound{group, item};
        QAction* action =
            groupMenu->addAction(QString::fromUtf8(InstrumentCaption(ProgramOf(sound), japanese, popup)));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, sound, popup] { ChooseSound(sound, popup); });
    }
    Refresh(kSoundChanged);
}

// The 17 entries of a Sound menu or sound popup: the groups, then the percussion entry.
void TMainForm::FillSoundEntries(QMenu* menu, bool japanese, bool popup) {
    for (int group = 0; group < kPercussionPosition; ++group) {
        auto* groupMenu = new QMenu(Caption(kSoundEntries[group], japanese), menu);
        groupMenu->menuAction()->setCheckable(true);
        menu->addMenu(groupMenu);
        connect(groupMenu, &QMenu::aboutToShow, this,
                [=, this] { FillSoundGroup(groupMenu, group, japanese, popup); });
    }
    QAction* percussion = AddItem(menu, kSoundEntries[kPercussionPosition], japanese, [this, popup] {
        ChooseSound({kPercussionPosition, 0}, popup);
    });
    percussion->setCheckable(true);
}

void TMainForm::CreateLanguageMenus(bool japanese) {
    LanguageMenus& menus = japanese ? japaneseMenus_ : englishMenus_;
    menus.sound = new QMenu(Caption(kSoundMenu, japanese), this);
    FillSoundEntries(menus.sound, japanese, false);

    menus.options = new QMenu(Caption(kOptionsMenu, japanese), this);
    QMenu* octave = menus.options->addMenu(Caption(kOctaveMenu, japanese));
    menus.high = AddToggle(octave, kHighItem, japanese, Qt::Key_F12, [this] { engine_.ToggleHigh(); });
    menus.low = AddToggle(octave, kLowItem, japanese, Qt::Key_F11, [this] { engine_.ToggleLow(); });
    QMenu* keyboard = menus.options->addMenu(Caption(kKeyBoardMenu, japanese));
    auto* keyboardGroup = new QActionGroup(keyboard);
    const std::pair<KeyboardType, MenuCaption> types[] = {{KeyboardType::Jp106, kJp106Item},
                                                          {KeyboardType::Pc98, kPc98Item},
                                                          {KeyboardType::En101, kEn101Item}};
    for (const auto& [type, caption] : types)
        menus.keyboard[static_cast<std::size_t>(type)] = AddRadio(
            keyboard, keyboardGroup, caption, japanese, [this, type] { engine_.SetKeyboardType(type); });
    QMenu* language = menus.options->addMenu(Caption(kMenuMenu, japanese));
    auto* languageGroup = new QActionGroup(language);
    menus.japanese =
        AddRadio(language, languageGroup, kJapaneseItem, japanese, [this] { engine_.SetJapanese(true); });
    menus.english =
        AddRadio(language, languageGroup, kEnglishItem, japanese, [this] { engine_.SetJapanese(false); });
    menus.sustain = AddToggle(menus.options, kSustainItem, japanese, {},
                              [this] { engine_.SetSustain(!engine_.State().sustain); });
    menus.dynamics = AddToggle(menus.options, kDynamicsItem, japanese, {},
                               [this] { engine_.SetDynamics(!engine_.State().dynamics); });
    menus.output = menus.options->addMenu(Caption(kOutputMenu, japanese));
    connect(menus.output, &QMenu::aboutToShow, this,
            [this, output = menus.output, japanese] { FillOutputMenu(output, japanese); });

    menus.help = new QMenu(Caption(kHelpMenu, japanese), this);
    menus.helpItem = AddItem(menus.help, kHelpItem, japanese, [this] {
        platform::WinHelp(this, QStringLiteral("Clavito.hlp"), platform::HELP_FINDER, 0);
    });
    menus.helpItem->setShortcut(Qt::Key_F1);
    menus.help->addSeparator();
    // A fresh box each time, shown modally and gone when it closes.
    menus.about = AddItem(menus.help, kAboutItem, japanese, [this] {
        TAboutBox box(this);
        box.exec();
    });

    menus.soundPopup = new QMenu(this);
    FillSoundEntries(menus.soundPopup, japanese, true);
}

// Until the show sequence draws the stored state, the English language and the 106 keyboard are checked and
// the English menus are on the bar. The bar's height fixes the window's, and it is the same in either
// language; laying out the Japanese captions before they are needed would only cost the start-up their
// font fallback.
void TMainForm::CreateMenus() {
    CreateLanguageMenus(false);
    CreateLanguageMenus(true);
    for (bool japanese : {false, true}) {
        Menus(japanese).english->setChecked(true);
        Menus(japanese).keyboard[static_cast<std::size_t>(KeyboardType::Jp106)]->setChecked(true);
    }
    for (QMenu* menu : {englishMenus_.sound, englishMenus_.options, englishMenus_.help})
        menuBar()->addMenu(menu);
}
