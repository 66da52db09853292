#pragma once
// The command line, read before the application object exists, so that every answer to it comes without a
// window system: the program's own options, and Qt's own (-platform, -style, ...), which are let through
// here for QApplication to take.

#include <QString>
#include <QStringList>

struct CommandLine {
    enum Action { Run, Help, Version, Usage, Refused } action = Run;
    QString settingsFile; // --settings FILE; empty: the usual place
    QString error;        // for Usage and Refused: what was wrong
};

// arguments[0] is the program. --help and --version win over everything else; an unknown option, a
// missing value or a stray argument asks for the usage; a --settings FILE that cannot be a file (a folder,
// or a file in a folder that does not exist) is refused with the reason.
CommandLine ParseCommandLine(const QStringList& arguments);

QString UsageText();
QString VersionText();

// The arguments as the program received them.
QStringList CommandLineArguments(int argc, char** argv);

// Prints the answer to a command line that does not start the program and returns its exit code; -1 when
// the program is to start.
int AnswerCommandLine(const CommandLine& commandLine);
