#include "app/CommandLine.h"

#include <cstdio>

#include <QCommandLineParser>

#include "AppInfo.h"

namespace {
// Described in UsageText.
const QCommandLineOption kHelp(QStringList{QStringLiteral("h"), QStringLiteral("help")});
const QCommandLineOption kVersion(QStringList{QStringLiteral("v"), QStringLiteral("version")});
const QCommandLineOption kSettings(QStringLiteral("settings"), QString(), QStringLiteral("FILE"));

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}
} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's one-dash words (-stylesheet, -platform) must not read as bundles of -h and -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({kHelp, kVersion, kSettings});
    const bool parsed = parser.parse(arguments);
    CommandLine result;
    if (parser.isSet(kHelp))
        result.action = CommandLine::Help;
    else if (parser.isSet(kVersion))
        result.action = CommandLine::Version;
    else if (!parsed)
        result = {CommandLine::Usage, {}, parser.errorText()};
    else if (!parser.positionalArguments().isEmpty())
        result = {CommandLine::Usage,
                  {},
                  QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first())};
    else
        result.settingsFile = parser.value(kSettings);
    return result;
}

QString UsageText() {
    return QStringLiteral(
        "Usage: clavito [--settings FILE] [Qt options]\n"
        "Play MIDI from the typing keyboard and mouse.\n\n"
        "  -h, --help         Show this help and exit.\n"
        "  -v, --version      Show the version and exit.\n"
        "  --settings FILE    Keep the settings in FILE instead of the usual place.\n\n"
        "Without --settings the settings are clavito.INI beside the program when that file exists or the\n"
        "program is not installed, else $XDG_CONFIG_HOME/clavito/clavito.INI. Qt's own options, such as\n"
        "-platform and -style, are accepted too.\n");
}

QString VersionText() {
    return QStringLiteral("clavito %1\n").arg(QLatin1String(kAppVersion));
}

int AnswerEarlyOptions(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine commandLine = ParseCommandLine(arguments);
    if (commandLine.action == CommandLine::Help) {
        Print(stdout, UsageText());
        return 0;
    }
    if (commandLine.action == CommandLine::Version) {
        Print(stdout, VersionText());
        return 0;
    }
    return -1;
}
