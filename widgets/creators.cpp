// The widget creators: each adds its entries to the open dialog, lays them
// out and makes their controls. A creator returns the id of its widget, or -1
// after a message.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <new>

#include "kavlor.h"
#include "kernel/page_sums.h"
#include "kernel/rounding.h"
#include "kernel/text_utils.h"
#include "widgets/widget_routines.h"

namespace {

constexpr int kMenuEntryBase = 1000;
constexpr int kFileMenuBase = 2000;

// A new widget of the kind under parent p, laid out with the height given
// (the layout's own under a FORM parent).
struct Placed {
    int i, x, y, w, h;
};
Placed place(WidgetContext &c, WidgetKind kind, int p, int height) {
    Placed at{qqdstruc(c, kind, p), 0, 0, 0, height};
    ++c.count;
    qqdgpos(c, p, at.x, at.y, at.w, at.h);
    return at;
}

// The context of a creator with its parent checked and room for n entries.
WidgetContext *creator(const char *routine, int ip, int n = 1) {
    WidgetContext *c = qqdglb(routine);
    return c != nullptr && qqdcip(*c, ip, n) ? c : nullptr;
}

DWORD labelStyle(const WidgetContext &c) {
    return c.labelJustification == 1 ? SS_CENTER : c.labelJustification == 2 ? SS_RIGHT : SS_LEFT;
}
DWORD buttonStyle(const WidgetContext &c) {
    return c.buttonJustification == 0 ? BS_LEFT : c.buttonJustification == 2 ? BS_RIGHT : BS_CENTER;
}

// A heap text of size bytes holding at most size - 1 characters of text; null
// after "Not enough memory".
std::unique_ptr<char[]> heapText(WidgetContext &c, const char *text, int size) {
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[std::size_t(size)]);
    if (!buffer) {
        qqderr(c, "Not enough memory");
        return buffer;
    }
    qqcopy(buffer.get(), text != nullptr ? text : "", size - 1);
    return buffer;
}

// A selection outside 1..n is reported and becomes 1.
int checkedSelection(WidgetContext &c, int isel, int n) {
    if (isel >= 1 && isel <= n) return isel;
    qqderr(c, "Selected list element out of range");
    return 1;
}

void addItems(const WidgetContext &c, HWND window, UINT message, const char *items) {
    const int n = itemCount(c, items);
    for (int k = 1; k <= n; ++k)
        SendMessageA(window, message, 0, LPARAM(itemAt(c, items, k).c_str()));
}

// A push button of the kind with its text.
int pushButton(const char *routine, int ip, WidgetKind kind, const char *text) {
    WidgetContext *c = creator(routine, ip);
    if (c == nullptr) return -1;
    const Placed at = place(*c, kind, ip - 1, oneAndHalf(*c));
    qqdcontrol(*c, at.i, "button", text, BS_PUSHBUTTON | buttonStyle(*c), at.x, at.y, at.w, at.h);
    qqdsubclass(*c, at.i, true);
    return at.i + 1;
}

// An edit field of the kind holding text, at most 256 characters.
int textField(const char *routine, int ip, WidgetKind kind, const char *text) {
    WidgetContext *c = creator(routine, ip);
    if (c == nullptr) return -1;
    std::unique_ptr<char[]> buffer = heapText(*c, text, kTextSize);
    if (!buffer) return -1;
    const Placed at = place(*c, kind, ip - 1, oneAndHalf(*c));
    WidgetEntry &e = c->entry(at.i);
    e.text = std::move(buffer);
    qqdcontrol(*c, at.i, "edit", e.text.get(), WS_BORDER | ES_AUTOHSCROLL, at.x, at.y, at.w, at.h);
    qqdsubclass(*c, at.i, true);
    return at.i + 1;
}

} // namespace

int wglab(int ip, const char *text) {
    WidgetContext *c = creator("wglab", ip);
    if (c == nullptr) return -1;
    const Placed at = place(*c, WidgetKind::Label, ip - 1, c->charHeight);
    qqdcontrol(*c, at.i, "static", text, labelStyle(*c), at.x, at.y, at.w, at.h);
    return at.i + 1;
}

int wgbut(int ip, const char *text, int ival) {
    WidgetContext *c = creator("wgbut", ip);
    if (c == nullptr) return -1;
    const Placed at = place(*c, WidgetKind::Check, ip - 1, c->charHeight);
    WidgetEntry &e = c->entry(at.i);
    e.value = ival != 0 ? 1 : 0;
    const HWND box = qqdcontrol(*c, at.i, "button", text, BS_AUTOCHECKBOX | buttonStyle(*c), at.x,
                                at.y, at.w, at.h);
    // The box shows the value it holds.
    SendMessageA(box, BM_SETCHECK, WPARAM(e.value), 0);
    return at.i + 1;
}

