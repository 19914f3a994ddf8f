// The engine's questions and notes to the user: through the installed window function in an
// interactive run, else answered by the engine itself.
#include "app/nelu52ask.h"

#include <cstdint>
#include <cstdio>

#include "platform/kovcp.h"
#include "platform/kovscript.h"

namespace {
Nelu52AskFunction g_ask = nullptr;
} // namespace

void Nelu52_Set_Ask_Function(Nelu52AskFunction ask) { g_ask = ask; }

Nelu52AskFunction Nelu52_Ask_Function() { return g_ask; }

int Nelu52_Ask(int icon, const QString& title, const QString& text, int buttons, int escape)
{
    const int mode = Kov_Ui_Mode();
    if (mode == KOV_UI_INTERACTIVE && g_ask) return g_ask(icon, title, text, buttons, escape);
    if (mode == KOV_UI_SCRIPTED) {
        Kov_Script_Log("QMessageBox %s: %s", title.toUtf8().constData(), text.toUtf8().constData());
        intptr_t v = 0;
        if (Kov_Script_Pop("qmessagebox", &v, nullptr, 0)) return int(v);
        return escape;
    }
    // In the terminal's character set.
    std::fprintf(stderr, "%s: %s\n", Kov_Utf8_To_Console(title.toStdString()).c_str(),
                 Kov_Utf8_To_Console(text.toStdString()).c_str());
    return escape;
}
