#pragma once
// The program's application object. An error that escapes an event handler is shown in the application's
// error box and the program goes on, so a fault in one handler neither loses the settings nor leaves notes
// sounding. Under X11 it asks for detectable auto-repeat, so that a held key never strikes its note again.

#include <QApplication>

class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
