// The "edit" class: a field of text with a caret and a selection, one line
// that scrolls sideways to keep the caret in view, or several lines.
#include <unordered_map>

#include "platform/control_kit.h"

namespace controls {

namespace {

constexpr int kMargin = 2;

struct EditState {
    std::string text;
    std::size_t caret = 0, anchor = 0; // the selection lies between them
    int scroll = 0;                    // pixels of a single line hidden at the left
    bool ownChange = false;            // the field sets its own title
};

std::unordered_map<HWND, EditState> &edits() {
    thread_local std::unordered_map<HWND, EditState> state;
    return state;
}

bool multiline(HWND window) {
    return (styleOf(window) & ES_MULTILINE) != 0;
}

// The start of the line holding position i, and the line's number.
std::size_t lineStart(const std::string &text, std::size_t i, int *line = nullptr) {
    std::size_t start = 0;
    int n = 0;
    for (std::size_t k = 0; k < i && k < text.size(); ++k)
        if (text[k] == '\n') {
            start = k + 1;
            ++n;
        }
    if (line != nullptr) *line = n;
    return start;
}

void changed(HWND window, EditState &e) {
    e.ownChange = true;
    SetWindowTextA(window, e.text.c_str());
    e.ownChange = false;
    InvalidateRect(window, nullptr, 1);
    notifyParent(window, EN_CHANGE);
}

void replaceSelection(HWND window, EditState &e, std::string_view with) {
    const std::size_t from = std::min(e.caret, e.anchor), to = std::max(e.caret, e.anchor);
    e.text.replace(from, to - from, with);
    e.caret = e.anchor = from + with.size();
    changed(window, e);
}

void moveCaret(HWND window, EditState &e, std::size_t to, bool select) {
    e.caret = std::min(to, e.text.size());
    if (!select) e.anchor = e.caret;
    InvalidateRect(window, nullptr, 1);
}

// The text position nearest to a point of the client area.
std::size_t positionAt(HWND window, const EditState &e, int x, int y) {
    const HFONT font = fontOf(window);
    std::size_t start = 0;
    if (multiline(window)) {
        const int line = std::max(0, (y - kMargin) / std::max(1, int(metricsOf(font).tmHeight)));
        for (int n = 0; n < line; ++n) {
            const std::size_t next = e.text.find('\n', start);
            if (next == std::string::npos) break;
            start = next + 1;
        }
    }
    std::size_t end = e.text.find('\n', start);
    if (end == std::string::npos) end = e.text.size();
    const int target = x - kMargin + (multiline(window) ? 0 : e.scroll);
    std::size_t best = start;
    for (std::size_t i = start; i <= end; ++i) {
        if (textWidth(font, std::string_view(e.text).substr(start, i - start)) - target > 0) break;
        best = i;
    }
    return best;
}

void key(HWND window, EditState &e, WPARAM key) {
    const bool select = GetKeyState(int(VK_SHIFT)) < 0;
    const std::size_t start = lineStart(e.text, e.caret);
    std::size_t end = e.text.find('\n', e.caret);
    if (end == std::string::npos) end = e.text.size();
    switch (key) {
    case VK_LEFT: moveCaret(window, e, e.caret > 0 ? e.caret - 1 : 0, select); break;
    case VK_RIGHT: moveCaret(window, e, e.caret + 1, select); break;
    case VK_HOME: moveCaret(window, e, start, select); break;
    case VK_END: moveCaret(window, e, end, select); break;
    case VK_DELETE:
        if (e.caret == e.anchor && e.caret < e.text.size()) e.anchor = e.caret + 1;
        if (e.caret != e.anchor) replaceSelection(window, e, "");
        break;
    default: break;
    }
}

void character(HWND window, EditState &e, unsigned c) {
    if (c == 1) { // Ctrl+A
        e.anchor = 0;
        moveCaret(window, e, e.text.size(), true);
    } else if (c == 8) {
        if (e.caret == e.anchor && e.caret > 0) e.anchor = e.caret - 1;
        if (e.caret != e.anchor) replaceSelection(window, e, "");
    } else if (c == '\r' && multiline(window)) {
        replaceSelection(window, e, "\n");
    } else if (c >= 32 && c != 127) {
        const char typed = char(c);
        replaceSelection(window, e, std::string_view(&typed, 1));
    }
}

void paint(HWND window, EditState &e) {
    const Painter p(window, WM_CTLCOLOREDIT, COLOR_WINDOW);
    const RECT &c = p.client();
    p.fill(c, p.background());
    if ((styleOf(window) & WS_BORDER) != 0) p.frame(c, GetSysColor(COLOR_BTNSHADOW));
    const HFONT font = fontOf(window);
    const int lineHeight = metricsOf(font).tmHeight;
    const bool focused = hasFocus(window);
    const std::size_t from = std::min(e.caret, e.anchor), to = std::max(e.caret, e.anchor);
    // A single line scrolls to keep the caret in view.
    if (!multiline(window)) {
        const int caretX = textWidth(font, std::string_view(e.text).substr(0, e.caret));
        const int room = std::max(1, int(c.right - c.left) - 2 * kMargin - 1);
        if (caretX - e.scroll > room) e.scroll = caretX - room;
        if (caretX < e.scroll) e.scroll = caretX;
    }
    const int top = multiline(window) ? kMargin : (c.bottom - lineHeight) / 2;
    std::size_t start = 0;
    for (int line = 0; start <= e.text.size(); ++line) {
        std::size_t end = e.text.find('\n', start);
        if (end == std::string::npos) end = e.text.size();
        const std::string_view row = std::string_view(e.text).substr(start, end - start);
        const int x0 = kMargin - (multiline(window) ? 0 : e.scroll);
        const int y = top + line * lineHeight;
        p.text(x0, y, row);
        const std::size_t selFrom = std::max(from, start), selTo = std::min(to, end);
        if (focused && selFrom < selTo) {
            const int a = x0 + textWidth(font, row.substr(0, selFrom - start));
            const int b = x0 + textWidth(font, row.substr(0, selTo - start));
            p.fill(RECT{a, y, b, y + lineHeight}, GetSysColor(COLOR_HIGHLIGHT));
            p.text(a, y, row.substr(selFrom - start, selTo - selFrom),
                   GetSysColor(COLOR_HIGHLIGHTTEXT));
        }
        if (focused && e.caret >= start && e.caret <= end) {
            const int x = x0 + textWidth(font, row.substr(0, e.caret - start));
            p.fill(RECT{x, y, x + 1, y + lineHeight}, GetSysColor(COLOR_WINDOWTEXT));
        }
        start = end + 1;
    }
}

} // namespace

LRESULT editProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (commonMessage(window, message, wParam, lParam, result)) return result;
    EditState &e = edits()[window];
    switch (message) {
    case WM_CREATE:
    case WM_SETTEXT:
        if (!e.ownChange) {
            e.text = textOf(window);
            e.caret = e.anchor = 0;
            e.scroll = 0;
        }
        return message == WM_SETTEXT ? 1 : 0;
    case WM_PAINT: paint(window, e); return 0;
    case WM_LBUTTONDOWN:
        if (!IsWindowEnabled(window)) return 0;
        SetFocus(window);
        moveCaret(window, e, positionAt(window, e, short(LOWORD(lParam)), short(HIWORD(lParam))),
                  false);
        return 0;
    case WM_KEYDOWN:
        if (IsWindowEnabled(window)) key(window, e, wParam);
        return 0;
    case WM_CHAR:
        if (IsWindowEnabled(window)) character(window, e, unsigned(wParam));
        return 0;
    case EM_SETSEL: {
        const std::size_t n = e.text.size();
        e.anchor = std::min<std::size_t>(std::size_t(wParam), n);
        e.caret = LPARAM(lParam) < 0 ? n : std::min<std::size_t>(std::size_t(lParam), n);
        InvalidateRect(window, nullptr, 1);
        return 0;
    }
    case WM_DESTROY: edits().erase(window); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace controls
