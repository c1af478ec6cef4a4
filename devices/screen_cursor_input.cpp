// Cursor input in the current screen window: the message loops of csrpts,
// csrmov, csrpt1 and csrpos, and what the window procedure records for them.
#include "devices/screen_cursor_input.h"

#include <algorithm>

#include "devices/driver_requests.h"
#include "devices/screen_windows.h"
#include "kernel/record.h"

namespace {

constexpr int kModeSet = 1, kModeRead = 2, kModeGet = 3;

// Key codes of the input of a key or click.
constexpr int kKeyLeft = 1, kKeyUp = 2, kKeyRight = 3, kKeyDown = 4;
constexpr int kLeftButton = 5, kRightButton = 6, kEscape = 27;

// True when somebody can answer input in the current window: it is one of
// the driver's own, shown on a display.
bool answerable(const WindowTable &t) {
    return t.iwincur >= 0 && t.iwincur < kScreenWindows && t.iwinstate[t.iwincur] == 1 &&
           t.ishown != 0 && DisplayPresent();
}

// The loop runs until its input ended (or the window went).
void inputLoop(WindowTable &t, CursorInput kind) {
    const bool other = t.iwincur != t.iwinmain - 1;
    if (other) qqsclbut(t, 0); // the window stays while it is read
    t.icsrinput = std::uint8_t(kind);
    MSG msg;
    while (GetMessageA(&msg, 0, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    t.icsrinput = kNoInput;
    if (other && t.iwinstate[t.iwincur] != 0) qqsclbut(t, 1);
}

// The input ended: events that follow before the loop takes its quit change
// nothing; the cursor of the window comes back.
void quit(WindowTable &t) {
    t.icsrinput = kInputEnded;
    PostQuitMessage(0);
    if (t.icsrshape != 0) qqscsr(t.icsrrest);
}

// A point into the caller's arrays, never past their room.
void append(WindowTable &t, int x, int y) {
    if (t.ncsrpts < t.ncsrmax) {
        t.pcsrx[t.ncsrpts] = x;
        t.pcsry[t.ncsrpts] = y;
        ++t.ncsrpts;
    } else {
        t.icsrovfl = 1;
    }
}

int arrowKey(WPARAM key) {
    switch (key) {
    case VK_LEFT: return kKeyLeft;
    case VK_UP: return kKeyUp;
    case VK_RIGHT: return kKeyRight;
    case VK_DOWN: return kKeyDown;
    case VK_ESCAPE: return kEscape;
    default: return 0;
    }
}

} // namespace

void qqwcur(GlobalRecord &rec, CursorInput kind, int *x, int *y, int room, int &count,
            int &overflow) {
    count = 0;
    overflow = 0;
    WindowTable *tp = screenTable(rec);
    if (tp == nullptr || !answerable(*tp)) return;
    WindowTable &t = *tp;
    t.pcsrx = x;
    t.pcsry = y;
    t.ncsrmax = std::max(room, 0);
    t.ncsrpts = 0;
    t.icsrovfl = 0;
    inputLoop(t, kind);
    count = t.ncsrpts;
    overflow = t.icsrovfl;
    t.pcsrx = t.pcsry = nullptr;
    t.ncsrmax = t.ncsrpts = 0;
}

int qqwcsrpos(GlobalRecord &rec, int mode, int &x, int &y) {
    WindowTable *tp = screenTable(rec);
    const DriverRecord *d = rec.dev.pdriver.get();
    if (tp == nullptr || d == nullptr || tp->hwndcur == 0)
        return mode == kModeSet || mode == kModeGet ? 0 : -1;
    WindowTable &t = *tp;
    if (mode != kModeGet && mode != kModeRead) {
        POINT p{std::clamp(x, d->nclip[0], std::max(d->nclip[0], d->nclip[2])),
                std::clamp(y, d->nclip[1], std::max(d->nclip[1], d->nclip[3]))};
        ClientToScreen(t.hwndcur, &p);
        SetCursorPos(p.x, p.y);
        if (mode == kModeSet) return 0;
    }
    int key = 0;
    if (mode != kModeGet) {
        t.ikey = -1; // kept when the wait ends without a key
        if (answerable(t)) {
            SetFocus(t.hwndcur);
            inputLoop(t, kInputKey);
        }
        key = t.ikey;
    }
    POINT p{0, 0};
    GetCursorPos(&p);
    ScreenToClient(t.hwndcur, &p);
    x = p.x;
    y = p.y;
    return key;
}

bool cursorInputMessage(WindowTable &t, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const int kind = t.icsrinput;
    if (kind == kNoInput) return false;
    if (message == WM_DESTROY && window == t.hwndcur) {
        PostQuitMessage(0); // the window of the input went: nothing more comes
        return false;
    }
    if (window != t.hwndcur) return false;
    if (kind == kInputEnded) {
        // Input events between the end and the quit are nobody's.
        return (message >= WM_KEYDOWN && message <= WM_CHAR) ||
               (message >= WM_MOUSEMOVE && message <= WM_RBUTTONUP);
    }
    const int x = short(LOWORD(std::uintptr_t(lParam))), y = short(HIWORD(std::uintptr_t(lParam)));
    switch (message) {
    case WM_KEYDOWN:
        if (kind != kInputKey || arrowKey(wParam) == 0) return false;
        t.ikey = arrowKey(wParam);
        quit(t);
        return true;
    case WM_CHAR:
        if (kind != kInputKey) return false;
        t.ikey = int(wParam);
        quit(t);
        return true;
    case WM_MOUSEMOVE:
        if (t.icsrshape != 0) qqscsr(t.icsrshape);
        if (kind == kInputDrag) append(t, x, y);
        return true;
    case WM_LBUTTONDOWN:
        switch (kind) {
        case kInputPoints: append(t, x, y); break;
        case kInputDrag:
            // The path starts at the press: moves before it are dropped, and
            // so is the overflow they made.
            t.ncsrpts = 0;
            t.icsrovfl = 0;
            append(t, x, y);
            break;
        case kInputClick:
            t.ncsrpts = 0;
            append(t, x, y);
            quit(t);
            break;
        default:
            t.ikey = kLeftButton;
            quit(t);
            break;
        }
        return true;
    case WM_LBUTTONUP:
        if (kind == kInputDrag) quit(t);
        return true;
    case WM_RBUTTONUP:
        if (kind == kInputPoints) quit(t);
        if (kind == kInputKey) {
            t.ikey = kRightButton;
            quit(t);
        }
        return true; // MB2 during input never ends a wait of the plot
    default: return false;
    }
}
