// The hooks through which the Qt GUI part offers message windows, the list viewer, the PDF
// renderer and the printer to the core, and the paths of a list and its PDF.
#include "platform/kovgui.h"

#include <unistd.h>

#include <atomic>
#include <cstdlib>

namespace {
std::atomic<const KovGuiHooks*> g_hooks{nullptr};
} // namespace

const KovGuiHooks* Kov_Gui_Hooks(void) { return g_hooks.load(); }

void Kov_Set_Gui_Hooks(const KovGuiHooks* hooks) { g_hooks.store(hooks); }

std::string Oli_Pdf_Path_Of(const std::string& path) { return path + ".pdf"; }

std::string Oli_Absolute_Path(const std::string& path)
{
    if (path.empty() || path[0] == '/') return path;
    char* cwd = ::getcwd(nullptr, 0);
    if (!cwd) return path;
    std::string dir(cwd);
    std::free(cwd);
    std::string rest = path;
    while (rest.size() > 2 && rest.compare(0, 2, "./") == 0) rest.erase(0, 2);
    return dir == "/" ? "/" + rest : dir + "/" + rest;
}
