// Start-up of the step-joint program: command line, file names, title and the
// host's installation check.
#include "app/nelu52start.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/nelu52ask.h"
#include "app/nelu52data.h"
#include "base/kovtxt.h"
#include "output/iolilist.h"
#include "platform/kovhost.h"
#include "platform/kovpath.h"
#include "platform/kovscript.h"

char nelu52_bauteil[NELU52_ID_SIZE];
int nelu52_file_id;
char nelu52_inp_name[NELU52_NAME_SIZE];
char nelu52_oli_name[NELU52_NAME_SIZE];
char nelu52_ini_name[NELU52_NAME_SIZE];
char nelu52_txt_name[NELU52_NAME_SIZE];
char nelu52_nad_name[NELU52_NAME_SIZE];
char nelu52_spf_name[NELU52_NAME_SIZE];
char nelu52_fonts_name[NELU52_NAME_SIZE];
QString nelu52_titel;

const char NELU52_INSTALL_TITLE[] = "ABBRUCH";
const char NELU52_INSTALL_TEXT[] = "KOV ist nicht korrekt installiert\n DATA, EXEC oder/und TEMP unbekannt";

int Nelu52_Check_Args(int argc, char** argv)
{
    if (argc < 5 || !argv || !argv[1] || !argv[3]) return 0;
    return std::strlen(argv[1]) < NELU52_ID_SIZE;
}

void Nelu52_Usage(FILE* out, const char* program)
{
    std::fprintf(out, "usage: %s Bauteilkennung Icon-Id File-Id Pos-Id\n", program ? program : "nelu52");
    std::fflush(out);
}

int Nelu52_Set_Position(const char* bauteil, const char* file_id)
{
    std::snprintf(nelu52_bauteil, sizeof nelu52_bauteil, "%s", bauteil ? bauteil : "");
    int nr = 0;
    if (!file_id || std::sscanf(file_id, "%d", &nr) != 1) nr = 0;
    nelu52_file_id = nr;

    struct {
        char* buf;
        const char* ext;
    } const names[] = {{nelu52_inp_name, "inp"},
                       {nelu52_oli_name, "oli"},
                       {nelu52_ini_name, "ini"},
                       {nelu52_txt_name, "txt"},
                       {nelu52_nad_name, "nad"}};
    int ok = 1;
    for (const auto& n : names) {
        const int len = std::snprintf(n.buf, NELU52_NAME_SIZE, "%s_%02d.%s", nelu52_bauteil, nr, n.ext);
        if (len < 0 || len >= NELU52_NAME_SIZE) ok = 0;
    }
    const int len = std::snprintf(nelu52_spf_name, NELU52_NAME_SIZE, "%s01.SPF", nelu52_bauteil);
    if (len < 0 || len >= NELU52_NAME_SIZE) ok = 0;
    if (!ok) {
        for (const auto& n : names) n.buf[0] = '\0';
        nelu52_spf_name[0] = '\0';
    }
    // The host's position file (named by the identifier's first four
    // characters) gives the output list's position number and title; a
    // position without one keeps them empty.
    Oli_Read_Position_File(nelu52_bauteil);
    return ok;
}

void Nelu52_Set_Fonts_Name(const char* dram)
{
    static const char file[] = "\\nelu52_fonts";
    if (dram && std::strlen(dram) + sizeof file <= sizeof nelu52_fonts_name)
        std::snprintf(nelu52_fonts_name, sizeof nelu52_fonts_name, "%s%s", dram, file);
    else
        std::snprintf(nelu52_fonts_name, sizeof nelu52_fonts_name, "%s", file);
}

namespace {

// One line of at most 255 bytes without its line end; the rest of a longer line
// is skipped. Empty at the end of the file.
QByteArray Title_Line(FILE* f)
{
    char buf[256];
    if (!Txt_Get_Line(buf, sizeof buf, f)) return QByteArray();
    size_t n = std::strlen(buf);
    if (n > 0 && buf[n - 1] == '\r') buf[--n] = '\0';
    return QByteArray(buf, (int)n);
}

} // namespace

QString Nelu52_Read_Title(const char* file)
{
    FILE* f = file ? Kov_Fopen(file, "rb") : nullptr;
    if (!f) return QString();
    Title_Line(f);
    const QString nr = qstring_from_system8(Title_Line(f));
    const QString text = qstring_recode_cp850(qstring_from_system8(Title_Line(f)));
    std::fclose(f);
    return QStringLiteral("Position ") + nr + QStringLiteral(": ") + text;
}

