#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

#include "components/WinSize/WinSize.h"
#include "platform/dialogs/MessageBox.h"

namespace {

struct Box {
    QString caption;
    QString text;
};

class WinSizeTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetMessageBoxHook([this](const QString& caption, const QString& text) {
            boxes.push_back({caption, text});
        });
    }
    void TearDown() override { platform::SetMessageBoxHook({}); }

    std::vector<Box> boxes;
};

class KeyCountingForm : public QWidget {
public:
    int keyPresses = 0;
    int resizes = 0;

protected:
    void keyPressEvent(QKeyEvent*) override { ++keyPresses; }
    void resizeEvent(QResizeEvent*) override { ++resizes; }
};

class CountingFilter : public QObject {
public:
    int keyPresses = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            ++keyPresses;
        }
        return false;
    }
};

void pin(TWinSize& limiter, int width, int height) {
    limiter.MaxSizeX = width;
    limiter.MaxSizeY = height;
    limiter.MaxTrackSizeX = width;
    limiter.MaxTrackSizeY = height;
    limiter.MinTrackSizeX = width;
    limiter.MinTrackSizeY = height;
}

} // namespace

TEST_F(WinSizeTest, LimitsStartAtZero) {
    QWidget form;
    auto* limiter = new TWinSize(&form);
    for (const int value :
         {limiter->MaxSizeX, limiter->MaxSizeY, limiter->MaxPositionX, limiter->MaxPositionY,
          limiter->MinTrackSizeX, limiter->MinTrackSizeY, limiter->MaxTrackSizeX, limiter->MaxTrackSizeY}) {
        EXPECT_EQ(value, 0);
    }
}

