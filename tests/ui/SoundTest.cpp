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

TEST_F(Sound, AnyOfTheFourMenusChoosesTheInstrument) {
    QMenu* menus[] = {form->MainMenuJ.Sound, form->SoundPopupJ, form->MainMenuE.Sound, form->SoundPopupE};
    for (QMenu* menu : menus) {
        const bool english = menu == menus[2] || menu == menus[3];
        if (english)
            form->English1Click();
        Clear();
        Item(menu, 3, 0)->trigger();
        EXPECT_EQ(Messages(), (MsgList{ProgramChange(0, 24), ProgramChange(1, 24), ProgramChange(2, 24)}));
        EXPECT_EQ(form->SoundPanel->Caption(),
                  QString::fromUtf8(english ? "Acoustic guitar (nylon)" : "ｱｺｰｽﾃｨｯｸ ｷﾞﾀｰ(ﾅｲﾛﾝ)"));
        EXPECT_EQ(Marks(form->Menu->Sound), Marks(form->SoundPopup));
        EXPECT_EQ(Marks(form->SoundPopup), (MarkList{{3, -1}, {3, 0}}));
        Item(menu, 0, 0)->trigger();
    }
}

TEST_F(Sound, PercussionAndTheLanguageSwitchSendNothingAndRenewDisplayAndMarks) {
    Item(form->SoundPopupJ, 1, 1)->trigger();
    EXPECT_EQ(form->SoundPanel->Caption(), QStringLiteral("ｸﾞﾛｯｹﾝ"));
    Clear();
    form->English2->trigger();
    EXPECT_EQ(form->menuBar()->actions().first(), form->MainMenuE.Sound->menuAction());
    EXPECT_EQ(form->SoundPanel->Caption(), QStringLiteral("Glockenspiel"));
    EXPECT_EQ(Marks(form->SoundPopupE), (MarkList{{1, -1}, {1, 1}}));
    EXPECT_EQ(Marks(form->MainMenuJ.Sound), Marks(form->SoundPopupJ)) << "none";
    EXPECT_TRUE(form->English1->isChecked() && !form->Japanese1->isChecked());
    EXPECT_EQ(form->PitLabel->Hint(), QStringLiteral("L_Button - Return  R_Button - Stay"));
    form->Japanese1->trigger();
    EXPECT_EQ(form->SoundPanel->Caption(), QStringLiteral("ｸﾞﾛｯｹﾝｼｭﾋﾟｰﾙ"));
    form->N13->trigger();
    EXPECT_EQ(form->ChannelBase, 9);
    EXPECT_EQ(Marks(form->MainMenuJ.Sound), (MarkList{{16, -1}}));
    form->English1Click();
    EXPECT_EQ(form->SoundPanel->Caption(), QStringLiteral("Percussion"));
    EXPECT_TRUE(Events().empty());
    Item(form->MainMenuE.Sound, 2, 1)->trigger();
    EXPECT_EQ(form->ChannelBase, 0);
    EXPECT_EQ(Marks(form->MainMenuE.Sound), (MarkList{{2, -1}, {2, 1}}));
}

} // namespace
