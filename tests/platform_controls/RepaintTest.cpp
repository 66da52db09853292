#include "ControlsTestSupport.h"

#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using controls_test::flushPaints;
using controls_test::PaintCounter;
using platform::TBevelCut;
using platform::TLabel;
using platform::TPanel;
using platform::TProgressBar;
using platform::TShape;

namespace {

// A setter applied to a fresh control: `again` gives the value the control already has, `change` another.
struct SetterCase {
    const char* name;
    std::function<QWidget*(QWidget*)> make;
    std::function<void(QWidget*)> again;
    std::function<void(QWidget*)> change;
};

template <class Control> std::function<void(QWidget*)> on(std::function<void(Control&)> f) {
    return [f](QWidget* w) { f(*static_cast<Control*>(w)); };
}

QWidget* makePanel(QWidget* parent) {
    auto* panel = new TPanel(parent);
    panel->setCaption("A");
    return panel;
}
QWidget* makeShape(QWidget* parent) {
    return new TShape(parent);
}
QWidget* makeBar(QWidget* parent) {
    auto* bar = new TProgressBar(parent);
    bar->setRange(0, 32);
    bar->setPosition(16);
    return bar;
}
QWidget* makeFullBar(QWidget* parent) {
    auto* bar = new TProgressBar(parent);
    bar->setRange(0, 32);
    bar->setPosition(32);
    return bar;
}
QWidget* makeLabel(QWidget* parent) {
    auto* label = new TLabel(parent);
    label->setCaption("Mod");
    return label;
}

const SetterCase setterCases[] = {
    {"panel_outer", makePanel, on<TPanel>([](TPanel& p) { p.setBevelOuter(TBevelCut::bvRaised); }),
     on<TPanel>([](TPanel& p) { p.setBevelOuter(TBevelCut::bvLowered); })},
    {"panel_inner", makePanel, on<TPanel>([](TPanel& p) { p.setBevelInner(TBevelCut::bvNone); }),
     on<TPanel>([](TPanel& p) { p.setBevelInner(TBevelCut::bvRaised); })},
    {"panel_width", makePanel, on<TPanel>([](TPanel& p) { p.setBevelWidth(1); }),
     on<TPanel>([](TPanel& p) { p.setBevelWidth(3); })},
    {"panel_border", makePanel, on<TPanel>([](TPanel& p) { p.setBorderSingle(false); }),
     on<TPanel>([](TPanel& p) { p.setBorderSingle(true); })},
    {"panel_caption", makePanel, on<TPanel>([](TPanel& p) { p.setCaption("A"); }),
     on<TPanel>([](TPanel& p) { p.setCaption("B"); })},
    {"panel_color", makePanel, on<TPanel>([](TPanel& p) { p.setColor(p.palette().color(QPalette::Button)); }),
     on<TPanel>([](TPanel& p) { p.setColor(Qt::black); })},
    {"panel_font_color", makePanel,
     on<TPanel>([](TPanel& p) { p.setFontColor(p.palette().color(QPalette::ButtonText)); }),
     on<TPanel>([](TPanel& p) { p.setFontColor(Qt::yellow); })},
    {"panel_yen", makePanel, on<TPanel>([](TPanel& p) { p.setYenForBackslash(false); }),
     on<TPanel>([](TPanel& p) { p.setYenForBackslash(true); })},
    {"shape_brush", makeShape, on<TShape>([](TShape& s) { s.setBrushColor(Qt::white); }),
     on<TShape>([](TShape& s) { s.setBrushColor(Qt::green); })},
    {"shape_pen", makeShape, on<TShape>([](TShape& s) { s.setPenColor(Qt::black); }),
     on<TShape>([](TShape& s) { s.setPenColor(Qt::darkYellow); })},
    {"bar_position", makeBar, on<TProgressBar>([](TProgressBar& b) { b.setPosition(16); }),
     on<TProgressBar>([](TProgressBar& b) { b.setPosition(17); })},
    {"bar_position_past_max", makeFullBar, on<TProgressBar>([](TProgressBar& b) { b.setPosition(40); }),
     on<TProgressBar>([](TProgressBar& b) { b.setPosition(0); })},
    {"bar_range", makeBar, on<TProgressBar>([](TProgressBar& b) { b.setRange(0, 32); }),
     on<TProgressBar>([](TProgressBar& b) { b.setRange(0, 85); })},
    {"label_caption", makeLabel, on<TLabel>([](TLabel& l) { l.setCaption("Mod"); }),
     on<TLabel>([](TLabel& l) { l.setCaption("Vol"); })},
    {"label_font_color", makeLabel,
     on<TLabel>([](TLabel& l) { l.setFontColor(l.palette().color(QPalette::ButtonText)); }),
     on<TLabel>([](TLabel& l) { l.setFontColor(Qt::red); })},
};

class Repaint : public ::testing::TestWithParam<SetterCase> {};

TEST_P(Repaint, OnlyAChangeRepaints) {
    const SetterCase& c = GetParam();
    QWidget window;
    window.resize(100, 50);
    QWidget* control = c.make(&window);
    control->setGeometry(5, 5, 60, 30);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    flushPaints();
    PaintCounter counter(*control);

    c.again(control);
    flushPaints();
    EXPECT_EQ(counter.count, 0);

    c.change(control);
    flushPaints();
    EXPECT_GE(counter.count, 1);
}

INSTANTIATE_TEST_SUITE_P(Setters, Repaint, ::testing::ValuesIn(setterCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
