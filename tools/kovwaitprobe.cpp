// Shows that the waits of the host library reach the screen while their caller
// is busy: run under an X server in interactive mode, it opens the wait box,
// the progress list and the tool wait box one after another, and a thread of
// its own photographs the real windows (XGetImage) while the caller works or
// waits, comparing them with the host screen's canvas. A main window whose
// colour changes on a timer must keep repainting during the tool wait.
//
//   KOV_UI_MODE=interactive xvfb-run -s '-screen 0 1366x768x24' kovwaitprobe [--shots DIR]
//
// Prints one line "<wait> <1|0>" per check; exit code 0 when all pass, 1 when
// one fails, 2 without an X display.
#include "hostenv/kovtools.h"
#include "hostenv/kovwaitbox.h"
#include "platform/gui/kovscreenwindow.h"
#include "platform/kovclock.h"
#include "platform/kovhost.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscreenimage.h"
#include "platform/kovscript.h"
#include "sheets/progress.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include <unistd.h>

namespace {

// A window of the program that is not the host's screen: its colour steps on
// every tick of a timer, so a photograph shows whether it was repainted.
class Ticker : public QWidget {
public:
    Ticker()
    {
        setWindowTitle(QStringLiteral("Hauptfenster"));
        setFixedSize(200, 120);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] {
            ++ticks_;
            update();
        });
        timer_.start(40);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor::fromHsv((ticks_ * 37) % 360, 255, 255));
    }

private:
    QTimer timer_;
    int ticks_ = 0;
};

// The caller at work: no call into the window system for ms milliseconds.
void busy(int ms)
{
    const int64_t end = Kov_Clock_Ms() + ms;
    volatile double x = 0.0;
    while (Kov_Clock_Ms() < end)
        for (int i = 0; i < 10000; ++i) x = x + 1e-9 * i;
}

// Photographs of real windows through a connection of the probe's own.
class Camera {
public:
    Camera() : d_(XOpenDisplay(nullptr)) {}
    ~Camera()
    {
        if (d_) XCloseDisplay(d_);
    }
    bool ok() const { return d_ != nullptr; }

    // The area (x, y, w, h) of the root window, as the screen shows it now.
    QImage shoot(int x, int y, int w, int h)
    {
        XImage* xi = XGetImage(d_, DefaultRootWindow(d_), x, y, unsigned(w), unsigned(h), AllPlanes, ZPixmap);
        if (!xi) return QImage();
        QImage img(w, h, QImage::Format_RGB32);
        for (int r = 0; r < h; ++r)
            for (int c = 0; c < w; ++c) img.setPixel(c, r, 0xFF000000u | (XGetPixel(xi, c, r) & 0xFFFFFFu));
        XDestroyImage(xi);
        return img;
    }

private:
    Display* d_;
};

// The share of pixels in which the photograph of the screen window's area
// (x, y, w, h in canvas coordinates) equals the canvas.
double agreement(const QImage& photo, const QImage& canvas, int x, int y)
{
    if (photo.isNull()) return 0.0;
    int same = 0;
    for (int r = 0; r < photo.height(); ++r)
        for (int c = 0; c < photo.width(); ++c)
            if ((photo.pixel(c, r) & 0xFFFFFFu) == (canvas.pixel(x + c, y + r) & 0xFFFFFFu)) ++same;
    return double(same) / double(photo.width() * photo.height());
}

// Not the screen's empty desktop: more than one colour in the area.
bool shows_something(const QImage& canvas, int x, int y, int w, int h)
{
    const QRgb first = canvas.pixel(x, y);
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c)
            if (canvas.pixel(x + c, y + r) != first) return true;
    return false;
}

std::string g_shots;

void keep(const QImage& img, const char* name)
{
    if (!g_shots.empty() && !img.isNull()) img.save(QString::fromStdString(g_shots + "/" + name + ".png"));
}

