// What the widgets do while a dialog runs: the procedure of the dialog
// windows, which hears every control and menu, the procedure that stands in
// for those of buttons and text fields (Return and Tab), the callbacks, and how
// a dialog and the process end.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "kavlor.h"
#include "kernel/text_utils.h"
#include "widgets/widget_routines.h"

namespace {

constexpr int kOkCommand = 901, kQuitCommand = 900, kNothingCommand = 902, kHelpCommand = 999;
constexpr int kMenuEntryBase = 1000;
constexpr int kFileMenuBase = 2000;
constexpr std::uintptr_t kProgramStarted = 32; // WinExec's results below this are failures

bool isTextKind(WidgetKind k) {
    return k == WidgetKind::Text || k == WidgetKind::LabelledText || k == WidgetKind::File;
}

// The entry of a window, or -1.
int entryOf(const WidgetContext &c, HWND window) {
    const int id = int(GetWindowLongPtrA(window, GWLP_ID));
    if (id >= 0 && id < c.count && c.entries[std::size_t(id)].window == window) return id;
    for (int i = 0; i < c.count; ++i)
        if (c.entries[std::size_t(i)].window == window) return i;
    return -1;
}

// A command button's program.
void startCommand(WidgetContext &c, int i) {
    const char *command = c.entry(i).text ? c.entry(i).text.get() : "";
    if (WinExec(command, SW_SHOWNORMAL) >= kProgramStarted) return;
    char shown[41];
    qqcopy(shown, command);
    qqderr((std::string("Command ") + shown + " failed").c_str(), "wgcmd");
}

void selectRadio(WidgetContext &c, int i) {
    const int b = c.entry(i).value2;
    for (int j = b; j < c.count; ++j) {
        WidgetEntry &e = c.entry(j);
        if (e.kind != WidgetKind::Radio || e.value2 != b) break;
        SendMessageA(e.window, BM_SETCHECK, j == i ? BST_CHECKED : BST_UNCHECKED, 0);
        if (j == i) c.entry(b).value = j - b + 1;
    }
}

// The "File" menu of a file field: the file dialog with the field's mask.
void chooseFile(WidgetContext &c, HWND owner, int i) {
    WidgetEntry &e = c.entry(i);
    if (e.kind != WidgetKind::File || !e.text) return;
    if (!fileDialogFilter(c, e.mask ? e.mask.get() : "*")) return;
    c.fileRecord.title = nullptr;
    c.fileRecord.flags = 0;
    if (Get_OpenFile(c, owner, c.entry(i).text.get()) != 0) {
        SetWindowTextA(c.entry(i).window, c.entry(i).text.get());
        qqdcbexe(c, i);
    }
    c.fileRecord.filter.reset();
}

LRESULT menuCommand(WidgetContext &c, HWND window, std::uintptr_t id) {
    if (id == kOkCommand) {
        qqdok(c, window);
    } else if (id == kQuitCommand) {
        SendMessageA(window, WM_CLOSE, 0, 0);
        qqdquit();
    } else if (id == kHelpCommand) {
        if (c.help) MessageBoxA(0, c.help.get(), c.title, MB_OK);
    } else if (id > kMenuEntryBase - 1 && id < std::uintptr_t(c.count + kMenuEntryBase)) {
        qqdcbexe(c, int(id - kMenuEntryBase));
    } else if (id > kFileMenuBase - 1 && id < std::uintptr_t(c.count + kFileMenuBase)) {
        chooseFile(c, window, int(id - kFileMenuBase));
    }
    return 0;
}

LRESULT controlCommand(WidgetContext &c, HWND window, int i, WORD code) {
    if (i < 0 || i >= c.count) return 0;
    WidgetEntry &e = c.entry(i);
    switch (e.kind) {
    case WidgetKind::Check: e.value = SendMessageA(e.window, BM_GETCHECK, 0, 0) != 0 ? 1 : 0; break;
    case WidgetKind::List:
        if (code != LBN_SELCHANGE) return 0;
        e.value = int(SendMessageA(e.window, LB_GETCURSEL, 0, 0)) + 1;
        break;
    case WidgetKind::DropDown:
        if (code != CBN_SELCHANGE) return 0;
        e.value = int(SendMessageA(e.window, CB_GETCURSEL, 0, 0)) + 1;
        break;
    case WidgetKind::Ok: qqdok(c, window); return 0;
    case WidgetKind::Quit: SendMessageA(window, WM_CLOSE, 0, 0); qqdquit();
    case WidgetKind::Command: startCommand(c, i); break;
    case WidgetKind::Radio: selectRadio(c, i); break;
    case WidgetKind::Text:
    case WidgetKind::LabelledText:
    case WidgetKind::File:
        if (code != EN_CHANGE || c.textCallbackOption == 0) return 0;
        break;
    default: break;
    }
    qqdcbexe(c, i);
    return 0;
}

LRESULT scale(WidgetContext &c, HWND bar, WPARAM request) {
    const int i = entryOf(c, bar);
    if (i < 0 || i + 1 >= c.count) return 0;
    WidgetEntry &e = c.entry(i);
    const bool vertical = e.kind == WidgetKind::VerticalScale;
    if (!vertical && e.kind != WidgetKind::HorizontalScale) return 0;
    int pos = GetScrollPos(bar, SB_CTL), lowest = 0, n = 0;
    GetScrollRange(bar, SB_CTL, &lowest, &n);
    bool call = true;
    switch (LOWORD(request)) {
    case SB_LINEUP: --pos; break;
    case SB_LINEDOWN: ++pos; break;
    case SB_PAGEUP: pos -= 10; break;
    case SB_PAGEDOWN: pos += 10; break;
    case SB_THUMBPOSITION: pos = HIWORD(request); break;
    case SB_THUMBTRACK:
        pos = HIWORD(request);
        call = false;
        break;
    case SB_TOP: pos = 0; break;
    case SB_BOTTOM: pos = n; break;
    default: call = false; break;
    }
    pos = std::clamp(pos, 0, n);
    const WidgetEntry &limits = c.entry(i + 1);
    const float xmin = limits.number, xmax = limits.number2;
    // A scale of one value (xmin = xmax) always has that value.
    if (n > 0)
        e.number = vertical ? xmax + float(pos) * (xmin - xmax) / float(n)
                            : xmin + float(pos) * (xmax - xmin) / float(n);
    else
        e.number = xmin;
    SetScrollPos(bar, SB_CTL, pos, 1);
    SetWindowTextA(limits.window, scaleText(e.number, e.value2).c_str());
    if (call) qqdcbexe(c, i);
    return 0;
}

LRESULT controlColours(WidgetContext &c, UINT message, HDC dc, HWND control) {
    const int i = entryOf(c, control);
    if (i < 0) return -1;
    const WidgetEntry &e = c.entry(i);
    switch (e.colourFlags) {
    case 3:
        SetTextColor(dc, e.foreground);
        SetBkColor(dc, e.background);
        return e.brush;
    case 2:
        SetTextColor(dc, e.foreground);
        if (message == WM_CTLCOLORSTATIC) {
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return GetSysColorBrush(COLOR_BTNFACE);
        }
        SetBkColor(dc, RGB(255, 255, 255));
        return GetStockObject(WHITE_BRUSH);
    case 1:
        SetBkColor(dc, e.background);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        return e.brush;
    default: return -1;
    }
}

bool focusable(WidgetKind k) {
    return k == WidgetKind::Text || k == WidgetKind::LabelledText || k == WidgetKind::Push ||
           k == WidgetKind::Ok || k == WidgetKind::Quit || k == WidgetKind::File;
}

// Tab and Shift+Tab: the next focusable widget of the same dialog.
void tab(WidgetContext &c, HWND window) {
    const HWND dialog = GetParent(window);
    auto candidate = [&](int j) {
        const WidgetEntry &e = c.entry(j);
        return focusable(e.kind) && IsWindow(e.window) && GetParent(e.window) == dialog;
    };
    int found = -1;
    if (GetKeyState(int(VK_SHIFT)) < 0) {
        for (int j = c.focusIndex - 1; j >= 1 && found < 0; --j)
            if (candidate(j)) found = j;
        for (int j = c.count - 1; j > c.focusIndex && found < 0; --j)
            if (candidate(j)) found = j;
    } else {
        for (int j = c.focusIndex + 1; j < c.count && found < 0; ++j)
            if (candidate(j)) found = j;
        for (int j = 1; j < c.focusIndex && found < 0; ++j)
            if (candidate(j)) found = j;
    }
    if (found < 0) return;
    SetFocus(c.entry(found).window);
    c.focusIndex = found;
}

} // namespace

