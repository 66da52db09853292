#pragma once
// The program's own command-line options. Qt's options (-platform, -style, ...) are taken out by
// QApplication before these are read.

#include <QString>
#include <QStringList>

struct CommandLine {
    enum Action { Run, Help, Version, Usage } action = Run;
    QString settingsFile; // --settings FILE; empty: the usual place
    QString error;        // for Usage: what was wrong
};

// arguments[0] is the program. --help and --version win over everything else; an unknown option, a
// missing value or a stray argument asks for the usage.
CommandLine ParseCommandLine(const QStringList& arguments);

QString UsageText();
QString VersionText();

// Answers --help and --version before any window system is touched, so that they work without a display;
// returns the exit code, or -1 when the program is to start.
int AnswerEarlyOptions(int argc, char** argv);
