// Fonts, colours and the settings files of the main window.
#include <QHeaderView>

#include "app/gui/delegates.h"
#include "app/gui/fontscolours.h"
#include "app/gui/mainwindow.h"
#include "app/gui/settings.h"
#include "app/nelu52data.h"

void MainWindow::set_application_font() { Nelu52_Set_Application_Font(this); }
void MainWindow::set_application_default_font() { Nelu52_Set_Application_Default_Font(this); }
void MainWindow::set_tabellen_font() { Nelu52_Set_Tabellen_Font(this); }
void MainWindow::set_application_default_color() { Nelu52_Set_Application_Default_Color(this); }
void MainWindow::loadSettings_fonts_colors() { Nelu52_Load_Fonts_Colors(this); }
void MainWindow::saveSettings_fonts_colors() { Nelu52_Save_Fonts_Colors(this); }
void MainWindow::set_application_color_background() { Nelu52_Set_Color_Background(this); }
void MainWindow::set_application_color_buttonleiste() { Nelu52_Set_Color_Buttonleiste(this); }
void MainWindow::set_application_color_tabheader() { Nelu52_Set_Color_Tabheader(this); }
void MainWindow::set_application_color_ergwin_ok() { Nelu52_Set_Color_Ergwin_Ok(this); }
void MainWindow::set_application_color_ergwin_fehler() { Nelu52_Set_Color_Ergwin_Fehler(this); }

// The table shows the forces with the decimals of the data object; k_mod
// keeps its three.
void MainWindow::set_tabelle_nachkomma()
{
    for (SpinBoxDelegate* d : delegate_kraft)
        if (d) d->setDecimals(nelu52_data.nk_zov);
    tv_lasten->viewport()->update();
}

void MainWindow::loadSettings() { Nelu52_Load_Settings(this); }
void MainWindow::saveSettings() { Nelu52_Save_Settings(this); }
void MainWindow::updateAllWidgets(QFont font) { Nelu52_Update_All_Widgets(font); }
