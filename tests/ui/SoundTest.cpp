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
    QMenu* menus[] = {form->MainMenuJ.Sound, form->SoundPopupJ, form->MainMenuE.Sound, form->SoundPopupE};
    for (QMenu* menu : menus) {
        const bool english = menu == menus[2] || menu == menus[3];
        (english ? form->English2 : form->Japanese1)->trigger();
        Clear();
        Item(menu, 3, 0)->trigger();
        EXPECT_EQ(Messages(), (MsgList{ProgramChange(0, 24), ProgramChange(1, 24), ProgramChange(2, 24)}));
        EXPECT_EQ(form->SoundPanel->Caption(), names[english]);
        EXPECT_EQ(Marks(form->Menu->Sound), Marks(form->SoundPopup));
        EXPECT_EQ(Marks(form->SoundPopup), (MarkList{{3, -1}, {3, 0}}));
        (english ? form->Japanese2 : form->English1)->trigger();
        EXPECT_EQ(form->menuBar()->actions().first(), form->Menu->Sound->menuAction());
        EXPECT_EQ(form->SoundPanel->Caption(), names[!english]);
        EXPECT_EQ(Marks(form->Menu->Sound), (MarkList{{3, -1}, {3, 0}}));
        EXPECT_EQ(form->PitLabel->Hint() == "L_Button - Return  R_Button - Stay", !english);
        EXPECT_EQ(Messages().size(), 3u) << "switching the language sends nothing";
        Item(menu, 0, 0)->trigger();
    }
    form->Percussion3->trigger();
    EXPECT_EQ(form->SoundPanel->Caption(), QStringLiteral("ﾊﾟｰｶｯｼｮﾝ"));
    EXPECT_EQ(Marks(form->SoundPopupJ), (MarkList{{16, -1}}));
}
} // namespace
