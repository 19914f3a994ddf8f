// The help window: its title and a browser on the help document that loads only bounded regular
// files for the pictures, style sheets and pages a page names.
#include "platform/gui/kovhelpwindow.h"

#include <QApplication>
#include <QByteArray>
#include <QFileInfo>
#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVariant>

#include <cstdio>

#include "platform/kovnamedfile.h"

namespace {

// The help's browser. A page names its pictures, style sheets and further
// pages itself, and may name anything: /dev/zero (read until the memory runs
// out), a FIFO (waits for ever), another user's files. Every one of them comes
// only from the help's own folder, as a regular file up to a limit; anything
// else is reported and left out.
class HelpBrowser : public QTextBrowser {
public:
    explicit HelpBrowser(const QString& folder) : folder_(folder) {}

    QVariant loadResource(int type, const QUrl& name) override
    {
        Q_UNUSED(type);
        QUrl url = name;
        if (url.isRelative()) url = QUrl::fromLocalFile(folder_ + QLatin1Char('/')).resolved(url);
        // Refused is an empty, not a null, answer: on a null one the document
        // would open the file itself, without any of these checks.
        const QVariant refused = QByteArray("");
        if (!url.isLocalFile()) return refused;
        const QString file = url.toLocalFile();
        std::string bytes;
        const int rc = Kov_Read_Named_File_In(folder_.toLocal8Bit().toStdString(), file.toLocal8Bit().toStdString(),
                                              KOV_NAMED_HELP_MAX, &bytes);
        if (rc != KOV_NAMED_OK) {
            std::fprintf(stderr, "Hilfe: \"%s\" wird nicht geladen (%s)\n", file.toLocal8Bit().constData(),
                         Kov_Named_File_Text(rc));
            return refused;
        }
        return QByteArray(bytes.data(), int(bytes.size()));
    }

private:
    QString folder_;
};

} // namespace

QString Kov_Help_Window_Title(const QString& document_title, const std::string& document)
{
    QString title = document_title.trimmed();
    if (title.isEmpty()) title = QFileInfo(QString::fromStdString(document)).fileName();
    // A page that names itself help ("Versatz – Hilfe") is not called help twice.
    if (title.contains(QStringLiteral("Hilfe"), Qt::CaseInsensitive)) return title;
    return QStringLiteral("Hilfe – ") + title;
}

QTextBrowser* Kov_Make_Help_Browser(const std::string& document, const char* topic)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()) || document.empty()) return nullptr;
    const QFileInfo info(QString::fromLocal8Bit(document.c_str()));
    const QString folder = info.absolutePath();
    std::string page;
    if (Kov_Read_Named_File_In(folder.toLocal8Bit().toStdString(), document, KOV_NAMED_HELP_MAX, &page) != KOV_NAMED_OK)
        return nullptr;
    auto* browser = new HelpBrowser(folder);
    browser->setObjectName(QStringLiteral("kov_help"));
    browser->setAttribute(Qt::WA_DeleteOnClose);
    browser->setOpenExternalLinks(false);
    browser->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    browser->setWindowTitle(Kov_Help_Window_Title(browser->documentTitle(), document));
    // Closed like the program's other windows that only show something.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), browser);
    QObject::connect(close, &QShortcut::activated, browser, &QWidget::close);
    browser->resize(760, 600);
    if (topic && *topic) browser->scrollToAnchor(QString::fromUtf8(topic));
    return browser;
}

QWidget* Kov_Open_Help_Window(const std::string& document, const char* topic)
{
    QTextBrowser* browser = Kov_Make_Help_Browser(document, topic);
    if (browser) browser->show();
    return browser;
}
