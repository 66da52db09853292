#include <QImage>
#include <gtest/gtest.h>
#include <string>

#include "platform/controls/Panel.h"

using namespace platform;

namespace {
// One letter per ring from the edge inwards: B black, L light, D dark, C the panel's Color.
TEST(PanelLook, BevelsAndBorderFromTheEdgeInwards) {
    const struct {
        bool border;
        TBevelCut outer, inner;
        int width;
        const char *topLeft, *bottomRight;
    } cases[] = {
        {false, TBevelCut::bvRaised, TBevelCut::bvNone, 1, "LC", "DC"},
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
        const QImage image = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb colours[] = {QColor(Qt::black).rgb(), panel.palette().color(QPalette::Light).rgb(),
                                panel.palette().color(QPalette::Dark).rgb(), panel.Color().rgb()};
        const auto want = [&](char letter) { return colours[std::string("BLDC").find(letter)]; };
        for (int i = 0; c.topLeft[i] != '\0'; ++i) {
            EXPECT_EQ(image.pixel(i, i), want(c.topLeft[i])) << c.topLeft << " top left, ring " << i;
            EXPECT_EQ(image.pixel(37 - i, 29 - i), want(c.bottomRight[i]))
                << c.topLeft << " bottom right, ring " << i;
        }
    }
}

} // namespace
