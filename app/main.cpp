// Program entry: the command line, one application, one main window, the message loop.
#include <QTimer>

#include "AppInfo.h"
#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/DesktopDefaults.h"
#include "app/SettingsLocation.h"
#include "app/TerminationSignals.h"
#include "platform/fonts/FontConfigWarmup.h"
#include "resources/ClavitoIcon.h"
#include "ui/ClavitoMain.h"

int main(int argc, char** argv) {
    const CommandLine commandLine = ParseCommandLine(CommandLineArguments(argc, argv));
    if (const int answered = AnswerCommandLine(commandLine); answered >= 0)
        return answered;
    platform::FontConfigWarmup fontConfig;
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Clavito"));
    QApplication::setApplicationVersion(QString::fromLatin1(kAppVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
    QApplication::setWindowIcon(ClavitoIcon());
    fontConfig.wait();
    TMainForm form(
        TMainForm::Setup{.settingsPath = SettingsFilePath(CurrentSettingsPlace(commandLine.settingsFile)),
                         .absentSettings = DesktopDefaults()});
    // SIGTERM, SIGINT and SIGHUP close the window the normal way, so the hide sequence saves and silences.
    // A modal box that is up at that moment (the port's error box, About) is closed first.
    std::function<void()> closeForm = [&form, &closeForm] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
            QTimer::singleShot(0, &form, closeForm);
            return;
        }
        form.close();
    };
    TerminationSignals onTermination(closeForm);
    form.show();
    return app.exec();
}
