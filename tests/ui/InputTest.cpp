// The typing keyboard, the mouse and the controls on the real window, through Qt's own delivery, filters
// and grabs: what reaches the instrument, and what the window then draws. The rules themselves are the
// engine's tests; what a random performance covers (SoakTest) is not repeated here.
#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <functional>

#include "components/SuperTimer/SuperTimer.h"
#include "support/FormFixture.h"
#include "ui/SystemColors.h"

namespace {
class Input : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        StartActive();
    }
};

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
            EXPECT_EQ(pressed->BevelOuter(), platform::TBevelCut::bvRaised);
        }
    EXPECT_GT(overlaps, 0);
}

// The Apps key's release pops up the sound menu under the display, which takes the keyboard at once: a held
// key ends, and while it is open the keys play nothing. A double click presses a panel again, and a click on
// the display pops the menu up too.
TEST_F(Input, TheSoundPopupTakesTheKeyboardAndADoubleClickPressesAgain) {
    Key(QEvent::KeyPress, KEY_Z);
    Key(QEvent::KeyPress, KEY_COMPOSE);
    EXPECT_FALSE(form->Menus().soundPopup->isVisible());
    Key(QEvent::KeyRelease, KEY_COMPOSE);
    ASSERT_TRUE(form->Menus().soundPopup->isVisible());
    EXPECT_EQ(form->Menus().soundPopup->pos(), W().mainPanel->mapToGlobal(QPoint(12, 221)));
    EXPECT_FALSE(State().isHeld(38));
    log->clear();
    Key(QEvent::KeyPress, KEY_X);
    EXPECT_TRUE(log->empty());
    form->Menus().soundPopup->hide();
    QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, At(W().Panel(38)));
    EXPECT_EQ(std::ranges::count(*log, midi::NoteOn(0, 57)), 2) << "a second press";
    Click(W().SoundPanel, Qt::RightButton);
    EXPECT_TRUE(form->Menus().soundPopup->isVisible());
}

// A held control panel steps at the press, once more when the delay ends, then at every repeat tick.
TEST_F(Input, HoldingAControlPanelRepeatsAfterTheDelayAtTheRate) {
    const FormTimers& timers = form->Timers();
    EXPECT_EQ((std::tuple{timers.Delay->Interval(), timers.Repeat->Interval()}), (std::tuple{400, 32}));
    std::vector<int> atRepeats; // the volume as each repeat tick begins
    timers.Repeat->OnTimer = [&, repeat = timers.Repeat->OnTimer](TSuperTimer* timer) {
        atRepeats.push_back(Value(Control::Volume));
        repeat(timer);
    };
    const QPoint pu = At(W().Panel(53));
    QTest::mousePress(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, pu);
    EXPECT_EQ(Value(Control::Volume), 26);
    ASSERT_TRUE(QTest::qWaitFor([&] { return atRepeats.size() >= 2; }, 30000));
    QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, pu);
    EXPECT_EQ(std::vector(atRepeats.begin(), atRepeats.begin() + 2), (std::vector{27, 28}));
    EXPECT_FALSE(timers.Delay->Enabled() || timers.Repeat->Enabled());
}

// The knob follows the pointer's height from where it was taken, wherever the held pointer goes: the window
// system's grab delivers its moves to the window, outside the window too. The top of the track bends fully
// up, the rest position 63 (a step a pixel), 16 pixels lower 47 (to the right of the window as well), the
// bottom fully down. The left button's release returns it to the centre; the right button's leaves it, and
// the bend, where it is.
TEST_F(Input, TheKnobFollowsThePointerHeightAndReturnsToTheCentre) {
    const QPoint grab = At(W().PitchBendPanel, QPoint(0, 3));
    const int rest = W().PitchBendPanel->y(), top = W().PitchBendTrack->y(), right = form->width() - grab.x();
    const struct {
        int dx, dy, knobTop, step;
    } moves[] = {{0, -1000, top, 127},
                 {25, 0, rest, 63},
                 {right + 50, 16, rest + 16, 47},
                 {-1000, 1000, top + State().bendTravel, 0},
                 {0, -1000, top, 127}};
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        QTest::mousePress(form->windowHandle(), button, Qt::NoModifier, grab);
        for (const auto& move : moves) {
            const QPoint at = grab + QPoint(move.dx, move.dy);
            QMouseEvent grabbed(QEvent::MouseMove, at, form->mapToGlobal(at), Qt::NoButton, button,
                                Qt::NoModifier);
            QApplication::sendEvent(form->windowHandle(), &grabbed);
            EXPECT_EQ(W().PitchBendPanel->y(), move.knobTop) << move.dx << ", " << move.dy;
            EXPECT_EQ(log->back(), midi::PitchBend(2, move.step)) << move.dx << ", " << move.dy;
        }
        log->clear();
        QTest::mouseRelease(form->windowHandle(), button, Qt::NoModifier, grab);
        const bool left = button == Qt::LeftButton;
        EXPECT_EQ(log->size(), left ? 4u : 0u);
        EXPECT_EQ(W().PitchBendPanel->y(), left ? rest : top);
    }
}

