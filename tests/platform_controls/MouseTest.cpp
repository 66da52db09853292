#include "ControlsTestSupport.h"

#include <QTest>
#include <gtest/gtest.h>

using controls_test::Kind;
using controls_test::MouseLog;
using controls_test::MouseRecord;
using platform::TPanel;

namespace {

enum class Action { Press, DoubleClick, Release };

struct DirectCase {
    const char* name;
    Action action;
    Qt::MouseButton button;
    QPoint pos;
    Kind expected;
};

constexpr DirectCase directCases[] = {
    {"left_press", Action::Press, Qt::LeftButton, {3, 4}, Kind::Down},
    {"left_double_click", Action::DoubleClick, Qt::LeftButton, {20, 5}, Kind::Down},
    {"left_release", Action::Release, Qt::LeftButton, {30, 31}, Kind::Up},
    {"right_press", Action::Press, Qt::RightButton, {1, 1}, Kind::Down},
    {"right_release", Action::Release, Qt::RightButton, {2, 37}, Kind::Up},
    {"middle_double_click", Action::DoubleClick, Qt::MiddleButton, {10, 10}, Kind::Down},
    {"middle_release", Action::Release, Qt::MiddleButton, {37, 0}, Kind::Up},
};

void send(QWidget& widget, Action action, Qt::MouseButton button, QPoint pos) {
    switch (action) {
    case Action::Press:
        QTest::mousePress(&widget, button, {}, pos);
        break;
    case Action::DoubleClick:
        QTest::mouseDClick(&widget, button, {}, pos);
        break;
    case Action::Release:
        QTest::mouseRelease(&widget, button, {}, pos);
        break;
    }
}

class PanelMouseDirect : public ::testing::TestWithParam<DirectCase> {};

TEST_P(PanelMouseDirect, EachEventIsOneSignal) {
    const DirectCase& c = GetParam();
    TPanel panel;
    panel.resize(38, 38);
    MouseLog log;
    log.watch(panel);
    send(panel, c.action, c.button, c.pos);
    const std::vector<MouseRecord> want{{c.expected, &panel, c.button, c.pos}};
    EXPECT_EQ(log.records, want);
}

INSTANTIATE_TEST_SUITE_P(Events, PanelMouseDirect, ::testing::ValuesIn(directCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Two key panels side by side in a shown window, driven through the window as the window system does.
class PanelMouseWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(120, 60);
        first = new TPanel(&window);
        first->setGeometry(10, 10, 38, 38);
        second = new TPanel(&window);
        second->setGeometry(46, 10, 38, 38);
        log.watch(*first);
        log.watch(*second);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWindow* handle() { return window.windowHandle(); }

    QWidget window;
    TPanel* first = nullptr;
    TPanel* second = nullptr;
    MouseLog log;
};

TEST_F(PanelMouseWindow, ReleaseOverAnotherPanelReachesThePressedOne) {
    QTest::mousePress(handle(), Qt::LeftButton, {}, {20, 20});
    QTest::mouseMove(handle(), {70, 20});
    QTest::mouseRelease(handle(), Qt::LeftButton, {}, {70, 20});
    const std::vector<MouseRecord> want{{Kind::Down, first, Qt::LeftButton, {10, 10}},
                                        {Kind::Up, first, Qt::LeftButton, {60, 10}}};
    EXPECT_EQ(log.records, want);
}

TEST_F(PanelMouseWindow, ReleaseOutsideTheWindowReachesThePressedPanel) {
    QTest::mousePress(handle(), Qt::LeftButton, {}, {70, 20});
    QTest::mouseRelease(handle(), Qt::LeftButton, {}, {115, 55});
    const std::vector<MouseRecord> want{{Kind::Down, second, Qt::LeftButton, {24, 10}},
                                        {Kind::Up, second, Qt::LeftButton, {69, 45}}};
    EXPECT_EQ(log.records, want);
}

// Qt turns the second press of a double click into a double-click event; the panel must still report
// exactly one press per press, as the window system's own sequence has it.
TEST_F(PanelMouseWindow, DoubleClickIsTwoPressesAndTwoReleases) {
    QTest::mouseDClick(handle(), Qt::RightButton, {}, {15, 40});
    const MouseRecord down{Kind::Down, first, Qt::RightButton, {5, 30}};
    const MouseRecord up{Kind::Up, first, Qt::RightButton, {5, 30}};
    const std::vector<MouseRecord> want{down, up, down, up};
    EXPECT_EQ(log.records, want);
}

TEST_F(PanelMouseWindow, BevelOnTopLetsTheClickThrough) {
    auto* frame = new platform::TBevel(&window);
    frame->setGeometry(0, 0, 120, 60);
    frame->show();
    frame->raise();
    QTest::mouseClick(handle(), Qt::LeftButton, {}, {60, 30});
    const std::vector<MouseRecord> want{{Kind::Down, second, Qt::LeftButton, {14, 20}},
                                        {Kind::Up, second, Qt::LeftButton, {14, 20}}};
    EXPECT_EQ(log.records, want);
}

TEST_F(PanelMouseWindow, PanelsNeverTakeTheFocus) {
    QTest::mouseClick(handle(), Qt::LeftButton, {}, {20, 20});
    EXPECT_EQ(first->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(first->hasFocus());
}

} // namespace
