#pragma once
// The window that shows the host library's screen in interactive mode: the
// canvas 1:1 in one framed top-level window, repainted after pxFlsh and before
// every wait; the user's mouse, wheel and keys go into the event queue of
// "platform/kovevent.h", closing the window queues Escape.
//
// Kov_Screen_Window_Install connects the window to the screen and the waits
// (the GUI part does so when it is linked into a program); the window itself
// is made when a sheet first shows the screen or a wait first needs it, in
// interactive mode only.
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

// The key code of the host library for a Qt key with its modifiers and text
// (see "platform/kovevent.h"); -1 for a key that has none (a lone modifier).
int Kov_Key_Code(int qt_key, Qt::KeyboardModifiers modifiers, const QString& text);
// The modifier bits of the host library (Shift 1, Ctrl 2, Alt 4).
int Kov_Modifier_Bits(Qt::KeyboardModifiers modifiers);

class KovScreenWindow : public QWidget {
    Q_OBJECT
public:
    explicit KovScreenWindow(QWidget* parent = nullptr);
    // The one window (made at the first call).
    static KovScreenWindow* instance();
    // Runs the window's events until the user did something or the time is up
    // (negative: no limit, 0: only what is pending); 1 when an event was queued.
    int waitForInput(int timeout_ms);

public slots:
    void refresh();

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void queued();
    QPointer<QEventLoop> loop_;
    int wheel_rest_ = 0;
};

extern "C" {
// Connects the screen and the waits to the window (interactive mode).
void Kov_Screen_Window_Install(void);
}
