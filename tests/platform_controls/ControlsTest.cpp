#include "ControlsTestSupport.h"

#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using controls_test::Kind;
using controls_test::MouseLog;
using controls_test::MouseRecord;
using controls_test::pixel;
using controls_test::render;
using controls_test::role;
using platform::TBevel;
using platform::TBevelCut;
using platform::TLabel;
using platform::TPanel;
using platform::TProgressBar;
using platform::TShape;

namespace {

// The release-only controls, each in a shown panel that stands for the main window's background.
class ReleaseControls : public ::testing::TestWithParam<Qt::MouseButton> {
protected:
    void SetUp() override {
        background.resize(200, 60);
        shape = new TShape(&background);
        shape->setGeometry(10, 10, 9, 9);
        bar = new TProgressBar(&background);
        bar->setGeometry(30, 10, 52, 11);
        label = new TLabel(&background);
        label->setGeometry(100, 10, 51, 15);
        label->setCaption("Low=F11");
        log.watch(background);
        log.watchUp(*shape);
        log.watchUp(*bar);
        log.watchUp(*label);
        background.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&background));
    }

    TPanel background;
    TShape* shape = nullptr;
    TProgressBar* bar = nullptr;
    TLabel* label = nullptr;
    MouseLog log;
};

TEST_P(ReleaseControls, ClickReportsOnlyTheReleaseOfTheControl) {
    const Qt::MouseButton button = GetParam();
    QWindow* window = background.windowHandle();
    QTest::mouseClick(window, button, {}, {14, 14});
    QTest::mouseClick(window, button, {}, {40, 15});
    QTest::mouseClick(window, button, {}, {110, 12});
    const std::vector<MouseRecord> want{{Kind::Up, shape, button, {4, 4}},
                                        {Kind::Up, bar, button, {10, 5}},
                                        {Kind::Up, label, button, {10, 2}}};
    EXPECT_EQ(log.records, want);
}

TEST_P(ReleaseControls, ReleaseElsewhereComesBackToThePressedControl) {
    const Qt::MouseButton button = GetParam();
    QWindow* window = background.windowHandle();
    QTest::mousePress(window, button, {}, {40, 15});
    QTest::mouseRelease(window, button, {}, {110, 12});
    const std::vector<MouseRecord> want{{Kind::Up, bar, button, {80, 2}}};
    EXPECT_EQ(log.records, want);
}

INSTANTIATE_TEST_SUITE_P(Buttons, ReleaseControls,
                         ::testing::Values(Qt::LeftButton, Qt::RightButton, Qt::MiddleButton));

struct ClampCase {
    int min, max, position;
    int wantMin, wantMax, wantPosition;
};

class BarClamp : public ::testing::TestWithParam<ClampCase> {};

TEST_P(BarClamp, PositionStaysInTheRange) {
    const ClampCase& c = GetParam();
    TProgressBar bar;
    bar.setRange(c.min, c.max);
    bar.setPosition(c.position);
    EXPECT_EQ(bar.Min(), c.wantMin);
    EXPECT_EQ(bar.Max(), c.wantMax);
    EXPECT_EQ(bar.Position(), c.wantPosition);
}

INSTANTIATE_TEST_SUITE_P(Ranges, BarClamp,
                         ::testing::Values(ClampCase{0, 32, 16, 0, 32, 16}, ClampCase{0, 32, 33, 0, 32, 32},
                                           ClampCase{0, 32, -1, 0, 32, 0}, ClampCase{0, 6, 6, 0, 6, 6},
                                           ClampCase{10, 20, 5, 10, 20, 10},
                                           ClampCase{-46, 39, 40, -46, 39, 39}, ClampCase{5, 2, 4, 5, 5, 5}));

TEST(BarClamp, NarrowingTheRangePullsThePositionIn) {
    TProgressBar bar;
    bar.setRange(0, 85);
    bar.setPosition(80);
    bar.setRange(0, 32);
    EXPECT_EQ(bar.Position(), 32);
    bar.setRange(40, 50);
    EXPECT_EQ(bar.Position(), 40);
}

struct FillCase {
    int min, max, position;
    int filledColumn; // -1: nothing filled
    int emptyColumn;  // -1: everything filled
};

class BarFill : public ::testing::TestWithParam<FillCase> {};

TEST_P(BarFill, FilledFromTheLeftInProportion) {
    const FillCase& c = GetParam();
    TProgressBar bar;
    bar.resize(102, 11);
    bar.setRange(c.min, c.max);
    bar.setPosition(c.position);
    const QImage image = render(bar);
    const QColor fill = role(bar, QPalette::Highlight);
    const QColor empty = role(bar, QPalette::Button);
    if (c.filledColumn >= 0) {
        EXPECT_EQ(pixel(image, c.filledColumn, 5), fill);
        EXPECT_EQ(pixel(image, 1, 1), fill);
        EXPECT_EQ(pixel(image, 1, 9), fill);
    } else {
        EXPECT_EQ(pixel(image, 1, 5), empty);
    }
    if (c.emptyColumn >= 0) {
        EXPECT_EQ(pixel(image, c.emptyColumn, 5), empty);
    } else {
        EXPECT_EQ(pixel(image, 100, 5), fill);
    }
    // A sunken frame: dark above and left, light below and right.
    EXPECT_EQ(pixel(image, 0, 5), role(bar, QPalette::Dark));
    EXPECT_EQ(pixel(image, 50, 0), role(bar, QPalette::Dark));
    EXPECT_EQ(pixel(image, 101, 5), role(bar, QPalette::Light));
    EXPECT_EQ(pixel(image, 50, 10), role(bar, QPalette::Light));
}

