// Starting the host's tools and reading their answers.
#include "hostenv/kovtools.h"

#include "base/kovtxt.h"
#include "platform/kovcp.h"
#include "platform/kovhost.h"
#include "platform/kovpath.h"
#include "platform/kovscreen.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <strings.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

KovToolSleepFct g_sleep = nullptr;

KovComponentSelection g_component;
int g_photo_pid = -1;

// The spinner: its run flag and position are all it shares with the caller.
struct Spinner {
    std::mutex lock;
    std::condition_variable wake;
    std::atomic<bool> run{false};
    std::atomic<int> x{0}, y{0};
    std::thread thread;
};

Spinner& spinner()
{
    static Spinner* s = new Spinner; // never destroyed: may still be joined during exit
    return *s;
}

const char* const kBauwahlTitle = "KOV - Bauteilauswahl";
const char* const kPlanTitle = "KOV - Planbearbeitung";

std::string exec_program(const char* exec, const char* file) { return std::string(exec) + "\\" + file; }

// The host's programs carry ".exe"; their stand-ins may not.
bool program_runnable(const std::string& host_path)
{
    std::string p = Kov_Path(host_path.c_str());
    if (::access(p.c_str(), X_OK) == 0) return true;
    size_t n = host_path.size();
    if (n > 4 && ::strcasecmp(host_path.c_str() + n - 4, ".exe") == 0) {
        p = Kov_Path(host_path.substr(0, n - 4).c_str());
        if (::access(p.c_str(), X_OK) == 0) return true;
    }
    return false;
}

void show_message(const char* l1, const char* l2, const char* l3)
{
    Init_Message();
    if (l1) Fill_Message(l1);
    if (l2) Fill_Message(l2);
    if (l3) Fill_Message(l3);
    Draw_Message();
}

// A guillemet string of the answer file into field (size bytes): blanks, tabs
// and line feeds are skipped; when no 0xAE follows, the byte is put back (it may
// be the number that comes next) and the field keeps its content: -1. Else the
// bytes up to 0xAF or the end of the file are read and at most size - 1 of them
// kept; returns the number kept.
int read_field(FILE* f, char* field, int size)
{
    int c;
    do {
        c = std::fgetc(f);
    } while (c == ' ' || c == '\t' || c == '\n' || c == '\r');
    if (c != TXT_GUILLEMET_OPEN) {
        if (c != EOF) std::ungetc(c, f);
        return -1;
    }
    int n = 0;
    while ((c = std::fgetc(f)) != EOF && c != TXT_GUILLEMET_CLOSE)
        if (n < size - 1) field[n++] = char(c);
    field[n] = 0;
    return n;
}

void default_sleep(int ms) { KOVSleep(ms); }

} // namespace

// ---- waiting for a tool ----------------------------------------------------------

KovToolSleepFct Kov_Tools_Set_Sleep(KovToolSleepFct fct)
{
    KovToolSleepFct old = g_sleep ? g_sleep : &default_sleep;
    g_sleep = fct;
    return old;
}

void Kov_Tools_Sleep(int ms)
{
    if (g_sleep)
        g_sleep(ms);
    else
        KOVSleep(ms);
}

namespace {

// The outline of a rectangle in the drawing colour.
void frame(int x1, int y1, int x2, int y2)
{
    pxLine(x1, y1, x2, y1);
    pxLine(x2, y1, x2, y2);
    pxLine(x2, y2, x1, y2);
    pxLine(x1, y2, x1, y1);
}

} // namespace

namespace {

// A tool whose window never appeared is named, so that the user does not take
// the silence for a cancelled choice. ended: its process has ended; running:
// it still runs after a minute; neither: a tool without a known process.
void tool_without_window(const char* title, int title_len, bool ended, bool running)
{
    std::string name = title_len < 0 ? std::string(title) : std::string(title, ::strnlen(title, size_t(title_len)));
    const std::string head = std::string("Das KOV-Werkzeug \"") + name + "\"";
    const char* what = ended     ? cp850("wurde beendet, ohne ein Fenster zu öffnen.")
                       : running ? cp850("hat nach einer Minute noch kein Fenster geöffnet.")
                                 : cp850("hat kein Fenster geöffnet.");
    show_message(head.c_str(), what, cp850("Es wurde keine Auswahl übernommen."));
}

} // namespace

