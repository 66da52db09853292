#include <gtest/gtest.h>

#include <functional>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "components/Labels/Labels.h"
#include "ui/About.h"

namespace {

// Runs box modally, presses key once its loop runs, and returns how the box ended; a box the key failed to
// close ends with 42 after a while.
int ExecPressing(TAboutBox& box, Qt::Key key) {
    QTimer::singleShot(0, &box, [&box, key] { QTest::keyClick(box.windowHandle(), key); });
    QTimer::singleShot(500, &box, [&box] { box.done(42); });
    return box.exec();
}

TEST(AboutBox, ShowsTheProgramAndItsVersion) {
    TAboutBox box;
    EXPECT_TRUE(box.isModal());
    EXPECT_EQ(box.windowTitle(), "About");
    EXPECT_EQ(box.Label3D1->Caption(), "Clavito");
    EXPECT_EQ(box.Label2->text(), "Ver 1.20");
    EXPECT_EQ(box.Button1->text(), "OK");
    EXPECT_FALSE(box.Label1->text().isEmpty());
}

TEST(AboutBox, EnterAndEscClose) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        TAboutBox box;
        EXPECT_EQ(ExecPressing(box, key), QDialog::Accepted) << key;
        EXPECT_FALSE(box.isVisible()) << key;
    }
    TAboutBox box;
    EXPECT_EQ(ExecPressing(box, Qt::Key_A), 42) << "another key closed the box";
}

} // namespace
