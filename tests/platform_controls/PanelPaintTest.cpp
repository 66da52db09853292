#include "ControlsTestSupport.h"

#include <gtest/gtest.h>
#include <string>

using controls_test::pixel;
using controls_test::render;
using controls_test::role;
using platform::TBevelCut;
using platform::TPanel;

namespace {

// One letter per pixel along a diagonal: B border black, L light, D dark, C the panel's Color.
struct RingCase {
    const char* name;
    bool border;
    TBevelCut outer;
    TBevelCut inner;
    int width;
    const char* fromTopLeft;
    const char* fromBottomRight;
};

constexpr RingCase ringCases[] = {
    {"raised", false, TBevelCut::bvRaised, TBevelCut::bvNone, 1, "LCC", "DCC"},
    {"lowered", false, TBevelCut::bvLowered, TBevelCut::bvNone, 1, "DCC", "LCC"},
    {"flat", false, TBevelCut::bvNone, TBevelCut::bvNone, 1, "CC", "CC"},
    {"border only", true, TBevelCut::bvNone, TBevelCut::bvNone, 1, "BCC", "BCC"},
    {"inner raised only", false, TBevelCut::bvNone, TBevelCut::bvRaised, 2, "LLCC", "DDCC"},
    {"key released", true, TBevelCut::bvRaised, TBevelCut::bvRaised, 3, "BLLLLLLCC", "BDDDDDDCC"},
    {"key pressed", true, TBevelCut::bvLowered, TBevelCut::bvRaised, 3, "BDDDLLLCC", "BLLLDDDCC"},
    {"track", true, TBevelCut::bvLowered, TBevelCut::bvLowered, 1, "BDDC", "BLLC"},
    {"display", false, TBevelCut::bvLowered, TBevelCut::bvNone, 2, "DDCC", "LLCC"},
};

QColor expected(char letter, const TPanel& panel) {
    switch (letter) {
    case 'B':
        return Qt::black;
    case 'L':
        return role(panel, QPalette::Light);
    case 'D':
        return role(panel, QPalette::Dark);
    default:
        return panel.Color();
    }
}

class PanelRings : public ::testing::TestWithParam<RingCase> {};

TEST_P(PanelRings, EdgesFromOutsideIn) {
    const RingCase& c = GetParam();
    TPanel panel;
    panel.resize(38, 30);
    panel.setColor(QColor(10, 120, 200));
    panel.setBorderSingle(c.border);
    panel.setBevelOuter(c.outer);
    panel.setBevelInner(c.inner);
    panel.setBevelWidth(c.width);
    const QImage image = render(panel);
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    for (int i = 0; c.fromTopLeft[i] != '\0'; ++i) {
        const QColor want = expected(c.fromTopLeft[i], panel);
        EXPECT_EQ(pixel(image, i, i), want) << "top-left corner, ring " << i;
        EXPECT_EQ(pixel(image, 19, i), want) << "top edge, ring " << i;
        EXPECT_EQ(pixel(image, i, 15), want) << "left edge, ring " << i;
    }
    for (int i = 0; c.fromBottomRight[i] != '\0'; ++i) {
        const QColor want = expected(c.fromBottomRight[i], panel);
        EXPECT_EQ(pixel(image, right - i, bottom - i), want) << "bottom-right corner, ring " << i;
        EXPECT_EQ(pixel(image, 19, bottom - i), want) << "bottom edge, ring " << i;
        EXPECT_EQ(pixel(image, right - i, 15), want) << "right edge, ring " << i;
        // The bottom-right colour owns the two remaining corners of each ring.
        EXPECT_EQ(pixel(image, right - i, i), want) << "top-right corner, ring " << i;
        EXPECT_EQ(pixel(image, i, bottom - i), want) << "bottom-left corner, ring " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Cuts, PanelRings, ::testing::ValuesIn(ringCases), [](const auto& info) {
    std::string name = info.param.name;
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
});

TEST(PanelLook, PaletteDefaultsAndDistinctBevelColours) {
    TPanel panel;
    EXPECT_EQ(panel.Color(), panel.palette().color(QPalette::Button));
    EXPECT_EQ(panel.FontColor(), panel.palette().color(QPalette::ButtonText));
    // The bevel tests above mean nothing unless light and dark differ.
    EXPECT_GT(panel.palette().color(QPalette::Light).lightness(),
              panel.palette().color(QPalette::Dark).lightness() + 40);
}

struct Extent {
    int left = 1000, top = 1000, right = -1, bottom = -1;
    int pixels = 0;
    int offColour = 0; // ink pixels that are no blend of the background and the font colour
};

// The ink of a yellow caption on black: every pixel that is not background, which must be a shade of yellow.
Extent yellowInk(const QImage& image, const QRect& area) {
    Extent e;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = pixel(image, x, y);
            if (c == Qt::black) {
                continue;
            }
            if (c.blue() != 0 || std::abs(c.red() - c.green()) > 2) {
                ++e.offColour;
            }
            e.left = std::min(e.left, x);
            e.right = std::max(e.right, x);
            e.top = std::min(e.top, y);
            e.bottom = std::max(e.bottom, y);
            ++e.pixels;
        }
    }
    return e;
}

