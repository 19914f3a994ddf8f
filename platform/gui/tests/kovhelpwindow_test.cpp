// The help window of the host's help viewer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
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
    // Escape closes it, as the program's other windows that only show something.
    QPointer<QWidget> alive(w);
    w->show();
    w->activateWindow();
    QTest::keyClick(w, Qt::Key_Escape);
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull() || !alive->isVisible());
    delete alive.data();
}

TEST(HelpWindow, TitleNamesHelpOnce)
{
    struct Case {
        const char* document_title;
        const char* expected;
    } const cases[] = {
        {"Versatz", "Hilfe – Versatz"},
        {"Versatz – Hilfe", "Versatz – Hilfe"},
        {"Hilfe zum Versatz", "Hilfe zum Versatz"},
        {"  ", "Hilfe – Q8_NELU52.html"},
        {"", "Hilfe – Q8_NELU52.html"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Kov_Help_Window_Title(QString::fromUtf8(c.document_title), "/x/Q8_NELU52.html"),
                  QString::fromUtf8(c.expected))
            << c.document_title;
}

} // namespace
