// How fast the program does its work. Every measured task has a baseline
// measured in the same run (a benchmark named <name>Base with the same
// argument): timings on a shared machine vary, their ratio much less.
//
//   kovbench [Google Benchmark options]   every benchmark, then the table of ratios
//   KOV_BENCH_SMOKE=1 kovbench            each benchmark once at its smallest size
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QWidget>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include "app/nelu52data.h"
#include "app/nelu52start.h"
#include "app/print.h"
#include "clt/cltaccess.h"
#include "clt/cltplate.h"
#include "connections/conndesc.h"
#include "connections/conndesign.h"
#include "hostenv/kovbeamcut.h"
#include "materials/ec5formulas.h"
#include "nad/nadactive.h"
#include "nad/nadfile.h"
#include "output/iolipara.h"
#include "output/ioliplot.h"
#include "output/ioliwrt.h"
#include "platform/gui/olirender.h"
#include "platform/gui/oliviewer.h"
#include "platform/kovlocale.h"
#include "platform/kovscript.h"
#include "platform/olireader.h"
#include "test_support/position/example_position.h"
#include "test_support/runtool.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

bool Smoke()
{
    const char* s = std::getenv("KOV_BENCH_SMOKE");
    return s && *s;
}

std::string Slurp(const std::string& path)
{
    std::string s;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return s;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    std::fclose(f);
    return s;
}

bool Spill(const std::string& path, const std::string& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

// ---- the stand-in host environment ---------------------------------------------------------------

// EXEC, DATA, TEMP, DRAM and the position folder POS under one temporary
// folder, as the demo sets them up; removed at the end of the run.
struct HostEnv {
    std::string root;
    std::string pos() const { return root + "/POS"; }
    bool ok = false;

    HostEnv()
    {
        char tmpl[] = "/tmp/kovbench_XXXXXX";
        const char* d = mkdtemp(tmpl);
        if (!d) return;
        root = d;
        std::error_code ec;
        for (const char* sub : {"EXEC", "TEMP", "DRAM", "POS", "EXEC/q8-nlu52"})
            fs::create_directories(root + "/" + sub, ec);
        fs::copy(fs::path(KOV_SOURCE_DIR) / "data", root + "/DATA", fs::copy_options::recursive, ec);
        fs::copy(fs::path(KOV_SOURCE_DIR) / "example", pos(), fs::copy_options::recursive, ec);
        fs::copy_file(fs::path(KOV_SOURCE_DIR) / "data" / "VERSION", root + "/EXEC/q8-nlu52/VERSION", ec);
        setenv("EXEC", (root + "/EXEC").c_str(), 1);
        setenv("DATA", (root + "/DATA").c_str(), 1);
        setenv("TEMP", (root + "/TEMP").c_str(), 1);
        setenv("DRAM", (root + "/DRAM").c_str(), 1);
        setenv("_KOV_CWD_", pos().c_str(), 1);
        setenv("KOV_CUROB_PRIVAT_DATAPATH", pos().c_str(), 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        fs::current_path(pos(), ec);
        ok = !ec;
    }
    ~HostEnv()
    {
        std::error_code ec;
        fs::current_path("/", ec);
        if (!root.empty()) fs::remove_all(root, ec);
    }
};

HostEnv& Env()
{
    static HostEnv env;
    return env;
}

// Starts a program with its output thrown away and leaves it running, for the
// window's benchmark that watches the display while it starts; its process
// id, -1 when it could not be started.
pid_t Spawn(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid;
    const int rc = posix_spawn(&pid, argv[0], &fa, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&fa);
    return rc == 0 ? pid : -1;
}

// Runs a program to its end; its exit code, -1 when it could not be started
// or did not end normally.
int Run(const std::vector<std::string>& args) { return kovtest::Run_Tool(args).exit_code; }

// ---- 1. start-up to printed results ------------------------------------------------------------

void BM_Startup(benchmark::State& state)
{
    if (!Env().ok) return state.SkipWithError("no host environment");
    setenv("KOV_UI_MODE", "batch", 1);
    for (auto _ : state)
        // A normal end of the program is exit code 1, as the host reads it.
        if (Run({KOV_NELU52, "VERSATZ", "0", "1", "1"}) != 1) return state.SkipWithError("nelu52 failed");
    unsetenv("KOV_UI_MODE");
}

// A bare Qt application: its application object and a hidden main window.
void BM_StartupBase(benchmark::State& state)
{
    for (auto _ : state)
        if (Run({KOV_BARE_QT}) != 0) return state.SkipWithError("bench_bareqt failed");
}

// ---- 1b. start-up to the window on an X display --------------------------------------------------

// A started program, found by its process id on the X display.
struct XDisplay {
    Display* d = XOpenDisplay(nullptr);
    ~XDisplay()
    {
        if (d) XCloseDisplay(d);
    }
};

// Whether a viewable top-level window of process pid is on the display.
bool Window_Of_Shown(Display* d, pid_t pid)
{
    const Atom net_wm_pid = XInternAtom(d, "_NET_WM_PID", False);
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int n = 0;
    if (!XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &n)) return false;
    bool shown = false;
    for (unsigned int i = 0; i < n && !shown; ++i) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(d, children[i], &a) || a.map_state != IsViewable) continue;
        Atom type = None;
        int format = 0;
        unsigned long count = 0, rest = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(d, children[i], net_wm_pid, 0, 1, False, XA_CARDINAL, &type, &format, &count, &rest,
                               &data) == Success &&
            data && count == 1 && format == 32)
            shown = pid_t(*reinterpret_cast<unsigned long*>(data)) == pid;
        if (data) XFree(data);
    }
    if (children) XFree(children);
    return shown;
}

