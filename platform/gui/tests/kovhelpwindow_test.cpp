// The help window of the host's help viewer.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QApplication>
#include <QImage>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <chrono>
#include <filesystem>
#include <string>

#include "platform/gui/kovhelpwindow.h"
#include "test_support/kovtestutil.h"

namespace {

using kovtest::write_file;

void ensure_application()
{
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    if (!qApp) new QApplication(argc, argv);
}

TEST(HelpWindow, ShowsTheDocumentAtItsTopic)
{
    ensure_application();
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
    EXPECT_GT(browser->verticalScrollBar()->value(), 0); // at the topic, not at the top
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

// A help page whose pictures name /dev/zero, a FIFO in the help folder, a
// file outside it and a folder: the window opens at once, each of them is
// reported and left out, and the page's own picture is shown.
TEST(HelpWindow, LoadsOnlyRegularFilesOfTheHelpFolder)
{
    ensure_application();
    kovtest::TempDir d;
    const std::string help = d / "HILFE";
    ASSERT_TRUE(std::filesystem::create_directories(help + "/bilder"));
    ASSERT_EQ(::mkfifo((help + "/fifo.png").c_str(), 0600), 0);
    QImage blue(3, 2, QImage::Format_RGB32);
    blue.fill(QColor(0, 0, 255));
    ASSERT_TRUE(blue.save(QString::fromStdString(help + "/bilder/blau.png"), "PNG"));
    ASSERT_TRUE(blue.save(QString::fromStdString(d / "draussen.png"), "PNG"));
    ASSERT_TRUE(write_file(help + "/hilfe.html",
                           "<html><body><p>Versatz</p><img src=\"/dev/zero\"><img src=\"fifo.png\">"
                           "<img src=\"../draussen.png\"><img src=\"bilder\"><img src=\"bilder/blau.png\">"
                           "</body></html>"));

    testing::internal::CaptureStderr();
    const auto start = std::chrono::steady_clock::now();
    QTextBrowser* browser = Kov_Make_Help_Browser(help + "/hilfe.html", nullptr);
    ASSERT_NE(browser, nullptr);
    const QImage shown = browser->document()
                             ->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("bilder/blau.png")))
                             .value<QImage>();
    for (const char* src : {"/dev/zero", "fifo.png", "../draussen.png", "bilder"})
        EXPECT_TRUE(browser->document()
                        ->resource(QTextDocument::ImageResource, QUrl(QString::fromUtf8(src)))
                        .toByteArray()
                        .isEmpty())
            << src;
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Versatz")));
    EXPECT_EQ(shown.size(), QSize(3, 2));
    EXPECT_NE(err.find("Hilfe: \"/dev/zero\" wird nicht geladen (outside its folder)"), std::string::npos) << err;
    EXPECT_NE(err.find("fifo.png\" wird nicht geladen (not a regular file)"), std::string::npos) << err;
    EXPECT_NE(err.find("draussen.png\" wird nicht geladen (outside its folder)"), std::string::npos) << err;
    EXPECT_NE(err.find("bilder\" wird nicht geladen (not a regular file)"), std::string::npos) << err;
    delete browser;

    // A help document that is itself no regular file opens no window.
    EXPECT_EQ(Kov_Open_Help_Window(help + "/fifo.png", nullptr), nullptr);
    EXPECT_EQ(Kov_Open_Help_Window("/dev/zero", nullptr), nullptr);
}

} // namespace
