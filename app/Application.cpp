#include "app/Application.h"

#include <exception>

#include "platform/controls/DeferredIconStyle.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/keys/VirtualKeys.h"

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    platform::UseDetectableAutoRepeat();
    // The menus stay in the window, whose fixed layout counts their bar; asking the desktop for a global
    // menu bar instead costs a D-Bus round trip before the window can appear.
    setAttribute(Qt::AA_DontUseNativeMenuBar);
    setStyle(new platform::TDeferredIconStyle);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        platform::ShowApplicationError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        platform::ShowApplicationError(QStringLiteral("Unknown error"));
    }
    return false;
}
