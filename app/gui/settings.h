#pragma once
// The two settings files of the main window, INI files in QSettings' layout:
// the position's window settings "%s_%02d.ini" (geometry, tool-bar state and
// the window's font) and the user's fonts-and-colours file DRAM
// "\\nelu52_fonts" (the two fonts and the five colours, shared by all
// positions). The names are those that the start-up formed. Each call opens
// its file, reads or writes it and releases it; a save replaces a file only by
// a complete new version. A value that is damaged (a colour with an invalid
// colour model, bytes that are no font) counts as missing.
class QMainWindow;

// Restores the window's geometry, or centres the window on the default screen
// when the file has none that fits; then the tool-bar state (version 0).
void Nelu52_Load_Settings(QMainWindow* mw);
// Geometry, tool-bar state (version 0) and the window's font.
void Nelu52_Save_Settings(QMainWindow* mw);

// Without a key "Font" the default colours and the forms' fonts. Otherwise the
// application font (every widget but the load table), the table font and the
// five colours with their style sheets; a colour that is missing or unusable
// takes its default colour. The result box shows the OK colour afterwards.
void Nelu52_Load_Fonts_Colors(QMainWindow* mw);
// The window's font, the load table's font and the five colours.
void Nelu52_Save_Fonts_Colors(QMainWindow* mw);
