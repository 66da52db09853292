#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "components/WinSize/WinSize.h"
#include "platform/dialogs/MessageBox.h"

namespace {

class WinSizeTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetMessageBoxHook(
            [this](const QString& caption, const QString&) { boxes.push_back(caption); });
    }
    void TearDown() override { platform::SetMessageBoxHook({}); }

    std::vector<QString> boxes;
};

TEST_F(WinSizeTest, FindsTheFormOnTheOwnerChain) {
    QWidget form;
    auto* child = new QWidget(&form);
    EXPECT_EQ((new TWinSize(&form))->Form(), &form);
    EXPECT_EQ((new TWinSize(child))->Form(), &form);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(WinSizeTest, WithoutAFormReportsOnceAndHooksNothing) {
    QObject root;
    auto* limiter = new TWinSize(new QObject(&root));
    EXPECT_EQ(limiter->Form(), nullptr);
    limiter->Apply();
    EXPECT_EQ(boxes, std::vector<QString>{"Clavito"});
}

TEST_F(WinSizeTest, ApplySetsTheFormsBounds) {
    const struct {
        int minX, minY, maxX, maxY;
        QSize min, max;
    } cases[] = {
        {300, 200, 300, 200, QSize(300, 200), QSize(300, 200)},
        {-50, -1, 400, 300, QSize(0, 0), QSize(400, 300)},
        {20, 30, -400, -300, QSize(20, 30), QSize(20, 30)},
        {500, 400, 100, 100, QSize(500, 400), QSize(500, 400)},
    };
    for (const auto& c : cases) {
        QWidget form;
        auto* limiter = new TWinSize(&form);
        limiter->MinTrackSizeX = c.minX;
        limiter->MinTrackSizeY = c.minY;
        limiter->MaxTrackSizeX = c.maxX;
        limiter->MaxTrackSizeY = c.maxY;
        limiter->Apply();
        EXPECT_EQ(form.minimumSize(), c.min) << c.minX << "x" << c.minY << " to " << c.maxX << "x" << c.maxY;
        EXPECT_EQ(form.maximumSize(), c.max) << c.minX << "x" << c.minY << " to " << c.maxX << "x" << c.maxY;
    }
}

} // namespace
