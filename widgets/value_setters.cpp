// The value setters: they change widgets of the open dialog, and leave alone
// a widget that is inactive or invisible.
#include <cstdint>
#include <cstring>

#include "kavlor.h"
#include "kernel/rounding.h"
#include "kernel/text_utils.h"
#include "widgets/widget_routines.h"

namespace {

constexpr int kMenuEntryBase = 1000;
constexpr int kFileMenuBase = 2000;

// The entry index of an active widget of one of the kinds; -1 (after a
// message, except for an inactive widget) otherwise.
int active(WidgetContext *&c, const char *routine, int id,
           std::initializer_list<WidgetKind> kinds) {
    c = qqdglb(routine);
    if (c == nullptr || !qqdcheck(*c) || !qqdctyp(*c, id, kinds)) return -1;
    return c->entry(id - 1).state == 0 ? id - 1 : -1;
}

void applyState(WidgetEntry &e, int state) {
    e.state = std::uint8_t(state);
    if (e.window == 0 || e.kind == WidgetKind::Popup || e.kind == WidgetKind::MenuEntry) return;
    if (state == 2) {
        ShowWindow(e.window, SW_HIDE);
        return;
    }
    EnableWindow(e.window, state == 0 ? 1 : 0);
    ShowWindow(e.window, SW_SHOW);
}

void applyList(WidgetContext &c, WidgetEntry &e, const char *items) {
    const bool list = e.kind == WidgetKind::List;
    if (!list && e.kind != WidgetKind::DropDown) return;
    const int n = itemCount(c, items);
    if (e.value > n) e.value = 1;
    SendMessageA(e.window, list ? LB_RESETCONTENT : CB_RESETCONTENT, 0, 0);
    for (int k = 1; k <= n; ++k)
        SendMessageA(e.window, list ? LB_ADDSTRING : CB_ADDSTRING, 0,
                     LPARAM(itemAt(c, items, k).c_str()));
    SendMessageA(e.window, list ? LB_SETCURSEL : CB_SETCURSEL, WPARAM(e.value - 1), 0);
}

} // namespace

void swgbut(int id, int ival) {
    WidgetContext *c = nullptr;
    const int i = active(c, "swgbut", id, {WidgetKind::Check, WidgetKind::Push});
    if (i < 0) return;
    WidgetEntry &e = c->entry(i);
    if (e.kind == WidgetKind::Push) {
        // Pressed through the loop: its callbacks run from there, not now.
        if (ival == 1) PostMessageA(c->mainWindow, WM_COMMAND, MAKEWPARAM(i, BN_CLICKED), e.window);
        return;
    }
    e.value = ival == 1 ? 1 : 0;
    SendMessageA(e.window, BM_SETCHECK, WPARAM(e.value), 0);
}

void swgfoc(int id) {
    WidgetContext *c = nullptr;
    const int i = active(c, "swgfoc", id,
                         {WidgetKind::Text, WidgetKind::LabelledText, WidgetKind::Push,
                          WidgetKind::File, WidgetKind::Ok, WidgetKind::Quit});
    if (i < 0) return;
    SetFocus(c->entry(i).window);
    c->focusIndex = i;
}

void swglis(int id, int isel) {
    WidgetContext *c = nullptr;
    const int i = active(c, "swglis", id, {WidgetKind::List, WidgetKind::DropDown});
    if (i < 0) return;
    WidgetEntry &e = c->entry(i);
    // Line isel - 1, counted past an int's end: a selection outside the list
    // selects nothing.
    SendMessageA(e.window, e.kind == WidgetKind::List ? LB_SETCURSEL : CB_SETCURSEL,
                 WPARAM(std::int64_t(isel) - 1), 0);
    e.value = isel;
}

