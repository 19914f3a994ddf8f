// The list viewer: its window over the pages, and printing without a printer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QPrinterInfo>
#include <QSpinBox>

#include <string>

#include "platform/gui/oliviewer.h"
#include "platform/kovhost.h"
#include "platform/kovscript.h"
#include "platform/tests/olilist_fixture.h"
#include "test_support/kovtestutil.h"

TEST(OliViewer, WindowShowsThePages)
{
    static int argc = 1;
    static char arg0[] = "test";
    static char* argv[] = {arg0, nullptr};
    QApplication app(argc, argv);
    const std::string path = kovtest::artefact_dir("oliviewer") + "/viewer.oli";
    std::string text = olitest::kList;
    for (int k = 0; k < 150; ++k) text += "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n Zeile\n#END_OF_TEXT\n";
    ASSERT_TRUE(kovtest::write_file(path, text));
    QWidget* w = Oli_Open_Viewer(path);
    ASSERT_NE(w, nullptr);
    QSpinBox* spin = w->findChild<QSpinBox*>();
    ASSERT_NE(spin, nullptr);
    EXPECT_GE(spin->maximum(), 2);
    spin->setValue(2);
    app.processEvents();
    EXPECT_TRUE(w->isVisible());
    // Shown again, the list replaces its window.
    QPointer<QWidget> first(w);
    QWidget* again = Oli_Open_Viewer(path);
    ASSERT_NE(again, nullptr);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    again->close();
    app.processEvents();
    // The batch form writes its PDF beside the list under this name.
    EXPECT_EQ(Oli_Pdf_Path_Of("/pos/POS_01.oli"), "/pos/POS_01.oli.pdf");
    // "PDF speichern" proposes another name, which printing never writes.
    EXPECT_EQ(Oli_Export_Pdf_Path_Of("/pos/POS_01.oli"), "/pos/POS_01.pdf");
    EXPECT_EQ(Oli_Export_Pdf_Path_Of("/p.d/POS_01"), "/p.d/POS_01_Liste.pdf");
    EXPECT_EQ(Oli_Export_Pdf_Path_Of("/pos/.oli"), "/pos/.oli_Liste.pdf");
}

// Printing without a printer writes the PDF beside the list and names it; a
// second print replaces only that file, never a PDF the user saved under
// another name.
TEST(OliViewerWindow, PrintWithoutPrinterKeepsThePdfTheUserSaved)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "a printer is installed";
    kovtest::TempDir d;
    const std::string list = d / "POS_01.oli";
    ASSERT_TRUE(kovtest::write_file(list, "\n#SHOWPARA\n0x0\n7\n-1\n Zeile eins\n#END_OF_TEXT\n0x0\n-1\n"));
    const std::string saved = Oli_Export_Pdf_Path_Of(list);
    ASSERT_TRUE(kovtest::write_file(saved, "%PDF-1.4 vom Benutzer gespeichert"));
    for (int i = 0; i < 2; ++i) {
        std::string pdf, error;
        ASSERT_TRUE(Oli_Print_File(list, &pdf, &error)) << error;
        EXPECT_EQ(pdf, d / "POS_01.oli.pdf");
        EXPECT_EQ(kovtest::read_file(pdf).rfind("%PDF", 0), 0u);
    }
    EXPECT_EQ(kovtest::read_file(saved), "%PDF-1.4 vom Benutzer gespeichert");
    // The batch print tells where the pages went.
    Kov_Set_Ui_Mode(KOV_UI_BATCH);
    testing::internal::CaptureStdout();
    EXPECT_EQ(Quick_OLI_Print("POS", list.c_str()), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), d / "POS_01.oli.pdf" + "\n");
    Kov_Set_Ui_Mode(-1);
    EXPECT_EQ(kovtest::read_file(saved), "%PDF-1.4 vom Benutzer gespeichert");
}