int Nelu52_Host_Paths()
{
    const char* dir = CurOb_Privat_Datapath();
    if (!dir) return 0;
    // The host may hand back the same buffer it keeps the path in.
    const std::string path(dir);
    Set_CurOb_Privat_Datapath(path.c_str());
    Set_KOV_Data_Path(path.c_str());
    return 1;
}

void Nelu52_Warning(const QString& title, const QString& text)
{
    if (Kov_Ui_Mode() == KOV_UI_SCRIPTED) {
        Kov_Script_Log("Warning %s: %s", title.toUtf8().constData(), text.toUtf8().constData());
        return;
    }
    Nelu52_Ask(NELU52_ICON_WARNING, title, text, NELU52_OK, NELU52_OK);
}

int Nelu52_Choose_Platform()
{
    auto set = [](const char* name) {
        const char* v = std::getenv(name);
        return v && *v;
    };
    const char* mode = std::getenv("KOV_UI_MODE");
    const bool batch = mode && std::strcmp(mode, "batch") == 0;
    if (set("QT_QPA_PLATFORM") && !batch) return 0;
    if (!batch && (set("DISPLAY") || set("WAYLAND_DISPLAY"))) return 0;
    // Qt would abort on a display it cannot reach; the program then runs as
    // in batch mode and prints its results.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return 1;
}

int Nelu52_Runtime_Dir()
{
    const char* set = std::getenv("XDG_RUNTIME_DIR");
    if (set && *set) return 1;
    const char* tmp = std::getenv("TMPDIR");
    const std::string dir = std::string(tmp && *tmp ? tmp : "/tmp") + "/kov-runtime-" + std::to_string(::getuid());
    ::mkdir(dir.c_str(), 0700);
    // Only a folder of this user that nobody else may enter is taken.
    struct stat st;
    if (::lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid()) return 0;
    if ((st.st_mode & 0777) != 0700 && ::chmod(dir.c_str(), 0700) != 0) return 0;
    return ::setenv("XDG_RUNTIME_DIR", dir.c_str(), 1) == 0 ? 1 : 0;
}

int Nelu52_Check_Data(QString* message)
{
    const char* data = std::getenv("DATA");
    if (!data || !*data) {
        if (message)
            *message = QString::fromUtf8(
                "Die Umgebungsvariable DATA ist nicht gesetzt.\n"
                "Sie nennt den Ordner der Installationsdaten (nationale Anhänge im Unterordner NAD, Hilfe); "
                "ohne ihn kann der Versatz nicht nach dem nationalen Anhang der Position gerechnet werden.");
        return 0;
    }
    struct stat st;
    if (::stat(Kov_Path(data).c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        if (message)
            *message = QString::fromUtf8("Der Ordner \"%1\" der Umgebungsvariablen DATA existiert nicht.\n"
                                         "Er enthält die Installationsdaten (nationale Anhänge im Unterordner NAD, "
                                         "Hilfe); ohne ihn kann der Versatz nicht nach dem nationalen Anhang der "
                                         "Position gerechnet werden.")
                           .arg(QString::fromLocal8Bit(data));
        return 0;
    }
    return 1;
}

int Nelu52_Install_Translators(QCoreApplication* app, const QString& dir, QTranslator** first, QTranslator** second)
{
    *first = nullptr;
    *second = nullptr;
    QTranslator* qt = new QTranslator;
    if (qt->load(QLocale::system(), QStringLiteral("qt"), QStringLiteral("_"), dir)) {
        app->installTranslator(qt);
        *first = qt;
    } else {
        delete qt;
    }
    QTranslator* qtbase = new QTranslator;
    if (qtbase->load(QStringLiteral("qtbase_") + QLocale::system().name(), dir)) {
        app->installTranslator(qtbase);
        *second = qtbase;
    } else {
        delete qtbase;
    }
    if (!*first && !*second) {
        // The host's folder has none: the program speaks German, so its
        // standard dialogs take Qt's own German texts ("Ja", "Abbrechen").
        QTranslator* de = new QTranslator;
        if (de->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::location(QLibraryInfo::TranslationsPath))) {
            app->installTranslator(de);
            *first = de;
        } else {
            delete de;
        }
    }
    return (*first ? 1 : 0) + (*second ? 1 : 0);
}
