// The window of the host library's screen: shows the canvas and feeds the
// user's mouse and keys into the event queue.
#include "platform/gui/kovscreenwindow.h"

#include "platform/gui/kovraise.h"

#include "platform/kovclock.h"
#include "platform/kovcp.h"
#include "platform/kovevent.h"
#include "platform/kovscreen.h"
#include "platform/kovscreenimage.h"
#include "platform/kovscript.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QThread>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

namespace {

struct ExtendedKey {
    int qt_key;
    int code;      // 256 + scan code
    int ctrl_code; // with Ctrl held (0: as without)
};

const ExtendedKey kExtended[] = {
    {Qt::Key_F1, 315, 0},      {Qt::Key_F2, 316, 0},     {Qt::Key_F3, 317, 0},     {Qt::Key_F4, 318, 0},
    {Qt::Key_F5, 319, 0},      {Qt::Key_F6, 320, 0},     {Qt::Key_F7, 321, 0},     {Qt::Key_F8, 322, 0},
    {Qt::Key_F9, 323, 0},      {Qt::Key_F10, 324, 0},    {Qt::Key_F11, 389, 0},    {Qt::Key_F12, 390, 0},
    {Qt::Key_Home, 327, 375},  {Qt::Key_Up, 328, 0},     {Qt::Key_PageUp, 329, 0}, {Qt::Key_Left, 331, 371},
    {Qt::Key_Right, 333, 372}, {Qt::Key_End, 335, 373},  {Qt::Key_Down, 336, 0},   {Qt::Key_PageDown, 337, 0},
    {Qt::Key_Insert, 338, 0},  {Qt::Key_Delete, 339, 0},
};

QPointer<KovScreenWindow> g_window;

bool on_gui_thread()
{
    return QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread();
}

// The window is only ever made and shown in interactive mode, on its thread.
bool may_show() { return on_gui_thread() && Kov_Ui_Mode() == KOV_UI_INTERACTIVE; }

// Set when the window is shown, cleared by the window system's expose.
bool g_awaiting_expose = false;

// A window just shown is mapped by the window system a little later; until
// then nothing painted reaches the screen (a window hidden and shown again
// may still call itself exposed from before). Paint and expose events run
// meanwhile, the user's input waits for the caller.
void wait_until_exposed(QWidget* w)
{
    const int64_t deadline = Kov_Clock_Ms() + 500;
    while (w->isVisible() && Kov_Clock_Ms() < deadline &&
           (g_awaiting_expose || !(w->windowHandle() && w->windowHandle()->isExposed())))
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents, 20);
    g_awaiting_expose = false;
}

void hook_changed()
{
    KovScreenWindow* w = g_window.data();
    if (!w) return;
    // The caller's thread may go on working without returning to the event
    // loop: the change is painted before pxFlsh returns. From another thread
    // (the spinner) the window is asked to repaint when its thread can.
    if (!on_gui_thread()) {
        QMetaObject::invokeMethod(w, "refresh", Qt::QueuedConnection);
        return;
    }
    if (!w->isVisible()) return;
    wait_until_exposed(w);
    w->repaint();
}

void hook_show(int visible)
{
    if (!visible && g_window && on_gui_thread()) g_window->hide();
    if (!visible || !may_show()) return;
    KovScreenWindow* w = KovScreenWindow::instance();
    w->setFixedSize(NPIXEL_X, NPIXEL_Y);
    if (!w->isVisible()) g_awaiting_expose = true;
    w->show();
    w->raise();
    w->activateWindow();
    wait_until_exposed(w);
    w->repaint();
}

// Time passes with every window of the process repainting; timers of the
// program run, the user's mouse and keys wait until the caller is done.
int hook_pause(int ms)
{
    if (!on_gui_thread() || !qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return 0;
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return 1;
}

void hook_cursor(int shape)
{
    if (!g_window || !on_gui_thread()) return;
    Qt::CursorShape s = Qt::ArrowCursor;
    if (shape == 6) s = Qt::WaitCursor;
    if (shape == 18) s = Qt::PointingHandCursor;
    KovScreenWindow::instance()->setCursor(s);
}

int hook_wait(int timeout_ms)
{
    if (!may_show()) {
        // Nothing can arrive on this thread's behalf: just let the time pass.
        if (timeout_ms > 0) QThread::msleep(ulong(timeout_ms));
        return 0;
    }
    return KovScreenWindow::instance()->waitForInput(timeout_ms);
}

void hook_warp(int x, int y)
{
    if (!g_window || !on_gui_thread()) return;
    if (g_window->isVisible()) QCursor::setPos(g_window->mapToGlobal(QPoint(x, y)));
}

} // namespace

int Kov_Modifier_Bits(Qt::KeyboardModifiers m)
{
    return ((m & Qt::ShiftModifier) ? 1 : 0) | ((m & Qt::ControlModifier) ? 2 : 0) | ((m & Qt::AltModifier) ? 4 : 0);
}

