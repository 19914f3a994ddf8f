// Start-up services, the stream table, the current object, files, user
// settings, clipboard, help viewer, output-list viewer and number formatting.
#include "platform/kovhost.h"

#include "platform/kovcp.h"
#include "platform/kovgui.h"
#include "platform/kovhelp.h"
#include "platform/kovpath.h"
#include "platform/kovreplace.h"
#include "platform/kovscript.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

#include <cerrno>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

extern "C" {
const KovStdioTable* KOV_STDIO_FCT = nullptr;
}

namespace {

std::mutex g_lock;

// Values that the program hands to the host; NULL until set.
struct HostStrings {
    bool privat_set = false;
    std::string privat;
    bool privat_null = true;
    bool data_set = false;
    std::string data;
    std::string clipboard;
    bool help_ready = false;
    std::string help_file;
};

HostStrings& host()
{
    static HostStrings* h = new HostStrings;
    return *h;
}

const char* env_or_null(const char* name) { return std::getenv(name); }

int env_int(const char* name)
{
    const char* v = std::getenv(name);
    if (!v || !*v) return 0;
    char* end = nullptr;
    errno = 0;
    long n = std::strtol(v, &end, 10);
    if (errno || end == v || n > 2147483647L || n < -2147483647L - 1) return 0;
    return int(n);
}

} // namespace

extern "C" {

int SetKOVDllDirectory(const char*) { return 1; }

int KOVSetStdioFctPtr(const KovStdioTable* table)
{
    std::lock_guard<std::mutex> g(g_lock);
    KOV_STDIO_FCT = table;
    return table && table->count >= KOV_STDIO_FPRINTF_SLOT && table->fct[KOV_STDIO_FPRINTF_SLOT - 1] ? 1 : 0;
}

KovFprintfFct KOV_Stdio_Fprintf_Fct(void)
{
    const KovStdioTable* t = KOV_STDIO_FCT;
    if (t && t->count >= KOV_STDIO_FPRINTF_SLOT && t->fct[KOV_STDIO_FPRINTF_SLOT - 1])
        return reinterpret_cast<KovFprintfFct>(t->fct[KOV_STDIO_FPRINTF_SLOT - 1]);
    return &std::fprintf;
}

int KOV_Stdio_Fprintf(FILE* f, const char* fmt, ...)
{
    if (!f || !fmt) return -1;
    va_list ap;
    va_start(ap, fmt);
    va_list ap2;
    va_copy(ap2, ap);
    int len = std::vsnprintf(nullptr, 0, fmt, ap);
    va_end(ap);
    if (len < 0) {
        va_end(ap2);
        return -1;
    }
    std::string text(size_t(len) + 1, '\0');
    std::vsnprintf(&text[0], text.size(), fmt, ap2);
    va_end(ap2);
    text.resize(size_t(len));
    return KOV_Stdio_Fprintf_Fct()(f, "%s", text.c_str());
}

const char* KOVGetEnv(const char* name)
{
    if (!name || !*name) return nullptr;
    return std::getenv(name);
}

/* ---- current object ---- */

const char* CurOb_Privat_Datapath(void)
{
    HostStrings& h = host();
    std::lock_guard<std::mutex> g(g_lock);
    if (h.privat_set) return h.privat_null ? nullptr : h.privat.c_str();
    return env_or_null("KOV_CUROB_PRIVAT_DATAPATH");
}

void Set_CurOb_Privat_Datapath(const char* path)
{
    HostStrings& h = host();
    std::lock_guard<std::mutex> g(g_lock);
    h.privat_set = true;
    h.privat_null = path == nullptr;
    h.privat = path ? path : "";
}

void Set_KOV_Data_Path(const char* path)
{
    HostStrings& h = host();
    std::lock_guard<std::mutex> g(g_lock);
    h.data_set = path != nullptr;
    h.data = path ? path : "";
}

const char* KOV_Get_Data_Path(void)
{
    HostStrings& h = host();
    std::lock_guard<std::mutex> g(g_lock);
    return h.data_set ? h.data.c_str() : nullptr;
}

int CurOb_Application_Number(void) { return env_int("KOV_CUROB_APPLICATION_NUMBER"); }
int CurOb_Object_Id(void) { return env_int("KOV_CUROB_OBJECT_ID"); }
const char* CurOb_Filername(void) { return env_or_null("KOV_CUROB_FILERNAME"); }
const char* CurOb_Basicname(void) { return env_or_null("KOV_CUROB_BASICNAME"); }
const char* CurOb_Suffixname(void) { return env_or_null("KOV_CUROB_SUFFIXNAME"); }
const char* CurOb_Programname(void) { return env_or_null("KOV_CUROB_PROGRAMNAME"); }
const char* CurOb_Programstring(void) { return env_or_null("KOV_CUROB_PROGRAMSTRING"); }
const char* CurOb_Versionstring(void) { return env_or_null("KOV_CUROB_VERSIONSTRING"); }

/* ---- files ---- */

int KOVCopyFile(const char* from, const char* to, int fail_if_exists)
{
    if (!from || !to || !*from || !*to) return 0;
    struct stat st;
    if (fail_if_exists && ::stat(Kov_Path(to).c_str(), &st) == 0) return 0;
    // The target is replaced only by a complete copy.
    return Kov_Replace_By_Copy(from, to) == KOV_REPLACE_OK ? 1 : 0;
}

int KOVRemoveFile(const char* path, int)
{
    if (!path || !*path) return 0;
    const std::string p = Kov_Path(path);
    if (::unlink(p.c_str()) == 0) return 1;
    // Only a file that is really not there counts as deleted: a folder that may
    // not be searched or a name that is too long says nothing about the file.
    struct stat st;
    if (::lstat(p.c_str(), &st) == 0) return 0;
    return errno == ENOENT || errno == ENOTDIR ? 1 : 0;
}

/* ---- user settings and clipboard ---- */

int KOVGetUserString(const char* key, char* buf, int n)
{
    if (buf && n > 0) buf[0] = 0;
    if (!key || !*key || !buf || n <= 0) return 0;
    const std::string name = std::string("KOV_USER_") + key;
    const char* v = std::getenv(name.c_str());
    if (!v) return 0;
    size_t k = std::strlen(v);
    if (k > size_t(n) - 1) k = size_t(n) - 1;
    std::memcpy(buf, v, k);
    buf[k] = 0;
    return 1;
}

static bool gui_clipboard()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr &&
           Kov_Ui_Mode() == KOV_UI_INTERACTIVE;
}

