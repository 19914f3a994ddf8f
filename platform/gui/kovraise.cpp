// Brings another program's window to the front on an X11 desktop: the window
// whose title matches is asked for by _NET_ACTIVE_WINDOW, as a pager does, and
// raised directly for desktops without a window manager.
#include "platform/gui/kovraise.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QString>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <vector>

namespace {

// The marker's name stands for the title with '/' and '\' as '_'.
QString marker_form(QString title)
{
    title.replace(QLatin1Char('/'), QLatin1Char('_'));
    title.replace(QLatin1Char('\\'), QLatin1Char('_'));
    return title;
}

QString title_of(Display* d, Window w, Atom net_wm_name, Atom utf8)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, rest = 0;
    unsigned char* data = nullptr;
    QString t;
    if (XGetWindowProperty(d, w, net_wm_name, 0, 1024, False, utf8, &type, &format, &count, &rest, &data) == Success &&
        data && type == utf8 && format == 8)
        t = QString::fromUtf8(reinterpret_cast<const char*>(data), int(count));
    if (data) XFree(data);
    if (!t.isEmpty()) return t;
    char* name = nullptr;
    if (XFetchName(d, w, &name) && name) {
        t = QString::fromLocal8Bit(name);
        XFree(name);
    }
    return t;
}

// Every window below root, depth first (the managed ones lie below frames).
void collect(Display* d, Window w, std::vector<Window>& out, int depth)
{
    out.push_back(w);
    if (depth > 4) return;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int n = 0;
    if (!XQueryTree(d, w, &root, &parent, &children, &n)) return;
    for (unsigned int i = 0; i < n; ++i) collect(d, children[i], out, depth + 1);
    if (children) XFree(children);
}

} // namespace

int Kov_Raise_Window_Titled(const char* title)
{
    if (!title || !*title || QGuiApplication::platformName() != QLatin1String("xcb")) return 0;
    Display* d = XOpenDisplay(nullptr);
    if (!d) return 0;
    const Atom net_wm_name = XInternAtom(d, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
    const Atom active = XInternAtom(d, "_NET_ACTIVE_WINDOW", False);
    const Window root = DefaultRootWindow(d);
    const QString wanted = QString::fromUtf8(title);
    std::vector<Window> windows;
    collect(d, root, windows, 0);
    Window found = 0;
    for (Window w : windows)
        if (w != root && marker_form(title_of(d, w, net_wm_name, utf8)).compare(wanted, Qt::CaseInsensitive) == 0) {
            found = w;
            break;
        }
    if (found) {
        XEvent e = {};
        e.xclient.type = ClientMessage;
        e.xclient.window = found;
        e.xclient.message_type = active;
        e.xclient.format = 32;
        e.xclient.data.l[0] = 2; // asked for by a pager: the user's wish
        e.xclient.data.l[1] = CurrentTime;
        XSendEvent(d, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
        XRaiseWindow(d, found);
        XFlush(d);
    }
    XCloseDisplay(d);
    return found ? 1 : 0;
}
