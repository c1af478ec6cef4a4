// The message queue of a thread: GetMessageA, PeekMessageA, PostMessageA,
// SendMessageA, PostQuitMessage, TranslateMessage, DispatchMessageA,
// GetQueueStatus, DefWindowProcA.
//
// What a thread asks for next, in this order: messages the program posted,
// input from the display, WM_QUIT (once posted, when nothing of the two is
// left), WM_PAINT for a window that needs painting, WM_TIMER of a due timer.
// Before it looks, the thread's drawing reaches its windows and the server's
// events are read. A key read ahead goes to the window that has the focus
// when it is taken: a Tab before it may have moved the focus.
#include <chrono>
#include <thread>
#include <vector>

#include "platform/cursors.h"
#include "platform/menus.h"
#include "platform/program_manager.h"
#include "platform/timers.h"
#include "platform/window_classes.h"
#include "platform/window_painting.h"
#include "platform/windows.h"
#include "platform/x_events.h"

namespace {

bool matches(const MSG &m, HWND window, UINT first, UINT last) {
    if (window != 0 && m.hwnd != window) return false;
    return (first == 0 && last == 0) || (m.message >= first && m.message <= last);
}

bool take(std::deque<MSG> &queue, MSG &msg, HWND window, UINT first, UINT last, bool remove) {
    for (auto it = queue.begin(); it != queue.end(); ++it) {
        if (!matches(*it, window, first, last)) continue;
        msg = *it;
        if (remove) queue.erase(it);
        return true;
    }
    return false;
}

bool isKey(UINT message) {
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN ||
           message == WM_SYSKEYUP;
}

// Input is settled when it is taken: a key goes to the focus of this moment,
// and GetKeyState tells the modifiers of the input taken last.
bool takeInput(ThreadWindows &tw, MSG &msg, HWND window, UINT first, UINT last, bool remove) {
    for (auto it = tw.input.begin(); it != tw.input.end(); ++it) {
        MSG m = it->msg;
        if (isKey(m.message)) m.hwnd = keyTarget(tw, m.hwnd);
        if (!matches(m, window, first, last)) continue;
        msg = m;
        if (remove) {
            tw.modifiers = it->modifiers;
            tw.input.erase(it);
        }
        return true;
    }
    return false;
}

bool paintMessage(ThreadWindows &tw, MSG &msg, HWND window, UINT first, UINT last) {
    for (auto &entry : tw.windows) {
        const WindowObject &w = *entry.second;
        if (w.foreign || w.invalid.left >= w.invalid.right) continue;
        const MSG paint{w.handle, WM_PAINT, 0, 0, messageTime(), POINT{0, 0}};
        if (!matches(paint, window, first, last)) continue;
        msg = paint;
        return true;
    }
    return false;
}

MSG quitMessage(int code) {
    return MSG{0, WM_QUIT, WPARAM(code), 0, messageTime(), POINT{0, 0}};
}

enum class Found { Message, Quit, Nothing };

// One look at the queue, without waiting.
Found look(ThreadWindows &tw, MSG &msg, HWND window, UINT first, UINT last, bool remove) {
    showWindowImages(tw);
    readXEvents(tw);
    if (take(tw.posted, msg, window, first, last, remove) ||
        takeInput(tw, msg, window, first, last, remove))
        return Found::Message;
    if (tw.quitPosted) {
        msg = quitMessage(tw.quitCode);
        if (remove) tw.quitPosted = false;
        return Found::Quit;
    }
    if (paintMessage(tw, msg, window, first, last)) return Found::Message;
    if (takeTimerMessage(msg, window, first, last, remove)) return Found::Message;
    return Found::Nothing;
}

} // namespace

