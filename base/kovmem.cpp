// The counted and the tagged allocation families, the fatal stop, console and file output and
// the run-time timers.
#include "base/kovmem.h"

#include "base/kovmsg.h"
#include "platform/kovclock.h"
#include "platform/kovhost.h"

#include <climits>
#include <cstdarg>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

int g_pad = 0;
int g_live_blocks = 0;
int g_console_on = 1;

// Timers: ticks in milliseconds since the first timer call of the run.
const int kTimers = 100;
int g_measuring = 0;
int g_timer_first_use = 1;
int64_t g_timer_base = -1;
int64_t g_start_ticks[kTimers];
int64_t g_stop_ticks[kTimers];

const char kOutOfMemory[] = "Speicher nicht aussreichend!";

int64_t timer_ticks()
{
    const int64_t now = Kov_Clock_Ms();
    if (g_timer_base < 0) g_timer_base = now;
    return now - g_timer_base;
}

} // namespace

// ---- fatal stop ---------------------------------------------------------------------

void Kov_Fatal_Stop(const char* msg)
{
    // A stop inside the stop (the message route itself ran out of memory) says
    // its text on standard error and ends at once.
    static volatile int stopping = 0;
    if (msg == nullptr) msg = "";
    if (stopping) {
        fputs(msg, stderr);
        fputc('\n', stderr);
        fflush(stderr);
        _Exit(1);
    }
    stopping = 1;
    // The message goes its usual way when that way reaches the user; a route that
    // would swallow it (messages off, collecting into a list, discarding, drawing
    // into a page that is never shown) is replaced by the host's message window.
    if (Msg_Would_Show())
        Msg_Printf("%s", msg);
    else
        PrintMessage(msg);
    fflush(stdout);
    fflush(stderr);
    exit(1);
}

// ---- counted family -----------------------------------------------------------------

int Mem_Set_Pad(int pad)
{
    g_pad = pad > 0 ? pad : 0;
    return g_pad;
}

void* Mem_Realloc(void* old, int len, int zero)
{
    const long long total = (long long)len + g_pad;
    void* result = nullptr;
    if (total != 0) {
        if (total < 0 || total > INT_MAX) Mem_Out_Of_Memory();
        result = Mem_Realloc_Tagged(__FILE__, __LINE__, "null", old, (int)total);
        if (result == nullptr) Mem_Out_Of_Memory();
        if (zero) memset(result, 0, (size_t)total);
    }
    if (old == nullptr) ++g_live_blocks;
    return result;
}

void* Mem_Alloc_Zeroed(int len) { return Mem_Realloc(nullptr, len, 1); }

double** Mem_Alloc_Matrix(void* old, int rows, int cols)
{
    if (rows <= 0 || cols <= 0) return nullptr;
    const unsigned long long table = (unsigned long long)rows * sizeof(double*);
    const unsigned long long values = (unsigned long long)rows * (unsigned long long)cols * sizeof(double);
    const unsigned long long total = (unsigned long long)g_pad + table + values;
    if (total > (unsigned long long)INT_MAX) Mem_Out_Of_Memory();
    void* block = Mem_Realloc_Tagged(__FILE__, __LINE__, "null", old, (int)total);
    if (block == nullptr) Mem_Out_Of_Memory();
    double** row = static_cast<double**>(block);
    double* data = reinterpret_cast<double*>(static_cast<char*>(block) + table);
    for (int i = 0; i < rows; ++i) row[i] = data + (size_t)i * (size_t)cols;
    if (old == nullptr) ++g_live_blocks;
    return row;
}

char* Mem_Strdup(const char* s)
{
    ++g_live_blocks;
    return Mem_Strdup_Tagged(__FILE__, __LINE__, "null", s);
}

