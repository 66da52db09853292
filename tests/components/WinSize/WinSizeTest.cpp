// The limits through a real form's bounds: each caps its own side, 0 keeps the screen's value, a negative
// one clamps to 0, and the smallest size wins a conflict.
#include <gtest/gtest.h>

#include <QWidget>

#include "components/WinSize/WinSize.h"

TEST(WinSize, ApplySetsTheFormsBounds) {
    const struct {
        int minX, minY, maxTrackX, maxTrackY, maxX, maxY;
        QSize min, max;
    } cases[] = {
        {300, 200, 300, 200, 300, 200, {300, 200}, {300, 200}},
        {0, 0, 0, 0, 400, 300, {1, 1}, {400, 300}},
        {0, 0, 350, 250, 0, 0, {1, 1}, {350, 250}},
        {-50, -1, 400, 300, 0, 0, {0, 0}, {400, 300}},
        {500, 400, 100, 100, 0, 0, {500, 400}, {500, 400}},
    };
    for (const auto& c : cases) {
        QWidget form;
        auto* limiter = new TWinSize(&form);
        limiter->MinTrackSizeX = c.minX;
        limiter->MinTrackSizeY = c.minY;
        limiter->MaxTrackSizeX = c.maxTrackX;
        limiter->MaxTrackSizeY = c.maxTrackY;
        limiter->MaxSizeX = c.maxX;
        limiter->MaxSizeY = c.maxY;
        limiter->Apply();
        EXPECT_EQ(form.minimumSize(), c.min) << "row " << &c - cases;
        EXPECT_EQ(form.maximumSize(), c.max) << "row " << &c - cases;
    }
}
