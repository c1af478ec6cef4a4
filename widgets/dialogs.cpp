// Ready-made dialogs: messages and questions in message boxes, a choice from
// a list and a line of text in dialog windows with loops of their own, a file
// name from the open-file dialog; sendok, which ends the running dialog; and
// sendmb, which ends a screen wait.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "devices/screen_driver.h"
#include "kavlor.h"
#include "kernel/record_table.h"
#include "kernel/text_utils.h"
#include "widgets/widget_routines.h"

namespace {

// The hook of the file dialog with the option TOP: the dialog in the middle
// of the screen, above the other windows.
std::uintptr_t MyDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG) return 0;
    const HWND frame = GetParent(dialog);
    RECT r;
    if (!GetWindowRect(frame, &r)) return 0;
    SetWindowPos(frame, HWND_TOPMOST, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2, 0, 0, SWP_NOSIZE);
    return 0;
}

int separators(const WidgetContext &c, const char *text) {
    return itemCount(c, text) - 1;
}

// A dialog window of the list and text dialogs, centred, with the label's
// lines at the top; y comes back below them.
HWND dialogWindow(WidgetContext &c, const char *label, int width, int height, int &y) {
    const HWND window =
        CreateWindowExA(0, "MainWidget", c.title, WS_OVERLAPPEDWINDOW, (c.nxres - width) / 2,
                        (c.nyres - height) / 2, width, height, 0, 0, 0, nullptr);
    const int w = defaultWidthPixels(c);
    const int s = separators(c, label);
    y = c.verticalBorder;
    for (int k = 1; k <= s + 1; ++k) {
        const std::string line =
            s > 0 ? itemAt(c, label, k) : std::string(label != nullptr ? label : "");
        const HWND text =
            CreateWindowExA(0, "static", line.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT,
                            c.horizontalBorder, y, w, c.charHeight, window, 0, 0, nullptr);
        if (c.fontMode == 1 && c.currentFont != 0) SendMessageA(text, WM_SETFONT, c.currentFont, 0);
        y += c.charHeight;
    }
    y += c.verticalSpacing;
    return window;
}

// Two entries at the end of the table for the dialog's field and OK button;
// -1 when the table cannot grow.
int temporaryEntries(WidgetContext &c, WidgetKind field) {
    if (!qqdalloc(c, 2)) return -1;
    const int i = c.count;
    c.entry(i) = WidgetEntry{};
    c.entry(i).kind = field;
    c.entry(i + 1) = WidgetEntry{};
    c.entry(i + 1).kind = WidgetKind::Ok;
    c.count += 2;
    return i;
}

// The entries go again, unless a callback has added some behind them.
void removeTemporaryEntries(WidgetContext &c, int i) {
    if (c.count == i + 2) {
        c.entry(i).text.reset();
        c.count = i;
    }
}

HWND childControl(WidgetContext &c, HWND parent, int i, const char *className, const char *text,
                  DWORD style, int x, int y, int w, int h) {
    const HWND window = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w,
                                        h, parent, HMENU(i), 0, nullptr);
    c.entry(i).window = window;
    if (c.fontMode == 1 && c.currentFont != 0) SendMessageA(window, WM_SETFONT, c.currentFont, 0);
    return window;
}

// Shows the dialog and runs its loop; Return presses its OK button.
void runDialog(WidgetContext &c, HWND window, int okIndex, HWND ok) {
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG msg;
    ++c.runningLoops;
    while (GetMessageA(&msg, 0, 0, 0) > 0) {
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN && IsWindow(window) &&
            (msg.hwnd == window || GetParent(msg.hwnd) == window)) {
            SendMessageA(window, WM_COMMAND, MAKEWPARAM(okIndex, BN_CLICKED), ok);
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    --c.runningLoops;
    closeQuietly(c, window);
}

char *newResult(WidgetContext &c, const char *text) {
    char *result = static_cast<char *>(std::malloc(kTextSize));
    if (result == nullptr) {
        qqderr(c, "Not enough memory");
        return nullptr;
    }
    qqcopy(result, text != nullptr ? text : "", kTextSize - 1);
    return result;
}

} // namespace

void msgbox(const char *text) {
    WidgetContext *c = qqdglb("msgbox");
    if (c == nullptr) return;
    MessageBoxA(0, preparedText(*c, text).c_str(), c->title, MB_OK);
}

void dwgmsg(const char *text) {
    WidgetContext *c = qqdglb("dwgmsg");
    if (c == nullptr) return;
    MessageBoxA(0, preparedText(*c, text).c_str(), c->title, MB_OK);
}

int dwgbut(const char *text, int ival) {
    WidgetContext *c = qqdglb("dwgbut");
    if (c == nullptr) return -1;
    const UINT type = MB_YESNO | (ival == 0 ? MB_DEFBUTTON2 : 0);
    return MessageBoxA(0, preparedText(*c, text).c_str(), c->title, type) == IDYES ? 1 : 0;
}

