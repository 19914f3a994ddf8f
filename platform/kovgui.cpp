#include "platform/kovgui.h"

#include <atomic>

namespace {
std::atomic<const KovGuiHooks*> g_hooks{nullptr};
} // namespace

const KovGuiHooks* Kov_Gui_Hooks(void) { return g_hooks.load(); }

void Kov_Set_Gui_Hooks(const KovGuiHooks* hooks) { g_hooks.store(hooks); }

std::string Oli_Pdf_Path_Of(const std::string& path) { return path + ".pdf"; }
