// The main widget and the dialog levels: wgini opens a level and makes its
// window, wgfin shows it and runs its message loop until the window goes,
// reawgt shows it early. The window class and the metrics the layout works
// with are set up here too.
#include <algorithm>
#include <cstdint>
#include <mutex>
#include <new>

#include "devices/screen_driver.h"
#include "devices/screen_windows.h"
#include "kavlor.h"
#include "kernel/record_table.h"
#include "widgets/widget_routines.h"

namespace {

constexpr int kOkCommand = 901, kQuitCommand = 900, kHelpCommand = 999;

// Sizes (unless the size was given) and shows the dialog of the innermost level.
void realise(WidgetContext &c) {
    WidgetEntry &m = c.entry(c.mainIndex[c.depth - 1]);
    WidgetGeometry &g = *m.geometry;
    if (m.formFlag == 0 && c.realised == 0) {
        c.extent[0] += c.horizontalBorder + 2 * c.nwframe;
        c.extent[1] += c.verticalBorder + 2 * (c.nhtit + c.nhframe);
        if (c.centreThis != 0) {
            g.x = (c.nxres - c.extent[0]) / 2;
            g.y = (c.nyres - c.extent[1]) / 2;
        }
        MoveWindow(m.window, g.x, g.y, c.extent[0], c.extent[1], 1);
    }
    if (c.realised == 0) {
        ShowWindow(m.window, SW_SHOWNORMAL);
        UpdateWindow(m.window);
        c.realised = 1;
    }
}

} // namespace

void qqdmetrics(WidgetContext &c) {
    static std::once_flag once;
    std::call_once(once, [] {
        WNDCLASSA w{};
        w.style = CS_HREDRAW | CS_VREDRAW;
        w.lpfnWndProc = KavWidget;
        w.hIcon = LoadIconA(0, IDI_APPLICATION);
        w.hCursor = LoadCursorA(0, IDC_ARROW);
        w.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        w.lpszClassName = "MainWidget";
        RegisterClassA(&w);
        // Draw widgets behave as screen windows: the library's plots go into
        // them (setxid) and they repaint from the screen's backing bitmap.
        w.lpfnWndProc = KavProc;
        w.lpszClassName = "DrawWidget";
        RegisterClassA(&w);
    });
    if (c.metricsRead == 0) {
        c.nxres = GetSystemMetrics(SM_CXSCREEN);
        c.nyres = GetSystemMetrics(SM_CYSCREEN);
        c.nhtit = GetSystemMetrics(SM_CYCAPTION);
        c.nhframe = GetSystemMetrics(SM_CYFRAME);
        c.nwframe = GetSystemMetrics(SM_CXFRAME);
        if (c.titleGiven == 0) c.title[0] = '\0';
        if (c.fontMode == 0) readCharacterMetrics(c);
        computeSpacing(c);
        c.verticalBorder = c.verticalSpacing;
        c.horizontalBorder = short(c.horizontalSpacing / 2);
        c.metricsRead = 1;
    }
    if (c.fileRecordReady == 0) {
        c.fileRecord = FileDialogRecord{};
        c.fileRecord.owner = c.mainWindow;
        c.fileRecordReady = 1;
    }
}

void readCharacterMetrics(WidgetContext &c) {
    const HDC dc = c.fontDc != 0 ? c.fontDc : GetDC(0);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    c.charWidth = tm.tmAveCharWidth;
    c.charHeight = tm.tmHeight + tm.tmExternalLeading;
    if (dc != c.fontDc) ReleaseDC(0, dc);
}

void computeSpacing(WidgetContext &c) {
    auto pixels = [&](float value, int unit) {
        const float p = value < -0.001f ? -value * float(c.nxres) / 100.0f : float(unit) * value;
        return short(std::clamp(p, -float(kLargestWindow), float(kLargestWindow)));
    };
    c.horizontalSpacing = pixels(c.spacing[0], c.charWidth);
    c.verticalSpacing = pixels(c.spacing[1], c.charHeight);
}

int defaultWidthPixels(const WidgetContext &c) {
    // A width of more characters than a window holds is as wide as one.
    return c.defaultWidth >= 0 ? int(std::min<std::int64_t>(
                                     std::int64_t(c.defaultWidth) * c.charWidth, kLargestWindow))
                               : int(float(-c.defaultWidth) * float(c.nxres) / 100.0f);
}

void qqdfwgt(WidgetContext &c, int k) {
    for (int i = k; i < c.count; ++i) {
        WidgetEntry &e = c.entry(i);
        e.geometry.reset();
        e.text.reset();
        e.mask.reset();
    }
}