int KOVGetClipboardText(char* buf, int n)
{
    if (!buf || n <= 0) return 0;
    std::string text;
    if (gui_clipboard()) {
        text = Kov_Utf8_To_Cp(KOV_CP850, QGuiApplication::clipboard()->text().toStdString());
    } else {
        std::lock_guard<std::mutex> g(g_lock);
        text = host().clipboard;
    }
    size_t k = text.size() < size_t(n) - 1 ? text.size() : size_t(n) - 1;
    std::memcpy(buf, text.data(), k);
    buf[k] = 0;
    Kov_Script_Log("KOVGetClipboardText %d", int(k));
    return int(k);
}

int KOVSetClipboardText(const char* text)
{
    const std::string t = text ? text : "";
    Kov_Script_Log("KOVSetClipboardText %s", t.c_str());
    if (gui_clipboard()) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(Kov_Cp_To_Utf8(KOV_CP850, t)));
        return 1;
    }
    std::lock_guard<std::mutex> g(g_lock);
    host().clipboard = t;
    return 1;
}

/* ---- help viewer ---- */

int Init_Helpview(const char* directory, const char* file)
{
    std::string path;
    if (directory && *directory) {
        path = directory;
        if (path.back() != '\\' && path.back() != '/') path += '\\';
    }
    if (file) path += file;
    {
        std::lock_guard<std::mutex> g(g_lock);
        host().help_ready = true;
        host().help_file = Kov_Path(path.c_str());
    }
    Kov_Script_Log("Init_Helpview %s %s", directory ? directory : "(null)", file ? file : "(null)");
    return 1;
}

