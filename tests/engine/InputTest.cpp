// The typing keyboard, the mouse and the controls on the real window, through Qt's own delivery, filters
// and grabs. What a random performance covers (SoakTest) is not repeated here.
#include <QAction>
#include <QCursor>
#include <QMenu>
#include <algorithm>

#include "components/SuperTimer/SuperTimer.h"
#include "support/FormFixture.h"
#include "ui/SystemColors.h"

using MsgList = std::vector<std::uint32_t>;

namespace {
// A note's Note Off and those of both doublings.
MsgList Off(int note) {
    return {midi::NoteOff(0, note), midi::NoteOff(1, note + 12), midi::NoteOff(2, note - 12)};
}

class Input : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        StartActive();
    }
    std::vector<MidiEvent> ResetAndControllers() const {
        std::vector events = {Reset()};
        for (const auto& [controller, value] : {std::pair{7, form->Volume}, std::pair{1, form->Modulation}})
            for (int channel : {0, 1, 2, 9})
                events.push_back(Msg(midi::ControlChange(channel, controller, midi::ControllerValue(value))));
        return events;
    }
};

TEST_F(Input, LosingTheKeyboardReleasesTheHeldKeys) {
    KeyDown(KEY_Z);
    Clear();
    QWidget other;
    Activate(&other);
    EXPECT_EQ(Messages(), Off(57));
    EXPECT_EQ(form->Panel(38)->BevelOuter(), platform::TBevelCut::bvRaised);
    Activate(form.get());
    Clear();
    KeyUp(KEY_Z);
    EXPECT_TRUE(Messages().empty()) << "its panel is up already";
}

// Where a label overlaps a key panel, a press on the shared pixels presses a key panel.
TEST_F(Input, LabelsLieBeneathTheKeyPanels) {
    int overlaps = 0;
    for (auto* label : form->MainPanel->findChildren<platform::TLabel*>())
        for (int number = 1; number <= 58; ++number) {
            const QRect shared = label->geometry() & form->Panel(number)->geometry();
            if (!form->Panel(number)->isVisible() || shared.isEmpty())
                continue;
            ++overlaps;
            const QPoint at = form->MainPanel->mapTo(form.get(), shared.center());
            QTest::mousePress(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
            auto* pressed = qobject_cast<platform::TPanel*>(form->MainPanel->childAt(shared.center()));
            ASSERT_TRUE(pressed) << label->objectName().toStdString() << " is on top";
            EXPECT_EQ(pressed->BevelOuter(), platform::TBevelCut::bvLowered);
            QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
        }
    EXPECT_GT(overlaps, 0);
}

TEST_F(Input, TheSoundPopupTakesTheKeyboardAndADoubleClickPressesAgain) {
    KeyDown(KEY_Z);
    KeyDown(KEY_COMPOSE);
    EXPECT_FALSE(form->SoundPopup->isVisible());
    Clear();
    KeyUp(KEY_COMPOSE);
    ASSERT_TRUE(form->SoundPopup->isVisible());
    EXPECT_EQ(form->SoundPopup->pos(), form->MainPanel->mapToGlobal(QPoint(12, 221)));
    EXPECT_EQ(Messages(), Off(57));
    Clear();
    KeyDown(KEY_X);
    EXPECT_TRUE(Messages().empty());
    form->SoundPopup->hide();
    QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, At(form->Panel(38)));
    EXPECT_EQ(std::ranges::count(Messages(), midi::NoteOn(0, 57)), 2) << "a second press";
    Click(form->SoundPanel, Qt::RightButton);
    EXPECT_TRUE(form->SoundPopup->isVisible());
}

TEST_F(Input, HoldingAControlPanelRepeatsAfterTheDelayAtTheRate) {
    EXPECT_EQ((std::tuple{form->SuperTimer1->Interval(), form->SuperTimer2->Interval(),
                          form->SuperTimer3->Interval()}),
              (std::tuple{400, 32, 1}));
    form->Volume = 0;
    const QPoint pu = At(form->Panel(53));
    QTest::mousePress(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, pu);
    EXPECT_EQ(form->Volume, 1);
    EXPECT_TRUE(form->SuperTimer1->Enabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->Volume >= 3; }, 30000));
    EXPECT_EQ(std::pair(form->SuperTimer1->Enabled(), form->SuperTimer2->Enabled()), std::pair(false, true));
    QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, pu);
    EXPECT_FALSE(form->SuperTimer2->Enabled());
}

// The knob follows the pointer's height only: the top of its track bends fully up, the rest position 63
// (a step a pixel), the bottom fully down.
TEST_F(Input, TheKnobFollowsThePointerHeightAndReturnsToTheCentre) {
    const QPoint grab = At(form->PitchBendPanel);
    const int rest = form->PitchBendPanel->y(), top = form->PitchBendPanel2->y();
    QCursor::setPos(form->mapToGlobal(grab));
    QTest::mousePress(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, grab);
    const struct {
        int dy, knobTop, step;
    } moves[] = {{-1000, top, 127}, {0, rest, 63}, {1000, top + form->BendTravel, 0}};
    for (const auto& move : moves) {
        QCursor::setPos(form->mapToGlobal(grab + QPoint(25, move.dy)));
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->PitchBendPanel->y() == move.knobTop; }, 30000));
        const MsgList sent = Messages();
        EXPECT_EQ(MsgList(sent.end() - 3, sent.end()),
                  (MsgList{midi::PitchBend(0, move.step), midi::PitchBend(1, move.step),
                           midi::PitchBend(2, move.step)}));
    }
    Clear();
    QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, grab);
    EXPECT_EQ(Messages(), (MsgList{midi::PitchBend(0, 64), midi::PitchBend(1, 64), midi::PitchBend(2, 64),
                                   midi::PitchBend(9, 64)}));
    EXPECT_EQ(form->PitchBendPanel->y(), rest);
}

