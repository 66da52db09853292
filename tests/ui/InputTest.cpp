// The typing keyboard, the mouse and the controls on the real window, through Qt's own delivery, filters
// and grabs: what reaches the instrument, and what the window then draws. The rules themselves are the
// engine's tests; what a random performance covers (SoakTest) is not repeated here.
#include <QAction>
#include <QCursor>
#include <QMenu>
#include <algorithm>
#include <functional>

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
};

TEST_F(Input, LosingTheKeyboardReleasesTheHeldKeys) {
    KeyDown(KEY_Z);
    Clear();
    QWidget other;
    Activate(&other);
    EXPECT_EQ(Messages(), Off(57));
    EXPECT_EQ(W().Panel(38)->BevelOuter(), platform::TBevelCut::bvRaised);
    Activate(form.get());
    Clear();
    KeyUp(KEY_Z);
    EXPECT_TRUE(Messages().empty()) << "its panel is up already";
}

// Where a label overlaps a key panel, a press on the shared pixels presses a key panel.
TEST_F(Input, LabelsLieBeneathTheKeyPanels) {
    int overlaps = 0;
    for (auto* label : W().mainPanel->findChildren<platform::TLabel*>())
        for (int number = 1; number <= 58; ++number) {
            const QRect shared = label->geometry() & W().Panel(number)->geometry();
            if (!W().Panel(number)->isVisible() || shared.isEmpty())
                continue;
            ++overlaps;
            const QPoint at = W().mainPanel->mapTo(form.get(), shared.center());
            QTest::mousePress(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
            auto* pressed = qobject_cast<platform::TPanel*>(W().mainPanel->childAt(shared.center()));
            ASSERT_TRUE(pressed) << label->objectName().toStdString() << " is on top";
            EXPECT_EQ(pressed->BevelOuter(), platform::TBevelCut::bvLowered);
            QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
        }
    EXPECT_GT(overlaps, 0);
}

TEST_F(Input, TheSoundPopupTakesTheKeyboardAndADoubleClickPressesAgain) {
    KeyDown(KEY_Z);
    KeyDown(KEY_COMPOSE);
    EXPECT_FALSE(form->Menus().soundPopup->isVisible());
    Clear();
    KeyUp(KEY_COMPOSE);
    ASSERT_TRUE(form->Menus().soundPopup->isVisible());
    EXPECT_EQ(form->Menus().soundPopup->pos(), W().mainPanel->mapToGlobal(QPoint(12, 221)));
    EXPECT_EQ(Messages(), Off(57));
    Clear();
    KeyDown(KEY_X);
    EXPECT_TRUE(Messages().empty());
    form->Menus().soundPopup->hide();
    QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, At(W().Panel(38)));
    EXPECT_EQ(std::ranges::count(Messages(), midi::NoteOn(0, 57)), 2) << "a second press";
    Click(W().SoundPanel, Qt::RightButton);
    EXPECT_TRUE(form->Menus().soundPopup->isVisible());
}

TEST_F(Input, HoldingAControlPanelRepeatsAfterTheDelayAtTheRate) {
    EXPECT_EQ((std::tuple{form->Timers().Delay->Interval(), form->Timers().Repeat->Interval(),
                          form->Timers().Bend->Interval()}),
              (std::tuple{400, 32, 1}));
    const QPoint pu = At(W().Panel(53));
    QTest::mousePress(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, pu);
    EXPECT_EQ(Value(Control::Volume), 26);
    EXPECT_TRUE(form->Timers().Delay->Enabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return Value(Control::Volume) >= 28; }, 30000));
    EXPECT_EQ(std::pair(form->Timers().Delay->Enabled(), form->Timers().Repeat->Enabled()),
              std::pair(false, true));
    QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, pu);
    EXPECT_FALSE(form->Timers().Repeat->Enabled());
    EXPECT_EQ(W().Bar(Control::Volume)->Position(), Value(Control::Volume));
}

