#pragma once
// The help engine: shows the program's help file in a viewer window of its own.
//
// HELP_FINDER opens the viewer (or raises it when it is open) with the help file found by FindHelpFile;
// a missing file is reported inside the viewer, with the folders searched. HELP_QUIT closes the viewer if it
// is open. Every other command is ignored, and data is not used by either command. Nothing is returned:
// the program ignores the outcome of its help commands.

#include <cstdint>
#include <functional>

#include <QString>

class QWidget;

namespace platform {

inline constexpr std::uint32_t HELP_QUIT = 2;
inline constexpr std::uint32_t HELP_FINDER = 11;

// owner becomes the viewer's owner: the viewer is a window of its own that goes with its owner.
void WinHelp(QWidget* owner, const QString& helpFile, std::uint32_t command, std::uintptr_t data);

// Whether the viewer window exists (it may be minimised or behind another window).
bool HelpViewerOpen();

// For tests: while a hook is set, every command goes to it and the viewer is neither opened nor closed.
// An empty function switches the viewer back on.
void SetHelpHook(std::function<void(std::uint32_t command)> hook);

} // namespace platform