int wgdraw(int ip) {
    WidgetContext *c = creator("wgdraw", ip);
    if (c == nullptr) return -1;
    const int p = ip - 1;
    const WidgetEntry &parent = c->entry(p);
    const int width = parent.geometry ? parent.geometry->width : 0;
    // A far ratio makes the widget as high as a window can be.
    const Placed at = place(*c, WidgetKind::Draw, p,
                            int(std::min(float(width) * c->drawRatio, float(kLargestWindow))));
    const HWND window = qqdcontrol(*c, at.i, "DrawWidget", "", WS_BORDER, at.x, at.y, at.w, at.h);
    const HBRUSH brush = c->entry(at.i).brush;
    if (brush != 0) SetClassLongA(window, GCL_HBRBACKGROUND, LONG(brush));
    c->drawWidgetPresent = 1;
    return at.i + 1;
}

int wgpbut(int ip, const char *text) {
    return pushButton("wgpbut", ip, WidgetKind::Push, text);
}

int wgok(int ip) {
    return pushButton("wgok", ip, WidgetKind::Ok, "OK");
}

int wgquit(int ip) {
    return pushButton("wgquit", ip, WidgetKind::Quit, "Quit");
}

int wgcmd(int ip, const char *text, const char *cmd) {
    WidgetContext *c = creator("wgcmd", ip);
    if (c == nullptr) return -1;
    const std::size_t length = cmd != nullptr ? std::strlen(cmd) : 0;
    std::unique_ptr<char[]> command(new (std::nothrow) char[length + 1]);
    if (!command) {
        qqderr(*c, "Not enough memory");
        return -1;
    }
    std::memcpy(command.get(), cmd != nullptr ? cmd : "", length + 1);
    const Placed at = place(*c, WidgetKind::Command, ip - 1, oneAndHalf(*c));
    c->entry(at.i).text = std::move(command);
    qqdcontrol(*c, at.i, "button", text, BS_PUSHBUTTON | buttonStyle(*c), at.x, at.y, at.w, at.h);
    return at.i + 1;
}

int wglis(int ip, const char *items, int isel) {
    WidgetContext *c = creator("wglis", ip);
    if (c == nullptr) return -1;
    const int n = itemCount(*c, items);
    isel = checkedSelection(*c, isel, n);
    const bool scrolled = c->listScrolling == 1 || (c->listScrolling == 0 && n >= 9);
    const Placed at =
        place(*c, WidgetKind::List, ip - 1, scrolled ? 9 * c->charHeight : (n + 1) * c->charHeight);
    c->entry(at.i).value = isel;
    const HWND list = qqdcontrol(*c, at.i, "listbox", "",
                                 WS_BORDER | LBS_NOTIFY | (scrolled ? WS_VSCROLL | WS_HSCROLL : 0),
                                 at.x, at.y, at.w, at.h);
    addItems(*c, list, LB_ADDSTRING, items);
    SendMessageA(list, LB_SETCURSEL, WPARAM(isel - 1), 0);
    return at.i + 1;
}

int wgdlis(int ip, const char *items, int isel) {
    WidgetContext *c = creator("wgdlis", ip);
    if (c == nullptr) return -1;
    const int n = itemCount(*c, items);
    isel = checkedSelection(*c, isel, n);
    const Placed at = place(*c, WidgetKind::DropDown, ip - 1, oneAndHalf(*c));
    c->entry(at.i).value = isel;
    // The window's height is the room of the list dropped down.
    const HWND combo = qqdcontrol(*c, at.i, "combobox", "", WS_BORDER | CBS_DROPDOWNLIST, at.x,
                                  at.y, at.w, (n + 3) * c->charHeight);
    addItems(*c, combo, CB_ADDSTRING, items);
    SendMessageA(combo, CB_SETCURSEL, WPARAM(isel - 1), 0);
    return at.i + 1;
}

int wgbox(int ip, const char *items, int isel) {
    WidgetContext *c = creator("wgbox", ip);
    if (c == nullptr) return -1;
    const int p = ip - 1;
    const int n = itemCount(*c, items);
    isel = checkedSelection(*c, isel, n);
    const int b = c->count;
    const int ch = c->charHeight;
    const int sv = c->verticalSpacing, top = c->margins[1], bottom = c->margins[3];
    // (The table may grow below: the parent's layout is kept, not the entry.)
    const std::uint8_t layout = c->entry(p).layout;
    int h = ch;
    if (layout == kHori && c->boxOrientation == 0)
        h = pageSum(std::int64_t(n) * ch, std::int64_t(n - 1) * (sv + top + bottom));
    // One layout call places the box; its buttons follow from there.
    int x = 0, y = 0, w = 0;
    ++c->count;
    qqdgpos(*c, p, x, y, w, h);
    --c->count;
    if (layout != kForm) h = ch;
    if (c->boxOrientation == 1) w /= n;
    for (int k = 0; k < n; ++k) {
        if (!qqdcip(*c, ip)) return -1;
        const int i = qqdstruc(*c, WidgetKind::Radio, p);
        c->entry(i).value = isel;
        c->entry(i).value2 = b;
        ++c->count;
        if (k > 0) {
            if (c->boxOrientation == 1) {
                x += w;
            } else if (layout == kVert) {
                int hk = h;
                qqdgpos(*c, p, x, y, w, hk);
            } else {
                y = pageSum(y, sv + h, top + bottom);
                c->extent[1] = std::max(c->extent[1], pageSum(y, h, bottom));
            }
        }
        const HWND button = qqdcontrol(*c, i, "button", itemAt(*c, items, k + 1).c_str(),
                                       BS_RADIOBUTTON | buttonStyle(*c), x, y, w, h);
        if (k == isel - 1) SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);
    }
    return b + 1;
}