int Kov_Key_Code(int qt_key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    const bool ctrl = (modifiers & Qt::ControlModifier) != 0;
    for (const ExtendedKey& k : kExtended)
        if (k.qt_key == qt_key) return (ctrl && k.ctrl_code) ? k.ctrl_code : k.code;
    switch (qt_key) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Escape: return 27;
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Tab: return 9;
        case Qt::Key_Backtab: return 256 + 15;
        default: break;
    }
    if (ctrl && qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) return qt_key - Qt::Key_A + 1;
    if (text.size() == 1) {
        const int b = Kov_Cp_Byte_Of(KOV_CP850, text.at(0).unicode());
        if (b >= 32 && b != 127) return b;
    }
    return -1;
}

KovScreenWindow::KovScreenWindow(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("KOV"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(NPIXEL_X, NPIXEL_Y);
}

KovScreenWindow* KovScreenWindow::instance()
{
    if (!g_window) g_window = new KovScreenWindow;
    return g_window;
}

void KovScreenWindow::refresh() { update(); }

int KovScreenWindow::waitForInput(int timeout_ms)
{
    const int before = Kov_Ui_Pending();
    if (!isVisible()) hook_show(1);
    repaint();
    if (timeout_ms == 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return Kov_Ui_Pending() > before ? 1 : 0;
    }
    QEventLoop loop;
    loop_ = &loop;
    if (timeout_ms > 0) QTimer::singleShot(timeout_ms, &loop, &QEventLoop::quit);
    // Events pushed from elsewhere (a timer of the program, another thread)
    // end the wait as well.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&loop, before] {
        if (Kov_Ui_Pending() > before) loop.quit();
    });
    poll.start(20);
    loop.exec();
    loop_ = nullptr;
    return Kov_Ui_Pending() > before ? 1 : 0;
}

void KovScreenWindow::queued()
{
    if (loop_) loop_->quit();
}

bool KovScreenWindow::event(QEvent* e)
{
    // The window system's expose: from now on what is painted is seen.
    if (e->type() == QEvent::Expose) g_awaiting_expose = false;
    return QWidget::event(e);
}

void KovScreenWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, Kov_Screen_Image());
}

namespace {
int button_of(Qt::MouseButton b)
{
    if (b == Qt::LeftButton) return 1;
    if (b == Qt::RightButton) return 2;
    return 0;
}
} // namespace

void KovScreenWindow::mousePressEvent(QMouseEvent* e)
{
    Kov_Ui_Set_Modifiers(Kov_Modifier_Bits(e->modifiers()));
    const int b = button_of(e->button());
    if (!b) return;
    Kov_Ui_Push_Press(e->pos().x(), e->pos().y(), b);
    queued();
}

void KovScreenWindow::mouseReleaseEvent(QMouseEvent* e)
{
    Kov_Ui_Set_Modifiers(Kov_Modifier_Bits(e->modifiers()));
    const int b = button_of(e->button());
    if (!b) return;
    Kov_Ui_Push_Release(e->pos().x(), e->pos().y(), b);
    queued();
}

void KovScreenWindow::mouseMoveEvent(QMouseEvent* e)
{
    Kov_Ui_Set_Modifiers(Kov_Modifier_Bits(e->modifiers()));
    Kov_Ui_Push_Move(e->pos().x(), e->pos().y());
    queued();
}

void KovScreenWindow::wheelEvent(QWheelEvent* e)
{
    // A notch is 120; touch pads send parts of one.
    wheel_rest_ += e->angleDelta().y();
    const int notches = wheel_rest_ / 120;
    wheel_rest_ -= notches * 120;
    if (notches) {
        const QPoint p = e->position().toPoint();
        Kov_Ui_Push_Wheel(p.x(), p.y(), notches);
        queued();
    }
    e->accept();
}

void KovScreenWindow::keyPressEvent(QKeyEvent* e)
{
    Kov_Ui_Set_Modifiers(Kov_Modifier_Bits(e->modifiers()));
    const int code = Kov_Key_Code(e->key(), e->modifiers(), e->text());
    if (code < 0) return;
    Kov_Ui_Push_Key(code);
    queued();
}

void KovScreenWindow::keyReleaseEvent(QKeyEvent* e) { Kov_Ui_Set_Modifiers(Kov_Modifier_Bits(e->modifiers())); }

void KovScreenWindow::closeEvent(QCloseEvent* e)
{
    // The sheets decide when the screen goes: closing asks them like Escape.
    e->ignore();
    Kov_Ui_Push_Key(27);
    queued();
}

extern "C" void Kov_Screen_Window_Install(void)
{
    static const KovScreenHooks screen = {hook_changed, hook_show, hook_cursor, Kov_Raise_Window_Titled};
    static const KovEventHooks events = {hook_wait, hook_warp, hook_pause};
    Kov_Screen_Set_Hooks(&screen);
    Kov_Ui_Set_Event_Hooks(&events);
}
