// Message boxes. With a display, a box is a window of its own with the caption
// as its title, the text in lines and a row of buttons, drawn with the X
// server's "fixed" font; its message loop serves the thread's other windows
// too, and it ends when a button is chosen: by a click, by Return (the button
// with the focus, at first the default one; Tab and the arrows move the focus)
// or by Escape and the close button (Cancel, No, or OK alone). The text is
// also kept in the window's _KAVLOR_TEXT property, for programs that read
// screens.
//
// The log mode prints the caption and the text on standard error and takes
// the default answer at once, so that no test and no script without a display
// can hang on a box nobody sees. It is used without a display, and when the
// environment sets KAVLOR_MSGBOX=log.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include <X11/Xatom.h>

#include "platform/thread_windows.h"
#include "platform/windows.h"

namespace {

constexpr const char *kClassName = "KavlorMessageBox";
constexpr int kMargin = 16;
constexpr int kButtonWidth = 75;
constexpr int kButtonGap = 8;

struct Choices {
    std::vector<int> buttons; // answers, left to right
    int defaultIndex = 0;
    int escapeAnswer = IDOK;
};

Choices choicesOf(UINT type) {
    Choices c;
    switch (type & 0xF) {
    case MB_OKCANCEL:
        c.buttons = {IDOK, IDCANCEL};
        c.escapeAnswer = IDCANCEL;
        break;
    case MB_YESNO:
        c.buttons = {IDYES, IDNO};
        c.escapeAnswer = IDNO;
        break;
    default: c.buttons = {IDOK}; break;
    }
    c.defaultIndex = (type & MB_DEFBUTTON2) != 0 && c.buttons.size() > 1 ? 1 : 0;
    return c;
}

const char *label(int answer) {
    switch (answer) {
    case IDCANCEL: return "Cancel";
    case IDYES: return "Yes";
    case IDNO: return "No";
    default: return "OK";
    }
}

bool logMode() {
    const char *mode = std::getenv("KAVLOR_MSGBOX");
    return (mode != nullptr && std::strcmp(mode, "log") == 0) || !DisplayPresent();
}

int logBox(const char *text, const char *caption, const Choices &choices) {
    std::fprintf(stderr, "[%s]\n%s\n", caption != nullptr ? caption : "",
                 text != nullptr ? text : "");
    std::fflush(stderr);
    return choices.buttons[std::size_t(choices.defaultIndex)];
}

// A box on the screen, reached from its window through GWLP_USERDATA.
struct Box {
    Display *display = nullptr;
    Window xid = 0;
    XFontStruct *font = nullptr;
    GC gc = nullptr;
    unsigned long face = 0, ink = 0;
    std::vector<std::string> lines;
    Choices choices;
    int focus = 0;
    int answer = 0;
    int width = 0, height = 0;
    int buttonTop = 0, buttonHeight = 0, buttonsLeft = 0;

