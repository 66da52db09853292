#pragma once
// The help viewer window: the help file as rich text, its links followed inside the window.

#include <QWidget>

class QTextBrowser;

namespace platform {

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    // A window of its own, owned by owner (which may be null); deleted when it is closed.
    explicit HelpViewer(QWidget* owner);

    // Shows the help file at path; an empty path shows that helpFile was not found along searched.
    void showHelpFile(const QString& path, const QString& helpFile, const QStringList& searched);

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

} // namespace platform
