#include <QImage>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

#include "platform/controls/Panel.h"

using namespace platform;

namespace {
// One letter per ring from the edge inwards: B black, L light, D dark, C the panel's Color.
TEST(PanelLook, BevelsAndBorderFromTheEdgeInwards) {
    // border, outer and inner bevel, bevel width, rings at the top left, rings at the bottom right
    const std::tuple<bool, TBevelCut, TBevelCut, int, std::string, std::string> cases[] = {
        {false, TBevelCut::bvRaised, TBevelCut::bvNone, 1, "LC", "DC"},
        {true, TBevelCut::bvLowered, TBevelCut::bvRaised, 3, "BDDDLLLC", "BLLLDDDC"},
    };
    for (const auto& [border, outer, inner, width, topLeft, bottomRight] : cases) {
        TPanel panel;
        panel.resize(38, 30);
        panel.setColor(QColor(10, 120, 200));
        panel.setBorderSingle(border);
        panel.setBevelOuter(outer);
        panel.setBevelInner(inner);
        panel.setBevelWidth(width);
        const QImage image = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb colours[] = {QColor(Qt::black).rgb(), panel.palette().color(QPalette::Light).rgb(),
                                panel.palette().color(QPalette::Dark).rgb(), panel.Color().rgb()};
        const auto want = [&](char letter) { return colours[std::string("BLDC").find(letter)]; };
        for (int i = 0; i < static_cast<int>(topLeft.size()); ++i) {
            EXPECT_EQ(image.pixel(i, i), want(topLeft[i])) << topLeft << " top left, ring " << i;
            EXPECT_EQ(image.pixel(37 - i, 29 - i), want(bottomRight[i]))
                << topLeft << " bottom right, ring " << i;
        }
    }
}

} // namespace
