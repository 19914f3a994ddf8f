#pragma once
// The host's output-list viewer and printer on this platform: a window with the
// pages of a list (or a plot file), and the batch forms that write PDF files.
#include <string>

#include "platform/kovgui.h" // Oli_Pdf_Path_Of

class QWidget;

// Opens a viewer window (not modal; it deletes itself when closed) for the
// file: pages, page navigation, zoom, bookmarks, export to PDF and print.
// Needs a QApplication. Returns the window, NULL when there is no QApplication.
QWidget* Oli_Open_Viewer(const std::string& path);

// The name the viewer proposes for "PDF speichern": the list's name with ".pdf"
// in place of its extension ("/pos/POS_01.oli" -> "/pos/POS_01.pdf"), never
// the name that printing without a printer writes.
std::string Oli_Export_Pdf_Path_Of(const std::string& path);

// Renders the file to pdf_path. Warnings (what the reader skipped) go into
// *warnings when given. false when the file cannot be read or the PDF cannot
// be written (*error says why).
bool Oli_Render_File_To_Pdf(const std::string& path, const std::string& pdf_path, std::string* error,
                            std::string* warnings);

// Prints the file on the default printer. Without a printer the pages go to
// the PDF beside the list instead: *pdf_written then holds its path.
// false on failure (*error says why).
bool Oli_Print_File(const std::string& path, std::string* pdf_written, std::string* error);
