#include "platform/gui/kovhelpwindow.h"

#include <sys/stat.h>

#include <QApplication>
#include <QFileInfo>
#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>

QString Kov_Help_Window_Title(const QString& document_title, const std::string& document)
{
    QString title = document_title.trimmed();
    if (title.isEmpty()) title = QFileInfo(QString::fromStdString(document)).fileName();
    // A page that names itself help ("Versatz – Hilfe") is not called help twice.
    if (title.contains(QStringLiteral("Hilfe"), Qt::CaseInsensitive)) return title;
    return QStringLiteral("Hilfe – ") + title;
}

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
    browser->setWindowTitle(Kov_Help_Window_Title(browser->documentTitle(), document));
    // Closed like the program's other windows that only show something.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), browser);
    QObject::connect(close, &QShortcut::activated, browser, &QWidget::close);
    browser->resize(760, 600);
    if (topic && *topic) browser->scrollToAnchor(QString::fromUtf8(topic));
    browser->show();
    return browser;
}