    int lineHeight() const { return font->ascent + font->descent; }
    RECT button(int i) const {
        const int left = buttonsLeft + i * (kButtonWidth + kButtonGap);
        return RECT{left, buttonTop, left + kButtonWidth, buttonTop + buttonHeight};
    }
    void layOut() {
        int textWidth = 0;
        for (const std::string &line : lines)
            textWidth = std::max(textWidth, xlib.XTextWidth(font, line.data(), int(line.size())));
        const int n = int(choices.buttons.size());
        const int buttonsWidth = n * kButtonWidth + (n - 1) * kButtonGap;
        width = std::max(textWidth, buttonsWidth) + 2 * kMargin;
        buttonHeight = lineHeight() + 10;
        buttonTop = kMargin + int(lines.size()) * lineHeight() + kMargin;
        height = buttonTop + buttonHeight + kMargin;
        buttonsLeft = (width - buttonsWidth) / 2;
    }
    void paint() {
        xlib.XSetForeground(display, gc, face);
        xlib.XFillRectangle(display, xid, gc, 0, 0, unsigned(width), unsigned(height));
        xlib.XSetForeground(display, gc, ink);
        for (std::size_t i = 0; i < lines.size(); ++i)
            xlib.XDrawString(display, xid, gc, kMargin,
                             kMargin + int(i) * lineHeight() + font->ascent, lines[i].data(),
                             int(lines[i].size()));
        for (int i = 0; i < int(choices.buttons.size()); ++i) {
            const RECT r = button(i);
            const char *text = label(choices.buttons[std::size_t(i)]);
            const int textWidth = xlib.XTextWidth(font, text, int(std::strlen(text)));
            xlib.XSetLineAttributes(display, gc, i == focus ? 2 : 1, LineSolid, CapButt, JoinMiter);
            xlib.XDrawRectangle(display, xid, gc, r.left, r.top, unsigned(kButtonWidth - 1),
                                unsigned(buttonHeight - 1));
            xlib.XDrawString(display, xid, gc, r.left + (kButtonWidth - textWidth) / 2,
                             r.top + 5 + font->ascent, text, int(std::strlen(text)));
        }
        xlib.XFlush(display);
    }
};

Box *boxOf(HWND window) {
    return reinterpret_cast<Box *>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT boxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Box *box = boxOf(window);
    if (box == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    const int buttons = int(box->choices.buttons.size());
    switch (message) {
    case WM_PAINT:
        if (WindowObject *w = findWindow(window)) w->invalid = RECT{0, 0, 0, 0};
        box->paint();
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            box->answer = box->choices.buttons[std::size_t(box->focus)];
        } else if (wParam == VK_ESCAPE) {
            box->answer = box->choices.escapeAnswer;
        } else if (wParam == VK_TAB || wParam == VK_RIGHT || wParam == VK_LEFT) {
            box->focus = (box->focus + (wParam == VK_LEFT ? buttons - 1 : 1)) % buttons;
            box->paint();
        }
        return 0;
    case WM_LBUTTONUP: {
        const int x = short(LOWORD(lParam)), y = short(HIWORD(lParam));
        for (int i = 0; i < buttons; ++i) {
            const RECT r = box->button(i);
            if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
                box->answer = box->choices.buttons[std::size_t(i)];
        }
        return 0;
    }
    case WM_CLOSE:
    case WM_DESTROY:
        if (box->answer == 0) box->answer = box->choices.escapeAnswer;
        return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

void registerBoxClass() {
    static std::once_flag once;
    std::call_once(once, [] {
        WNDCLASSA c{};
        c.lpfnWndProc = boxProcedure;
        c.hCursor = LoadCursorA(0, IDC_ARROW);
        c.hbrBackground = GetStockObject(LTGRAY_BRUSH);
        c.lpszClassName = kClassName;
        RegisterClassA(&c);
    });
}

unsigned long pixelOf(Display *display, Colormap colormap, unsigned short grey) {
    XColor c{};
    c.red = c.green = c.blue = grey;
    return xlib.XAllocColor(display, colormap, &c) != 0 ? c.pixel : 0;
}

int windowBox(HWND owner, const char *text, const char *caption, const Choices &choices) {
    ThreadWindows &tw = threadWindows();
    Box box;
    box.display = tw.x.display;
    box.font = xlib.XLoadQueryFont(box.display, "fixed");
    if (box.font == nullptr) return logBox(text, caption, choices);
    box.choices = choices;
    box.focus = choices.defaultIndex;
    for (const char *p = text != nullptr ? text : "";;) {
        const char *end = std::strchr(p, '\n');
        box.lines.emplace_back(p, end != nullptr ? std::size_t(end - p) : std::strlen(p));
        if (end == nullptr) break;
        p = end + 1;
    }
    box.layOut();

    // Centred over the owner, else on the screen.
    RECT area{0, 0, tw.x.width, tw.x.height};
    if (owner != 0) GetWindowRect(owner, &area);
    const int fx = GetSystemMetrics(SM_CXFRAME), fy = GetSystemMetrics(SM_CYFRAME);
    const int outerWidth = box.width + 2 * fx;
    const int outerHeight = box.height + GetSystemMetrics(SM_CYCAPTION) + 2 * fy;
    registerBoxClass();
    const HWND window = CreateWindowExA(
        0, kClassName, caption != nullptr ? caption : "", WS_OVERLAPPEDWINDOW,
        (area.left + area.right - outerWidth) / 2, (area.top + area.bottom - outerHeight) / 2,
        outerWidth, outerHeight, 0, 0, 0, nullptr);
    WindowObject *w = findWindow(window);
    if (w == nullptr) {
        xlib.XFreeFont(box.display, box.font);
        return logBox(text, caption, choices);
    }
    w->drawsItself = true;
    box.xid = w->xid;
    box.gc = xlib.XCreateGC(box.display, box.xid, 0, nullptr);
    xlib.XSetFont(box.display, box.gc, box.font->fid);
    box.face = pixelOf(box.display, tw.x.colormap, 0xC0C0);
    box.ink = pixelOf(box.display, tw.x.colormap, 0);
    const std::string shown = text != nullptr ? text : "";
    xlib.XChangeProperty(box.display, box.xid, tw.x.textProperty, XA_STRING, 8, PropModeReplace,
                         reinterpret_cast<const unsigned char *>(shown.data()), int(shown.size()));
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<std::intptr_t>(&box));
    ShowWindow(window, SW_SHOWNORMAL);

    bool quit = false;
    MSG msg{};
    while (box.answer == 0) {
        if (GetMessageA(&msg, 0, 0, 0) <= 0) {
            quit = true;
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
    xlib.XFreeGC(box.display, box.gc);
    xlib.XFreeFont(box.display, box.font);
    xlib.XFlush(box.display);
    if (quit) {
        // The loop outside must see the quit too.
        PostQuitMessage(int(msg.wParam));
        return choices.buttons[std::size_t(choices.defaultIndex)];
    }
    return box.answer;
}

} // namespace

int MessageBoxA(HWND owner, const char *text, const char *caption, UINT type) {
    const Choices choices = choicesOf(type);
    if (logMode()) return logBox(text, caption, choices);
    return windowBox(owner, text, caption, choices);
}
