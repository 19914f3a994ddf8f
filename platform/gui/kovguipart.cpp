// The Qt GUI part of the stand-ins installs its message windows, viewer,
// renderer and printer into the core when it is linked into a program.
#include "platform/gui/kovhelpwindow.h"
#include "platform/gui/kovscreenwindow.h"
#include "platform/gui/olirender.h"
#include "platform/gui/oliviewer.h"
#include "platform/kovcp.h"
#include "platform/kovgui.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QScrollArea>
#include <QString>
#include <QVBoxLayout>

namespace {

QString to_qt(const std::string& cp850_text) { return QString::fromStdString(Kov_Cp_To_Utf8(KOV_CP850, cp850_text)); }

QMessageBox::Icon icon_of(int symbol)
{
    switch (symbol) {
        case 1: return QMessageBox::Information;
        case 2: return QMessageBox::Warning;
        case 3: return QMessageBox::Critical;
        case 4: return QMessageBox::Question;
        default: return QMessageBox::NoIcon;
    }
}

void setup_box(QMessageBox& box, const std::string& title, const std::vector<std::string>& lines, int symbol)
{
    QString text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) text += QLatin1Char('\n');
        text += to_qt(lines[i]);
    }
    box.setWindowTitle(title.empty() ? QStringLiteral("KOV") : to_qt(title));
    box.setText(text);
    box.setIcon(icon_of(symbol));
}

int message_box(const std::string& title, const std::vector<std::string>& lines, int symbol, int question,
                int default_yes)
{
    QMessageBox box;
    setup_box(box, title, lines, symbol);
    if (!question) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        return box.exec() == QMessageBox::Ok ? 1 : 0;
    }
    if (box.icon() == QMessageBox::NoIcon) box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    // Qt names its standard buttons in English unless a translation is loaded.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
    box.setDefaultButton(default_yes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? 1 : 0;
}

int open_viewer(const std::string& path) { return Oli_Open_Viewer(path) ? 1 : 0; }

// The table window: the pages of the list as the viewer lays them out.
int table_window(const std::string& title, const std::string& list_bytes)
{
    if (!Oli_Ensure_Gui()) return 0;
    OliDocument doc;
    Oli_Parse_List(list_bytes, &doc);
    const OliPages pages = Oli_Layout_List(doc);
    QDialog dlg;
    dlg.setWindowTitle(to_qt(title));
    dlg.setModal(true);
    QVBoxLayout* lay = new QVBoxLayout(&dlg);
    QScrollArea* scroll = new QScrollArea(&dlg);
    QWidget* inner = new QWidget;
    QVBoxLayout* pages_lay = new QVBoxLayout(inner);
    for (size_t k = 0; k < pages.pages.size(); ++k) {
        QLabel* page = new QLabel;
        page->setPixmap(QPixmap::fromImage(Oli_Page_Image(pages, int(k), 96)));
        pages_lay->addWidget(page);
    }
    scroll->setWidget(inner);
    lay->addWidget(scroll);
    QDialogButtonBox* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dlg);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    lay->addWidget(buttons);
    dlg.resize(900, 700);
    dlg.exec();
    return 1;
}

int open_help(const std::string& document, const char* topic) { return Kov_Open_Help_Window(document, topic) ? 1 : 0; }

const KovGuiHooks kHooks = {message_box, open_viewer, Oli_Render_File_To_Pdf, Oli_Print_File, table_window, open_help};

struct Install {
    Install()
    {
        Kov_Set_Gui_Hooks(&kHooks);
        Kov_Screen_Window_Install();
    }
} g_install;

} // namespace

// Named on the link line of every program that links the GUI part, so that the
// linker keeps this file (and its installer) from the static library.
extern "C" {
int Kov_Gui_Part_Linked = 1;
}