int Kov_Wait_For_Tool(const char* title, int title_len, const char* text, int text_len, int text_dx, int pid)
{
    const int black = Nearest_RGB_Color(0, 0, 0);
    const int white = Nearest_RGB_Color(255, 255, 255);
    const int blue = Nearest_RGB_Color(0, 128, 255);
    const int cx = NPIXEL_X / 2, cy = NPIXEL_Y / 2;

    intptr_t saved = Save_Screen_Rectangle(cx - 130, cy - 30, cx + 130, cy + 30);
    pxFgc(white);
    pxRect(cx - 130, cy - 30, cx + 130, cy + 30);
    pxFgc(black);
    frame(cx - 130, cy - 30, cx + 130, cy + 30);

    Pop_RFont(4096);
    pxFgc(black);
    pxText(cx - text_dx, cy - 10, text, text_len);
    pxText(cx - text_dx + 1, cy - 10, text, text_len);
    Push_RFont();

    auto square = [&](int k, int fill, int outline) {
        const int x = cx - 110 + 23 * k;
        if (fill >= 0) {
            pxFgc(fill);
            pxRect(x, cy, x + 14, cy + 14);
        }
        pxFgc(outline);
        frame(x, cy, x + 14, cy + 14);
    };
    for (int k = 0; k < 10; ++k) square(k, -1, blue);

    setMouseCursor(6);
    // The box lies on the host's screen: its window shows while the tool runs.
    pxFlsh();
    Kov_Screen_Show(1);
    int seen = 0;
    bool ended = false;
    // A tool that is still starting is waited for; one that has ended is not.
    for (int i = 0; i < 600; ++i) {
        if (i >= 30 && pid > 0 && CheckKOVProcess(pid)) ended = true;
        if (i >= 30 && (pid <= 0 || ended)) break;
        if (FindKOVWindow(title, title_len)) {
            seen = 1;
            break;
        }
        Kov_Tools_Sleep(100);
    }
    int k = 0;
    while (seen && FindKOVWindow(title, title_len)) {
        square(k, white, blue);
        k = (k + 1) % 10;
        square(k, blue, black);
        pxFlsh();
        Kov_Tools_Sleep(120);
    }
    setMouseCursor(0);
    Restore_Screen_Rectangle(saved);
    pxFlsh();
    Kov_Screen_Release();
    if (!seen) tool_without_window(title, title_len, ended, pid > 0 && !ended);
    return seen;
}

// ---- the tools -----------------------------------------------------------------

int Kov_Read_Component_Answer(FILE* f, KovComponentSelection* out)
{
    if (!f || !out) return 0;
    // Read into a copy: a refused answer leaves the record as it was.
    KovComponentSelection c = *out;
    c.packed = 0;
    c.archive[0] = 0;
    int a = 0, b = 0;
    if (std::fscanf(f, "%d%d", &a, &b) == 2) {
        c.a = a;
        c.b = b;
    }
    const int name_len = read_field(f, c.name, sizeof c.name);
    read_field(f, c.text2, sizeof c.text2);
    read_field(f, c.text3, sizeof c.text3);
    const int path_len = read_field(f, c.path, sizeof c.path);
    read_field(f, c.text5, sizeof c.text5);
    read_field(f, c.text6, sizeof c.text6);
    bool archive_missing = false;
    int packed = 0;
    if (std::fscanf(f, "%d", &packed) == 1 && packed != 0) {
        c.packed = packed;
        // A packed component without its archive cannot be opened.
        if (read_field(f, c.archive, sizeof c.archive) <= 0) archive_missing = true;
    }
    if (name_len <= 0 || path_len <= 0 || archive_missing) return 0;
    *out = c;
    return 1;
}

KovComponentSelection* Kov_Select_Component(int mode)
{
    if (FindKOVWindow(kBauwahlTitle, 20)) {
        show_message("Das KOV-Werkzeug zur Auswahl von Bauteilen", cp850("ist bereits aktiv. Bitte schließen Sie"),
                     "das Fenster und versuchen es erneut.");
        return nullptr;
    }
    const char* exec = KOVGetEnv("EXEC");
    if (!exec) return nullptr;
    const std::string program = exec_program(exec, "Bauwahl.exe");
    char mode_text[16];
    std::snprintf(mode_text, sizeof mode_text, "%d", mode);
    const char* argv[] = {program.c_str(), mode_text, nullptr};
    const char* temp = KOVGetEnv("TEMP");
    const std::string answer = std::string(temp ? temp : "") + "\\Bauwahl.tmp";
    // An answer left over from an earlier run is not this user's choice.
    if (temp) KOVRemoveFile(answer.c_str(), 0);
    std::fflush(nullptr);
    const int pid = KOVSpawnv(2, program.c_str(), argv);
    if (pid < 0) return nullptr;
    Kov_Wait_For_Tool(kBauwahlTitle, 20, cp850("Bitte wählen Sie ein Bauteil aus"), 32, 110, pid);

    if (!temp) return nullptr;
    FILE* f = Kov_Fopen(answer.c_str(), "rb");
    if (!f) return nullptr;

    KovComponentSelection c = g_component;
    const int read = Kov_Read_Component_Answer(f, &c);
    std::fclose(f);
    KOVRemoveFile(answer.c_str(), 0);
    if (!read) return nullptr;
    g_component = c;
    return &g_component;
}

