// Choosing the sound from all four menus, the check marks, the display and the menu language.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "support/FormFixture.h"

using midi::ProgramChange;
using MsgList = std::vector<std::uint32_t>;
using MarkList = std::vector<std::pair<int, int>>;

namespace {
class Sound : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        Start();
        Clear();
    }
    static QAction* Item(QMenu* menu, int group, int item) {
        return menu->actions()[group]->menu()->actions()[item];
    }
    // Every checked entry and item of a menu, as (group, item) with item -1 for an entry.
    static MarkList Marks(QMenu* menu) {
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
};

// The choice from any menu shows and marks in the attached menus, and the other language keeps it.
TEST_F(Sound, AnyOfTheFourMenusChoosesTheInstrumentAndTheLanguageSwitchKeepsIt) {
    const QString names[] = {QString::fromUtf8("ｱｺｰｽﾃｨｯｸ ｷﾞﾀｰ(ﾅｲﾛﾝ)"),
                             QStringLiteral("Acoustic guitar (nylon)")};
    QMenu* menus[] = {form->Menus(true).sound, form->Menus(true).soundPopup, form->Menus(false).sound,
                      form->Menus(false).soundPopup};
    for (QMenu* menu : menus) {
        const bool english = menu == menus[2] || menu == menus[3];
        (english ? form->Menus(true).english : form->Menus(false).japanese)->trigger();
        Clear();
        Item(menu, 3, 0)->trigger();
        EXPECT_EQ(Messages(), (MsgList{ProgramChange(0, 24), ProgramChange(1, 24), ProgramChange(2, 24)}));
        EXPECT_EQ(W().SoundPanel->Caption(), names[english]);
        EXPECT_EQ(Marks(form->Menus().sound), Marks(form->Menus().soundPopup));
        EXPECT_EQ(Marks(form->Menus().soundPopup), (MarkList{{3, -1}, {3, 0}}));
        (english ? form->Menus(true).japanese : form->Menus(false).english)->trigger();
        EXPECT_EQ(form->menuBar()->actions().first(), form->Menus().sound->menuAction());
        EXPECT_EQ(W().SoundPanel->Caption(), names[!english]);
        EXPECT_EQ(Marks(form->Menus().sound), (MarkList{{3, -1}, {3, 0}}));
        EXPECT_EQ(W().hintLabels[3]->Hint() == "L_Button - Return  R_Button - Stay", !english);
        EXPECT_EQ(Messages().size(), 3u) << "switching the language sends nothing";
        Item(menu, 0, 0)->trigger();
    }
    form->Menus(true).percussion->trigger();
    EXPECT_EQ(W().SoundPanel->Caption(), QStringLiteral("ﾊﾟｰｶｯｼｮﾝ"));
    EXPECT_EQ(Marks(form->Menus(true).soundPopup), (MarkList{{16, -1}}));
}

// The display shows the caption the sound was chosen by: the Japanese popup shortens the glockenspiel's,
// and a language switch shows the Sound menu's.
TEST_F(Sound, TheDisplayShowsTheCaptionOfTheMenuChosenFrom) {
    Item(form->Menus(true).soundPopup, 1, 1)->trigger();
    EXPECT_EQ(W().SoundPanel->Caption(), QString::fromUtf8("ｸﾞﾛｯｹﾝ"));
    form->Menus(true).english->trigger();
    form->Menus(false).japanese->trigger();
    EXPECT_EQ(W().SoundPanel->Caption(), QString::fromUtf8("ｸﾞﾛｯｹﾝｼｭﾋﾟｰﾙ"));
}
} // namespace
