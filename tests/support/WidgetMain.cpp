// One QApplication for the whole widget-test executable; modal boxes are switched off by the tests'
// fixtures through the message-box hook of the platform layer.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Clavito");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
