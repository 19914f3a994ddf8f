// The user-interface mode (interactive, batch, scripted) from KOV_UI_MODE and the scripted
// queue of answers with its log of every call.
#include "platform/kovscript.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QThread>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

namespace {

struct Entry {
    std::string channel;
    intptr_t value;
    std::string text;
    bool has_text;
};

struct ScriptState {
    std::mutex lock;
    int forced_mode = -1;
    std::deque<Entry> queue;
    std::deque<std::string> log; // deque: line pointers stay valid while lines are added
    std::string joined;
};

ScriptState& state()
{
    static ScriptState* s = new ScriptState; // lives for the run, also during exit
    return *s;
}

int mode_from_env()
{
    const char* v = std::getenv("KOV_UI_MODE");
    if (v) {
        if (std::strcmp(v, "batch") == 0) return KOV_UI_BATCH;
        if (std::strcmp(v, "scripted") == 0) return KOV_UI_SCRIPTED;
        if (std::strcmp(v, "interactive") == 0) return KOV_UI_INTERACTIVE;
    }
    return -1;
}

} // namespace

extern "C" int Kov_Has_Display(void)
{
    // Message windows need a widget application; asked by name, so that the
    // core needs no widgets.
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || !app->inherits("QApplication")) return 0;
    if (QThread::currentThread() != app->thread()) return 0;
    const QString p = QGuiApplication::platformName();
    if (p == QLatin1String("offscreen") || p == QLatin1String("minimal")) return 0;
    return 1;
}

extern "C" int Kov_Ui_Mode(void)
{
    int m;
    {
        ScriptState& s = state();
        std::lock_guard<std::mutex> g(s.lock);
        m = s.forced_mode;
    }
    if (m < 0) m = mode_from_env();
    if (m == KOV_UI_SCRIPTED || m == KOV_UI_BATCH) return m;
    // Interactive (asked for or by default) needs a window system; without one
    // nothing could answer, so behave as in batch.
    return Kov_Has_Display() ? KOV_UI_INTERACTIVE : KOV_UI_BATCH;
}

extern "C" void Kov_Set_Ui_Mode(int mode)
{
    ScriptState& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    s.forced_mode = (mode >= KOV_UI_INTERACTIVE && mode <= KOV_UI_SCRIPTED) ? mode : -1;
}

extern "C" void Kov_Script_Reset(void)
{
    ScriptState& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    s.queue.clear();
    s.log.clear();
    s.joined.clear();
}

extern "C" void Kov_Script_Push(const char* channel, intptr_t value, const char* text)
{
    ScriptState& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    s.queue.push_back(Entry{channel ? channel : "", value, text ? text : "", text != nullptr});
}

extern "C" int Kov_Script_Pop(const char* channel, intptr_t* value, char* text, size_t n)
{
    const std::string ch = channel ? channel : "";
    ScriptState& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    for (auto it = s.queue.begin(); it != s.queue.end(); ++it) {
        if (it->channel != ch) continue;
        if (value) *value = it->value;
        if (text && n > 0) {
            size_t k = it->text.size() < n - 1 ? it->text.size() : n - 1;
            std::memcpy(text, it->text.data(), k);
            text[k] = 0;
        }
        s.queue.erase(it);
        return 1;
    }
    return 0;
}

extern "C" int Kov_Script_Pending(const char* channel)
{
    const std::string ch = channel ? channel : "";
    ScriptState& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    int n = 0;
    for (const Entry& e : s.queue)
        if (e.channel == ch) ++n;
    return n;
}

extern "C" void Kov_Script_Log(const char* fmt, ...)
{
    if (!fmt || Kov_Ui_Mode() != KOV_UI_SCRIPTED) return;
    va_list ap;
    va_start(ap, fmt);
    va_list ap2;
    va_copy(ap2, ap);
    int len = std::vsnprintf(nullptr, 0, fmt, ap);
    va_end(ap);
    std::string line;
    if (len > 0) {
        line.resize(size_t(len) + 1);
        std::vsnprintf(&line[0], line.size(), fmt, ap2);
        line.resize(size_t(len));
    }
    va_end(ap2);
    ScriptState& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    s.log.push_back(line);
}

extern "C" int Kov_Script_Log_Count(void)
{
    ScriptState& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    return int(s.log.size());
}

extern "C" const char* Kov_Script_Log_Line(int i)
{
    ScriptState& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    if (i < 0 || size_t(i) >= s.log.size()) return nullptr;
    return s.log[size_t(i)].c_str();
}

extern "C" const char* Kov_Script_Log_Text(void)
{
    ScriptState& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    s.joined.clear();
    for (const std::string& l : s.log) {
        s.joined += l;
        s.joined += '\n';
    }
    return s.joined.c_str();
}

extern "C" void Kov_Script_Clear_Log(void)
{
    ScriptState& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    s.log.clear();
    s.joined.clear();
}
