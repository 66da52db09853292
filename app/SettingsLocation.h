#pragma once
// Which settings file a run uses.

#include <QString>

struct SettingsPlace {
    QString commandLineFile; // --settings FILE
    QString executable;      // the program's own path
    QString installedBinDir; // where an installed program lives
    QString configHome;      // $XDG_CONFIG_HOME (or ~/.config)
};

// --settings FILE first; then the portable copy, "<program>.INI" beside the program, when that file exists
// or the program is not the installed one; else clavito/clavito.INI under the user's configuration folder.
QString SettingsFilePath(const SettingsPlace& place);

// The place of this run.
SettingsPlace CurrentSettingsPlace(const QString& commandLineFile);
