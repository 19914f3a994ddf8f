#include "platform/gui/kovhelpwindow.h"

#include <sys/stat.h>

#include <QApplication>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

QWidget* Kov_Open_Help_Window(const std::string& document, const char* topic)
{
    struct stat st;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()) || document.empty() ||
        ::stat(document.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return nullptr;
    auto* browser = new QTextBrowser;
    browser->setObjectName(QStringLiteral("kov_help"));
    browser->setAttribute(Qt::WA_DeleteOnClose);
    browser->setOpenExternalLinks(false);
    browser->setSource(QUrl::fromLocalFile(QString::fromStdString(document)));
    QString title = browser->documentTitle();
    if (title.isEmpty()) title = QFileInfo(QString::fromStdString(document)).fileName();
    browser->setWindowTitle(QStringLiteral("Hilfe – ") + title);
    browser->resize(760, 600);
    if (topic && *topic) browser->scrollToAnchor(QString::fromUtf8(topic));
    browser->show();
    return browser;
}