LRESULT KavWidget(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WidgetContext *c = qqdglb("wgini");
    if (c == nullptr) return 0;
    switch (message) {
    case WM_COMMAND:
        // Menus send no control: their ids never mix with the controls'.
        if (lParam == 0) return menuCommand(*c, window, wParam);
        return controlCommand(*c, window, entryOf(*c, HWND(lParam)), HIWORD(wParam));
    case WM_HSCROLL:
    case WM_VSCROLL: return scale(*c, HWND(lParam), wParam);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        const LRESULT brush = controlColours(*c, message, HDC(wParam), HWND(lParam));
        return brush >= 0 ? brush : DefWindowProcA(window, message, wParam, lParam);
    }
    case WM_ERASEBKGND: {
        // A dialog with a colour of its own keeps it, whatever later dialogs have.
        const int i = entryOf(*c, window);
        if (i < 0 || (c->entry(i).colourFlags & 1) == 0)
            return DefWindowProcA(window, message, wParam, lParam);
        RECT client;
        GetClientRect(window, &client);
        FillRect(HDC(wParam), &client, c->entry(i).brush);
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_CLOSE:
        if (c->closeOption == 1) {
            qqdcopytexts(*c);
            c->exitOnDestroy = 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_DESTROY:
        if (c->closingQuietly != 0) return 0;
        PostQuitMessage(0);
        if (c->exitOnDestroy != 0) qqdquit();
        c->exitOnDestroy = 1;
        return 0;
    case WM_CREATE:
    case WM_SIZE: return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT MyEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WidgetContext *c = qqdglb("wgini");
    if (c == nullptr) return -1;
    const int i = entryOf(*c, window);
    if (i < 0) return DefWindowProcA(window, message, wParam, lParam);
    const WNDPROC replaced = c->entry(i).replaced;
    const WidgetKind kind = c->entry(i).kind;
    if (message == WM_SETFOCUS) c->focusIndex = i;
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        if (kind == WidgetKind::Ok || kind == WidgetKind::Push || kind == WidgetKind::Quit) {
            SendMessageA(window, BM_SETSTATE, 1, 0);
            SendMessageA(c->mainWindow, WM_COMMAND, MAKEWPARAM(i, BN_CLICKED), window);
            if (IsWindow(window)) SendMessageA(window, BM_SETSTATE, 0, 0);
            return 0;
        }
        if (isTextKind(kind)) {
            if (c->textCallbackOption != 1) qqdcbexe(*c, i);
            return 0;
        }
    }
    if (message == WM_KEYDOWN && wParam == VK_TAB) tab(*c, window);
    return CallWindowProcA(replaced, window, message, wParam, lParam);
}

void qqdcbexe(WidgetContext &c, int i) {
    // The callbacks may change the table: what they need is taken first.
    const WidgetEntry &e = c.entry(i);
    const WidgetCallback callback = e.callback;
    const WidgetDataCallback dataCallback = e.dataCallback;
    const int data = e.callbackData;
    // Ids go by value, or (for callers that take every argument by address)
    // as the address of an int holding the id.
    const bool byValue = c.idByValue != 0;
    int id = i + 1;
    if (callback != nullptr) {
        if (byValue)
            callback(id);
        else
            reinterpret_cast<void (*)(int *)>(reinterpret_cast<void (*)()>(callback))(&id);
    }
    id = i + 1;
    if (dataCallback != nullptr) {
        if (byValue)
            dataCallback(id, data);
        else
            reinterpret_cast<void (*)(int *, int)>(reinterpret_cast<void (*)()>(dataCallback))(
                &id, data);
    }
}

void qqdcopytexts(WidgetContext &c) {
    // Only live fields: those of an ended dialog keep what they held.
    for (int i = 0; i < c.count; ++i) {
        WidgetEntry &e = c.entry(i);
        if (isTextKind(e.kind) && e.text && IsWindow(e.window))
            GetWindowTextA(e.window, e.text.get(), kTextSize);
    }
}

void qqdok(WidgetContext &c, HWND main) {
    qqdcopytexts(c);
    c.exitOnDestroy = 0;
    SendMessageA(main, WM_CLOSE, 0, 0);
}

void closeQuietly(WidgetContext &c, HWND window) {
    if (!IsWindow(window)) return;
    qqdcopytexts(c);
    c.closingQuietly = 1;
    DestroyWindow(window);
    c.closingQuietly = 0;
}

void qqdquit() {
    std::fflush(nullptr);
    std::exit(0);
}

namespace {

// The widget of a callback setter: not a main widget, container or label.
WidgetContext *callbackTarget(const char *routine, int id) {
    WidgetContext *c = qqdglb(routine);
    if (c == nullptr || !qqdcheck(*c) || !qqdcid(*c, id)) return nullptr;
    const WidgetKind k = c->entry(id - 1).kind;
    if (k == WidgetKind::Main || k == WidgetKind::Container) {
        qqderr(*c, "Callbacks cannot be defined for parent widgets");
        return nullptr;
    }
    if (k == WidgetKind::Label) {
        qqderr(*c, "Callbacks cannot be defined for label widgets");
        return nullptr;
    }
    return c;
}

// The entries a callback goes to: the widget, and for the first button of a
// radio box every button of the box.
template <typename Set> void forWidget(WidgetContext &c, int i, Set set) {
    set(c.entry(i));
    if (c.entry(i).kind != WidgetKind::Radio) return;
    for (int j = i + 1; j < c.count; ++j) {
        WidgetEntry &e = c.entry(j);
        if (e.kind != WidgetKind::Radio || e.value2 != i) break;
        set(e);
    }
}

} // namespace

void swgcbk(int id, void (*f)(int id)) {
    WidgetContext *c = callbackTarget("swgcbk", id);
    if (c == nullptr) return;
    forWidget(*c, id - 1, [&](WidgetEntry &e) {
        e.callback = f;
        e.formFlag = 1;
    });
}

void swgcb(int id, void (*f)(int id, int data), int data) {
    WidgetContext *c = callbackTarget("swgcb", id);
    if (c == nullptr) return;
    forWidget(*c, id - 1, [&](WidgetEntry &e) {
        e.dataCallback = f;
        e.callbackData = data;
        e.formFlag = 0;
    });
}
