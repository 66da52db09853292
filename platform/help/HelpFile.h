#pragma once
// Where the help engine looks for a help file given by its bare name.

#include <QString>
#include <QStringList>

namespace platform {

// The folders searched, in order: the executable's folder, then clavito/ in each data folder of the
// XDG base directories, then the install prefix's data folder.
QStringList HelpSearchPath();

// The full path of helpFile: an absolute path is taken as it is, a bare name is looked up along
// HelpSearchPath(). Empty when no such file exists.
QString FindHelpFile(const QString& helpFile);

} // namespace platform
