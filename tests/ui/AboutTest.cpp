#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "ui/About.h"

namespace {
// Enter and Esc close the box; another key leaves it open until the test's own done(42).
TEST(AboutBox, EnterAndEscClose) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_A}) {
        TAboutBox box;
        QTimer::singleShot(0, &box, [&box, key] {
            QTest::keyClick(box.windowHandle(), key);
            QTimer::singleShot(0, &box, [&box] { box.done(42); });
        });
        EXPECT_EQ(box.exec(), key == Qt::Key_A ? 42 : QDialog::Accepted) << key;
    }
}
} // namespace
