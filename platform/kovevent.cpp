// Mouse and keys of the host's user-interface library: one event queue that
// every wait takes from, fed by the screen's window or by tests.
#include "platform/kovevent.h"

#include "platform/kovclock.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

int M_XPOS = 0;
int M_YPOS = 0;
int M_LEFT = 0;
int M_RIGHT = 0;
int M_SCROLL = 0;

namespace {

const int kExhaustedLimit = 1000;
const size_t kStackMax = 64;

struct Event {
    int kind;
    int x, y;
    int button; // 1 left, 2 right
    int value;  // wheel notches, key code or idle milliseconds
};

struct Rect {
    int x1, y1, x2, y2;
};

struct Events {
    std::mutex lock;
    std::deque<Event> queue;
    int modifiers = 0;
    int visible = 0;
    int exhausted = 0; // answers without input in a row
    bool last_exhausted = false;
    int last_kind = 0; // of the last mouse event taken
    Event last_event = {0, 0, 0, 0, 0};
    bool last_from_queue = false;
    KovIdleHook idle = nullptr;
    KovEventHooks hooks = {nullptr, nullptr, nullptr};
    KovSleepFct sleep = nullptr;
    std::vector<std::pair<int, int>> positions;
    bool restricted = false;
    Rect restriction = {0, 0, 0, 0};
    std::vector<std::pair<bool, Rect>> restrictions;
};

Events& events()
{
    static Events* e = new Events; // lives for the run, also during exit
    return *e;
}

Rect screen_rect() { return Rect{0, 0, NPIXEL_X - 1, NPIXEL_Y - 1}; }

Rect normalised(int x1, int y1, int x2, int y2)
{
    const Rect s = screen_rect();
    Rect r{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    r.x1 = std::max(s.x1, std::min(r.x1, s.x2));
    r.x2 = std::max(s.x1, std::min(r.x2, s.x2));
    r.y1 = std::max(s.y1, std::min(r.y1, s.y2));
    r.y2 = std::max(s.y1, std::min(r.y2, s.y2));
    return r;
}

// The point kept inside the restriction and the screen.
void clamp_point(const Events& e, int* x, int* y)
{
    const Rect r = e.restricted ? e.restriction : screen_rect();
    *x = std::max(r.x1, std::min(*x, r.x2));
    *y = std::max(r.y1, std::min(*y, r.y2));
}

void push(const Event& ev)
{
    Events& e = events();
    std::lock_guard<std::mutex> g(e.lock);
    e.queue.push_back(ev);
}

bool is_mouse(int kind)
{
    return kind == KOV_EV_PRESS || kind == KOV_EV_RELEASE || kind == KOV_EV_MOVE || kind == KOV_EV_WHEEL;
}

// The words after a mouse event; the exhausted answers stay off the screen.
void apply_mouse(Events& e, const Event& ev, bool off_screen)
{
    e.last_kind = ev.kind;
    e.last_event = ev;
    e.last_from_queue = !off_screen;
    int x = ev.x, y = ev.y;
    if (!off_screen) clamp_point(e, &x, &y);
    M_XPOS = x;
    M_YPOS = y;
    if (ev.kind == KOV_EV_PRESS || ev.kind == KOV_EV_RELEASE) {
        const int down = ev.kind == KOV_EV_PRESS ? 1 : 0;
        if (ev.button == 2)
            M_RIGHT = down;
        else
            M_LEFT = down;
    } else if (ev.kind == KOV_EV_WHEEL) {
        M_SCROLL = ev.value;
    }
}

enum Found { FOUND_EVENT, FOUND_TIMEOUT, FOUND_NOTHING };

// Looks through the queue: the first event that wakes the wait is taken;
// keys that do not wake it stay; idle events end a wait with a time-out and
// are dropped by others (time passed).
// moves false: a look that asks for buttons only; a move at the head of the
// queue is still to come, so the look finds nothing now and leaves it there.
Found take(Events& e, bool mouse, bool keys_wake, bool take_keys, bool timeout, Event* out, bool moves = true)
{
    for (auto it = e.queue.begin(); it != e.queue.end();) {
        if (it->kind == KOV_EV_IDLE) {
            it = e.queue.erase(it);
            if (timeout) return FOUND_TIMEOUT;
            continue;
        }
        if (mouse && !moves && it->kind == KOV_EV_MOVE) return FOUND_TIMEOUT;
        if (mouse && is_mouse(it->kind)) {
            *out = *it;
            e.queue.erase(it);
            return FOUND_EVENT;
        }
        if (it->kind == KOV_EV_KEY && (keys_wake || take_keys)) {
            *out = *it;
            if (take_keys) e.queue.erase(it);
            return FOUND_EVENT;
        }
        ++it;
    }
    return FOUND_NOTHING;
}

[[noreturn]] void stop_exhausted(const char* wait)
{
    std::fprintf(stderr, "Keine Eingabe mehr: %s wartet ohne Ende; das Programm wird beendet.\n", wait);
    std::fflush(stderr);
    std::_Exit(3);
}

// One answer without input: for the mouse a press of the left button at
// (-1, -1) when it is up, else its release.
void exhausted_mouse(Events& e, const char* wait, Event* out)
{
    if (++e.exhausted >= kExhaustedLimit) stop_exhausted(wait);
    e.last_exhausted = true;
    out->kind = M_LEFT ? KOV_EV_RELEASE : KOV_EV_PRESS;
    out->x = -1;
    out->y = -1;
    out->button = 1;
    out->value = 0;
}

enum Outcome { GOT, TIMED_OUT, EXHAUSTED };

// The one wait of the stand-in. timeout_ms < 0: none; no_wait: interactive
// looks only at what is pending.
Outcome wait_for(const char* wait, bool mouse, bool keys_wake, bool take_keys, int timeout_ms, bool no_wait, Event* out,
                 bool moves = true)
{
    Events& e = events();
    const int mode = Kov_Ui_Mode();
    const int64_t start = Kov_Clock_Ms();
    bool hook_called = false;
    for (;;) {
        KovEventHooks hooks;
        KovIdleHook idle;
        {
            std::lock_guard<std::mutex> g(e.lock);
            const Found f = take(e, mouse, keys_wake, take_keys, timeout_ms > 0, out, moves);
            if (f == FOUND_EVENT || f == FOUND_TIMEOUT) {
                e.exhausted = 0;
                e.last_exhausted = false;
                return f == FOUND_EVENT ? GOT : TIMED_OUT;
            }
            hooks = e.hooks;
            idle = e.idle;
        }
        if (mode == KOV_UI_INTERACTIVE && hooks.wait) {
            int left = -1;
            if (no_wait) {
                left = 0;
            } else if (timeout_ms > 0) {
                left = int(std::max<int64_t>(0, timeout_ms - (Kov_Clock_Ms() - start)));
            }
            const int got = hooks.wait(left);
            if (got) continue;
            if (no_wait) return TIMED_OUT;
            if (timeout_ms > 0 && Kov_Clock_Ms() - start >= timeout_ms) return TIMED_OUT;
            continue;
        }
        if (mode == KOV_UI_SCRIPTED && idle && !hook_called) {
            hook_called = true;
            idle(wait);
            continue;
        }
        return EXHAUSTED;
    }
}

// The wait of GetKOVMessage for hover tracking: the innermost sheet's
// function between events runs before it and again whenever 100 ms pass (an
// idle event, scripted) without an event. A wait with a time-out of its own
// still ends when that time is up.
Outcome wait_calling_between(bool keys, int timeout_ms, Event* out)
{
    const int64_t start = Kov_Clock_Ms();
    for (;;) {
        const bool called = Kov_Call_Allways() != 0;
        int left = timeout_ms;
        if (timeout_ms > 0) left = int(std::max<int64_t>(1, timeout_ms - (Kov_Clock_Ms() - start)));
        if (!called) return wait_for("GetKOVMessage", true, keys, false, left, false, out);
        const Outcome o =
            wait_for("GetKOVMessage", true, keys, false, left > 0 ? std::min(left, 100) : 100, false, out);
        if (o != TIMED_OUT) return o;
        // Scripted, an idle event is the caller's time passing as well.
        if (timeout_ms > 0 && (Kov_Ui_Mode() != KOV_UI_INTERACTIVE || Kov_Clock_Ms() - start >= timeout_ms))
            return TIMED_OUT;
    }
}

void log_words(const char* call, int result)
{
    Kov_Script_Log("%s -> %d (%d %d L%d R%d S%d)", call, result, M_XPOS, M_YPOS, M_LEFT, M_RIGHT, M_SCROLL);
}

void put_int(void* record, int offset, int value)
{
    std::memcpy(static_cast<unsigned char*>(record) + offset, &value, sizeof value);
}

int get_int(const void* record, int offset)
{
    int v;
    std::memcpy(&v, static_cast<const unsigned char*>(record) + offset, sizeof v);
    return v;
}

void warp(int x, int y)
{
    Events& e = events();
    KovEventHooks hooks;
    {
        std::lock_guard<std::mutex> g(e.lock);
        clamp_point(e, &x, &y);
        M_XPOS = x;
        M_YPOS = y;
        hooks = e.hooks;
    }
    if (hooks.warp && Kov_Ui_Mode() == KOV_UI_INTERACTIVE) hooks.warp(x, y);
}

} // namespace

extern "C" {

int Get_Mouse_Event(void)
{
    Events& e = events();
    Event ev{};
    const Outcome o = wait_for("Get_Mouse_Event", true, false, false, -1, false, &ev);
    {
        std::lock_guard<std::mutex> g(e.lock);
        if (o != GOT) exhausted_mouse(e, "Get_Mouse_Event", &ev);
        apply_mouse(e, ev, o != GOT);
    }
    log_words("Get_Mouse_Event", ev.kind);
    return ev.kind;
}

int getkey(void)
{
    Event ev{};
    const Outcome o = wait_for("getkey", false, false, true, -1, false, &ev);
    int key = ev.value;
    if (o != GOT) {
        Events& e = events();
        std::lock_guard<std::mutex> g(e.lock);
        if (++e.exhausted >= kExhaustedLimit) stop_exhausted("getkey");
        e.last_exhausted = true;
        key = 27;
    }
    Kov_Script_Log("getkey -> %d", key);
    return key;
}

int hitkey(void)
{
    Events& e = events();
    KovEventHooks hooks;
    {
        std::lock_guard<std::mutex> g(e.lock);
        hooks = e.hooks;
    }
    // Interactive: what the user typed so far reaches the queue first.
    if (hooks.wait && Kov_Ui_Mode() == KOV_UI_INTERACTIVE) hooks.wait(0);
    std::lock_guard<std::mutex> g(e.lock);
    for (const Event& ev : e.queue)
        if (ev.kind == KOV_EV_KEY) return ev.value;
    return -1;
}

int getkeymask(void)
{
    Events& e = events();
    std::lock_guard<std::mutex> g(e.lock);
    return e.modifiers;
}

void InitKOVMessage(void* record)
{
    if (record) std::memset(record, 0, KOV_MESSAGE_SIZE);
}

int GetKOVMessage(int mask, void* record)
{
    Events& e = events();
    const bool keys = (mask & 0x10000) != 0;
    int timeout = -1;
    if (record && (mask & 0x40000000) && get_int(record, KOV_MESSAGE_TIMEOUT) > 0)
        timeout = get_int(record, KOV_MESSAGE_TIMEOUT);
    Event ev{};
    const Outcome o = record && (mask & 0x80000) ? wait_calling_between(keys, timeout, &ev)
                                                 : wait_for("GetKOVMessage", true, keys, false, timeout,
                                                            record == nullptr, &ev, record || (mask & 0x22) != 0);
    int result;
    if (o == TIMED_OUT) {
        // Interactive look without a record, or the time is up.
        result = record ? 0x40000000 : 0;
    } else if (o == GOT && ev.kind == KOV_EV_KEY) {
        if (record) put_int(record, KOV_MESSAGE_KEY, ev.value);
        result = 0x10000;
    } else {
        std::lock_guard<std::mutex> g(e.lock);
        if (o != GOT) exhausted_mouse(e, "GetKOVMessage", &ev);
        apply_mouse(e, ev, o != GOT);
        result = 2;
    }
    Kov_Script_Log("GetKOVMessage %d %s -> %d (%d %d L%d R%d S%d)", mask, record ? "record" : "NULL", result, M_XPOS,
                   M_YPOS, M_LEFT, M_RIGHT, M_SCROLL);
    return result;
}

void msStCu(int x, int y)
{
    Kov_Script_Log("msStCu %d %d", x, y);
    warp(x, y);
}

int msStat(int* x, int* y)
{
    if (x) *x = M_XPOS;
    if (y) *y = M_YPOS;
    return (M_LEFT ? 1 : 0) | (M_RIGHT ? 2 : 0);
}

void msVisi(int state)
{
    Kov_Script_Log("msVisi %d", state);
    Events& e = events();
    std::lock_guard<std::mutex> g(e.lock);
    e.visible = state;
}

void Save_Mouse_Position(void)
{
    Kov_Script_Log("Save_Mouse_Position");
    Events& e = events();
    std::lock_guard<std::mutex> g(e.lock);
    if (e.positions.size() >= kStackMax) e.positions.erase(e.positions.begin());
    e.positions.emplace_back(M_XPOS, M_YPOS);
}

void Restore_Mouse_Position(void)
{
    Kov_Script_Log("Restore_Mouse_Position");
    Events& e = events();
    std::pair<int, int> p;
    {
        std::lock_guard<std::mutex> g(e.lock);
        if (e.positions.empty()) return;
        p = e.positions.back();
        e.positions.pop_back();
    }
    warp(p.first, p.second);
}

void Init_Mouse_Move_Restriction(int x1, int y1, int x2, int y2)
{
    Kov_Script_Log("Init_Mouse_Move_Restriction %d %d %d %d", x1, y1, x2, y2);
    Events& e = events();
    {
        std::lock_guard<std::mutex> g(e.lock);
        e.restrictions.clear();
        e.restricted = true;
        e.restriction = normalised(x1, y1, x2, y2);
    }
    warp(M_XPOS, M_YPOS);
}

void Pop_Mouse_Move_Restriction(int x1, int y1, int x2, int y2)
{
    Kov_Script_Log("Pop_Mouse_Move_Restriction %d %d %d %d", x1, y1, x2, y2);
    Events& e = events();
    {
        std::lock_guard<std::mutex> g(e.lock);
        if (e.restrictions.size() >= kStackMax) e.restrictions.erase(e.restrictions.begin());
        e.restrictions.emplace_back(e.restricted, e.restriction);
        e.restricted = true;
        e.restriction = normalised(x1, y1, x2, y2);
    }
    warp(M_XPOS, M_YPOS);
}

void Push_Mouse_Move_Restriction(void)
{
    Kov_Script_Log("Push_Mouse_Move_Restriction");
    Events& e = events();
    std::lock_guard<std::mutex> g(e.lock);
    if (e.restrictions.empty()) return;
    e.restricted = e.restrictions.back().first;
    e.restriction = e.restrictions.back().second;
    e.restrictions.pop_back();
}

void Kov_Ui_Push_Press(int x, int y, int button) { push(Event{KOV_EV_PRESS, x, y, button == 2 ? 2 : 1, 0}); }

void Kov_Ui_Push_Release(int x, int y, int button) { push(Event{KOV_EV_RELEASE, x, y, button == 2 ? 2 : 1, 0}); }

void Kov_Ui_Push_Move(int x, int y) { push(Event{KOV_EV_MOVE, x, y, 0, 0}); }

void Kov_Ui_Push_Click(int x, int y)
{
    Kov_Ui_Push_Press(x, y, 1);
    Kov_Ui_Push_Release(x, y, 1);
}

void Kov_Ui_Push_Wheel(int x, int y, int notches) { push(Event{KOV_EV_WHEEL, x, y, 0, notches}); }

void Kov_Ui_Push_Key(int key) { push(Event{KOV_EV_KEY, 0, 0, 0, key}); }

void Kov_Ui_Push_Text(const char* text)
{
    if (!text) return;
    for (const char* p = text; *p; ++p) Kov_Ui_Push_Key((unsigned char)*p);
}

void Kov_Ui_Push_Idle(int ms) { push(Event{KOV_EV_IDLE, 0, 0, 0, ms}); }

void Kov_Ui_Set_Modifiers(int mask)
{
    Events& e = events();
    std::lock_guard<std::mutex> g(e.lock);
    e.modifiers = mask & 7;
}

int Kov_Ui_Last_Mouse_Event(void)
{
    Events& e = events();
    std::lock_guard<std::mutex> g(e.lock);
    return e.last_kind;
}

int Kov_Ui_Put_Back_Press(void)
{
    Events& e = events();
    {
        std::lock_guard<std::mutex> g(e.lock);
        if (!e.last_from_queue || e.last_event.kind != KOV_EV_PRESS) return 0;
        e.queue.push_front(e.last_event);
        e.last_from_queue = false;
        if (e.last_event.button == 2)
            M_RIGHT = 0;
        else
            M_LEFT = 0;
    }
    Kov_Script_Log("Kov_Ui_Put_Back_Press");
    return 1;
}

int Kov_Ui_Last_Answer_Exhausted(void)
{
    Events& e = events();
    std::lock_guard<std::mutex> g(e.lock);
    return e.last_exhausted ? 1 : 0;
}

int Kov_Ui_Pending(void)
{
    Events& e = events();
    std::lock_guard<std::mutex> g(e.lock);
    return int(e.queue.size());
}

void Kov_Ui_Set_Idle_Hook(KovIdleHook hook)
{
    Events& e = events();
    std::lock_guard<std::mutex> g(e.lock);
    e.idle = hook;
}

void Kov_Ui_Events_Reset(void)
{
    Events& e = events();
    std::lock_guard<std::mutex> g(e.lock);
    e.queue.clear();
    e.modifiers = 0;
    e.visible = 0;
    e.exhausted = 0;
    e.last_exhausted = false;
    e.last_kind = 0;
    e.last_event = Event{0, 0, 0, 0, 0};
    e.last_from_queue = false;
    e.idle = nullptr;
    e.positions.clear();
    e.restricted = false;
    e.restrictions.clear();
    M_XPOS = M_YPOS = M_LEFT = M_RIGHT = M_SCROLL = 0;
}

void Kov_Ui_Set_Event_Hooks(const KovEventHooks* hooks)
{
    Events& e = events();
    std::lock_guard<std::mutex> g(e.lock);
    e.hooks = hooks ? *hooks : KovEventHooks{nullptr, nullptr, nullptr};
}

int Kov_Ui_Pause(int ms)
{
    KovEventHooks hooks;
    {
        Events& e = events();
        std::lock_guard<std::mutex> g(e.lock);
        hooks = e.hooks;
    }
    if (!hooks.pause || Kov_Ui_Mode() != KOV_UI_INTERACTIVE) return 0;
    return hooks.pause(ms);
}

KovSleepFct Kov_Set_Sleep_Function(KovSleepFct fct)
{
    Events& e = events();
    std::lock_guard<std::mutex> g(e.lock);
    const KovSleepFct old = e.sleep;
    e.sleep = fct;
    return old;
}

KovSleepFct Kov_Sleep_Function(void)
{
    Events& e = events();
    std::lock_guard<std::mutex> g(e.lock);
    return e.sleep;
}

} // extern "C"