INSTANTIATE_TEST_SUITE_P(Positions, BarFill,
                         ::testing::Values(FillCase{0, 100, 50, 25, 75}, FillCase{0, 100, 50, 50, 51},
                                           FillCase{0, 32, 16, 25, 75}, FillCase{0, 100, 0, -1, 1},
                                           FillCase{0, 6, 6, 99, -1}, FillCase{-46, 39, -46, -1, 1},
                                           FillCase{20, 20, 20, -1, 1}));

TEST(ShapeLook, CircleFilledAndOutlined) {
    TShape shape;
    shape.resize(9, 9);
    shape.setBrushColor(QColor(0, 255, 0));
    shape.setPenColor(QColor(128, 128, 0));
    const QImage image = render(shape);
    EXPECT_EQ(pixel(image, 4, 4), QColor(0, 255, 0));
    EXPECT_EQ(pixel(image, 4, 0), QColor(128, 128, 0));
    EXPECT_EQ(pixel(image, 4, 8), QColor(128, 128, 0));
    EXPECT_EQ(pixel(image, 0, 4), QColor(128, 128, 0));
    EXPECT_EQ(pixel(image, 8, 4), QColor(128, 128, 0));
    EXPECT_NE(pixel(image, 0, 0), QColor(128, 128, 0));
    EXPECT_NE(pixel(image, 0, 0), QColor(0, 255, 0));
}

struct BoxCase {
    TBevelCut style;
    QPalette::ColorRole outerTopLeft, innerTopLeft, innerBottomRight, outerBottomRight;
};

class BevelLook : public ::testing::TestWithParam<BoxCase> {};

TEST_P(BevelLook, TwoPixelBoxWithATransparentMiddle) {
    const BoxCase& c = GetParam();
    TPanel under;
    under.resize(60, 40);
    under.setBevelOuter(TBevelCut::bvNone);
    under.setColor(QColor(200, 0, 0));
    auto* box = new TBevel(&under, c.style);
    box->setGeometry(0, 0, 60, 40);
    const QImage image = render(under);
    EXPECT_EQ(pixel(image, 30, 0), role(*box, c.outerTopLeft));
    EXPECT_EQ(pixel(image, 0, 20), role(*box, c.outerTopLeft));
    EXPECT_EQ(pixel(image, 30, 1), role(*box, c.innerTopLeft));
    EXPECT_EQ(pixel(image, 58, 20), role(*box, c.innerBottomRight));
    EXPECT_EQ(pixel(image, 30, 39), role(*box, c.outerBottomRight));
    EXPECT_EQ(pixel(image, 30, 20), QColor(200, 0, 0));
    EXPECT_TRUE(box->testAttribute(Qt::WA_TransparentForMouseEvents));
}

INSTANTIATE_TEST_SUITE_P(Styles, BevelLook,
                         ::testing::Values(BoxCase{TBevelCut::bvRaised, QPalette::Light, QPalette::Midlight,
                                                   QPalette::Dark, QPalette::Shadow},
                                           BoxCase{TBevelCut::bvLowered, QPalette::Dark, QPalette::Shadow,
                                                   QPalette::Midlight, QPalette::Light}));

struct TextBox {
    int left = 1000, right = -1, bottom = -1;
};

// Where a label's yellow caption lands over a blue parent; the parent's colour must show at the far corner.
TextBox labelText(const QString& caption) {
    TPanel under;
    under.resize(80, 30);
    under.setBevelOuter(TBevelCut::bvNone);
    under.setColor(QColor(0, 0, 200));
    auto* label = new TLabel(&under);
    label->setGeometry(0, 0, 80, 30);
    QFont font("Liberation Sans");
    font.setPixelSize(12);
    label->setFont(font);
    label->setFontColor(QColor(255, 255, 0));
    label->setCaption(caption);
    const QImage image = render(under);
    EXPECT_EQ(pixel(image, 79, 29), QColor(0, 0, 200));
    TextBox box;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 80; ++x) {
            if (pixel(image, x, y) == QColor(255, 255, 0)) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
        }
    }
    return box;
}

TEST(LabelLook, TextAtTopLeftOverTheParent) {
    const TextBox plain = labelText("Hm");
    EXPECT_LE(plain.left, 2);
    EXPECT_GE(plain.right, 10);
    EXPECT_LE(plain.bottom, 15);
    // The ampersand is drawn as a glyph of its own, not taken as a mnemonic marker.
    EXPECT_GE(labelText("&Hm").right, plain.right + 5);
}

TEST(LabelLook, HintIsTheToolTip) {
    TLabel label;
    label.setHint("Modulation");
    EXPECT_EQ(label.toolTip(), "Modulation");
    EXPECT_EQ(label.Hint(), "Modulation");
    EXPECT_EQ(label.FontColor(), label.palette().color(QPalette::ButtonText));
}

TEST(Focus, NoControlTakesTheKeyboard) {
    TPanel panel;
    TBevel bevel;
    TShape shape;
    TProgressBar bar;
    TLabel label;
    for (QWidget* w : std::initializer_list<QWidget*>{&panel, &bevel, &shape, &bar, &label}) {
        EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << w->metaObject()->className();
    }
}

} // namespace