// A click on each control panel: one step, never past its bound, and the reset, the saved copy and the
// controllers every time.
TEST_F(Input, EachControlPanelStepsItsValueWithinItsBounds) {
    const struct {
        int panel, before, after;
    } cases[] = {
        // clang-format off
        {50, -34, -46},
        {50, -35, -35},
        {53, 31, 32},
        {53, 32, 32},
        {54, 0, 0},
        {55, 31, 32},
        {55, 32, 32},
        {56, 1, 0},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Panel" << c.panel << " from " << c.before);
        auto [value, saved] = c.panel <= 52   ? std::tie(form->Key, form->SavedKey)
                              : c.panel <= 54 ? std::tie(form->Volume, form->SavedVolume)
                                              : std::tie(form->Modulation, form->SavedModulation);
        value = c.before;
        saved = 5;
        Clear();
        Click(form->Panel(c.panel));
        EXPECT_EQ(value, c.after);
        EXPECT_EQ(saved, c.after);
        EXPECT_EQ(Events(), ResetAndControllers());
    }
    EXPECT_EQ(form->KeyPanel->Caption(), QStringLiteral("D(-4)"));
}

// "Hm" moves the home-position marks: the black-row panels marked are exactly those that sound nothing.
TEST_F(Input, PositionStepsMarkTheSilentPanelsAndSendNoControllers) {
    for (int step = 1; step <= 7; ++step) {
        Clear();
        Click(form->Panel(57));
        EXPECT_EQ(Events(), std::vector{Reset()});
        EXPECT_EQ(form->PosShift, std::min(step, 6));
        for (int number = 1; number <= 37; number += number == 13 ? 13 : 1) {
            Clear();
            Click(form->Panel(number));
            const bool marked = form->Panel(number)->Color() == ButtonFaceColor();
            EXPECT_EQ(marked, Messages().empty()) << "Panel" << number << " at shift " << form->PosShift;
            EXPECT_EQ(form->Panel(number)->FontColor(), marked ? GrayTextColor() : QColor(Qt::white));
        }
    }
    EXPECT_EQ(form->SavedPosShift, 6);
    EXPECT_EQ(form->PosShiftProgressBar->Position(), 6);
}

TEST_F(Input, EachBarClickTogglesItsOwnValueBetweenNeutralAndSaved) {
    const struct {
        platform::TProgressBar* TMainForm::*bar;
        std::int32_t TMainForm::*field, TMainForm::*saved;
        std::int32_t neutral;
    } bars[] = {{&TMainForm::VolumeProgressBar, &TMainForm::Volume, &TMainForm::SavedVolume, 25},
                {&TMainForm::ModulationProgressBar, &TMainForm::Modulation, &TMainForm::SavedModulation, 0},
                {&TMainForm::KeyProgressBar, &TMainForm::Key, &TMainForm::SavedKey, 0},
                {&TMainForm::PosShiftProgressBar, &TMainForm::PosShift, &TMainForm::SavedPosShift, 0}};
    for (const auto& bar : bars) {
        for (const auto& other : bars)
            (*form).*other.field = (*form).*other.saved = 3;
        Clear();
        Click((*form).*bar.bar);
        for (const auto& other : bars)
            EXPECT_EQ((*form).*other.field, &other == &bar ? bar.neutral : 3);
        EXPECT_EQ(Events().front(), Reset());
        Click((*form).*bar.bar, Qt::RightButton);
        EXPECT_EQ((*form).*bar.field, 3);
        EXPECT_EQ(((*form).*bar.bar)->Position(), bar.field == &TMainForm::Key ? 49 : 3);
    }
    EXPECT_EQ(form->KeyPanel->Caption(), QStringLiteral("D#(0)"));
}

TEST_F(Input, EachCircleTogglesItsOwnDoublingWithBothMenus) {
    Click(form->HighShape);
    EXPECT_TRUE(form->High1->isChecked() && form->High2->isChecked());
    EXPECT_FALSE(form->Low1->isChecked());
    EXPECT_EQ(form->HighShape->BrushColor(), QColor(0, 255, 0));
    Click(form->LowShape, Qt::RightButton);
    EXPECT_TRUE(form->Low1->isChecked() && form->Low2->isChecked());
    form->High2->trigger(); // the Japanese menu's item
    EXPECT_FALSE(form->High1->isChecked());
    EXPECT_EQ(form->HighShape->BrushColor(), QColor(0, 128, 0));
    EXPECT_TRUE(Events().empty()) << "the toggles send nothing and reset nothing";
}
} // namespace