int wgstxt(int ip, int nlin, int nmax) {
    WidgetContext *c = creator("wgstxt", ip);
    if (c == nullptr) return -1;
    if (nlin <= 0 || nmax <= 0) {
        qqderr(*c, "Non positive paramter");
        return -1;
    }
    // No window is higher than an X window can be (16 bits).
    const std::int64_t height = (std::int64_t(nlin) + 2) * c->charHeight;
    const Placed at = place(*c, WidgetKind::ScrolledText, ip - 1,
                            int(std::min<std::int64_t>(height, kLargestWindow)));
    c->entry(at.i).value2 = nmax;
    const HWND list = qqdcontrol(*c, at.i, "listbox", "",
                                 WS_BORDER | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOSEL, at.x,
                                 at.y, at.w, at.h);
    SendMessageA(list, LB_SETHORIZONTALEXTENT, 1280, 0);
    return at.i + 1;
}

int wgtxt(int ip, const char *text) {
    return textField("wgtxt", ip, WidgetKind::Text, text);
}

int wgltxt(int ip, const char *label, const char *text, int nwth) {
    WidgetContext *c = creator("wgltxt", ip, 2);
    if (c == nullptr) return -1;
    std::unique_ptr<char[]> buffer = heapText(*c, text, kTextSize);
    if (!buffer) return -1;
    const int p = ip - 1;
    const int labelIndex = qqdstruc(*c, WidgetKind::Label, p);
    ++c->count;
    const Placed at = place(*c, WidgetKind::LabelledText, p, oneAndHalf(*c));
    WidgetEntry &e = c->entry(at.i);
    e.text = std::move(buffer);
    qqdcontrol(*c, labelIndex, "static", label, labelStyle(*c), at.x, at.y, at.w, at.h);
    // The field takes nwth percent of the width, flush right.
    const int fieldWidth = int(float(std::clamp(nwth, 0, 100)) / 100.0f * float(at.w));
    qqdcontrol(*c, at.i, "edit", e.text.get(), WS_BORDER | ES_AUTOHSCROLL, at.x + at.w - fieldWidth,
               at.y, fieldWidth, at.h);
    qqdsubclass(*c, at.i, true);
    return at.i + 1;
}

int wgfil(int ip, const char *label, const char *file, const char *mask) {
    WidgetContext *c = creator("wgfil", ip);
    if (c == nullptr) return -1;
    std::unique_ptr<char[]> buffer = heapText(*c, file, kTextSize);
    if (!buffer) return -1;
    std::unique_ptr<char[]> maskCopy = heapText(*c, mask, kMaskSize);
    if (!maskCopy) return -1;
    const Placed at = place(*c, WidgetKind::File, ip - 1, oneAndHalf(*c));
    WidgetEntry &e = c->entry(at.i);
    e.text = std::move(buffer);
    e.mask = std::move(maskCopy);
    qqdcontrol(*c, at.i, "edit", e.text.get(), WS_BORDER | ES_AUTOHSCROLL, at.x, at.y, at.w, at.h);
    qqdsubclass(*c, at.i, true);
    // The level's "File" menu names the field.
    const int d = c->depth - 1;
    if (c->fileMenuMade[d] == 0) {
        c->fileMenus[d] = CreatePopupMenu();
        AppendMenuA(c->menuBar, MF_POPUP, std::uintptr_t(c->fileMenus[d]), "File");
        c->fileMenuMade[d] = 1;
    }
    AppendMenuA(c->fileMenus[d], MF_STRING, std::uintptr_t(kFileMenuBase + at.i),
                label != nullptr ? label : "");
    DrawMenuBar(c->mainWindow);
    return at.i + 1;
}

