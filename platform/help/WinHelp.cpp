#include "platform/help/WinHelp.h"

#include <utility>

#include <QPointer>

#include "platform/help/HelpFile.h"
#include "platform/help/HelpViewer.h"

namespace platform {
namespace {

QPointer<HelpViewer>& viewer() {
    static QPointer<HelpViewer> instance;
    return instance;
}

std::function<void(std::uint32_t)>& hook() {
    static std::function<void(std::uint32_t)> instance;
    return instance;
}

void openViewer(QWidget* owner, const QString& helpFile) {
    if (viewer() == nullptr) {
        viewer() = new HelpViewer(owner);
        viewer()->showHelpFile(FindHelpFile(helpFile), helpFile, HelpSearchPath());
    }
    viewer()->show();
    viewer()->raise();
    viewer()->activateWindow();
}

void closeViewer() {
    if (viewer() != nullptr) {
        delete viewer().data();
    }
}

} // namespace

void WinHelp(QWidget* owner, const QString& helpFile, std::uint32_t command, std::uintptr_t) {
    if (hook()) {
        hook()(command);
        return;
    }
    if (command == HELP_FINDER) {
        openViewer(owner, helpFile);
    } else if (command == HELP_QUIT) {
        closeViewer();
    }
}

bool HelpViewerOpen() {
    return viewer() != nullptr;
}

void SetHelpHook(std::function<void(std::uint32_t command)> newHook) {
    hook() = std::move(newHook);
}

} // namespace platform