// After delay_ms the area (canvas coordinates) of the screen window is
// photographed and compared with the canvas of that moment.
bool screen_shows(Camera& cam, QPoint origin, int delay_ms, QRect area, const char* name)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(delay_ms));
    const QImage canvas = Kov_Screen_Image();
    const QImage photo = cam.shoot(origin.x() + area.x(), origin.y() + area.y(), area.width(), area.height());
    keep(photo, name);
    return shows_something(canvas, area.x(), area.y(), area.width(), area.height()) &&
           agreement(photo, canvas, area.x(), area.y()) > 0.97;
}

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--shots") == 0) g_shots = argv[i + 1];
    QApplication app(argc, argv);
    Camera cam;
    if (!cam.ok() || QGuiApplication::platformName() != QLatin1String("xcb") || Kov_Ui_Mode() != KOV_UI_INTERACTIVE) {
        std::fprintf(stderr, "kovwaitprobe: braucht eine X-Anzeige und KOV_UI_MODE=interactive\n");
        return 2;
    }

    // The screen window on the left, the program's window beside it.
    KovScreenWindow* screen = KovScreenWindow::instance();
    screen->move(0, 0);
    Ticker main_window;
    main_window.move(1100, 40);
    main_window.show();
    const int64_t until = Kov_Clock_Ms() + 2000;
    while (!(main_window.windowHandle() && main_window.windowHandle()->isExposed()) && Kov_Clock_Ms() < until)
        app.processEvents(QEventLoop::AllEvents, 20);
    auto origin = [screen] { return screen->mapToGlobal(QPoint(0, 0)); };
    const int cx = NPIXEL_X / 2, cy = NPIXEL_Y / 2;
    bool all = true;

    // The wait box: opened, then the caller computes without a pause.
    {
        Wait_Box_Printf("Probe: Berechnung");
        const QPoint o = origin();
        std::atomic<bool> seen{false};
        std::thread t([&] { seen = screen_shows(cam, o, 600, QRect(cx - 130, cy + 20, 260, 45), "waitbox"); });
        busy(1500);
        t.join();
        Wait_Box_Close();
        std::printf("waitbox %d\n", seen.load() ? 1 : 0);
        all = all && seen;
    }

    // The progress list with a half-full bar, the caller busy.
    {
        ProgressList list[PROGRESS_RECORDS];
        Progress_Init(list, 1);
        std::snprintf(list[0].text, sizeof list[0].text, "Probe");
        std::snprintf(list[1].text, sizeof list[1].text, "Schritt");
        list[1].number = 10;
        Progress_Open(list);
        Progress_Set_Count(0, 5);
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        Kov_Ui_Sheet_Frame(&x1, &y1, &x2, &y2);
        const QPoint o = origin();
        std::atomic<bool> seen{false};
        std::thread t([&] {
            seen = x2 > x1 && y2 > y1 && screen_shows(cam, o, 600, QRect(x1, y1, x2 - x1 + 1, y2 - y1 + 1), "progress");
        });
        busy(1500);
        t.join();
        Progress_Close();
        std::printf("progress %d\n", seen.load() ? 1 : 0);
        all = all && seen;
    }

    // The tool wait: the "tool" is this process's own marker, taken away by
    // the camera's thread after its photographs. Meanwhile the program's
    // main window must go on repainting.
    {
        const char* const title = "KOV - Probe";
        KOVRegisterWindow(title);
        const QPoint o = origin();
        const QPoint m = main_window.mapToGlobal(QPoint(100, 60));
        std::atomic<bool> box{false}, repainted{false};
        std::thread t([&] {
            box = screen_shows(cam, o, 700, QRect(cx - 130, cy - 30, 261, 61), "toolwait");
            const QImage a = cam.shoot(m.x(), m.y(), 1, 1);
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            const QImage b = cam.shoot(m.x(), m.y(), 1, 1);
            repainted = !a.isNull() && !b.isNull() && a.pixel(0, 0) != b.pixel(0, 0);
            KOVUnregisterWindow(title);
        });
        Kov_Wait_For_Tool(title, -1, "Bitte warten", 12, 110, int(::getpid()));
        t.join();
        std::printf("toolwait %d\nmainwindow %d\n", box.load() ? 1 : 0, repainted.load() ? 1 : 0);
        all = all && box && repainted;
    }
    std::fflush(stdout);
    return all ? 0 : 1;
}
