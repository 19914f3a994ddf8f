// Raising another program's window by its title: nothing without a title or an
// X11 desktop, and on a virtual X display the window of that title, matched as
// the window markers name it, comes to the top of the stack.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <X11/Xlib.h>
#include <unistd.h>

#include <string>

#include "platform/gui/kovraise.h"
#include "test_support/runtool.h"

namespace {

void Ensure_App()
{
    static int argc = 1;
    static char name[] = "platform_gui_tests";
    static char* argv[] = {name, nullptr};
    if (!qApp) new QApplication(argc, argv);
}

// The viewable top-level window on top of the stack (no window manager runs on
// the virtual display, so the program's windows are children of the root).
unsigned long Top_Window()
{
    Display* d = XOpenDisplay(nullptr);
    if (!d) return 0;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int n = 0;
    unsigned long top = 0;
    if (XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &n))
        for (unsigned int i = 0; i < n; ++i) {
            XWindowAttributes a;
            if (XGetWindowAttributes(d, children[i], &a) && a.map_state == IsViewable) top = children[i];
        }
    if (children) XFree(children);
    XCloseDisplay(d);
    return top;
}

} // namespace

TEST(RaiseWindow, NothingWithoutATitleOrAnX11Desktop)
{
    Ensure_App();
    EXPECT_EQ(Kov_Raise_Window_Titled(nullptr), 0);
    EXPECT_EQ(Kov_Raise_Window_Titled(""), 0);
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        EXPECT_EQ(Kov_Raise_Window_Titled("Versatz"), 0);
    }
}

// Needs an X display: the next test starts it under xvfb-run.
TEST(RaiseWindow, TheTitledWindowComesToTheTop)
{
    Ensure_App();
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "no X display";
    QWidget wanted;
    wanted.setWindowTitle(QStringLiteral("Position 12/A Versatz"));
    wanted.setGeometry(10, 10, 300, 200);
    QWidget other;
    other.setWindowTitle(QStringLiteral("Andere Position"));
    other.setGeometry(50, 50, 300, 200);
    wanted.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&wanted));
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    other.raise();
    QApplication::processEvents();
    ASSERT_EQ(Top_Window(), other.winId());

    // A title is compared as its marker names it: '/' as '_', any case.
    EXPECT_EQ(Kov_Raise_Window_Titled("POSITION 12_A VERSATZ"), 1);
    EXPECT_EQ(Top_Window(), wanted.winId());
    EXPECT_EQ(Kov_Raise_Window_Titled("Position 13"), 0);
    EXPECT_EQ(Top_Window(), wanted.winId());
}

TEST(RaiseWindow, OnAVirtualDisplay)
{
    if (kovtest::Find_On_Path("xvfb-run").empty()) GTEST_SKIP() << "xvfb-run missing (scripts/setup.sh installs it)";
    kovtest::ToolOptions o;
    o.unset = {"QT_QPA_PLATFORM"};
    o.set = {"ASAN_OPTIONS=detect_leaks=0"};
    char self[4096] = {};
    ASSERT_GT(::readlink("/proc/self/exe", self, sizeof self - 1), 0);
    kovtest::ToolRun r;
    // xvfb-run -a may lose its display number to another virtual display
    // started at the same moment: then the program cannot open it.
    for (int attempt = 0; attempt < 3; ++attempt) {
        r = kovtest::Run_Tool({"xvfb-run", "-a", "-s", "-screen 0 640x480x24", self,
                               "--gtest_filter=RaiseWindow.TheTitledWindowComesToTheTop"},
                              o);
        if (r.exit_code == 0 || r.out.find("[  FAILED  ]") != std::string::npos) break;
    }
    EXPECT_EQ(r.exit_code, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("[  PASSED  ] 1 test"), std::string::npos) << r.out;
}
