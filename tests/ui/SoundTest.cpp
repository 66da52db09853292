// Choosing the sound from all four menus, the check marks, the display, and the menu language.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "support/FormFixture.h"

using midi::ProgramChange;
using MsgList = std::vector<std::uint32_t>;

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
    static QAction* Entry(QMenu* menu, int group) { return menu->actions()[group]; }
    // Every checked entry and item of a menu, as (group, item) with item -1 for an entry.
    static std::vector<std::pair<int, int>> Marks(QMenu* menu) {
        std::vector<std::pair<int, int>> marks;
        const auto entries = menu->actions();
        for (int g = 0; g < entries.size(); ++g) {
            if (entries[g]->isChecked())
                marks.emplace_back(g, -1);
            if (QMenu* group = entries[g]->menu())
                for (int i = 0; i < group->actions().size(); ++i)
                    if (group->actions()[i]->isChecked())
                        marks.emplace_back(g, i);
        }
        return marks;
    }
    using MarkList = std::vector<std::pair<int, int>>;
};

TEST_F(Sound, AnyOfTheFourMenusChoosesTheInstrument) {
    const struct {
        QMenu* TMainForm::*menu;
        bool english;
        const char* display;
    } cases[] = {{nullptr, false, "ｱｺｰｽﾃｨｯｸ ｷﾞﾀｰ(ﾅｲﾛﾝ)"},
                 {&TMainForm::SoundPopupJ, false, "ｱｺｰｽﾃｨｯｸ ｷﾞﾀｰ(ﾅｲﾛﾝ)"},
                 {nullptr, true, "Acoustic guitar (nylon)"},
                 {&TMainForm::SoundPopupE, true, "Acoustic guitar (nylon)"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.display);
        if (c.english)
            form->English1Click();
        Clear();
        QMenu* menu = c.menu ? (*form).*c.menu : (c.english ? form->MainMenuE.Sound : form->MainMenuJ.Sound);
        Item(menu, 3, 0)->trigger();
        EXPECT_EQ(Messages(), (MsgList{ProgramChange(0, 24), ProgramChange(1, 24), ProgramChange(2, 24)}));
        EXPECT_EQ(form->Index1, 3);
        EXPECT_EQ(form->Index2, 0);
        EXPECT_EQ(form->ChannelBase, 0);
        EXPECT_EQ(form->SoundPanel->Caption(), QString::fromUtf8(c.display));
        EXPECT_EQ(Marks(form->Menu->Sound), (MarkList{{3, -1}, {3, 0}}));
        EXPECT_EQ(Marks(form->SoundPopup), (MarkList{{3, -1}, {3, 0}}));
        Item(menu, 0, 0)->trigger();
    }
}

TEST_F(Sound, ChoosingTheCurrentInstrumentAgainResendsAndKeepsTheMarks) {
    Item(form->MainMenuJ.Sound, 0, 0)->trigger();
    EXPECT_EQ(Messages(), (MsgList{ProgramChange(0, 0), ProgramChange(1, 0), ProgramChange(2, 0)}));
    EXPECT_EQ(Marks(form->MainMenuJ.Sound), (MarkList{{0, -1}, {0, 0}}));
}

TEST_F(Sound, PercussionSendsNothingAndMarksOnlyItsEntry) {
    form->N13->trigger();
    EXPECT_TRUE(Events().empty());
    EXPECT_EQ(form->ChannelBase, 9);
    EXPECT_EQ(form->Index1, 16);
    EXPECT_EQ(form->Index2, 0);
    EXPECT_EQ(form->SoundPanel->Caption(), QStringLiteral("ﾊﾟｰｶｯｼｮﾝ"));
    EXPECT_EQ(Marks(form->MainMenuJ.Sound), (MarkList{{16, -1}}));
    Item(form->MainMenuJ.Sound, 2, 1)->trigger();
    EXPECT_EQ(form->ChannelBase, 0);
    EXPECT_EQ(Marks(form->MainMenuJ.Sound), (MarkList{{2, -1}, {2, 1}}));
    EXPECT_EQ(Marks(form->MainMenuE.Sound), MarkList{}) << "menus that are not attached carry no marks";
}

TEST_F(Sound, SpecialCaptionsShowAsDesigned) {
    const struct {
        int group, item;
        bool popup;
        const char* display;
    } cases[] = {{12, 4, false, "明るさ（&B)"},
                 {10, 4, false, "ｼｬﾗﾝｸﾞ "},
                 {1, 1, false, "ｸﾞﾛｯｹﾝｼｭﾋﾟｰﾙ"},
                 {1, 1, true, "ｸﾞﾛｯｹﾝ"},
                 {14, 5, false, "ﾒﾛﾃﾞﾞｨｯｸ ﾀﾑ"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.display);
        Item(c.popup ? form->SoundPopupJ : form->MainMenuJ.Sound, c.group, c.item)->trigger();
        EXPECT_EQ(form->SoundPanel->Caption(), QString::fromUtf8(c.display));
        EXPECT_EQ(form->Index1, c.group);
        EXPECT_EQ(form->Index2, c.item);
    }
}

TEST_F(Sound, LanguageSwitchRenewsMenusDisplayMarksAndHints) {
    Item(form->SoundPopupJ, 1, 1)->trigger();
    EXPECT_EQ(form->SoundPanel->Caption(), QStringLiteral("ｸﾞﾛｯｹﾝ"));
    Clear();
    form->English2->trigger();
    EXPECT_EQ(form->Menu, &form->MainMenuE);
    EXPECT_EQ(form->SoundPopup, form->SoundPopupE);
    EXPECT_EQ(form->menuBar()->actions().first(), form->MainMenuE.Sound->menuAction());
    EXPECT_EQ(form->SoundPanel->Caption(), QStringLiteral("Glockenspiel"));
    EXPECT_EQ(Marks(form->MainMenuE.Sound), (MarkList{{1, -1}, {1, 1}}));
    EXPECT_EQ(Marks(form->MainMenuJ.Sound), MarkList{});
    EXPECT_EQ(Marks(form->SoundPopupJ), MarkList{});
    EXPECT_TRUE(form->English1->isChecked());
    EXPECT_FALSE(form->Japanese1->isChecked());
    EXPECT_EQ(form->PitLabel->Hint(), QStringLiteral("L_Button - Return  R_Button - Stay"));
    form->Japanese1->trigger();
    EXPECT_EQ(form->SoundPanel->Caption(), QStringLiteral("ｸﾞﾛｯｹﾝｼｭﾋﾟｰﾙ"));
    EXPECT_EQ(form->KeyLabel->Hint(), QStringLiteral("音程"));
    EXPECT_TRUE(form->Japanese2->isChecked());
    EXPECT_TRUE(Events().empty()) << "switching the language sends nothing";

    form->Percussion3->trigger();
    form->English1Click();
    EXPECT_EQ(form->SoundPanel->Caption(), QStringLiteral("Percussion"));
    form->Japanese1Click();
    EXPECT_EQ(form->SoundPanel->Caption(), QStringLiteral("ﾊﾟｰｶｯｼｮﾝ"));
}

TEST_F(Sound, TheSoundPanelOpensThePopupOnAnyButton) {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        emit form->SoundPanel->MouseUp(form->SoundPanel, button, QPoint(3, 3));
        EXPECT_TRUE(form->SoundPopup->isVisible());
        form->SoundPopup->hide();
    }
}

TEST_F(Sound, HelpCommandGoesToTheHelpEngine) {
    form->Help4->trigger();
    EXPECT_EQ(helpCommands, (std::vector<std::uint32_t>{platform::HELP_FINDER}));
}
} // namespace