int wgini(const char *layout) {
    WidgetContext *c = qqdglb("wgini");
    if (c == nullptr) return -1;
    // Everything is checked before the state changes.
    if (c->state == 1 && c->depth >= kMaxDepth) {
        qqderr(*c, "Too many nested widgets");
        return -1;
    }
    const int k = jwgind("VERT+HORI+FORM", 3, layout, "wgini");
    if (k == 0) return -1;
    std::unique_ptr<WidgetGeometry> geometry(new (std::nothrow) WidgetGeometry);
    if (!geometry) {
        qqderr(*c, "Not enough memory");
        return -1;
    }
    int start = 0;
    if (c->state == 1) {
        // A level that has not entered its loop yet keeps its widgets: the
        // new level starts behind them.
        start = c->levelStart[c->depth - 1] >= 0 ? c->levelStart[c->depth - 1] : c->count;
        if (!qqdalloc(*c, start + 1 - c->count)) return -1;
        qqdfwgt(*c, start);
        c->count = start;
        ++c->depth;
    } else {
        if (c->state == 2) qqdfwgt(*c, 0);
        c->count = 0;
        c->depth = 1;
    }
    const int d = c->depth - 1;
    const int i = c->count;
    WidgetEntry &m = c->entry(i);
    m = WidgetEntry{};
    m.kind = WidgetKind::Main;
    m.level = std::uint8_t(c->depth);
    c->mainIndex[d] = i;
    if (c->colourGiven[0] != 0) {
        m.background = c->colours[0];
        m.brush = CreateSolidBrush(m.background);
        m.colourFlags = 1;
    }
    m.layout = k == 1 ? kVert : k == 2 ? kHori : kForm;
    c->fileMenuMade[d] = 0;
    c->fileMenus[d] = 0;
    qqdmetrics(*c);
    ++c->count;
    c->state = 1;
    c->drawWidgetPresent = 0;
    c->levelStart[d] = -1;

    WidgetGeometry &g = *geometry;
    if (c->positionGiven != 0) {
        g.x = c->position[0];
        g.y = c->position[1];
    } else if (c->depth > 1) {
        const WidgetGeometry &outer = *c->entry(c->mainIndex[d - 1]).geometry;
        g.x = outer.x + 3 * c->extent[0] / 4;
        g.y = outer.y + 2 * c->extent[1] / 3;
    }
    if (c->sizeGiven != 0) {
        g.width = c->size[0];
        g.height = c->size[1];
        m.formFlag = 1;
    } else {
        g.width = defaultWidthPixels(*c);
        g.height = c->charHeight;
    }
    if (m.layout != kForm) {
        g.cursorX = c->horizontalBorder;
        g.cursorY = c->verticalBorder;
    }
    c->extent[0] = c->extent[1] = 0;

    const HMENU bar = CreateMenu();
    const HMENU exitMenu = CreatePopupMenu();
    if (c->showMenu[0] != 0) AppendMenuA(exitMenu, MF_STRING, kOkCommand, "&OK");
    if (c->showMenu[1] != 0) AppendMenuA(exitMenu, MF_STRING, kQuitCommand, "&Quit");
    if (c->showMenu[0] != 0 || c->showMenu[1] != 0)
        AppendMenuA(bar, MF_POPUP, std::uintptr_t(exitMenu), "&Exit");
    else
        DestroyMenu(exitMenu);
    if (c->showMenu[2] != 0) AppendMenuA(bar, MF_STRING, kHelpCommand, "&Help");

    c->centreThis = c->centreOption;
    if (c->centreOption != 0) {
        g.x = (c->nxres - g.width) / 2;
        g.y = (c->nyres - g.height) / 2;
    }
    c->realised = 0;
    m.geometry = std::move(geometry);
    m.window = CreateWindowExA(0, "MainWidget", c->title, WS_OVERLAPPEDWINDOW, g.x, g.y, g.width,
                               g.height, 0, bar, 0, nullptr);
    c->mainWindow = m.window;
    c->menuBar = c->menuBars[d] = bar;
    return c->count;
}

void wgfin() {
    WidgetContext *c = qqdglb("wgfin");
    if (c == nullptr) return;
    // A callback of the running dialog that calls wgfin without opening a
    // dialog of its own has none to run: running this one's loop again would
    // leave its own loop waiting for an end that has passed.
    if (c->state != 1 || c->levelStart[c->depth - 1] >= 0) {
        qqderr(*c, "No call to wgini before");
        return;
    }
    const int d = c->depth - 1;
    c->levelStart[d] = c->count;
    realise(*c);
    // A plot drawn into a draw widget before the dialog was shown shows now.
    if (c->drawWidgetPresent != 0) qqwsbf(currentRecord());
    c->sizeGiven = c->positionGiven = 0;
    const HWND main = c->entry(c->mainIndex[d]).window;
    if (!DisplayPresent())
        qqderr("No display: the dialog ends at once with its values as they are", "wgfin");
    MSG msg;
    ++c->runningLoops;
    while (GetMessageA(&msg, 0, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    --c->runningLoops;
    closeQuietly(*c, main);

    c->depth = std::max(c->depth - 1, 0);
    c->sizeGiven = c->positionGiven = c->marginsGiven = 0;
    c->focusIndex = 0;
    if (c->depth == 0) {
        c->state = 2;
        c->mainWindow = 0;
        c->menuBar = 0;
    } else {
        c->mainWindow = c->entry(c->mainIndex[c->depth - 1]).window;
        c->menuBar = c->menuBars[c->depth - 1];
    }
    const int from = c->depth == 0 ? 0 : c->levelStart[c->depth - 1];
    for (int i = std::max(from, 0); i < c->count; ++i) {
        WidgetEntry &e = c->entry(i);
        if (e.brush != 0) DeleteObject(e.brush);
        e.brush = 0;
        e.colourFlags = 0;
    }
    if (c->depth == 0 && c->fontMode != 0) {
        for (int i = 0; i < c->fontCount; ++i) {
            DeleteObject(c->fonts[i]);
            c->fonts[i] = 0;
            c->fontNames[i].reset();
        }
        c->fontCount = 0;
        if (c->fontMode == 1) SelectObject(c->fontDc, c->savedFont);
        c->currentFont = 0;
        if (c->fontDc != 0) ReleaseDC(0, c->fontDc);
        c->fontDc = 0;
        c->fontMode = 0;
        readCharacterMetrics(*c);
    }
}

void reawgt() {
    WidgetContext *c = qqdglb("reawgt");
    if (c == nullptr || !qqdcheck(*c)) return;
    realise(*c);
}
