// One application object for the whole widget-test executable (the program's own where the whole program
// is linked); modal boxes are switched off by the tests' fixtures through the message-box hook of the
// platform layer.
#include <gtest/gtest.h>

#ifdef CLAVITO_PROGRAM_APPLICATION
#include "app/Application.h"
using TestApplication = Application;
#else
#include <QApplication>
using TestApplication = QApplication;
#endif

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApplication app(argc, argv);
    QApplication::setApplicationName("Clavito");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