int Helpview(const char* topic)
{
    std::string file;
    bool ready;
    {
        std::lock_guard<std::mutex> g(g_lock);
        ready = host().help_ready;
        file = host().help_file;
    }
    const char* t = topic ? topic : "";
    Kov_Script_Log("Helpview %s", t);
    if (!ready) return 0;
    const int mode = Kov_Ui_Mode();
    // The Windows help file stands for the HTML help that the installation
    // supplies under the same name.
    const std::string document = Kov_Help_Document(file);
    if (document.empty()) {
        // Never nothing: the user learns which file is missing.
        const std::string cp = Kov_Utf8_To_Cp(KOV_CP850, file);
        Kov_Script_Log("Helpview missing %s", file.c_str());
        if (mode == KOV_UI_SCRIPTED) return 0;
        if (mode == KOV_UI_INTERACTIVE) {
            Init_Message();
            Set_Message_Title("Hilfe");
            Set_Message_Symbol(2, 0, 0, 0);
            Fill_Message("Die Hilfedatei wurde nicht gefunden:");
            Fill_Message(cp.c_str());
            Draw_Message();
        } else {
            std::fprintf(stderr, "Helpview: Die Hilfedatei wurde nicht gefunden: %s\n", file.c_str());
        }
        return 0;
    }
    Kov_Script_Log("Helpview document %s", document.c_str());
    if (mode == KOV_UI_SCRIPTED) return 1;
    const KovGuiHooks* gui = Kov_Gui_Hooks();
    if (mode == KOV_UI_INTERACTIVE && gui && gui->open_help && gui->open_help(document, t)) return 1;
    std::fprintf(stderr, "Helpview: %s %s\n", document.c_str(), t);
    return 1;
}

/* ---- output-list viewer ---- */

static int oli_call(const char* what, bool print, const char* base, const char* path)
{
    const char* b = base ? base : "";
    const char* p = path ? path : "";
    Kov_Script_Log("%s %s %s", what, b, p);
    const char* viewer = std::getenv("KOV_OLI_VIEWER");
    if (viewer && *viewer && path && *path) {
        const std::string list = Kov_Path(path);
        if (print) {
            const char* argv[] = {viewer, "--print", list.c_str(), nullptr};
            return KOVSpawnv(0, viewer, argv) == 0 ? 0 : -1;
        }
        const char* argv[] = {viewer, list.c_str(), nullptr};
        return KOVSpawnv(1, viewer, argv) == 0 ? 0 : -1;
    }
    if (Kov_Ui_Mode() != KOV_UI_SCRIPTED) std::fprintf(stderr, "%s: %s %s\n", what, b, p);
    return path && *path ? 0 : -1;
}

// The viewer shows the list in a window (interactive) or writes "<list>.pdf"
// beside it and prints that path on standard output (batch); a program named by
// KOV_OLI_VIEWER takes over when set, and scripted runs only log the call.
int Quick_OLI_View(const char* base, const char* path)
{
    const char* viewer = std::getenv("KOV_OLI_VIEWER");
    const int mode = Kov_Ui_Mode();
    if ((viewer && *viewer) || mode == KOV_UI_SCRIPTED || !path || !*path)
        return oli_call("Quick_OLI_View", false, base, path);
    // From the root: the viewer proposes and names files beside the list.
    const std::string list = Oli_Absolute_Path(Kov_Path(path));
    const KovGuiHooks* gui = Kov_Gui_Hooks();
    if (mode == KOV_UI_INTERACTIVE && gui && gui->open_viewer(list)) {
        Kov_Script_Log("Quick_OLI_View %s %s", base ? base : "", path);
        return 0;
    }
    std::fprintf(stderr, "Quick_OLI_View: %s %s\n", base ? base : "", path);
    struct stat st;
    if (::stat(list.c_str(), &st) != 0) return -1;
    const std::string pdf = Oli_Pdf_Path_Of(list);
    std::string error = "no renderer in this program", warnings;
    const bool ok = gui && gui->render_pdf(list, pdf, &error, &warnings);
    if (!warnings.empty()) std::fprintf(stderr, "%s", warnings.c_str());
    if (!ok) {
        std::fprintf(stderr, "Quick_OLI_View: %s\n", error.c_str());
        return -1;
    }
    std::printf("%s\n", pdf.c_str());
    std::fflush(stdout);
    return 0;
}