int dwglis(const char *label, const char *items, int isel) {
    WidgetContext *c = qqdglb("dwglis");
    if (c == nullptr) return -1;
    const int s = separators(*c, label);
    qqdmetrics(*c);
    const int n = itemCount(*c, items);
    if (isel < 1 || isel > n) {
        qqderr(*c, "Selected list element out of range");
        isel = 1;
    }
    const int v = std::min(n + 1, 12);
    const int ch = c->charHeight;
    const int width = defaultWidthPixels(*c) + 2 * c->nwframe + 2 * c->horizontalBorder;
    const int height =
        (v + s + 2) * ch + 2 * c->nhtit + 2 * (c->verticalBorder + c->nhframe) + c->verticalSpacing;
    const int list = temporaryEntries(*c, WidgetKind::List);
    if (list < 0) return isel;
    c->entry(list).value = isel;
    int y = 0;
    const HWND window = dialogWindow(*c, label, width, height, y);
    const int w = defaultWidthPixels(*c);
    const HWND box =
        childControl(*c, window, list, "listbox", "", WS_BORDER | WS_VSCROLL | LBS_NOTIFY,
                     c->horizontalBorder, y, w, v * ch);
    const HWND ok = childControl(*c, window, list + 1, "button", "OK", BS_DEFPUSHBUTTON,
                                 c->horizontalBorder, y + v * ch, w, 3 * ch / 2);
    for (int k = 1; k <= n; ++k)
        SendMessageA(box, LB_ADDSTRING, 0, LPARAM(itemAt(*c, items, k).c_str()));
    SendMessageA(box, LB_SETCURSEL, WPARAM(isel - 1), 0);
    SetFocus(box);
    runDialog(*c, window, list + 1, ok);
    const int chosen = c->entry(list).value;
    removeTemporaryEntries(*c, list);
    return chosen;
}

char *dwgtxt(const char *label, const char *text) {
    WidgetContext *c = qqdglb("dwgtxt");
    if (c == nullptr) return nullptr;
    char *result = newResult(*c, text);
    if (result == nullptr) return nullptr;
    const int s = separators(*c, label);
    qqdmetrics(*c);
    const int ch = c->charHeight;
    const int width = defaultWidthPixels(*c) + 2 * c->nwframe + 2 * c->horizontalBorder;
    const int height =
        (s + 5) * ch + 2 * (c->nhtit + c->nhframe + c->verticalBorder) + c->verticalSpacing;
    const int field = temporaryEntries(*c, WidgetKind::Text);
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[kTextSize]);
    if (field < 0 || !buffer) {
        // Nothing is left behind: no result, no entries.
        if (field >= 0) removeTemporaryEntries(*c, field);
        if (!buffer) qqderr(*c, "Not enough memory");
        std::free(result);
        return nullptr;
    }
    std::memcpy(buffer.get(), result, kTextSize);
    c->entry(field).text = std::move(buffer);
    int y = 0;
    const HWND window = dialogWindow(*c, label, width, height, y);
    const int w = defaultWidthPixels(*c);
    const HWND edit = childControl(*c, window, field, "edit", result, WS_BORDER | ES_AUTOHSCROLL,
                                   c->horizontalBorder, y, w, 3 * ch / 2);
    y += int(2.5f * float(ch));
    const HWND ok = childControl(*c, window, field + 1, "button", "OK", BS_DEFPUSHBUTTON,
                                 c->horizontalBorder + (w - 6 * c->charWidth) / 2, y,
                                 6 * c->charWidth, 3 * ch / 2);
    SetFocus(edit);
    const WPARAM end = std::strlen(result);
    SendMessageA(edit, EM_SETSEL, end, LPARAM(end));
    runDialog(*c, window, field + 1, ok);
    qqcopy(result, c->entry(field).text.get(), kTextSize - 1);
    removeTemporaryEntries(*c, field);
    return result;
}

char *dwgfil(const char *label, const char *file, const char *mask) {
    WidgetContext *c = qqdglb("dwgfil");
    if (c == nullptr) return nullptr;
    char *result = newResult(*c, file);
    if (result == nullptr) return nullptr;
    qqdmetrics(*c);
    if (!fileDialogFilter(*c, mask)) {
        std::free(result);
        return nullptr;
    }
    c->fileRecord.title = label;
    c->fileRecord.flags = c->fileDialogOption == 1 ? OFN_EXPLORER | OFN_ENABLEHOOK : 0;
    Get_OpenFile(*c, 0, result);
    c->fileRecord.title = nullptr;
    c->fileRecord.flags = 0;
    c->fileRecord.filter.reset();
    return result;
}

void sendmb() {
    if (qqdglb("sendmb") == nullptr) return;
    qqwmb2(currentRecord());
}

void sendok() {
    WidgetContext *c = qqdglb("sendok");
    if (c == nullptr || !IsWindow(c->mainWindow)) return;
    qqdok(*c, c->mainWindow);
}

bool fileDialogFilter(WidgetContext &c, const char *mask) {
    const std::string m = mask != nullptr ? mask : "";
    std::string filter = c.maskOption == 1 ? m : "Mask (" + m + ")+" + m + "+All Files (*.*)+*.*";
    // Pairs of description and pattern, each ending in a zero byte, then one more.
    std::replace(filter.begin(), filter.end(), '+', '\0');
    std::unique_ptr<char[]> copy(new (std::nothrow) char[filter.size() + 2]);
    if (!copy) {
        qqderr(c, "Not enough memory");
        return false;
    }
    std::memcpy(copy.get(), filter.data(), filter.size());
    copy[filter.size()] = copy[filter.size() + 1] = '\0';
    c.fileRecord.filter = std::move(copy);
    return true;
}

int Get_OpenFile(WidgetContext &c, HWND owner, char *file) {
    OPENFILENAMEA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpstrFilter = c.fileRecord.filter.get();
    request.lpstrFile = file;
    request.nMaxFile = kTextSize - 1;
    request.lpstrTitle = c.fileRecord.title;
    request.Flags = c.fileRecord.flags;
    request.lpstrDefExt = "";
    if ((c.fileRecord.flags & OFN_ENABLEHOOK) != 0) request.lpfnHook = MyDialogProc;
    c.fileRecord.owner = owner;
    return GetOpenFileNameA(&request);
}