void swgbox(int id, int isel) {
    WidgetContext *c = nullptr;
    const int i = active(c, "swgbox", id, {WidgetKind::Radio});
    if (i < 0) return;
    int k = 0;
    for (int j = i; j < c->count; ++j) {
        const WidgetEntry &e = c->entry(j);
        if (e.kind != WidgetKind::Radio || e.value2 != i) continue;
        SendMessageA(e.window, BM_SETCHECK, ++k == isel ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    c->entry(i).value = isel;
}

double scaleSteps(bool vertical, int steps, float x, float xmin, float xmax) {
    return vertical ? double(steps) * (double(x) - xmax) / (double(xmin) - xmax)
                    : double(steps) * (double(x) - xmin) / (double(xmax) - xmin);
}

void swgscl(int id, float x) {
    WidgetContext *c = nullptr;
    const int i = active(c, "swgscl", id, {WidgetKind::HorizontalScale, WidgetKind::VerticalScale});
    if (i < 0) return;
    WidgetEntry &e = c->entry(i);
    const WidgetEntry &limits = c->entry(i + 1);
    const float xmin = limits.number, xmax = limits.number2;
    if (!(x >= xmin && x <= xmax)) { // NaN too
        qqderr(*c, "Value is out of range");
        return;
    }
    int lowest = 0, n = 0;
    GetScrollRange(e.window, SB_CTL, &lowest, &n);
    int pos = 0;
    if (xmax > xmin)
        pos = truncToInt(scaleSteps(e.kind == WidgetKind::VerticalScale, n, x, xmin, xmax));
    SetScrollPos(e.window, SB_CTL, pos, 1);
    e.number = x;
    SetWindowTextA(limits.window, scaleText(x, e.value2).c_str());
}

void swgtxt(int id, const char *text) {
    WidgetContext *c = nullptr;
    const int i = active(c, "swgtxt", id,
                         {WidgetKind::Text, WidgetKind::LabelledText, WidgetKind::ScrolledText});
    if (i < 0) return;
    WidgetEntry &e = c->entry(i);
    if (e.kind != WidgetKind::ScrolledText) {
        qqcopy(e.text.get(), text != nullptr ? text : "", kTextSize - 1);
        SetWindowTextA(e.window, e.text.get());
        return;
    }
    // A scrolled text keeps its newest lines.
    if (e.value >= e.value2) {
        SendMessageA(e.window, LB_DELETESTRING, 0, 0);
        --e.value;
    }
    const LRESULT line =
        SendMessageA(e.window, LB_ADDSTRING, 0, LPARAM(text != nullptr ? text : ""));
    SendMessageA(e.window, LB_SETCURSEL, WPARAM(line), 0);
    ++e.value;
}

void swgfil(int id, const char *file) {
    WidgetContext *c = nullptr;
    const int i = active(c, "swgfil", id, {WidgetKind::File});
    if (i < 0) return;
    WidgetEntry &e = c->entry(i);
    qqcopy(e.text.get(), file != nullptr ? file : "", kTextSize - 1);
    SetWindowTextA(e.window, e.text.get());
}

void swgatt(int id, const char *value, const char *key) {
    WidgetContext *c = qqdglb("swgatt");
    if (c == nullptr || !qqdcheck(*c) || !qqdcid(*c, id)) return;
    char k[5] = "";
    for (int n = 0; n < 4 && key != nullptr && key[n] != '\0'; ++n)
        k[n] = upperAscii(key[n]);
    const int i = id - 1;
    WidgetEntry &e = c->entry(i);
    if (std::strcmp(k, "LIST") == 0) {
        applyList(*c, e, value);
        return;
    }
    if (std::strcmp(k, "STAT") != 0) {
        char shown[41] = "";
        qqcopy(shown, key != nullptr ? key : "");
        qqderr(*c, (std::string("Not allowed parameter ") + shown).c_str());
        return;
    }
    const int state = jwgind("ACTI+INAC+INVI", 3, value, "swgatt") - 1;
    if (state < 0) return;
    const UINT menuState = state == 0 ? MF_ENABLED : MF_GRAYED;
    switch (e.kind) {
    case WidgetKind::Radio:
        for (int j = i; j < c->count; ++j)
            if (c->entry(j).kind == WidgetKind::Radio && c->entry(j).value2 == i)
                applyState(c->entry(j), state);
        break;
    case WidgetKind::MenuEntry:
        EnableMenuItem(HMENU(e.window), UINT(kMenuEntryBase + i), menuState);
        e.state = std::uint8_t(state);
        break;
    case WidgetKind::LabelledText:
        applyState(e, state);
        applyState(c->entry(i - 1), state);
        break;
    case WidgetKind::HorizontalScale:
    case WidgetKind::VerticalScale:
        applyState(e, state);
        applyState(c->entry(i - 1), state);
        if (i + 1 < c->count) applyState(c->entry(i + 1), state);
        break;
    case WidgetKind::File:
        applyState(e, state);
        EnableMenuItem(c->fileMenus[std::max(c->depth, 1) - 1], UINT(kFileMenuBase + i), menuState);
        break;
    default: applyState(e, state); break;
    }
}
