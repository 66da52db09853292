#include "platform/help/HelpViewer.h"

#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace platform {
namespace {

QString notFoundPage(const QString& helpFile, const QStringList& searched) {
    QString folders;
    for (const QString& folder : searched) {
        folders += QStringLiteral("<li>%1</li>").arg(folder.toHtmlEscaped());
    }
    return QStringLiteral("<h2>The help file %1 was not found.</h2>"
                          "<p>ヘルプ ファイル %1 が見つかりません。</p>"
                          "<p>Looked in these folders, in this order:</p><ul>%2</ul>")
        .arg(helpFile.toHtmlEscaped(), folders);
}

} // namespace

HelpViewer::HelpViewer(QWidget* owner) : QWidget(owner, Qt::Window), browser_(new QTextBrowser(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Clavito Help"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 560);
}

void HelpViewer::showHelpFile(const QString& path, const QString& helpFile, const QStringList& searched) {
    if (path.isEmpty()) {
        browser_->setHtml(notFoundPage(helpFile, searched));
        return;
    }
    // The file is HTML whatever its extension says.
    browser_->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
}

} // namespace platform
