// Choosing the sound from the menus, the check marks, the display and the menu language.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "support/FormFixture.h"

namespace {
using Sound = FormFixture;
using MarkList = std::vector<std::pair<int, int>>;

QAction* Item(QMenu* menu, int group, int item) {
    return menu->actions()[group]->menu()->actions()[item];
}
// Every checked entry and item of a menu, as (group, item) with item -1 for an entry.
MarkList Marks(QMenu* menu) {
    MarkList marks;
    for (int g = 0; g < menu->actions().size(); ++g) {
        QAction* entry = menu->actions()[g];
        if (entry->isChecked())
            marks.emplace_back(g, -1);
        for (int i = 0; entry->menu() && i < entry->menu()->actions().size(); ++i)
            if (entry->menu()->actions()[i]->isChecked())
                marks.emplace_back(g, i);
    }
    return marks;
}

// A sound is marked in the Sound menu and the popup of the language in force only, and the display shows
// the caption it was chosen by: the Japanese popup shortens the glockenspiel's. A language switch puts the
// other menus on the bar and their hints on the labels, keeps the sound and shows the Sound menu's caption.
TEST_F(Sound, TheMenusOfTheLanguageInForceChooseMarkAndNameTheSound) {
    Start();
    const auto shown = [this](const char* caption, MarkList japanese, MarkList english) {
        EXPECT_EQ(W().SoundPanel->Caption(), QString::fromUtf8(caption));
        EXPECT_EQ((std::vector{Marks(form->Menus(true).sound), Marks(form->Menus(true).soundPopup)}),
                  (std::vector{japanese, japanese}));
        EXPECT_EQ((std::vector{Marks(form->Menus(false).sound), Marks(form->Menus(false).soundPopup)}),
                  (std::vector{english, english}));
    };
    Item(form->Menus(true).soundPopup, 1, 1)->trigger();
    EXPECT_EQ(State().sound, (SoundChoice{1, 1}));
    shown("ｸﾞﾛｯｹﾝ", {{1, -1}, {1, 1}}, {});
    form->Menus(true).english->trigger();
    EXPECT_EQ(form->menuBar()->actions().first(), form->Menus(false).sound->menuAction());
    EXPECT_EQ(W().hintLabels[3]->Hint(), "L_Button - Return  R_Button - Stay");
    shown("Glockenspiel", {}, {{1, -1}, {1, 1}});
    form->Menus(false).japanese->trigger();
    EXPECT_NE(W().hintLabels[3]->Hint(), "L_Button - Return  R_Button - Stay");
    shown("ｸﾞﾛｯｹﾝｼｭﾋﾟｰﾙ", {{1, -1}, {1, 1}}, {});
    Item(form->Menus(true).sound, 3, 0)->trigger();
    shown("ｱｺｰｽﾃｨｯｸ ｷﾞﾀｰ(ﾅｲﾛﾝ)", {{3, -1}, {3, 0}}, {});
    form->Menus(true).percussion->trigger();
    shown("ﾊﾟｰｶｯｼｮﾝ", {{16, -1}}, {});
}
} // namespace
