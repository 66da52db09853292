#include "platform/dialogs/MessageBox.h"

#include <utility>

#include <QMessageBox>

namespace platform {
namespace {

MessageBoxHook& hook() {
    static MessageBoxHook instance;
    return instance;
}

void showBox(QWidget* owner, QMessageBox::Icon icon, const QString& caption, const QString& text) {
    if (hook()) {
        hook()(caption, text);
        return;
    }
    QMessageBox box(icon, caption, text, QMessageBox::Ok, owner);
    // The text can be selected and copied (Tab to it, Ctrl+A, Ctrl+C), to quote it in a report.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

} // namespace

void SetMessageBoxHook(MessageBoxHook newHook) {
    hook() = std::move(newHook);
}

void ShowApplicationError(const QString& text) {
    showBox(nullptr, QMessageBox::Critical, QStringLiteral("Clavito"), text);
}

void MessageBoxA(QWidget* owner, const QString& text, const QString& caption) {
    showBox(owner, QMessageBox::NoIcon, caption, text);
}

} // namespace platform
