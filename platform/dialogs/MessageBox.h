#pragma once
// Modal message boxes of the program: the application's error box, which reports an error no handler
// dealt with, and the plain box with one OK button that the program's own code shows.
//
// Tests switch every box off with a hook: while a hook is set, no box is shown and the hook receives
// each box's caption and text instead.

#include <functional>

#include <QString>

class QWidget;

namespace platform {

using MessageBoxHook = std::function<void(const QString& caption, const QString& text)>;

// Sets the hook; an empty function shows real boxes again.
void SetMessageBoxHook(MessageBoxHook hook);

// The application's error box: caption "Clavito", a critical icon and one OK button.
void ShowApplicationError(const QString& text);

// A modal box owned by owner (may be null), with no icon and one OK button.
void MessageBoxA(QWidget* owner, const QString& text, const QString& caption);

} // namespace platform