// Starts the program on the display, waits until its window is shown (at most
// 20 s) and ends it; false when it did not show one.
bool Start_Until_Shown(Display* d, const std::vector<std::string>& args)
{
    const pid_t pid = Spawn(args);
    if (pid < 0) return false;
    bool shown = false;
    for (int i = 0; i < 20000 && !shown; ++i) {
        shown = Window_Of_Shown(d, pid);
        if (!shown) {
            if (waitpid(pid, nullptr, WNOHANG) == pid) return false;
            usleep(1000);
        }
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return shown;
}

// The program on the example position, from its start to its main window shown.
void BM_Window(benchmark::State& state)
{
    XDisplay x;
    if (!Env().ok || !x.d) return state.SkipWithError("no host environment or no X display");
    unsetenv("QT_QPA_PLATFORM");
    for (auto _ : state)
        if (!Start_Until_Shown(x.d, {KOV_NELU52, "VERSATZ", "0", "1", "1"}))
            return state.SkipWithError("nelu52 showed no window");
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

// A bare Qt program showing a main window.
void BM_WindowBase(benchmark::State& state)
{
    XDisplay x;
    if (!x.d) return state.SkipWithError("no X display");
    unsetenv("QT_QPA_PLATFORM");
    for (auto _ : state)
        if (!Start_Until_Shown(x.d, {KOV_BARE_QT, "--show"}))
            return state.SkipWithError("bench_bareqt showed no window");
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

// ---- the example position with n load combinations ----------------------------------------------

void Use_German_Ec5()
{
    static NadRecord annex;
    Nad_Default_Blocks(&annex);
    annex.na_de = 1;
    annex.ec5.gamma_m_solid = 1.3;
    annex.ec5.gamma_m_glulam = 1.3;
    annex.ec5.gamma_m_accidental = 1.0;
    annex.ec5.k_cr_mode = 2;
    Nad_Publish_Blocks(&annex);
}

// The example position with n combinations of growing strut force in place
// of its two.
void Example(NELU52_DATA& d, int n, int detailed = 0)
{
    Use_German_Ec5();
    kovtest::Example_Position(d, 0);
    d.ausfuehrlich = detailed;
    d.lasten.clear();
    for (int i = 0; i < n; ++i) {
        LoadCase c;
        c.name = QStringLiteral("LK %1").arg(i + 1);
        c.nd_strebe = 20.0 + (i % 40);
        c.nd_schwelle = 5.0 + (i % 7);
        c.vd_schwelle = 4.0 + (i % 5);
        c.md_schwelle = 2.0 + 0.1 * (i % 9);
        c.kmod = (i % 2) ? 0.9 : 0.6;
        c.kled = (i % 2) ? 3 : 0;
        d.lasten.append(c);
    }
}

// ---- 2. the checks -----------------------------------------------------------------------------

void BM_Calc(benchmark::State& state)
{
    const int n = int(state.range(0));
    NELU52_DATA d;
    Example(d, n);
    for (auto _ : state) benchmark::DoNotOptimize(d.cal_nachweise());
    state.SetItemsProcessed(state.iterations() * n);
}

// The floor of the work: per combination the design strengths, the two
// step strengths at the angle and the four quotients, on the same inputs.
void BM_CalcBase(benchmark::State& state)
{
    const int n = int(state.range(0));
    NELU52_DATA d;
    Example(d, n);
    const double alpha = 30.0 * M_PI / 180.0;
    const double gm = 1.3, fc0 = 21.0, fc90 = 2.5, fv = 4.0, fm = 24.0;
    const double A = 120.0 * 180.0, W = 120.0 * 180.0 * 180.0 / 6.0;
    for (auto _ : state) {
        double sum = 0.0;
        for (const LoadCase& c : d.lasten) {
            const double k = c.kmod / gm;
            const double f1 = Ec5_Fc_Alpha(alpha, k * fc0, k * fc90, k * fv);
            const double f2 = Ec5_Fc_Alpha(2.0 * alpha, k * fc0, k * fc90, k * fv);
            const double s = c.nd_strebe * 1000.0 * std::cos(alpha) / (120.0 * 30.0);
            sum += s / f1 + s / f2;
            sum += c.nd_schwelle * 1000.0 / A / (k * fc0) + c.md_schwelle * 1e6 / W / (k * fm);
            sum += 1.5 * c.vd_schwelle * 1000.0 / (0.67 * A) / (k * fv);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * n);
}

// ---- 3. the print path (list and plot file) ----------------------------------------------------

using kovtest::Reset_Writers;

bool Set_Position()
{
    if (!Env().ok) return false;
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    nelu52_titel = QStringLiteral("Position 12");
    return Nelu52_Set_Position("VERSATZ", "1") == 1;
}

// Writes the list (and its plot file) of n combinations; the bytes of both.
std::string Print_List(int n, int detailed, std::string* plot)
{
    NELU52_DATA d;
    Example(d, n, detailed);
    Reset_Writers();
    int flag = 0;
    cal_Print(d, &flag);
    if (plot) *plot = Slurp(Env().pos() + "/VERSATZ01.SPF");
    return Slurp(Env().pos() + "/VERSATZ_01.oli");
}

void BM_Print(benchmark::State& state)
{
    if (!Set_Position()) return state.SkipWithError("no position");
    const int n = int(state.range(0));
    NELU52_DATA d;
    Example(d, n);
    for (auto _ : state) {
        Reset_Writers();
        int flag = 0;
        benchmark::DoNotOptimize(cal_Print(d, &flag));
    }
    state.SetItemsProcessed(state.iterations() * n);
}

// fwrite of the same two files' bytes into the same folder.
void BM_PrintBase(benchmark::State& state)
{
    if (!Set_Position()) return state.SkipWithError("no position");
    const int n = int(state.range(0));
    std::string plot;
    const std::string list = Print_List(n, 0, &plot);
    if (list.empty()) return state.SkipWithError("no list written");
    const std::string a = Env().pos() + "/base.oli", b = Env().pos() + "/base.spf";
    for (auto _ : state)
        if (!Spill(a, list) || !Spill(b, plot)) return state.SkipWithError("cannot write");
    state.SetItemsProcessed(state.iterations() * n);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(list.size() + plot.size()));
}

// ---- 4. reading, laying out and painting an output list -----------------------------------------

// A detailed list of at least `pages` pages: its path (made once per size).
std::string List_Of_Pages(int pages)
{
    static std::map<int, std::string> made;
    auto it = made.find(pages);
    if (it != made.end()) return it->second;
    if (!Set_Position()) return "";
    int n = 1;
    std::string bytes;
    for (int round = 0; round < 12; ++round) {
        bytes = Print_List(n, 1, nullptr);
        OliDocument doc;
        Oli_Parse_List(bytes, &doc);
        const int got = int(Oli_Layout_List(doc).pages.size());
        if (got >= pages) break;
        n = std::max(n + 1, int(std::ceil(n * 1.1 * pages / std::max(got, 1))));
    }
    const std::string path = Env().root + "/list_" + std::to_string(pages) + ".oli";
    if (!Spill(path, bytes)) return "";
    made[pages] = path;
    return path;
}

void BM_ListLayout(benchmark::State& state)
{
    const std::string path = List_Of_Pages(int(state.range(0)));
    if (path.empty()) return state.SkipWithError("no list");
    size_t pages = 0;
    for (auto _ : state) {
        std::string bytes;
        Oli_Read_Bytes_Of(path, &bytes);
        OliDocument doc;
        Oli_Parse_List(bytes, &doc);
        pages = Oli_Layout_List(doc).pages.size();
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = double(pages);
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(pages));
}

void BM_ListLayoutBase(benchmark::State& state)
{
    const std::string path = List_Of_Pages(int(state.range(0)));
    if (path.empty()) return state.SkipWithError("no list");
    for (auto _ : state) {
        std::string bytes;
        benchmark::DoNotOptimize(Oli_Read_Bytes_Of(path, &bytes));
    }
}

// Painting the first page of a ten-page list at 96 dpi.
void BM_PagePaint(benchmark::State& state)
{
    const std::string path = List_Of_Pages(10);
    if (path.empty() || !Oli_Ensure_Gui()) return state.SkipWithError("no list or no GUI");
    OliDocument doc;
    Oli_Read_List(path, &doc);
    const OliPages pages = Oli_Layout_List(doc);
    for (auto _ : state) benchmark::DoNotOptimize(Oli_Page_Image(pages, 0, 96).constBits());
}

void BM_PagePaintBase(benchmark::State& state)
{
    const std::string path = List_Of_Pages(10);
    if (path.empty()) return state.SkipWithError("no list");
    for (auto _ : state) {
        std::string bytes;
        benchmark::DoNotOptimize(Oli_Read_Bytes_Of(path, &bytes));
    }
}

// "Druckvorschau": the list and plot file of the example written, the viewer
// opened on the list, to its first page painted.
class FirstPagePainted : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && o->objectName() == QLatin1String("oliPage")) painted = true;
        return false;
    }
};

