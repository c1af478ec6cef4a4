// The wait at the end of a screen plot (qqwfin), the new-page wait (qqwnnp),
// the window procedure KavProc that serves every screen window, and winfin.
#include <chrono>
#include <cstdio>
#include <thread>

#include "devices/screen_cursor_input.h"
#include "devices/screen_driver.h"
#include "devices/screen_windows.h"
#include "kavlor.h"
#include "kernel/driver.h"
#include "kernel/record.h"
#include "kernel/record_table.h"

namespace {

// Serves messages until WM_QUIT.
void messageLoop() {
    MSG msg;
    while (GetMessageA(&msg, 0, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Serves what is queued, up to a WM_QUIT that closing the windows posted.
void takeQuit() {
    MSG msg;
    while (PeekMessageA(&msg, 0, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) return;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// The delay of the wait mode DELA on the wall clock, the windows served
// meanwhile (so that they repaint); false when a quit came first.
bool waitDelay(int seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() <= end) {
        MSG msg;
        while (PeekMessageA(&msg, 0, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return false;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// The prompt of the end wait in the main window's title.
void waitTitle(const WindowTable &t, int endCode, int mode, int key, int delay) {
    const int i = t.iwinmain - 1;
    char suffix[64] = "";
    if (endCode == 2 || (key == 0 && mode == kWaitNoMb2)) {
    } else if (mode == kWaitDelay) {
        std::snprintf(suffix, sizeof suffix, " / Delay time %d seconds", delay);
    } else if (key == 0) {
        std::snprintf(suffix, sizeof suffix, " / Click MB2 to continue ...");
    } else {
        const char *name = key == 1 ? "RETURN" : "ESC";
        if (mode == kWaitNoMb2)
            std::snprintf(suffix, sizeof suffix, " / Press %s to continue ...", name);
        else
            std::snprintf(suffix, sizeof suffix, " / Click MB2 or %s to continue ...", name);
    }
    setNumberedTitle(t, i, suffix);
}

// MB2 on the current window, or the key of winkey standing for it.
void rightButtonUp(DriverRecord &d, WindowTable &t, bool key) {
    if (t.icsrinput != 0) return; // cursor input ends on its own events
    if (t.inewpage != 0) {
        PostQuitMessage(0);
        return;
    }
    if (t.iextwin != 0 || t.iwaiting == 0) return; // nothing waits: the plot is kept
    switch (t.iwaitmode) {
    case kWaitFull: qqwwcls(d); break; // WM_DESTROY of the current window ends the loop
    case kWaitNoErase: PostQuitMessage(0); break;
    case kWaitNoMb2:
        // The prompt names only the key: it ends the wait as MB2 does in FULL.
        if (key) qqwwcls(d);
        break;
    default: break;
    }
}

} // namespace

LRESULT KavProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    GlobalRecord *rec = qqgglb();
    if (rec == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    DriverRecord &d = *qqwglb(*rec, nullptr, DriverRecords::Both);
    WindowTable &t = *d.pwintab;
    if (cursorInputMessage(t, window, message, wParam, lParam)) return 0;
    switch (message) {
    case WM_CREATE:
        if (t.iextwin == 0 && t.imakebm == 1) qqwwmc(*rec, window);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        if (t.idirect == 0)
            for (int i = 0; i < kScreenWindows; ++i)
                if (t.iwinstate[i] != 0 && t.hwnd[i] == window) showBackingBitmap(t, i);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_CLOSE:
        if (window == t.hwnd[t.iwinmain - 1]) {
            qqwwcls(d);
        } else {
            for (int i = 0; i < kScreenWindows; ++i)
                if (t.hwnd[i] == window && t.iwinstate[i] != 0) {
                    qqwcls(*rec, i + 1);
                    restoreWindowGeometry(*rec, t.iwinmain);
                }
        }
        return 0;
    case WM_DESTROY:
        // The wait ends with its window, whichever loop runs.
        if (window == t.hwndcur && (t.iwaiting != 0 || t.inewpage != 0)) PostQuitMessage(0);
        return 0;
    case WM_KEYDOWN:
        if (t.ikeymode != 0 && t.icsrinput == 0 &&
            ((t.ikeymode == 1 && wParam == VK_RETURN) ||
             (t.ikeymode == 2 && wParam == VK_ESCAPE))) {
            if (window == t.hwndcur) rightButtonUp(d, t, true);
            return 0;
        }
        break;
    case WM_RBUTTONUP:
        if (window != t.hwndcur) break;
        rightButtonUp(d, t, false);
        return 0;
    default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void qqwfin(GlobalRecord &rec, int endCode) {
    DriverRecord *dp = rec.dev.pdriver.get();
    WindowTable *tp = screenTable(rec);
    if (dp == nullptr || tp == nullptr) return;
    DriverRecord &d = *dp;
    WindowTable &t = *tp;
    const int mode = endCode % 10;
    int delay = 0;
    t.iwaitmode = std::uint8_t(mode);
    if (mode == kWaitDelay)
        delay = endCode / 10;
    else
        t.ikeymode = std::uint8_t(endCode / 10);
    qqwdrw(rec, 0, 0, kPenMove);
    qqwdrw(rec, 0, 0, kPenFlush);
    if (t.idirect == 0 && t.iwinstate[t.iwincur] != 0) showBackingBitmap(t, t.iwincur);
    if (t.iwincur != t.iwinmain - 1) qqwsel(rec, t.iwinmain);
    qqsclbut(t, 1);
    if (!t.ptitle[t.iwinmain - 1] && t.iextwin == 0)
        waitTitle(t, endCode, mode, mode == kWaitDelay ? 0 : t.ikeymode, delay);
    t.imakebm = 0;
    if (mode == kWaitNone || t.iextwin != 0) return;

    t.iwaiting = 1;
    // Without a display nobody can answer: the wait ends at once.
    const bool nobody = t.ishown == 0 || !DisplayPresent();
    if (mode == kWaitNoHold || nobody) {
        qqwwcls(d);
        takeQuit();
    } else if (mode == kWaitDelay) {
        if (waitDelay(delay)) qqwwcls(d);
        takeQuit();
    } else if (t.iwinstate[t.iwinmain - 1] != 0) {
        // The user ends it: MB2 or the key, or closing the main window.
        messageLoop();
    }
    t.iwaiting = 0;
}

void qqwnnp(GlobalRecord &rec) {
    WindowTable *tp = screenTable(rec);
    if (tp == nullptr) return;
    WindowTable &t = *tp;
    const int i = t.iwincur;
    if (i < 0 || i >= kScreenWindows || t.iwinstate[i] == 0) return;
    setNumberedTitle(t, i, " / Click MB2 for next page ...");
    qqwdrw(rec, 0, 0, kPenFlush);
    if (t.ishown == 0 || !DisplayPresent()) return;
    InvalidateRect(t.hwndcur, nullptr, 1);
    UpdateWindow(t.hwndcur);
    t.inewpage = 1;
    messageLoop();
    t.inewpage = 0;
    if (t.iwinstate[i] == 0) return; // closed by the user meanwhile
    if (t.ptitle[i])
        SetWindowTextA(t.hwnd[i], t.ptitle[i]->c_str());
    else
        setNumberedTitle(t, i, "");
}

void qqwmb2(GlobalRecord &rec) {
    const WindowTable *t = screenTable(rec);
    if (t == nullptr || t->iready == 0 || t->iwincur < 0 || t->iwincur >= kScreenWindows ||
        t->iwinstate[t->iwincur] == 0)
        return;
    SendMessageA(t->hwndcur, WM_RBUTTONUP, 0, 0);
}

extern "C" void winfin(void) {
    GlobalRecord *rec = qqgglb();
    if (rec == nullptr) return;
    DriverRecord *d = rec->dev.pdriver.get();
    if (d == nullptr || !d->pwintab) return;
    d->pwintab->iwaiting = 0;
    qqwwcls(*d);
}
