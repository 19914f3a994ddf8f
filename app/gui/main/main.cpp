// The step-joint program "nelu52", started by the host for one position:
//   nelu52 Bauteilkennung Icon-Id File-Id Pos-Id
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QLocale>
#include <QMainWindow>
#include <QTranslator>

#include "app/gui/mainwindowapi.h"
#include "app/nelu52annex.h"
#include "app/nelu52data.h"
#include "app/nelu52start.h"
#include "hostenv/kovstart.h"
#include "platform/kovhost.h"
#include "platform/kovlocale.h"
#include "platform/kovpath.h"
#include "platform/kovscript.h"

namespace {

// Without a display: the utilisations of the position on the console.
QString Result_Text()
{
    QString text = nelu52_titel + QStringLiteral("\n\n");
    const QString note = Nelu52_Annex_Note();
    if (!note.isEmpty()) text += note + QStringLiteral("\n");
    for (const NachweisEintrag& e : nelu52_data.nachweise)
        text += e.name + QStringLiteral(": ") + erg_prozent_text(e.ausnutzung) + QStringLiteral("\n");
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    const QString plugin_path = qEnvironmentVariable("QT_PLUGIN_PATH");
    Kov_Startup();
    if (!Nelu52_Check_Args(argc, argv)) {
        Nelu52_Usage(stdout, argv[0]);
        return 0;
    }
    Nelu52_Set_Position(argv[1], argv[3]);

    // The application object comes first so that the installation warning can
    // be shown as a message box.
    Nelu52_Choose_Platform();
    Nelu52_Runtime_Dir();
    QApplication* app = new QApplication(argc, argv);
    Kov_Numeric_C_Locale();
    if (!Nelu52_Host_Paths()) {
        Nelu52_Warning(QString::fromLatin1(NELU52_INSTALL_TITLE), QString::fromLatin1(NELU52_INSTALL_TEXT));
        delete app;
        return 2;
    }
    // Without the installation data no result would follow the position's
    // annex: one message, and no results at all.
    QString missing;
    if (!Nelu52_Check_Data(&missing)) {
        Nelu52_Warning(QString::fromLatin1(NELU52_INSTALL_TITLE), missing);
        delete app;
        return 2;
    }
    Nelu52_Set_Fonts_Name(std::getenv("DRAM"));
    nelu52_titel = Nelu52_Read_Title(nelu52_txt_name);
    Init_Helpview(CurOb_Privat_Datapath(), "Q8_NELU52.HLP");

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString dir = QString::fromLocal8Bit(
        Kov_Path((plugin_path + QStringLiteral("\\translations")).toLocal8Bit().constData()).c_str());
    QTranslator* qt = nullptr;
    QTranslator* qtbase = nullptr;
    Nelu52_Install_Translators(app, dir, &qt, &qtbase);
    Kov_Numeric_C_Locale();

    // The window reads the position's input and fills its form from it.
    // Without one the input is read directly: building a window nobody sees
    // (its form, pictures and dialogs) would more than double the start-up.
    QMainWindow* window = nullptr;
    if (Kov_Ui_Mode() == KOV_UI_INTERACTIVE) {
        window = Nelu52_New_Main_Window();
        window->setLocale(QLocale(QLocale::German, QLocale::Germany));
        window->show();
        app->exec();
    } else {
        // A damaged input file is never calculated without a window: the
        // user could not see which values were replaced.
        if (nelu52_data.read_data() == 2) {
            Nelu52_Warning(QString::fromUtf8(NELU52_READ_PROBLEMS_TITLE),
                           nelu52_read_problems_text(nelu52_inp_name, nelu52_data.read_problems, false));
            delete qt;
            delete qtbase;
            delete app;
            return 3;
        }
        nelu52_data.follow_kmod();
        nelu52_data.cal_nachweise();
        std::fputs(Result_Text().toUtf8().constData(), stdout);
        std::fflush(stdout);
    }

    delete window;
    delete qt;
    delete qtbase;
    delete app;
    return 1;
}