int wgscl(int ip, const char *text, float xmin, float xmax, float xstart, int ndig) {
    WidgetContext *c = creator("wgscl", ip, 3);
    if (c == nullptr) return -1;
    // Limits that are not finite have no scale between them; NaN is in no range.
    if (!std::isfinite(xmin) || !std::isfinite(xmax) || !(xstart >= xmin && xstart <= xmax)) {
        qqderr(*c, "Value out of range");
        return -1;
    }
    const int p = ip - 1;
    const int ch = c->charHeight;
    const bool labelled = trmlen(text != nullptr ? text : "") != 0;
    const bool vertical = c->scaleVertical != 0;
    const int labelIndex = qqdstruc(*c, WidgetKind::Label, p);
    ++c->count;
    const int w0 = defaultWidthPixels(*c);
    int h = vertical ? (2 * w0) / 3 + ch + ch / 4 : labelled ? 3 * ch + ch / 2 : 2 * ch + ch / 4;
    int x = 0, y = 0, w = 0;
    qqdgpos(*c, p, x, y, w, h);
    if (labelled) {
        qqdcontrol(*c, labelIndex, "static", text, labelStyle(*c), x, y, w, ch);
        y += ch / 4 + ch;
    }
    const int bar =
        qqdstruc(*c, vertical ? WidgetKind::VerticalScale : WidgetKind::HorizontalScale, p);
    c->entry(bar).number = xstart;
    c->entry(bar).value2 = ndig;
    ++c->count;
    const int valueLabel = qqdstruc(*c, WidgetKind::Label, p);
    c->entry(valueLabel).number = xmin;
    c->entry(valueLabel).number2 = xmax;
    int hb = h - (ch / 4 + ch);
    if (!vertical && labelled) hb -= ch / 4 + ch;
    const HWND scroll = qqdcontrol(*c, bar, "scrollbar", "", vertical ? SBS_VERT : SBS_HORZ, x, y,
                                   vertical ? ch : w, hb);
    int n = 100;
    if (c->scaleStep > 0) {
        // Counted in float: limits far apart make more steps than an int holds.
        const float steps = (xmax - xmin) / c->scaleStep + 0.5f;
        if (!(steps <= 10000.0f)) { // NaN of infinite limits too
            qqderr(*c, "Too small step size");
            n = 100;
        } else {
            n = std::max(1, int(steps));
        }
    }
    // A scale of one value has its thumb at the start.
    int start = 0;
    if (xmax > xmin) start = truncToInt(scaleSteps(vertical, n, xstart, xmin, xmax) + 0.5);
    SetScrollRange(scroll, SB_CTL, 0, n, 0);
    SetScrollPos(scroll, SB_CTL, start, 0);
    ++c->count;
    int lx = x, lw = w;
    DWORD style = SS_CENTER;
    if (vertical) {
        y += hb / 2 - ch / 2;
        lx += ch / 2 + ch;
        lw -= ch / 2 + ch;
        style = SS_LEFT;
    } else {
        y += ch / 4 + ch;
    }
    qqdcontrol(*c, valueLabel, "static", scaleText(xstart, ndig).c_str(), style, lx, y, lw, ch);
    return bar + 1;
}

int wgpop(int ip, const char *text) {
    WidgetContext *c = qqdglb("wgpop");
    if (c == nullptr || !qqdcheck(*c)) return -1;
    if (ip < 1 || ip > c->count ||
        (c->entry(ip - 1).kind != WidgetKind::Main && c->entry(ip - 1).kind != WidgetKind::Popup)) {
        qqderr(*c, "Not allowed parent ID");
        return -1;
    }
    if (!qqdalloc(*c)) return -1;
    const WidgetEntry &parent = c->entry(ip - 1);
    const HMENU into = parent.kind == WidgetKind::Main
                           ? c->menuBars[std::max(parent.level, std::uint8_t(1)) - 1]
                           : HMENU(parent.window);
    const int i = qqdstruc(*c, WidgetKind::Popup, ip - 1);
    const HMENU popup = CreatePopupMenu();
    c->entry(i).window = popup;
    AppendMenuA(into, MF_POPUP, std::uintptr_t(popup), text != nullptr ? text : "");
    DrawMenuBar(c->mainWindow);
    return ++c->count;
}

int wgapp(int ip, const char *text) {
    WidgetContext *c = qqdglb("wgapp");
    if (c == nullptr || !qqdcheck(*c)) return -1;
    if (ip < 1 || ip > c->count || c->entry(ip - 1).kind != WidgetKind::Popup) {
        qqderr(*c, "Not allowed parent ID");
        return -1;
    }
    if (!qqdalloc(*c)) return -1;
    const HMENU menu = HMENU(c->entry(ip - 1).window);
    const int i = qqdstruc(*c, WidgetKind::MenuEntry, ip - 1);
    c->entry(i).window = menu;
    AppendMenuA(menu, MF_STRING, std::uintptr_t(kMenuEntryBase + i), text != nullptr ? text : "");
    return ++c->count;
}
