// Fonts, colours and the settings files of the main window.
#include <QHeaderView>

#include "app/delegates.h"
#include "app/mainwindow.h"
#include "app/nelu52data.h"

// The fonts and colours stay those of the form until they can be chosen; the
// result box uses the default OK and failure colours.
void MainWindow::set_application_font() {}
void MainWindow::set_application_default_font() {}
void MainWindow::set_tabellen_font() {}

void MainWindow::set_application_default_color()
{
    color_background = QColor(225, 225, 225);
    color_ergwin_ok = QColor(188, 255, 207);
    color_ergwin_fehler = QColor(255, 153, 153);
    color_tabheader = QColor(255, 255, 255);
    color_buttonleiste = QColor(208, 208, 208);
}

void MainWindow::loadSettings_fonts_colors()
{
    set_application_default_color();
}

void MainWindow::saveSettings_fonts_colors() {}
void MainWindow::set_application_color_background() {}
void MainWindow::set_application_color_buttonleiste() {}
void MainWindow::set_application_color_tabheader() {}
void MainWindow::set_application_color_ergwin_ok() {}
void MainWindow::set_application_color_ergwin_fehler() {}

// The table shows the forces with the decimals of the data object; k_mod
// keeps its three.
void MainWindow::set_tabelle_nachkomma()
{
    for (SpinBoxDelegate* d : delegate_kraft)
        if (d)
            d->setDecimals(nelu52_data.nk_zov);
    tv_lasten->viewport()->update();
}

// The window's geometry is not kept between runs yet.
void MainWindow::loadSettings() {}
void MainWindow::saveSettings() {}
void MainWindow::updateAllWidgets(QFont) {}
