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
// same doubling, and the play options switch from the menus of either language: both menus and the circles
// show them, and the pedal's mark and caption only while Space is a pedal, lit while it is down. Only the
// pedal sends. With dynamics a typing key strikes by its modifiers, and a click by its height on the panel.
TEST_F(Input, TheDoublingsAndPlayOptionsSwitchFromEveryControlAndShow) {
    // The English menus' High, Low, Sustain and Dynamics checked, the Japanese menus' likewise; the High, Low
    // and pedal marks lit; the pedal's caption shown.
    const auto shown = [this] {
        std::vector<bool> marks;
        for (bool japanese : {false, true})
            for (QAction* LanguageMenus::*item : {&LanguageMenus::high, &LanguageMenus::low,
                                                  &LanguageMenus::sustain, &LanguageMenus::dynamics})
                marks.push_back((form->Menus(japanese).*item)->isChecked());
        for (platform::TShape* shape : {W().HighShape, W().LowShape, W().PedalShape})
            marks.push_back(shape->isVisible() && shape->BrushColor() == QColor(0, 255, 0));
        marks.push_back(W().PedalCaption->isVisible());
        return marks;
    };
    auto* highCaption = W().mainPanel->findChild<platform::TLabel*>(QStringLiteral("HighCaption"));
    // clang-format off
    const std::pair<std::function<void()>, std::vector<bool>> steps[] = {
        {[&] { Click(W().HighShape); },                                  {1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0}},
        {[&] { Click(W().LowShape, Qt::RightButton); },                  {1, 1, 0, 0, 1, 1, 0, 0, 1, 1, 0, 0}},
        {[&] { form->Menus(true).high->trigger(); },                     {0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0}},
        {[&] { QTest::keyClick(form->windowHandle(), Qt::Key_F11); },    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {[&] { QTest::keyClick(form->windowHandle(), Qt::Key_F12); },    {1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0}},
        {[&] { Click(highCaption); },                                    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {[&] { form->Menus(true).sustain->trigger(); },                  {0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 1}},
        {[&] { Key(QEvent::KeyPress, KEY_SPACE); },                      {0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 1}},
        {[&] { form->Menus(false).dynamics->trigger(); },                {0, 0, 1, 1, 0, 0, 1, 1, 0, 0, 1, 1}},
        {[&] { form->Menus(false).sustain->trigger(); },                 {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0}},
    };
    // clang-format on
    for (const auto& [act, after] : steps) {
        act();
        EXPECT_EQ(shown(), after);
    }
    EXPECT_EQ(log->size(), 8u) << "the pedal down and up on the four controller channels, and nothing else";
    for (const Qt::KeyboardModifier modifier : {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier}) {
        Key(QEvent::KeyPress, KEY_Z, false, modifier);
        Key(QEvent::KeyRelease, KEY_Z);
    }
    const int top = -W().Panel(38)->rect().center().y(), bottom = top + W().Panel(38)->height() - 1;
    for (int dy : {top, bottom})
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          At(W().Panel(38), QPoint(0, dy)));
    std::vector<std::uint32_t> velocities;
    for (const std::uint32_t msg : *log)
        if ((msg & 0xF0) == 0x90)
            velocities.push_back(msg >> 16);
    EXPECT_EQ(velocities, (std::vector<std::uint32_t>{100, 127, 64, 40, 127}));
}
} // namespace