// Prints on the default printer; without one the pages go to "<list>.pdf"
// beside the list (its path on standard output, or in a message window).
int Quick_OLI_Print(const char* base, const char* path)
{
    const char* viewer = std::getenv("KOV_OLI_VIEWER");
    const int mode = Kov_Ui_Mode();
    if ((viewer && *viewer) || mode == KOV_UI_SCRIPTED || !path || !*path)
        return oli_call("Quick_OLI_Print", true, base, path);
    const bool window = mode == KOV_UI_INTERACTIVE;
    if (!window) std::fprintf(stderr, "Quick_OLI_Print: %s %s\n", base ? base : "", path);
    // From the root: the message names the full path of the PDF.
    const std::string list = Oli_Absolute_Path(Kov_Path(path));
    std::string pdf, error = "no printer service in this program";
    const KovGuiHooks* gui = Kov_Gui_Hooks();
    if (!gui || !gui->print_file(list, &pdf, &error)) {
        if (window) {
            Init_Message();
            Set_Message_Title("Drucken");
            Fill_Message("Die Druckliste kann nicht gedruckt werden:");
            Fill_Message(Kov_Utf8_To_Cp(KOV_CP850, list).c_str());
            Draw_Message();
        } else {
            std::fprintf(stderr, "Quick_OLI_Print: %s\n", error.c_str());
        }
        return -1;
    }
    if (pdf.empty()) {
        // Printed: the user is told so, not left guessing.
        if (window) {
            Init_Message();
            Set_Message_Title("Drucken");
            Fill_Message("Die Druckliste wurde zum Drucker gesandt.");
            Draw_Message();
        } else {
            std::fprintf(stderr, "Quick_OLI_Print: an den Drucker gesandt\n");
        }
    } else {
        if (window) {
            Init_Message();
            Set_Message_Title("Drucken");
            Fill_Message("Kein Drucker eingerichtet. Die Druckliste steht in der PDF-Datei");
            Fill_Message(Kov_Utf8_To_Cp(KOV_CP850, pdf).c_str());
            Draw_Message();
        } else {
            std::printf("%s\n", pdf.c_str());
            std::fflush(stdout);
        }
    }
    return 0;
}

/* ---- numbers ---- */

void formatNumber(double value, int flags, int width, int, int decimals, char* out)
{
    if (!out) return;
    if (!std::isfinite(value)) {
        std::strcpy(out, "?");
        return;
    }
    if (decimals < 0) decimals = 0;
    if (decimals > 15) decimals = 15;
    if (width < 0) width = 0;
    if (width > 40) width = 40;
    const bool compact = flags == KOV_FORMAT_COMPACT;
    if (!compact && (flags & KOV_FORMAT_NO_DECIMALS)) decimals = 0;

    char buf[400];
    int len = std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    if (len < 0 || len >= KOV_FORMAT_NUMBER_MAX - 1) {
        // Too long for a fixed text: exponent form keeps it bounded.
        len = std::snprintf(buf, sizeof buf, "%.*e", decimals > 6 ? 6 : decimals, value);
    }
    for (char* q = buf; *q; ++q)
        if (*q == ',') *q = '.';

    // "-0.00" shows nothing negative.
    if (buf[0] == '-') {
        bool zero = true;
        for (const char* q = buf + 1; *q && *q != 'e'; ++q)
            if (*q >= '1' && *q <= '9') zero = false;
        if (zero) std::memmove(buf, buf + 1, std::strlen(buf));
    }

    size_t n = std::strlen(buf);
    if (compact) {
        if (std::strchr(buf, '.') && !std::strchr(buf, 'e')) {
            while (n > 0 && buf[n - 1] == '0') buf[--n] = 0;
            if (n > 0 && buf[n - 1] == '.') buf[--n] = 0;
        }
        width = 0;
    }
    if (n > KOV_FORMAT_NUMBER_MAX - 1) n = KOV_FORMAT_NUMBER_MAX - 1;
    size_t pad = size_t(width) > n ? size_t(width) - n : 0;
    if (pad + n > KOV_FORMAT_NUMBER_MAX - 1) pad = KOV_FORMAT_NUMBER_MAX - 1 - n;
    std::memset(out, ' ', pad);
    std::memcpy(out + pad, buf, n);
    out[pad + n] = 0;
}

} // extern "C"
