#include "app/CommandLine.h"

#include <cstdio>

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include "AppInfo.h"

namespace {
// Described in UsageText.
const QCommandLineOption kHelp(QStringList{QStringLiteral("h"), QStringLiteral("help")});
const QCommandLineOption kVersion(QStringList{QStringLiteral("v"), QStringLiteral("version")});
const QCommandLineOption kSettings(QStringLiteral("settings"), QString(), QStringLiteral("FILE"));

// The options that QGuiApplication, QApplication and the X11 platform take out of the command line on
// Linux, with whether each is followed by a value.
constexpr struct {
    const char* name;
    bool value;
} kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"geometry", true},
    {"qwindowicon", true},     {"icon", true},
    {"qwindowtitle", true},    {"title", true},
    {"session", true},         {"style", true},
    {"stylesheet", true},      {"qmljsdebugger", true},
    {"display", true},         {"name", true},
    {"visual", true},          {"reverse", false},
    {"widgetcount", false},    {"testability", false},
    {"nograb", false},         {"dograb", false},
};

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// Why FILE cannot hold the settings; empty when it can. A file that is not there yet is made at exit.
QString SettingsFileProblem(const QString& file) {
    const QFileInfo info(file);
    if (info.isDir())
        return QStringLiteral("--settings %1: that is a folder, not a file").arg(file);
    if (!info.absoluteDir().exists())
        return QStringLiteral("--settings %1: the folder %2 does not exist")
            .arg(file, QDir::toNativeSeparators(info.absolutePath()));
    return {};
}
} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's one-dash words (-stylesheet, -platform) must not read as bundles of -h and -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({kHelp, kVersion, kSettings});
    for (const auto& option : kQtOptions)
        parser.addOption(QCommandLineOption(QLatin1String(option.name), QString(),
                                            option.value ? QStringLiteral("value") : QString()));
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
    else if (const QString problem = SettingsFileProblem(parser.value(kSettings));
             parser.isSet(kSettings) && !problem.isEmpty())
        result = {CommandLine::Refused, {}, problem};
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

QStringList CommandLineArguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

int AnswerCommandLine(const CommandLine& commandLine) {
    switch (commandLine.action) {
    case CommandLine::Run:
        return -1;
    case CommandLine::Help:
        Print(stdout, UsageText());
        return 0;
    case CommandLine::Version:
        Print(stdout, VersionText());
        return 0;
    case CommandLine::Usage:
        Print(stderr, QStringLiteral("clavito: %1\n%2").arg(commandLine.error, UsageText()));
        return 2;
    case CommandLine::Refused:
        Print(stderr, QStringLiteral("clavito: %1\n").arg(commandLine.error));
        return 2;
    }
    return 2;
}
