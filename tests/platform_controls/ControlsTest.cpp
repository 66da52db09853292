#include <QImage>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

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

// YenForBackslash draws a backslash caption as the yen sign, as a Japanese character set does.
TEST(PanelLook, YenForBackslash) {
    TPanel panel, yen;
    panel.resize(38, 38);
    yen.resize(38, 38);
    panel.setCaption("\\");
    yen.setCaption(QString(QChar(0x00A5)));
    const QImage backslash = render(panel);
    panel.setYenForBackslash(true);
    EXPECT_NE(render(panel), backslash);
    EXPECT_EQ(render(panel), render(yen));
}

// The rows in which two pictures differ.
int DifferingRows(const QImage& a, const QImage& b) {
    int rows = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

// "&" is not drawn but underlines the character after it, in the panels and the labels alike: "&B" differs
// from "B" only in the underline's row or two.
TEST(CaptionLook, AnAmpersandUnderlinesTheNextCharacter) {
    TPanel panel;
    panel.resize(60, 38);
    TLabel label;
    label.resize(60, 20);
    for (QWidget* control : std::initializer_list<QWidget*>{&panel, &label}) {
        const auto look = [&](const char* caption) {
            panel.setCaption(caption);
            label.setCaption(caption);
            return render(*control);
        };
        const int rows = DifferingRows(look("&B"), look("B"));
        EXPECT_TRUE(rows >= 1 && rows <= 2)
            << rows << " rows differ in a " << control->metaObject()->className();
    }
}

} // namespace