// The knob follows the pointer's height only: the top of its track bends fully up, the rest position 63
// (a step a pixel), the bottom fully down.
TEST_F(Input, TheKnobFollowsThePointerHeightAndReturnsToTheCentre) {
    const QPoint grab = At(W().PitchBendPanel);
    const int rest = W().PitchBendPanel->y(), top = W().PitchBendTrack->y();
    QCursor::setPos(form->mapToGlobal(grab));
    QTest::mousePress(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, grab);
    const struct {
        int dy, knobTop, step;
    } moves[] = {{-1000, top, 127}, {0, rest, 63}, {1000, top + State().bendTravel, 0}};
    for (const auto& move : moves) {
        QCursor::setPos(form->mapToGlobal(grab + QPoint(25, move.dy)));
        ASSERT_TRUE(QTest::qWaitFor([&] { return W().PitchBendPanel->y() == move.knobTop; }, 30000));
        const MsgList sent = Messages();
        EXPECT_EQ(MsgList(sent.end() - 3, sent.end()),
                  (MsgList{midi::PitchBend(0, move.step), midi::PitchBend(1, move.step),
                           midi::PitchBend(2, move.step)}));
    }
    Clear();
    QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, grab);
    EXPECT_EQ(Messages(), (MsgList{midi::PitchBend(0, 64), midi::PitchBend(1, 64), midi::PitchBend(2, 64),
                                   midi::PitchBend(9, 64)}));
    EXPECT_EQ(W().PitchBendPanel->y(), rest);
    // The right button leaves the knob, and the bend, where it is.
    QTest::mousePress(form->windowHandle(), Qt::RightButton, Qt::NoModifier, grab);
    QCursor::setPos(form->mapToGlobal(grab + QPoint(0, -1000)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return W().PitchBendPanel->y() == top; }, 30000));
    QTest::mouseRelease(form->windowHandle(), Qt::RightButton, Qt::NoModifier, grab);
    EXPECT_EQ(Messages().back(), midi::PitchBend(2, 127));
    EXPECT_EQ(W().PitchBendPanel->y(), top);
}

// "Hm" moves the home-position marks: the black-row panels marked are exactly those that sound nothing.
TEST_F(Input, PositionStepsMarkTheSilentPanels) {
    for (int step = 1; step <= 7; ++step) {
        Click(W().Panel(57));
        EXPECT_EQ(W().Bar(Control::PosShift)->Position(), std::min(step, 6));
        for (int number = 1; number <= 37; number += number == 13 ? 13 : 1) {
            Clear();
            Click(W().Panel(number));
            const bool marked = W().Panel(number)->Color() == ButtonFaceColor();
            EXPECT_EQ(marked, Messages().empty()) << "Panel" << number << " at shift " << step;
            EXPECT_EQ(W().Panel(number)->FontColor(), marked ? GrayTextColor() : QColor(Qt::white));
        }
    }
}

// Each bar switches its own control, and draws it: the transposition's bar counts from -46.
TEST_F(Input, EachBarClickTogglesItsOwnValueBetweenNeutralAndSaved) {
    WriteIni("[Sound]\nKey=3\nVolume=3\nModulation=3\nPosShift=3\n");
    StartActive();
    const std::pair<Control, std::int32_t> bars[] = {
        {Control::Volume, 25}, {Control::Modulation, 0}, {Control::Key, 0}, {Control::PosShift, 0}};
    for (const auto& [bar, neutral] : bars) {
        Clear();
        Click(W().Bar(bar));
        for (const auto& [other, unused] : bars)
            EXPECT_EQ(Value(other), other == bar ? neutral : 3);
        EXPECT_EQ(Events().front(), Reset());
        Click(W().Bar(bar), Qt::RightButton);
        EXPECT_EQ(Value(bar), 3);
        EXPECT_EQ(W().Bar(bar)->Position(), bar == Control::Key ? 49 : 3);
    }
    EXPECT_EQ(W().KeyPanel->Caption(), QStringLiteral("D#(0)"));
}

// The circles, their captions, the menu items of both languages and their shortcuts F12 and F11 switch the
// same doubling; the circles and both menus show it.
TEST_F(Input, EachDoublingSwitchesFromItsCircleCaptionMenuAndShortcut) {
    const auto shown = [this] {
        const LanguageMenus &en = form->Menus(false), &ja = form->Menus(true);
        return std::vector{
            en.high->isChecked(), ja.high->isChecked(), W().HighShape->BrushColor() == QColor(0, 255, 0),
            en.low->isChecked(),  ja.low->isChecked(),  W().LowShape->BrushColor() == QColor(0, 255, 0)};
    };
    auto* highCaption = W().mainPanel->findChild<platform::TLabel*>(QStringLiteral("HighCaption"));
    const struct {
        std::function<void()> act;
        std::vector<bool> after;
    } steps[] = {
        {[&] { Click(W().HighShape); }, {1, 1, 1, 0, 0, 0}},
        {[&] { Click(W().LowShape, Qt::RightButton); }, {1, 1, 1, 1, 1, 1}},
        {[&] { form->Menus(true).high->trigger(); }, {0, 0, 0, 1, 1, 1}},
        {[&] { QTest::keyClick(form->windowHandle(), Qt::Key_F11); }, {0, 0, 0, 0, 0, 0}},
        {[&] { QTest::keyClick(form->windowHandle(), Qt::Key_F12); }, {1, 1, 1, 0, 0, 0}},
        {[&] { Click(highCaption); }, {0, 0, 0, 0, 0, 0}},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(shown(), step.after);
    }
    EXPECT_TRUE(Events().empty()) << "the doublings send nothing and reset nothing";
}

TEST_F(Input, F1OpensTheGuide) {
    QTest::keyClick(form->windowHandle(), Qt::Key_F1);
    EXPECT_EQ(helpCommands, std::vector<std::uint32_t>{platform::HELP_FINDER});
}
} // namespace