int Kov_Edit_Plan(const char* first, const char* second)
{
    if (FindKOVWindow(kPlanTitle, 21)) {
        show_message("Das KOV-Werkzeug zur Planbearbeitung", cp850("ist bereits aktiv. Bitte schließen Sie"),
                     "das Fenster und versuchen es erneut.");
        return 0;
    }
    const char* exec = KOVGetEnv("EXEC");
    if (!exec) return 0;
    const std::string program = exec_program(exec, "Planschau.exe");
    std::vector<const char*> argv{program.c_str(), first ? first : ""};
    if (second) argv.push_back(second);
    argv.push_back(nullptr);
    std::fflush(nullptr);
    const int pid = KOVSpawnv(2, program.c_str(), argv.data());
    if (pid < 0) return 0;
    Kov_Wait_For_Tool(kPlanTitle, 21, "Warte auf Ende des Planerstellungsmoduls", 40, 130, pid);
    return 1;
}

int Kov_Edit_Plan_File(const char* first) { return Kov_Edit_Plan(first, nullptr); }

int Kov_Show_Photos(const char* arg)
{
    if (g_photo_pid != -1 && CheckKOVProcess(g_photo_pid) != 1) {
        ShowKOVProcessWindow(g_photo_pid, 4);
        return 1;
    }
    const char* exec = KOVGetEnv("EXEC");
    if (!exec) {
        Init_Message();
        Set_Message_Title("Installationsfehler");
        Fill_Message("Das EXEC-Verzeichnis");
        Fill_Message("ist nicht ermittelbar!");
        Draw_Message();
        return 0;
    }
    const std::string program = exec_program(exec, "BILDSCHAU.EXE");
    if (!program_runnable(program)) {
        Init_Message();
        Set_Message_Title("Installationsproblem");
        Fill_Message("Das KOV-Werkzeug");
        Fill_Message("- BILDSCHAU -");
        Fill_Message("ist nicht installiert!");
        Draw_Message();
        return 0;
    }
    const char* argv[] = {program.c_str(), arg ? arg : "", nullptr};
    int pid = KOVSpawnv(2, program.c_str(), argv);
    if (pid <= 0) return 0;
    g_photo_pid = pid;
    return 1;
}

int Kov_Unpack_7za(const char* archive, const char* member, const char* dir)
{
    if (!archive || ::access(Kov_Path(archive).c_str(), R_OK) != 0) return 1;
    const std::string target = dir ? Kov_Path(dir) : std::string();
    if (!dir || ::access(target.c_str(), W_OK) != 0) return 2;
    const char* exec = std::getenv("EXEC");
    if (!exec) return 3;
    const char* temp = std::getenv("TEMP");
    if (!temp) return 4;
    if (!member || !*member) return 5;

    // The host's own 7za in EXEC when there is one, else the system's.
    std::string program = Kov_Path((std::string(exec) + "\\7za").c_str());
    const bool search_path = ::access(program.c_str(), X_OK) != 0;
    if (search_path) program = "7za";

    // Only a plain member name can be looked for afterwards.
    const bool plain = std::strpbrk(member, "*?") == nullptr;
    const std::string extracted = target + "/" + member;
    struct stat st;
    const bool existed = plain && ::stat(extracted.c_str(), &st) == 0;

    std::vector<std::string> args{program, "e", Kov_Path(archive), member, "-o" + target, "-y"};
    std::vector<char*> argv;
    for (std::string& s : args) argv.push_back(&s[0]);
    argv.push_back(nullptr);

    const std::string protocol = Kov_Path((std::string(temp) + "\\7zprot.txt").c_str());
    const int old_cursor = currentMouseCursor();
    setMouseCursor(6);

    int result = 5;
    posix_spawn_file_actions_t actions;
    if (::posix_spawn_file_actions_init(&actions) == 0) {
        ::posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        ::posix_spawn_file_actions_addopen(&actions, 1, protocol.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::posix_spawn_file_actions_adddup2(&actions, 1, 2);
        pid_t pid = 0;
        std::fflush(nullptr);
        const int rc = search_path ? ::posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ)
                                   : ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
        ::posix_spawn_file_actions_destroy(&actions);
        if (rc == 0) {
            int status = 0;
            pid_t w;
            while ((w = ::waitpid(pid, &status, 0)) < 0 && errno == EINTR) {}
            if (w == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0) result = 0;
        }
    }
    // 7-Zip ends with success also when the member is not in the archive.
    if (result == 0 && plain && !existed && ::stat(extracted.c_str(), &st) != 0) result = 5;

    setMouseCursor(old_cursor);
    return result;
}

// ---- texts -------------------------------------------------------------------------

