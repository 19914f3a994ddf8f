#pragma once
// What only the Qt GUI part of the stand-ins (platform/gui) can do: message
// windows, the output-list viewer, its PDF renderer and the printer. The GUI
// part installs these functions when it is linked into a program; without it
// (engine libraries, their tests, command-line tools) the core behaves as in a
// batch run and says so where a service is missing.
#include <string>
#include <vector>

struct KovGuiHooks {
    // Runs a modal message window with the lines (code page 850) and returns
    // 1 for OK / yes, 0 for Escape / no. question: yes/no buttons with the
    // default answer default_yes; else one OK button. symbol as for
    // Set_Message_Symbol.
    int (*message_box)(const std::string& title, const std::vector<std::string>& lines, int symbol, int question,
                       int default_yes);
    // Opens a viewer window for an output list or plot file; 1 when it shows.
    int (*open_viewer)(const std::string& path);
    // Renders the file to a PDF; false with *error when it cannot.
    bool (*render_pdf)(const std::string& path, const std::string& pdf_path, std::string* error, std::string* warnings);
    // Prints the file on the default printer (or into the PDF beside it).
    bool (*print_file)(const std::string& path, std::string* pdf_written, std::string* error);
    // Shows an output list holding one table in a modal window with the title
    // (code page 850); 1 when shown.
    int (*table_window)(const std::string& title, const std::string& list_bytes);
    // Shows the HTML help document at the anchor topic; 1 when it shows.
    int (*open_help)(const std::string& document, const char* topic);
};

// The installed functions, NULL while no GUI part is linked.
const KovGuiHooks* Kov_Gui_Hooks(void);
void Kov_Set_Gui_Hooks(const KovGuiHooks* hooks);

// The name of the PDF beside a list: the list's name followed by ".pdf"
// ("/pos/POS_01.oli" -> "/pos/POS_01.oli.pdf"); appended, not replaced, so no
// other file of the position can be hit.
std::string Oli_Pdf_Path_Of(const std::string& path);

// The path from the root: a relative one is taken from the working folder
// ("VERSATZ_01.oli" in /pos -> "/pos/VERSATZ_01.oli"), so that a message can
// say where a file is. Links are not resolved.
std::string Oli_Absolute_Path(const std::string& path);
