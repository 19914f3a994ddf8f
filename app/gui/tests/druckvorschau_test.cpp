// "Druckvorschau" of the example position: the viewer shows the list in German
// on a small screen, its tables legible; its picture stays in the build folder.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QColor>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPrinterInfo>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <string>

#include "platform/gui/oliviewer.h"
#include "window_fixture.h"

TEST(Druckvorschau, ExampleListOnASmallScreen)
{
    wintest::Ensure_App();
    const std::string list = std::string(KOV_SOURCE_DIR) + "/app/tests/print_typ0.oli.golden";
    QWidget* viewer = Oli_Open_Viewer(list);
    ASSERT_NE(viewer, nullptr);
    viewer->resize(1366, 740);
    viewer->show();
    QTest::qWait(50);
    QApplication::processEvents();
    EXPECT_TRUE(viewer->windowTitle().startsWith(QString::fromUtf8("Druckliste - ")))
        << viewer->windowTitle().toStdString();
    QStringList texts;
    for (QAction* a : viewer->findChildren<QAction*>()) texts << a->text();
    for (const char* german : {"Drucken...", "PDF speichern...", "Seitenbreite", "Ganze Seite", "Schließen"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(german))) << german;
    for (const QString& t : texts) {
        EXPECT_FALSE(t.startsWith(QLatin1String("Print"))) << t.toStdString();
        EXPECT_FALSE(t.startsWith(QLatin1String("Close"))) << t.toStdString();
    }
    const QPixmap shot = viewer->grab();
    ASSERT_FALSE(shot.isNull());
    const QString path = QString::fromLatin1(KOV_BINARY_DIR) + "/app_druckvorschau_1366x768.png";
    EXPECT_TRUE(shot.save(path, "PNG")) << path.toStdString();
    // The page is shown: white paper with dark text and the wood of the sketch.
    const QImage img = shot.toImage();
    int paper = 0, ink = 0;
    for (int y = 0; y < img.height(); y += 2)
        for (int x = 0; x < img.width(); x += 2) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 250 && c.green() > 250 && c.blue() > 250) ++paper;
            if (c.red() < 80 && c.green() < 80 && c.blue() < 80) ++ink;
        }
    EXPECT_GT(paper, img.width() * img.height() / 4 / 10);
    EXPECT_GT(ink, 200);
    viewer->close();
    QApplication::processEvents();
}

// Printing from the viewer without a printer: the print dialog opens over the
// viewer, the PDF goes beside the list and a message names it; afterwards the
// program's other dialogs still open.
TEST(Druckvorschau, DialogsStillOpenAfterPrinting)
{
    wintest::Ensure_App();
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "a printer is installed";
    const QString dir = QString::fromLatin1(KOV_BINARY_DIR) + "/test-artefacts/druckvorschau";
    QDir().mkpath(dir);
    const QString list = dir + "/POS_01.oli";
    QFile::remove(list);
    QFile::remove(list + ".pdf");
    ASSERT_TRUE(QFile::copy(QString::fromLatin1(KOV_SOURCE_DIR) + "/app/tests/print_typ0.oli.golden", list));
    QWidget* viewer = Oli_Open_Viewer(list.toStdString());
    ASSERT_NE(viewer, nullptr);
    viewer->show();
    QApplication::processEvents();
    QAction* print = nullptr;
    for (QAction* a : viewer->findChildren<QAction*>())
        if (a->text() == QString::fromUtf8("Drucken...")) print = a;
    ASSERT_NE(print, nullptr);

    // Whatever window is modal gets noted and accepted.
    QStringList seen;
    QTimer closer;
    closer.setInterval(50);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        QWidget* m = QApplication::activeModalWidget();
        if (!m) return;
        seen << QString::fromLatin1(m->metaObject()->className());
        if (auto* box = qobject_cast<QMessageBox*>(m)) {
            seen << box->text();
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            QAbstractButton* ok = box->button(QMessageBox::Ok);
            if (yes || ok) {
                (yes ? yes : ok)->click();
                return;
            }
        }
        if (auto* d = qobject_cast<QDialog*>(m)) {
            if (m->parentWidget()) seen << QString::fromLatin1("parent:") + m->parentWidget()->window()->windowTitle();
            d->accept();
        }
    });
    closer.start();
    print->trigger();
    QTest::qWait(400);
    ASSERT_FALSE(seen.isEmpty()) << "no print dialog";
    EXPECT_TRUE(seen.first().contains(QLatin1String("PrintDialog"))) << seen.join(" | ").toStdString();
    EXPECT_TRUE(seen.contains(QString::fromLatin1("parent:") + viewer->windowTitle()))
        << seen.join(" | ").toStdString();
    EXPECT_TRUE(QFile::exists(list + ".pdf"));
    // A message names the PDF.
    bool named = false;
    for (const QString& s : seen) named = named || s.contains(QLatin1String("POS_01.oli.pdf"));
    EXPECT_TRUE(named) << seen.join(" | ").toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // Another dialog of the program opens and answers.
    seen.clear();
    const int answer = QMessageBox::question(nullptr, QString::fromUtf8("Ende"), QString::fromUtf8("Speichern?"));
    closer.stop();
    EXPECT_EQ(answer, int(QMessageBox::Yes));
    EXPECT_TRUE(seen.contains(QString::fromUtf8("Speichern?"))) << seen.join(" | ").toStdString();
    viewer->close();
    QApplication::processEvents();
}

