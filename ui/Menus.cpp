// Both languages' menu trees: the main menus (Sound, Options, Help) and the sound popups. Every command
// item of one language has a twin in the other with the same handler and shortcut; only the menus attached
// to the menu bar are live, so the twins' shortcuts never compete.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "ui/ClavitoMain.h"
#include "ui/MenuData.h"

namespace {
QString Caption(const MenuCaption& caption, bool japanese) {
    return QString::fromUtf8(japanese ? caption.japanese : caption.english);
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

// The 17 entries of a Sound menu or sound popup: the groups with their instruments (Tag = program), then
// the percussion entry. Returns the percussion entry.
static QAction* FillSoundEntries(TMainForm* form, QMenu* menu, bool japanese, bool popup) {
    for (int group = 0; group < kPercussionPosition; ++group) {
        auto* groupMenu = new QMenu(Caption(kSoundEntries[group], japanese), menu);
        groupMenu->menuAction()->setCheckable(true);
        menu->addMenu(groupMenu);
        for (int item = 0; item < kInstrumentsPerGroup; ++item) {
            const int tag = group * kInstrumentsPerGroup + item;
            auto* action = new QAction(QString::fromUtf8(InstrumentCaption(tag, japanese, popup)), groupMenu);
            action->setData(tag);
            action->setCheckable(true);
            groupMenu->addAction(action);
            QObject::connect(action, &QAction::triggered, form, [form, action] { form->MenuClick(action); });
        }
    }
    QAction* percussion =
        AddItem(menu, kSoundEntries[kPercussionPosition], japanese, [form] { form->Percussion1Click(); });
    percussion->setCheckable(true);
    return percussion;
}

void TMainForm::CreateMenus() {
    for (bool japanese : {false, true}) {
        TMainMenu& menu = japanese ? MainMenuJ : MainMenuE;
        menu.Sound = new QMenu(Caption(kSoundMenu, japanese), this);
        QAction* percussion = FillSoundEntries(this, menu.Sound, japanese, false);

        menu.Options = new QMenu(Caption(kOptionsMenu, japanese), this);
        QMenu* octave = menu.Options->addMenu(Caption(kOctaveMenu, japanese));
        QAction* high = AddToggle(octave, kHighItem, japanese, Qt::Key_F12, [this] { High1Click(); });
        QAction* low = AddToggle(octave, kLowItem, japanese, Qt::Key_F11, [this] { Low1Click(); });
        QMenu* keyboard = menu.Options->addMenu(Caption(kKeyBoardMenu, japanese));
        auto* keyboardGroup = new QActionGroup(keyboard);
        QAction* jp106 = AddRadio(keyboard, keyboardGroup, kJp106Item, japanese, [this] { N1061Click(); });
        QAction* pc98 = AddRadio(keyboard, keyboardGroup, kPc98Item, japanese, [this] { N981Click(); });
        QAction* en101 = AddRadio(keyboard, keyboardGroup, kEn101Item, japanese, [this] { N1011Click(); });
        QMenu* language = menu.Options->addMenu(Caption(kMenuMenu, japanese));
        auto* languageGroup = new QActionGroup(language);
        QAction* ja =
            AddRadio(language, languageGroup, kJapaneseItem, japanese, [this] { Japanese1Click(); });
        QAction* en = AddRadio(language, languageGroup, kEnglishItem, japanese, [this] { English1Click(); });
        menu.Output = menu.Options->addMenu(Caption(kOutputMenu, japanese));
        connect(menu.Output, &QMenu::aboutToShow, this,
                [this, output = menu.Output, japanese] { FillOutputMenu(output, japanese); });

        menu.Help = new QMenu(Caption(kHelpMenu, japanese), this);
        QAction* help = AddItem(menu.Help, kHelpItem, japanese, [this] { Help2Click(); });
        help->setShortcut(Qt::Key_F1);
        menu.Help->addSeparator();
        QAction* about = AddItem(menu.Help, kAboutItem, japanese, [this] { About1Click(); });

        QMenu*& popup = japanese ? SoundPopupJ : SoundPopupE;
        popup = new QMenu(this);
        QAction* popupPercussion = FillSoundEntries(this, popup, japanese, true);

        (japanese ? Percussion3 : Percussion1) = percussion;
        (japanese ? N13 : Percussion2) = popupPercussion;
        (japanese ? High2 : High1) = high;
        (japanese ? Low2 : Low1) = low;
        (japanese ? N1062 : N1061) = jp106;
        (japanese ? N982 : N981) = pc98;
        (japanese ? N1012 : N1011) = en101;
        (japanese ? Japanese2 : Japanese1) = ja;
        (japanese ? English2 : English1) = en;
        (japanese ? Help4 : Help2) = help;
        (japanese ? About2 : About1) = about;
    }
    for (QAction* designChecked : {English1, English2, N1061, N1062})
        designChecked->setChecked(true);
    AttachMenu(MainMenuJ);
}

void TMainForm::AttachMenu(const TMainMenu& menu) {
    menuBar()->clear();
    menuBar()->addMenu(menu.Sound);
    menuBar()->addMenu(menu.Options);
    menuBar()->addMenu(menu.Help);
    Menu = &menu;
}
