#include <QImage>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/controls/Panel.h"

using namespace platform;

namespace {

QImage render(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRgb role(const QWidget& widget, QPalette::ColorRole r) {
    return widget.palette().color(r).rgb();
}

// One letter per ring from the edge inwards: B black, L light, D dark, C the panel's Color.
TEST(PanelLook, BevelsAndBorderFromTheEdgeInwards) {
    const struct {
        bool border;
        TBevelCut outer, inner;
        int width;
        const char *topLeft, *bottomRight;
    } cases[] = {
        {false, TBevelCut::bvRaised, TBevelCut::bvNone, 1, "LC", "DC"},
        {false, TBevelCut::bvLowered, TBevelCut::bvNone, 1, "DC", "LC"},
        {true, TBevelCut::bvNone, TBevelCut::bvNone, 1, "BC", "BC"},
        {true, TBevelCut::bvLowered, TBevelCut::bvRaised, 3, "BDDDLLLC", "BLLLDDDC"},
    };
    for (const auto& c : cases) {
        TPanel panel;
        panel.resize(38, 30);
        panel.setColor(QColor(10, 120, 200));
        panel.setBorderSingle(c.border);
        panel.setBevelOuter(c.outer);
        panel.setBevelInner(c.inner);
        panel.setBevelWidth(c.width);
        const QImage image = render(panel);
        const QRgb colours[] = {QColor(Qt::black).rgb(), role(panel, QPalette::Light),
                                role(panel, QPalette::Dark), panel.Color().rgb()};
        const auto want = [&](char letter) { return colours[std::string("BLDC").find(letter)]; };
        for (int i = 0; c.topLeft[i] != '\0'; ++i) {
            EXPECT_EQ(image.pixel(i, i), want(c.topLeft[i])) << c.topLeft << " top left, ring " << i;
            EXPECT_EQ(image.pixel(37 - i, 29 - i), want(c.bottomRight[i]))
                << c.topLeft << " bottom right, ring " << i;
        }
    }
}

// The caption in FontColor about the centre; YenForBackslash draws a "\\" caption as the yen sign.
TEST(PanelLook, CaptionInFontColorNearTheCentre) {
    QWidget owner;
    TPanel* panels[2];
    for (TPanel*& panel : panels) {
        panel = new TPanel(&owner);
        panel->resize(38, 38);
        panel->setColor(Qt::black);
        panel->setFontColor(QColor(255, 255, 0));
    }
    panels[0]->setCaption("W");
    panels[1]->setCaption(QString(QChar(0x00A5)));
    const QImage image = render(*panels[0]);
    QRect ink;
    for (int y = 2; y < 36; ++y) {
        for (int x = 2; x < 36; ++x) {
            if (image.pixel(x, y) == qRgb(255, 255, 0))
                ink |= QRect(x, y, 1, 1);
        }
    }
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), 18.5, 1.5);
    EXPECT_NEAR(ink.center().y(), 18.5, 2.5);
    panels[0]->setCaption("\\");
    const QImage backslash = render(*panels[0]);
    panels[0]->setYenForBackslash(true);
    EXPECT_NE(render(*panels[0]), backslash);
    EXPECT_EQ(render(*panels[0]), render(*panels[1]));
}

// Filled from the left in proportion to Position within Min..Max; the frame takes one pixel each side.
TEST(BarLook, FilledInProportion) {
    const struct {
        int min, max, position;
        int lastFilled; // column 1..100, 0: none
    } cases[] = {{0, 100, 50, 50}, {0, 32, 16, 50}, {0, 6, 6, 100}, {-46, 39, -46, 0}, {20, 20, 20, 0}};
    for (const auto& c : cases) {
        TProgressBar bar;
        bar.resize(102, 11);
        bar.setRange(c.min, c.max);
        bar.setPosition(c.position);
        const QImage image = render(bar);
        for (int x = 1; x <= 100; ++x) {
            const QPalette::ColorRole want = x <= c.lastFilled ? QPalette::Highlight : QPalette::Button;
            ASSERT_EQ(image.pixel(x, 5), role(bar, want))
                << c.min << ".." << c.max << " at " << c.position << ", x " << x;
        }
    }
}

TEST(BarClamp, PositionStaysInTheRange) {
    const struct {
        int min, max, position, want;
    } cases[] = {{0, 32, 16, 16}, {0, 32, 33, 32},   {0, 32, -1, 0},
                 {10, 20, 5, 10}, {-46, 39, 40, 39}, {5, 2, 4, 5}};
    for (const auto& c : cases) {
        TProgressBar bar;
        bar.setRange(c.min, c.max);
        bar.setPosition(c.position);
        EXPECT_EQ(bar.Position(), c.want) << c.min << ".." << c.max << " at " << c.position;
        bar.setRange(c.min - 1, c.min);
        EXPECT_EQ(bar.Position(), c.min) << "narrowed to end at " << c.min;
    }
}

class PaintCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

// The controls take no focus, and a setter repaints only when it changes something.
TEST(Controls, OnlyAChangeRepaintsAndNoneTakesTheFocus) {
    QWidget window;
    window.resize(200, 50);
    auto* panel = new TPanel(&window);
    auto* shape = new TShape(&window);
    auto* bar = new TProgressBar(&window);
    auto* label = new TLabel(&window);
    auto* bevel = new TBevel(&window);
    int left = 0;
    for (QWidget* control : std::initializer_list<QWidget*>{panel, shape, bar, label, bevel}) {
        control->setGeometry(left += 40, 5, 38, 30);
        EXPECT_EQ(control->focusPolicy(), Qt::NoFocus) << control->metaObject()->className();
    }
    bar->setRange(0, 32);
    bar->setPosition(32);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const struct {
        QWidget* control;
        std::function<void(bool)> set; // false: the value the control has, true: another
    } cases[] = {
        {panel,
         [&](bool change) { panel->setBevelOuter(change ? TBevelCut::bvLowered : TBevelCut::bvRaised); }},
        {panel, [&](bool change) { panel->setCaption(change ? "B" : ""); }},
        {shape, [&](bool change) { shape->setBrushColor(change ? Qt::green : Qt::white); }},
        {bar, [&](bool change) { bar->setPosition(change ? 0 : 40); }},
        {label, [&](bool change) { label->setCaption(change ? "Vol" : ""); }},
    };
    for (const auto& c : cases) {
        QCoreApplication::processEvents();
        PaintCounter counter;
        c.control->installEventFilter(&counter);
        c.set(false);
        QCoreApplication::processEvents();
        EXPECT_EQ(counter.count, 0) << c.control->metaObject()->className() << " case " << (&c - cases);
        c.set(true);
        QCoreApplication::processEvents();
        EXPECT_GE(counter.count, 1) << c.control->metaObject()->className() << " case " << (&c - cases);
    }
}

// Every signal as "Down|Up sender button x,y", so that a failure shows which one went astray.
void watch(TPanel& panel, std::vector<std::string>& log) {
    for (auto signal : {&TPanel::MouseDown, &TPanel::MouseUp}) {
        QObject::connect(&panel, signal, [&log, signal](TPanel* sender, Qt::MouseButton button, QPoint pos) {
            log.push_back((signal == &TPanel::MouseDown ? "Down " : "Up ") +
                          sender->objectName().toStdString() + ' ' + std::to_string(button) + ' ' +
                          std::to_string(pos.x()) + ',' + std::to_string(pos.y()));
        });
    }
}

// Every press is released again: QTest remembers held buttons from one test to the next.
TEST(PanelMouse, EachEventIsOneSignalOfAnyButton) {
    const struct {
        void (*send)(QWidget*, Qt::MouseButton, Qt::KeyboardModifiers, QPoint, int);
        Qt::MouseButton button;
        const char* want;
    } cases[] = {
        {QTest::mousePress, Qt::LeftButton, "Down key 1 3,31"},
        {QTest::mouseDClick, Qt::MiddleButton, "Down key 4 3,31"},
        {QTest::mouseRelease, Qt::MiddleButton, "Up key 4 3,31"},
        {QTest::mouseRelease, Qt::LeftButton, "Up key 1 3,31"},
    };
    TPanel panel;
    panel.setObjectName("key");
    panel.resize(38, 38);
    std::vector<std::string> log;
    watch(panel, log);
    for (const auto& c : cases) {
        log.clear();
        c.send(&panel, c.button, {}, {3, 31}, -1);
        EXPECT_EQ(log, std::vector<std::string>{c.want});
    }
}

// Driven through a shown window as the window system does, under a frame that must let the clicks through.
TEST(PanelMouse, ReleaseOverAnotherPanelReachesThePressedOne) {
    QWidget window;
    window.resize(120, 60);
    std::vector<std::string> log;
    for (const char* name : {"first", "second"}) {
        auto* panel = new TPanel(&window);
        panel->setObjectName(name);
        panel->setGeometry(name[0] == 'f' ? 10 : 46, 10, 38, 38);
        watch(*panel, log);
    }
    (new TBevel(&window))->setGeometry(0, 0, 120, 60);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mousePress(window.windowHandle(), Qt::RightButton, {}, {20, 20});
    QTest::mouseMove(window.windowHandle(), {70, 20});
    QTest::mouseRelease(window.windowHandle(), Qt::RightButton, {}, {70, 20});
    EXPECT_EQ(log, (std::vector<std::string>{"Down first 2 10,10", "Up first 2 60,10"}));
}

} // namespace