void BM_Preview(benchmark::State& state)
{
    if (!Set_Position() || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return state.SkipWithError("no position or no widget application");
    NELU52_DATA d;
    Example(d, 1);
    FirstPagePainted watch;
    qApp->installEventFilter(&watch);
    for (auto _ : state) {
        Reset_Writers();
        int flag = 0;
        cal_Print(d, &flag);
        watch.painted = false;
        QWidget* viewer = Oli_Open_Viewer(Env().pos() + "/VERSATZ_01.oli");
        if (!viewer) return state.SkipWithError("no viewer");
        for (int i = 0; i < 100000 && !watch.painted; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        state.PauseTiming();
        delete viewer;
        QCoreApplication::processEvents();
        state.ResumeTiming();
        if (!watch.painted) return state.SkipWithError("no page painted");
    }
    qApp->removeEventFilter(&watch);
}

// Reading the bytes of the list that the preview shows.
void BM_PreviewBase(benchmark::State& state)
{
    if (!Set_Position()) return state.SkipWithError("no position");
    const std::string path = Env().pos() + "/VERSATZ_01.oli";
    if (Print_List(1, 0, nullptr).empty()) return state.SkipWithError("no list written");
    for (auto _ : state) {
        std::string bytes;
        benchmark::DoNotOptimize(Oli_Read_Bytes_Of(path, &bytes));
    }
}

// ---- 5. force import ---------------------------------------------------------------------------

// The example's result file of the force-selection tool with its two cuts
// holding rows rows together.
std::string Import_File(int rows)
{
    static std::map<int, std::string> made;
    auto it = made.find(rows);
    if (it != made.end()) return it->second;
    const std::string example = Slurp(std::string(KOV_SOURCE_DIR) + "/example/Krawahl.res");
    const size_t at = example.find("\nRESULTS");
    if (at == std::string::npos || !Env().ok) return "";
    std::string s = example.substr(0, at) + "\nRESULTS\n";
    const int first = rows / 2, second = rows - rows / 2;
    s += std::to_string(first) + "\n" + std::to_string(second) + "\n";
    for (int cut = 0; cut < 2; ++cut) {
        const int count = cut == 0 ? first : second;
        for (int r = 0; r < count; ++r) {
            char line[256];
            std::snprintf(line, sizeof line,
                          "%.3f 0.000 0.000 0.000 0.000 0.000 %.3f 0.000 0.000 0.000 0.000 0.000\n%d 0.%02d\n",
                          -20.0 - r % 50, -3.0 - r % 7, r, 60 + r % 30);
            s += line;
            s += "\xAE" + std::string(cut == 0 ? "Strebe" : "Fusspfette") + "\xAF \xAE" + "LK " +
                 std::to_string(r + 1) + "\xAF\n";
        }
    }
    const std::string path = Env().root + "/import_" + std::to_string(rows) + ".res";
    if (!Spill(path, s)) return "";
    made[rows] = path;
    return path;
}

void BM_Import(benchmark::State& state)
{
    const int rows = int(state.range(0));
    const std::string path = Import_File(rows);
    if (path.empty()) return state.SkipWithError("no result file");
    int read = 0;
    for (auto _ : state) {
        FILE* f = std::fopen(path.c_str(), "rb");
        BeamCutRowSet set{};
        read = BeamCut_Read_Multi_Result(f, 2, &set);
        BeamCut_Free_Row_Set(&set);
        BeamCut_Clear_Cuts();
        std::fclose(f);
    }
    if (read != rows) return state.SkipWithError("the reader did not read every row");
    state.SetItemsProcessed(state.iterations() * rows);
}

void BM_ImportBase(benchmark::State& state)
{
    const std::string path = Import_File(int(state.range(0)));
    if (path.empty()) return state.SkipWithError("no result file");
    for (auto _ : state) benchmark::DoNotOptimize(Slurp(path).size());
}

// ---- 6. connection design and the cross-laminated timber strip ----------------------------------

bool Description(const char* name, ConnectionInput* input)
{
    const std::string text = Slurp(std::string(KOV_SOURCE_DIR) + "/connections/tests/samples/" + name);
    int bad = 0;
    char msg[200];
    return !text.empty() && Conn_Read_Description(text.data(), text.size(), input, &bad, msg, sizeof msg) == 0;
}

void Conn_Bench(benchmark::State& state, const char* sample, bool axial)
{
    ConnectionInput input;
    if (!Description(sample, &input)) return state.SkipWithError("sample cannot be read");
    Nad_Publish_Blocks(nullptr); // DIN 1052 rules: no annex file needed
    for (auto _ : state) {
        ConnectionResult r;
        benchmark::DoNotOptimize(axial ? Conn_Axial_Design(input, &r) : Conn_Design(input, &r));
    }
}

void BM_ConnBolt(benchmark::State& state) { Conn_Bench(state, "bolt_m12.txt", false); }
void BM_ConnNail(benchmark::State& state) { Conn_Bench(state, "nail_din.txt", false); }
void BM_ConnScrew(benchmark::State& state) { Conn_Bench(state, "screw_axial.txt", true); }

void BM_CltStrip(benchmark::State& state)
{
    Nad_Publish_Blocks(nullptr);
    const CltSection* s = Clt_Product(0, 0);
    if (!s) return state.SkipWithError("no product");
    for (auto _ : state) {
        CltPlateCheck r;
        benchmark::DoNotOptimize(Clt_Plate_Check(s, 1000.0, 0, 1, 2, 1.0, 1.0, 1.3, 20.0, 0.0, 15.0, &r));
    }
}

// ---- registration and the table of ratios ------------------------------------------------------

void Register()
{
    const bool smoke = Smoke();
    auto sizes = [smoke](benchmark::internal::Benchmark* b, std::vector<int64_t> s) {
        if (smoke) s.resize(1);
        for (int64_t v : s) b->Arg(v);
        return b;
    };
    benchmark::RegisterBenchmark("Startup", BM_Startup)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("StartupBase", BM_StartupBase)->Unit(benchmark::kMillisecond)->UseRealTime();
    // The window needs an X display (scripts/bench.sh starts a virtual one).
    if (std::getenv("DISPLAY")) {
        benchmark::RegisterBenchmark("Window", BM_Window)->Unit(benchmark::kMillisecond)->UseRealTime();
        benchmark::RegisterBenchmark("WindowBase", BM_WindowBase)->Unit(benchmark::kMillisecond)->UseRealTime();
    }
    sizes(benchmark::RegisterBenchmark("Calc", BM_Calc), {1, 100, 10000});
    sizes(benchmark::RegisterBenchmark("CalcBase", BM_CalcBase), {1, 100, 10000});
    sizes(benchmark::RegisterBenchmark("Print", BM_Print)->Unit(benchmark::kMillisecond)->UseRealTime(),
          {1, 100, 1000});
    sizes(benchmark::RegisterBenchmark("PrintBase", BM_PrintBase)->Unit(benchmark::kMillisecond)->UseRealTime(),
          {1, 100, 1000});
    sizes(benchmark::RegisterBenchmark("ListLayout", BM_ListLayout)->Unit(benchmark::kMillisecond), {10, 100, 1000});
    sizes(benchmark::RegisterBenchmark("ListLayoutBase", BM_ListLayoutBase)->Unit(benchmark::kMillisecond),
          {10, 100, 1000});
    benchmark::RegisterBenchmark("PagePaint", BM_PagePaint)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PagePaintBase", BM_PagePaintBase)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Preview", BM_Preview)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("PreviewBase", BM_PreviewBase)->Unit(benchmark::kMillisecond)->UseRealTime();
    sizes(benchmark::RegisterBenchmark("Import", BM_Import), {10, 100, 1000});
    sizes(benchmark::RegisterBenchmark("ImportBase", BM_ImportBase), {10, 100, 1000});
    benchmark::RegisterBenchmark("ConnBolt", BM_ConnBolt);
    benchmark::RegisterBenchmark("ConnNail", BM_ConnNail);
    benchmark::RegisterBenchmark("ConnScrewAxial", BM_ConnScrew);
    benchmark::RegisterBenchmark("CltStrip", BM_CltStrip);
}

// Collects every run and prints, after the usual report, one line per
// benchmark: its time, its baseline's time and the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && !r.error_occurred)
                times_[r.benchmark_name()] = r.GetAdjustedRealTime() * Factor(r.time_unit);
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-28s %14s %14s %8s\n", "benchmark", "time [us]", "baseline [us]", "ratio");
        for (const auto& [name, t] : times_) {
            const size_t slash = name.find('/');
            const std::string head = name.substr(0, slash);
            if (head.size() > 4 && head.compare(head.size() - 4, 4, "Base") == 0) continue;
            const std::string base = head + "Base" + (slash == std::string::npos ? "" : name.substr(slash));
            auto b = times_.find(base);
            if (b == times_.end())
                std::printf("%-28s %14.2f %14s %8s\n", name.c_str(), t, "-", "-");
            else
                std::printf("%-28s %14.2f %14.2f %8.2f\n", name.c_str(), t, b->second,
                            b->second > 0 ? t / b->second : 0.0);
        }
        std::fflush(stdout);
    }

private:
    static double Factor(benchmark::TimeUnit u)
    {
        switch (u) {
            case benchmark::kNanosecond: return 1e-3;
            case benchmark::kMicrosecond: return 1.0;
            case benchmark::kMillisecond: return 1e3;
            default: return 1e6;
        }
    }
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char** argv)
{
    Kov_Numeric_C_Locale();
    Env();
    // The viewer of the preview is a window: a widget application, offscreen.
    static int qt_argc = 1;
    QApplication app(qt_argc, argv);
    Kov_Numeric_C_Locale();
    std::vector<char*> args(argv, argv + argc);
    std::string min_time = "--benchmark_min_time=0";
    if (Smoke()) args.push_back(min_time.data());
    int n = int(args.size());
    benchmark::Initialize(&n, args.data());
    Register();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