TPanel* keyPanel(QWidget* parent, const QString& caption) {
    auto* panel = new TPanel(parent);
    panel->resize(38, 38);
    panel->setBorderSingle(true);
    panel->setBevelInner(TBevelCut::bvRaised);
    panel->setBevelWidth(3);
    panel->setColor(Qt::black);
    panel->setFontColor(QColor(255, 255, 0));
    QFont font("Liberation Sans");
    font.setPixelSize(13);
    panel->setFont(font);
    panel->setCaption(caption);
    return panel;
}

struct CaptionCase {
    const char* caption;
};

class PanelCaption : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(PanelCaption, CentredInFontColor) {
    QWidget owner;
    TPanel* panel = keyPanel(&owner, QString::fromUtf8(GetParam().caption));
    const QImage image = render(*panel);
    // Inside the border and the two bevels of three pixels.
    const QRect inside(7, 7, 24, 24);
    const Extent ink = yellowInk(image, inside);
    ASSERT_GT(ink.pixels, 3);
    EXPECT_EQ(ink.offColour, 0);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 18.5, 1.5);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 18.5, 2.5);
    EXPECT_GT(ink.left, inside.left());
    EXPECT_LT(ink.right, inside.right());
    // Somewhere the caption is drawn at full strength.
    bool fullStrength = false;
    for (int y = ink.top; y <= ink.bottom; ++y) {
        for (int x = ink.left; x <= ink.right; ++x) {
            fullStrength = fullStrength || pixel(image, x, y).red() >= 200;
        }
    }
    EXPECT_TRUE(fullStrength);
}

INSTANTIATE_TEST_SUITE_P(Captions, PanelCaption,
                         ::testing::Values(CaptionCase{"1"}, CaptionCase{"Q"}, CaptionCase{"W"},
                                           CaptionCase{"Ins"}, CaptionCase{"@"}));

TEST(PanelCaption, EmptyCaptionLeavesTheBackground) {
    QWidget owner;
    TPanel* panel = keyPanel(&owner, QString());
    EXPECT_EQ(yellowInk(render(*panel), QRect(7, 7, 24, 24)).pixels, 0);
}

TEST(PanelCaption, YenForBackslashDrawsTheYenSign) {
    QWidget owner;
    TPanel* backslash = keyPanel(&owner, "\\");
    TPanel* yen = keyPanel(&owner, QString(QChar(0x00A5)));
    const QImage plain = render(*backslash);
    backslash->setYenForBackslash(true);
    const QImage swapped = render(*backslash);
    EXPECT_NE(plain, swapped);
    EXPECT_EQ(swapped, render(*yen));
    EXPECT_EQ(backslash->Caption(), "\\");
}

} // namespace
