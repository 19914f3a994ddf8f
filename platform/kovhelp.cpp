#include "platform/kovhelp.h"

#include <sys/stat.h>

#include <cstdlib>
#include <vector>

#include <QApplication>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

#include "platform/kovpath.h"

namespace {

bool is_file(const std::string& path)
{
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool ends_with_html(const std::string& name)
{
    const QString n = QString::fromStdString(name).toLower();
    return n.endsWith(QLatin1String(".html")) || n.endsWith(QLatin1String(".htm"));
}

} // namespace

std::string Kov_Help_Document(const std::string& help_file)
{
    if (help_file.empty()) return std::string();
    if (ends_with_html(help_file)) {
        const std::string p = Kov_Path(help_file.c_str());
        return is_file(p) ? p : std::string();
    }
    const std::string path = Kov_Path(help_file.c_str());
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string stem = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = stem.find_last_of('.');
    if (dot != std::string::npos && dot > 0) stem.resize(dot);
    if (stem.empty()) return std::string();

    std::vector<std::string> folders{folder};
    const char* data = std::getenv("DATA");
    if (data && *data) folders.push_back(std::string(data) + "/HILFE/");
    for (const std::string& f : folders) {
        for (const char* ext : {".html", ".htm"}) {
            const std::string p = Kov_Path((f + stem + ext).c_str());
            if (is_file(p)) return p;
        }
    }
    return std::string();
}

QWidget* Kov_Open_Help_Window(const std::string& document, const char* topic)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()) || !is_file(document)) return nullptr;
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
