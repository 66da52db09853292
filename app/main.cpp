// Program entry: one application, one main window, the message loop.
#include <QApplication>

#include "app/TerminationSignals.h"
#include "resources/ClavitoIcon.h"
#include "ui/ClavitoMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Clavito"));
    QApplication::setWindowIcon(ClavitoIcon());
    TMainForm form;
    // SIGTERM, SIGINT and SIGHUP close the window the normal way, so the hide sequence saves and silences.
    TerminationSignals onTermination([&form] { form.close(); });
    form.show();
    return app.exec();
}