// "Hm" moves the home-position marks: the black-row panels marked are exactly those that sound nothing.
TEST_F(Input, PositionStepsMarkTheSilentPanels) {
    for (int step = 1; step <= 7; ++step) {
        Click(W().Panel(57));
        for (int number = 1; number <= 37; number += number == 13 ? 13 : 1) {
            log->clear();
            Click(W().Panel(number));
            const bool marked = W().Panel(number)->Color() == ButtonFaceColor();
            EXPECT_EQ(marked, log->empty()) << "Panel" << number << " at shift " << step;
            EXPECT_EQ(W().Panel(number)->FontColor(), marked ? GrayTextColor() : QColor(Qt::white));
        }
    }
}

// Each bar, with either button, switches its own control, and draws it: the transposition's bar counts
// from -46, and its name shows.
TEST_F(Input, EachBarSwitchesItsOwnControlAndDrawsIt) {
    WriteIni("[Sound]\nKey=3\nVolume=3\nModulation=3\nPosShift=3\n");
    StartActive();
    const std::pair<Control, std::int32_t> bars[] = {
        {Control::Volume, 25}, {Control::Modulation, 0}, {Control::Key, 0}, {Control::PosShift, 0}};
    for (const auto& [bar, neutral] : bars) {
        Click(W().Bar(bar));
        EXPECT_EQ(Value(bar), neutral);
        Click(W().Bar(bar), Qt::RightButton);
        EXPECT_EQ(W().Bar(bar)->Position(), bar == Control::Key ? 49 : 3);
    }
    EXPECT_EQ(W().KeyPanel->Caption(), QStringLiteral("D#(0)"));
}

// The circles, their captions, the menu items of both languages and their shortcuts F12 and F11 switch the
// same doubling; the circles and both menus show it. F1 opens the guide.
TEST_F(Input, EachDoublingSwitchesFromItsCircleCaptionMenuAndShortcut) {
    const auto shown = [this] {
        const LanguageMenus &en = form->Menus(false), &ja = form->Menus(true);
        return std::vector{
            en.high->isChecked(), ja.high->isChecked(), W().HighShape->BrushColor() == QColor(0, 255, 0),
            en.low->isChecked(),  ja.low->isChecked(),  W().LowShape->BrushColor() == QColor(0, 255, 0)};
    };
    auto* highCaption = W().mainPanel->findChild<platform::TLabel*>(QStringLiteral("HighCaption"));
    const std::pair<std::function<void()>, std::vector<bool>> steps[] = {
        {[&] { Click(W().HighShape); }, {1, 1, 1, 0, 0, 0}},
        {[&] { Click(W().LowShape, Qt::RightButton); }, {1, 1, 1, 1, 1, 1}},
        {[&] { form->Menus(true).high->trigger(); }, {0, 0, 0, 1, 1, 1}},
        {[&] { QTest::keyClick(form->windowHandle(), Qt::Key_F11); }, {0, 0, 0, 0, 0, 0}},
        {[&] { QTest::keyClick(form->windowHandle(), Qt::Key_F12); }, {1, 1, 1, 0, 0, 0}},
        {[&] { Click(highCaption); }, {0, 0, 0, 0, 0, 0}},
    };
    for (const auto& [act, after] : steps) {
        act();
        EXPECT_EQ(shown(), after);
    }
    EXPECT_TRUE(log->empty()) << "the doublings send nothing and reset nothing";
    QTest::keyClick(form->windowHandle(), Qt::Key_F1);
    EXPECT_EQ(helpCommands, std::vector<std::uint32_t>{platform::HELP_FINDER});
}
// The play options show in the menus of both languages; the pedal's mark and caption show only while Space
// is a pedal, lit while it is down.
TEST_F(Input, ThePlayOptionsShowInBothMenusAndThePedalLightsWhileDown) {
    const auto shown = [this] {
        const LanguageMenus &en = form->Menus(false), &ja = form->Menus(true);
        return std::vector{en.sustain->isChecked(),
                           ja.sustain->isChecked(),
                           en.dynamics->isChecked(),
                           ja.dynamics->isChecked(),
                           W().PedalShape->isVisible(),
                           W().PedalCaption->isVisible(),
                           W().PedalShape->BrushColor() == QColor(0, 255, 0)};
    };
    EXPECT_EQ(shown(), (std::vector<bool>{0, 0, 0, 0, 0, 0, 0}));
    form->Menus(true).sustain->trigger();
    Key(QEvent::KeyPress, KEY_SPACE);
    EXPECT_EQ(shown(), (std::vector<bool>{1, 1, 0, 0, 1, 1, 1}));
    form->Menus(false).dynamics->trigger();
    form->Menus(false).sustain->trigger();
    EXPECT_EQ(shown(), (std::vector<bool>{0, 0, 1, 1, 0, 0, 0}));
}
} // namespace