void Mem_Copy_Doubles(int n, double** p, const double* src)
{
    if (p == nullptr) return;
    if (n < 0) n = 0;
    const long long bytes = (long long)n * (long long)sizeof(double);
    if (bytes + g_pad == 0) {
        // Nothing to hold: give the old block back instead of losing it.
        if (*p == nullptr)
            ++g_live_blocks;
        else
            Mem_Free_Null(reinterpret_cast<void**>(p));
        return;
    }
    if (bytes > INT_MAX) Mem_Out_Of_Memory();
    double* block = static_cast<double*>(Mem_Realloc(*p, (int)bytes, 0));
    if (src != nullptr && n > 0) memmove(block, src, (size_t)bytes);
    *p = block;
}

void Mem_Free_Null(void** p)
{
    if (p == nullptr || *p == nullptr) return;
    Mem_Free_Tagged(__FILE__, __LINE__, "null", *p);
    --g_live_blocks;
    *p = nullptr;
}

void Mem_Check_Pointer(const void* p)
{
    if (p == nullptr) Mem_Out_Of_Memory();
}

void Mem_Out_Of_Memory() { Kov_Fatal_Stop(kOutOfMemory); }

int Mem_Live_Blocks() { return g_live_blocks; }

void Mem_Reset_Live_Blocks() { g_live_blocks = 0; }

// ---- tagged family ------------------------------------------------------------------

void Mem_Free_Tagged(const char*, int, const char*, void* p) { free(p); }

void* Mem_Realloc_Tagged(const char*, int, const char*, void* p, int size)
{
    // A negative size would reach realloc as a huge request.
    if (size < 0) return nullptr;
    return realloc(p, (size_t)size);
}

void* Mem_Malloc_Tagged(const char*, int, const char*, int size)
{
    if (size < 0) return nullptr;
    return malloc((size_t)size);
}

void* Mem_Calloc_Tagged(const char*, int, const char*, int n, int size)
{
    if (n < 0 || size < 0) return nullptr;
    return calloc((size_t)n, (size_t)size);
}

char* Mem_Strdup_Tagged(const char*, int, const char*, const char* s)
{
    if (s == nullptr) return nullptr;
    return strdup(s);
}

// ---- output primitives --------------------------------------------------------------

int File_Printf(FILE* f, const char* fmt, ...)
{
    if (f == nullptr || fmt == nullptr) return 0;
    va_list ap;
    va_start(ap, fmt);
    const int n = vfprintf(f, fmt, ap);
    va_end(ap);
    return n;
}

int Console_Printf(const char* fmt, ...)
{
    if (!g_console_on || fmt == nullptr) return 0;
    va_list ap;
    va_start(ap, fmt);
    const int n = vprintf(fmt, ap);
    va_end(ap);
    fflush(stdout);
    return n;
}

void Console_Set_Output(int on) { g_console_on = on; }

int Console_Is_On() { return g_console_on; }

// ---- timers ---------------------------------------------------------------------------

void Timer_Set_Active(int on)
{
    if (on)
        Console_Printf("\n>> Rechenzeitmessung aktiviert\n");
    else if (g_measuring)
        Console_Printf("\n>> Rechenzeitmessung deaktiviert\n");
    g_measuring = on;
}

void Timer_Start(unsigned index)
{
    if (!g_measuring || index >= (unsigned)kTimers) return;
    if (g_timer_first_use) {
        for (int i = 0; i < kTimers; ++i) g_start_ticks[i] = 0;
        g_timer_first_use = 0;
    }
    g_start_ticks[index] = timer_ticks();
}

void Timer_Stop(unsigned index, const char* label)
{
    if (!g_measuring || index >= (unsigned)kTimers) return;
    g_stop_ticks[index] = timer_ticks();
    // Single-precision factor, printed with two decimals.
    const float seconds = (float)(g_stop_ticks[index] - g_start_ticks[index]) * 0.001f;
    if (label != nullptr)
        Console_Printf(">> Rechenzeit %2d: %10.2f sec (%s)\n", (int)index, (double)seconds, label);
    else
        Console_Printf(">> Rechenzeit %2d: %10.2f sec\n", (int)index, (double)seconds);
}
