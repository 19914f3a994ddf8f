// The help window of the host's help viewer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QTextBrowser>
#include <string>

#include "platform/gui/kovhelpwindow.h"
#include "platform/tests/kovtestutil.h"

namespace {

using kovtest::write_file;

TEST(HelpWindow, ShowsTheDocumentAtItsTopic)
{
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    if (!qApp) new QApplication(argc, argv);
    kovtest::TempDir d;
    std::string html = "<html><head><meta charset=\"utf-8\"><title>Versatz</title></head><body>"
                       "<h1><a name=\"haupt\"></a>Versatz nach DIN EN 1995-1-1</h1>";
    for (int i = 0; i < 200; ++i) html += "<p>Zeile " + std::to_string(i) + "</p>";
    html += "<h2><a name=\"liste\"></a>Druckliste</h2><p>Schlu\xC3\x9F</p></body></html>";
    ASSERT_TRUE(write_file(d / "hilfe.html", html));
    EXPECT_EQ(Kov_Open_Help_Window(d / "fehlt.html", "haupt"), nullptr);
    QWidget* w = Kov_Open_Help_Window(d / "hilfe.html", "liste");
    ASSERT_NE(w, nullptr);
    auto* browser = qobject_cast<QTextBrowser*>(w);
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->toPlainText().contains(QString::fromUtf8("Versatz nach DIN EN 1995-1-1")));
    EXPECT_TRUE(browser->toPlainText().contains(QString::fromUtf8("Schluß")));
    EXPECT_EQ(browser->windowTitle(), QString::fromUtf8("Hilfe – Versatz"));
    QApplication::processEvents();
    EXPECT_GT(browser->verticalScrollBar()->value(), 0);   // at the topic, not at the top
    delete w;
}

} // namespace