namespace {

struct Umlaut {
    unsigned char ansi, dos;
    const char* html;
};

const Umlaut kUmlauts[] = {
    {0xC4, 0x8E, "&Auml;"}, {0xD6, 0x99, "&Ouml;"}, {0xDC, 0x9A, "&Uuml;"}, {0xDF, 0xE1, "&szlig;"},
    {0xE4, 0x84, "&auml;"}, {0xF6, 0x94, "&ouml;"}, {0xFC, 0x81, "&uuml;"},
};

const char* convert(const char* s, char* buf, bool to_dos)
{
    size_t n = 0;
    if (s) {
        for (; s[n] && n < 511; ++n) {
            unsigned char c = (unsigned char)s[n];
            for (const Umlaut& u : kUmlauts) {
                if (c == (to_dos ? u.ansi : u.dos)) {
                    c = to_dos ? u.dos : u.ansi;
                    break;
                }
            }
            buf[n] = char(c);
        }
    }
    buf[n] = 0;
    return buf;
}

} // namespace

const char* Kov_Ansi_To_Dos(const char* s)
{
    static char buf[512];
    return convert(s, buf, true);
}

const char* Kov_Dos_To_Ansi(const char* s)
{
    static char buf[512];
    return convert(s, buf, false);
}

const char* Kov_Dos_To_Html(const char* s)
{
    static char buf[512];
    size_t n = 0;
    for (const char* p = s; p && *p && n <= 503; ++p) {
        const unsigned char c = (unsigned char)*p;
        const char* entity = nullptr;
        for (const Umlaut& u : kUmlauts)
            if (c == u.dos) entity = u.html;
        if (entity) {
            const size_t len = std::strlen(entity);
            std::memcpy(buf + n, entity, len);
            n += len;
        } else {
            buf[n++] = char(c);
        }
    }
    buf[n] = 0;
    return buf;
}

int Kov_Check_File_Name(const char* name, int show)
{
    const char* text = nullptr;
    if (name && (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0))
        text = cp850("Eine Datei darf weder '.' noch '..' heißen!");
    else if (name && std::strpbrk(name, "\\/:*?\"<>|"))
        text = cp850("Unzulässige Zeichen (\\/:*?\"<>|) im Dateinamen!");
    if (!text) return 1;
    if (show) show_message(text, nullptr, nullptr);
    return 0;
}

int Text_Width_In_Font(const char* s, int font)
{
    Pop_RFont(font);
    int extent[2] = {0, 0};
    if (s) pxQTxX(s, -1, extent);
    const int w = extent[1] - extent[0];
    Push_RFont();
    return w;
}

// ---- spinner -----------------------------------------------------------------------

namespace {

void spinner_main()
{
    Spinner& s = spinner();
    const int x = s.x.load(), y = s.y.load();
    intptr_t saved = Save_Screen_Rectangle(x, y, x + 83, y + 83);
    int k = 0;
    while (s.run.load()) {
        const int state = pxBuff(-1);
        Restore_Screen_Rectangle(saved);
        saved = Save_Screen_Rectangle(x, y, x + 83, y + 83);
        pxDrawPartialTransparentDIB("Anima2.bmp", 1 + 85 * k, 1, 84, 84, x, y, x + 83, y + 83, 0, 0, 255, 255, 0);
        pxBuff(state);
        pxFlsh();
        k = (k + 1) % 12;
        // One frame every 100 ms; a stop wakes the thread at once.
        std::unique_lock<std::mutex> g(s.lock);
        s.wake.wait_for(g, std::chrono::milliseconds(100), [&s] { return !s.run.load(); });
    }
    Restore_Screen_Rectangle(saved);
    pxFlsh();
}

} // namespace

intptr_t Kov_Start_Spinner(int x, int y)
{
    Spinner& s = spinner();
    if (s.thread.joinable()) return -1;
    if (x < 0 || y < 0) {
        x = NPIXEL_X / 2 - 41;
        y = NPIXEL_Y / 2 - 41;
    }
    s.x.store(x);
    s.y.store(y);
    s.run.store(true);
    try {
        s.thread = std::thread(spinner_main);
    } catch (...) {
        s.run.store(false);
        return -1;
    }
    return 1;
}

void Kov_Stop_Spinner()
{
    Spinner& s = spinner();
    if (!s.thread.joinable()) return;
    {
        std::lock_guard<std::mutex> g(s.lock);
        s.run.store(false);
    }
    s.wake.notify_all();
    s.thread.join();
}

int Kov_Spinner_Running() { return spinner().thread.joinable() ? 1 : 0; }

void Kov_Tools_Reset()
{
    Kov_Stop_Spinner();
    g_photo_pid = -1;
    std::memset(&g_component, 0, sizeof g_component);
    g_sleep = nullptr;
}
