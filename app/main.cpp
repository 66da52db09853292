// Program entry: one application, one main window, the message loop.
#include <QTimer>

#include "app/Application.h"
#include "app/TerminationSignals.h"
#include "resources/ClavitoIcon.h"
#include "ui/ClavitoMain.h"

int main(int argc, char** argv) {
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Clavito"));
    QApplication::setWindowIcon(ClavitoIcon());
    TMainForm form;
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