BOOL GetMessageA(MSG *msg, HWND window, UINT first, UINT last) {
    if (msg == nullptr) return -1;
    ThreadWindows &tw = threadWindows();
    for (;;) {
        switch (look(tw, *msg, window, first, last, true)) {
        case Found::Message: return 1;
        case Found::Quit: return 0;
        case Found::Nothing: break;
        }
        const int timerWait = millisecondsToNextTimer();
        if (tw.x.display == nullptr) {
            // Without a display only a timer can still come; else the loop ends.
            if (timerWait < 0) {
                *msg = quitMessage(0);
                return 0;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(timerWait));
            continue;
        }
        waitForXEvents(tw, timerWait);
    }
}

BOOL PeekMessageA(MSG *msg, HWND window, UINT first, UINT last, UINT remove) {
    if (msg == nullptr) return 0;
    return look(threadWindows(), *msg, window, first, last, (remove & PM_REMOVE) != 0) !=
                   Found::Nothing
               ? 1
               : 0;
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ThreadWindows &tw = threadWindows();
    if (window != 0) {
        const WindowObject *w = findWindow(window);
        if (w == nullptr || w->foreign) return 0;
    }
    tw.posted.push_back(MSG{window, message, wParam, lParam, messageTime(), POINT{0, 0}});
    return 1;
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window == HWND_BROADCAST || window == HWND(-1)) {
        // The program manager answers a conversation's start: it is there
        // before the windows are asked.
        if (message == WM_DDE_INITIATE) startProgramManager();
        std::vector<HWND> topLevel;
        for (const auto &entry : threadWindows().windows)
            if (!entry.second->foreign && entry.second->parent == 0)
                topLevel.push_back(entry.first);
        for (HWND each : topLevel)
            SendMessageA(each, message, wParam, lParam);
        return 0;
    }
    const WindowObject *w = findWindow(window);
    if (w == nullptr || w->foreign || w->proc == nullptr) return 0;
    return w->proc(window, message, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
    ThreadWindows &tw = threadWindows();
    tw.quitPosted = true;
    tw.quitCode = exitCode;
}

BOOL TranslateMessage(const MSG *msg) {
    if (msg == nullptr || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return 0;
    const unsigned character = unsigned(msg->lParam >> 16) & 0xFF;
    if (character == 0) return 0;
    return PostMessageA(msg->hwnd, msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR, character,
                        msg->lParam);
}

LRESULT DispatchMessageA(const MSG *msg) {
    if (msg == nullptr || msg->hwnd == 0) return 0;
    return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

DWORD GetQueueStatus(UINT flags) {
    ThreadWindows &tw = threadWindows();
    showWindowImages(tw);
    readXEvents(tw);
    DWORD status = tw.posted.empty() ? 0 : QS_POSTMESSAGE;
    for (const InputMessage &input : tw.input) {
        const MSG &m = input.msg;
        status |= m.message >= WM_KEYDOWN && m.message <= WM_CHAR          ? QS_KEY
                  : m.message >= WM_MOUSEMOVE && m.message <= WM_MBUTTONUP ? QS_MOUSE
                                                                           : QS_POSTMESSAGE;
    }
    for (const auto &entry : tw.windows)
        if (entry.second->invalid.left < entry.second->invalid.right) status |= QS_PAINT;
    status &= flags;
    return status | (status << 16);
}

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowObject *w = findWindow(window);
    if (w == nullptr || w->foreign) return 0;
    switch (message) {
    case WM_CLOSE: DestroyWindow(window); return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE && w->closeEnabled) SendMessageA(window, WM_CLOSE, 0, 0);
        return 0;
    case WM_ERASEBKGND: {
        WindowClass c;
        if (!findWindowClass(w->className, c) || c.background == 0) return 0;
        const RECT client{0, 0, w->clientWidth, w->clientHeight};
        return FillRect(HDC(wParam), &client, c.background) != 0 ? 1 : 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_SETCURSOR: defineClassCursor(threadWindows(), *w); return 1;
    case WM_NCLBUTTONDOWN:
        openMenuBarAt(window, short(LOWORD(lParam)), short(HIWORD(lParam)));
        return 0;
    case WM_SYSCHAR: openMenuBarByLetter(window, char(wParam)); return 0;
    default: return 0;
    }
}