TEST_F(WinSizeTest, FindsTheFormOnTheOwnerChain) {
    QWidget form;
    auto* panel = new QWidget(&form);
    auto* inner = new QWidget(panel);
    auto* holder = new QObject(inner);

    struct Case {
        const char* name;
        QObject* owner;
    };
    for (const Case& c :
         {Case{"the form itself", &form}, Case{"a child widget", panel}, Case{"a grandchild widget", inner},
          Case{"a plain object under a widget", holder}}) {
        SCOPED_TRACE(c.name);
        auto* limiter = new TWinSize(c.owner);
        EXPECT_EQ(limiter->Form(), &form);
        EXPECT_EQ(limiter->parent(), c.owner);
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(WinSizeTest, StopsAtTheNearestWindow) {
    QWidget outer;
    auto* dialog = new QWidget(&outer, Qt::Dialog);
    auto* child = new QWidget(dialog);
    auto* limiter = new TWinSize(child);
    EXPECT_EQ(limiter->Form(), dialog);
}

TEST_F(WinSizeTest, WithoutAFormReportsOnceAndHooksNothing) {
    QObject root;
    auto* middle = new QObject(&root);
    auto* limiter = new TWinSize(middle);
    EXPECT_EQ(limiter->Form(), nullptr);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Clavito");
    EXPECT_FALSE(boxes[0].text.isEmpty());
    limiter->Apply();
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(WinSizeTest, NullOwnerReportsToo) {
    TWinSize limiter(nullptr);
    EXPECT_EQ(limiter.Form(), nullptr);
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(WinSizeTest, ApplyPinsTheFormSize) {
    QWidget form;
    form.resize(300, 200);
    auto* limiter = new TWinSize(&form);
    pin(*limiter, 300, 200);
    limiter->Apply();
    EXPECT_EQ(form.minimumSize(), QSize(300, 200));
    EXPECT_EQ(form.maximumSize(), QSize(300, 200));
    form.resize(500, 400);
    EXPECT_EQ(form.size(), QSize(300, 200));
    form.resize(100, 100);
    EXPECT_EQ(form.size(), QSize(300, 200));
}

TEST_F(WinSizeTest, AllZeroGivesTheSystemBounds) {
    QWidget form;
    auto* limiter = new TWinSize(&form);
    limiter->Apply();
    const QSize available = form.screen()->availableSize();
    const QSize whole = form.screen()->size();
    EXPECT_EQ(form.minimumSize(), QSize(1, 1));
    EXPECT_EQ(form.maximumSize(), available.boundedTo(whole));
}

TEST_F(WinSizeTest, OddLimitsNeverReachQtUnclamped) {
    struct Case {
        const char* name;
        int minX, minY, maxX, maxY;
        QSize expectedMin, expectedMax;
    };
    const Case cases[] = {
        {"negative minimum", -50, -1, 400, 300, QSize(0, 0), QSize(400, 300)},
        {"negative maximum", 20, 30, -400, -300, QSize(20, 30), QSize(20, 30)},
        {"maximum below minimum", 500, 400, 100, 100, QSize(500, 400), QSize(500, 400)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget form;
        auto* limiter = new TWinSize(&form);
        limiter->MinTrackSizeX = c.minX;
        limiter->MinTrackSizeY = c.minY;
        limiter->MaxTrackSizeX = c.maxX;
        limiter->MaxTrackSizeY = c.maxY;
        limiter->Apply();
        EXPECT_EQ(form.minimumSize(), c.expectedMin);
        EXPECT_EQ(form.maximumSize(), c.expectedMax);
    }
}

TEST_F(WinSizeTest, ShowAndResizeAskAfreshForTheLimits) {
    QWidget form;
    form.resize(320, 240);
    auto* limiter = new TWinSize(&form);
    pin(*limiter, 320, 240);
    form.show();
    EXPECT_EQ(form.minimumSize(), QSize(320, 240));
    EXPECT_EQ(form.maximumSize(), QSize(320, 240));

    pin(*limiter, 360, 250);
    EXPECT_EQ(form.maximumSize(), QSize(320, 240)) << "a limit changes nothing until the next request";
    QResizeEvent resize(form.size(), form.size());
    QApplication::sendEvent(&form, &resize);
    EXPECT_EQ(form.minimumSize(), QSize(360, 250));
    EXPECT_EQ(form.size(), QSize(360, 250));
}

TEST_F(WinSizeTest, MaximisingKeepsThePinnedSize) {
    QWidget form;
    form.resize(320, 240);
    auto* limiter = new TWinSize(&form);
    form.show();
    pin(*limiter, 330, 250);
    form.setWindowState(Qt::WindowMaximized);
    QApplication::processEvents();
    EXPECT_EQ(form.maximumSize(), QSize(330, 250));
    EXPECT_EQ(form.size(), QSize(330, 250));
}

TEST_F(WinSizeTest, EventsPassThrough) {
    KeyCountingForm form;
    CountingFilter earlier;
    form.installEventFilter(&earlier);
    auto* limiter = new TWinSize(&form);
    pin(*limiter, 200, 100);

    QKeyEvent key(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, "z");
    QApplication::sendEvent(&form, &key);
    EXPECT_EQ(form.keyPresses, 1);
    EXPECT_EQ(earlier.keyPresses, 1);

    const int resizesBefore = form.resizes;
    QResizeEvent resize(QSize(200, 100), QSize(10, 10));
    QApplication::sendEvent(&form, &resize);
    EXPECT_GT(form.resizes, resizesBefore) << "the form still sees its resize";
}

TEST_F(WinSizeTest, DestructionUnhooks) {
    QWidget form;
    form.resize(300, 200);
    auto* limiter = new TWinSize(&form);
    pin(*limiter, 300, 200);
    limiter->Apply();
    delete limiter;

    form.setMinimumSize(0, 0);
    form.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    form.show();
    form.resize(400, 300);
    QApplication::processEvents();
    EXPECT_EQ(form.minimumSize(), QSize(0, 0));
    EXPECT_EQ(form.size(), QSize(400, 300));
}