namespace {

QAction* viewer_action(QWidget* viewer, const char* text)
{
    for (QAction* a : viewer->findChildren<QAction*>())
        if (a->text() == QString::fromUtf8(text)) return a;
    return nullptr;
}

} // namespace

// The viewer opens within the part of the screen a window may take, and
// "Ganze Seite" shows the whole page: smaller than "Seitenbreite", nothing
// to scroll. The pictures stay in the build folder (under xvfb-run with the
// xcb platform they show a 1366 x 768 screen).
TEST(Druckvorschau, ViewerFitsTheScreenAndShowsTheWholePage)
{
    wintest::Ensure_App();
    const std::string list = std::string(KOV_SOURCE_DIR) + "/app/tests/print_typ0.oli.golden";
    QWidget* viewer = Oli_Open_Viewer(list);
    ASSERT_NE(viewer, nullptr);
    QTest::qWait(100);
    QApplication::processEvents();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(viewer->height(), area.height()) << area.height();
    EXPECT_LE(viewer->width(), area.width());
    EXPECT_TRUE(area.contains(viewer->frameGeometry()))
        << viewer->frameGeometry().y() << " " << viewer->frameGeometry().height();
    const QString dir = QString::fromLatin1(KOV_BINARY_DIR) + "/test-artefacts";
    QDir().mkpath(dir);
    EXPECT_TRUE(viewer->grab().save(dir + "/viewer_opened.png", "PNG"));

    QScrollArea* scroll = viewer->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    QLabel* zoom = nullptr;
    for (QLabel* l : viewer->findChildren<QLabel*>())
        if (l->text().contains(QLatin1Char('%'))) zoom = l;
    ASSERT_NE(zoom, nullptr);
    auto percent = [zoom] { return zoom->text().remove(QLatin1Char('%')).trimmed().toInt(); };
    ASSERT_NE(viewer_action(viewer, "Seitenbreite"), nullptr);
    viewer_action(viewer, "Seitenbreite")->trigger();
    QApplication::processEvents();
    const int width_zoom = percent();
    viewer_action(viewer, "Ganze Seite")->trigger();
    QApplication::processEvents();
    const int page_zoom = percent();
    EXPECT_LT(page_zoom, width_zoom);
    // The page with its margin fits the view: no scroll bar is needed.
    EXPECT_LE(scroll->widget()->height(), scroll->viewport()->height());
    EXPECT_LE(scroll->widget()->width(), scroll->viewport()->width());
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
    EXPECT_TRUE(viewer->grab().save(dir + "/viewer_ganze_seite.png", "PNG"));
    viewer->close();
    QApplication::processEvents();
}
