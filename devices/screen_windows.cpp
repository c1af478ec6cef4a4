// Screen windows: the driver started (qqwini), windows opened and placed
// (qqwopn), their backing bitmaps (qqwwmc), shown (qqwsbf), titled, selected
// and closed (qqwsel, qqwcls, qqwwcls, qqwfree).
#include <algorithm>
#include <cstdio>

#include "devices/screen_driver.h"
#include "devices/screen_windows.h"
#include "devices/window_fonts.h"
#include "kernel/driver.h"
#include "kernel/fatal.h"
#include "kernel/record.h"

namespace {

constexpr char kClassName[] = "kavmain";
constexpr int kDefaultScreen = 80; // XWND: the large window at the lower right

// Class registration, at every start: the background follows the screen mode.
void qqwwini(DriverRecord &driver, WindowTable &table) {
    WNDCLASSA c{};
    c.style = CS_HREDRAW | CS_VREDRAW;
    c.lpfnWndProc = KavProc;
    c.hIcon = LoadIconA(0, IDI_APPLICATION);
    c.hCursor = LoadCursorA(0, IDC_ARROW);
    c.hbrBackground = HBRUSH(GetStockObject(driver.ibgmode == 2 ? WHITE_BRUSH : BLACK_BRUSH));
    c.lpszClassName = kClassName;
    if (RegisterClassA(&c) != 0) table.iclass = 1;
    driver.nscrw = GetDeviceCaps(0, HORZRES);
    driver.nscrh = GetDeviceCaps(0, VERTRES);
    driver.nbits = GetDeviceCaps(0, BITSPIXEL) * GetDeviceCaps(0, PLANES);
}

// The colour model by the screen's depth, with its palette and first pen.
void makeColourModel(DriverRecord &driver, WindowTable &table) {
    if (driver.nbits == 4) {
        table.npalsize = 16;
        table.iclrmodel = kPalette16;
    } else if (driver.nbits == 8) {
        table.npalsize = 129;
        table.iclrmodel = kPalette129;
    } else if (driver.nbits > 8) {
        table.npalsize = 256;
        table.iclrmodel = kTrueColour;
    } else {
        table.iclrmodel = kNoColours;
    }
    if (table.iclrmodel == kPalette129 || table.iclrmodel == kPalette16) {
        LOGPALETTE description{};
        description.palVersion = 0x300;
        description.palNumEntries = WORD(table.npalsize);
        for (int i = 0; i < table.npalsize; ++i) {
            description.palPalEntry[i] = PALETTEENTRY{0, 0, 0, PC_NOCOLLAPSE};
            table.palette[i] = description.palPalEntry[i];
        }
        table.hpal = CreatePalette(&description);
        if (table.hpal == 0) {
            MessageBoxA(0, "Not enough memory to create color table", "kavini", MB_OK);
            table.iclrmodel = kNoColours;
        }
    }
    table.hpen = CreatePen(PS_SOLID, 1, 0xFFFFFF);
}

// Size of a window without window() or winsiz(): two thirds of the screen
// along the page's longer side, the other side by the page's ratio; the
// default screen window takes the whole screen less its frame.
void defaultSize(const DriverRecord &d, int device, int pageWidth, int pageHeight, int &width,
                 int &height) {
    const int fx = GetSystemMetrics(SM_CXFRAME), fy = GetSystemMetrics(SM_CYFRAME);
    const int cy = GetSystemMetrics(SM_CYCAPTION);
    const float r = float(pageWidth) / float(pageHeight);
    if (pageWidth <= pageHeight) {
        height = device == kDefaultScreen ? d.nscrh - cy - 2 * fy + 1 : 2 * d.nscrh / 3;
        width = int(float(height) * r + 0.5f);
    } else {
        width = device == kDefaultScreen ? d.nscrw - 2 * fx : 2 * d.nscrw / 3;
        height = int(float(width) / r + 0.5f);
    }
}

// Position by the device code: the corners, the centre, or a diagonal.
void defaultPosition(const DriverRecord &d, int device, int width, int height, int &x, int &y) {
    const int fx = GetSystemMetrics(SM_CXFRAME), fy = GetSystemMetrics(SM_CYFRAME);
    const int cy = GetSystemMetrics(SM_CYCAPTION);
    const int right = d.nscrw - width - fx, bottom = d.nscrh - height - fy;
    const int left = fx, top = cy + fy - 1;
    switch (device) {
    case 72:
    case kDefaultScreen:
        x = right;
        y = bottom;
        break;
    case 73:
        x = right;
        y = top;
        break;
    case 74:
        x = left;
        y = top;
        break;
    case 75:
        x = left;
        y = bottom;
        break;
    case 76:
        x = (d.nscrw - width) / 2;
        y = (d.nscrh - height) / 2 + cy / 2;
        break;
    default:
        x = (device - 76) * d.nscrw / 16 + fx;
        y = cy + fy + (device - 76) * d.nscrh / 16 - 1;
        break;
    }
    x = std::max(x, fx);
    y = std::max(y, cy + fy - 1);
}

int windowIndex(int device) {
    return device == kDefaultScreen ? 0 : device - 72;
}

} // namespace

void qqwopn(GlobalRecord &rec, ScreenOpening &o) {
    DriverRecord &d = *qqwglb(rec, nullptr, DriverRecords::Both);
    WindowTable &t = *d.pwintab;
    const HDC before = t.hdccur;
    const int fx = GetSystemMetrics(SM_CXFRAME), fy = GetSystemMetrics(SM_CYFRAME);
    const int cy = GetSystemMetrics(SM_CYCAPTION);
    if (t.iextwin == 0) {
        if (o.placement == 0)
            defaultSize(d, o.device, o.pageWidth, o.pageHeight, o.width, o.height);
        if (o.placement != 1) defaultPosition(d, o.device, o.width, o.height, o.x, o.y);
        d.nwinx = o.x;
        d.nwiny = o.y;
        d.nwidth = o.width;
        d.nheight = o.height;
    }
    const int i = windowIndex(o.device);
    t.iwincur = i;
    if (t.iwinstate[i] != 0) closeScreenWindow(t, i);
    t.iwinstate[i] = 1;
    t.ptitle[i].reset();
    const int prev = t.iwinprev;
    if (prev >= 0 && prev != i && t.iwinstate[prev] == 1 && !t.ptitle[prev] && t.iextwin == 0)
        setNumberedTitle(t, prev, "");
    t.iwinprev = i;
    t.imakebm = 1;

    if (t.iextwin != 0) {
        t.hwndcur = HWND(static_cast<unsigned int>(t.hwndext));
        t.iwinstate[i] = 2;
    } else {
        char title[40];
        std::snprintf(title, sizeof title, "KAVLOR %d / Working", i + 1);
        // The window procedure makes the backing bitmap while the window is made.
        t.hwndcur =
            CreateWindowExA(0, kClassName, title, WS_OVERLAPPEDWINDOW, o.x - fx, o.y - cy - fy + 1,
                            o.width + 2 * fx - 1, o.height + cy + 2 * fy - 1, 0, 0, 0, nullptr);
        if (t.ishown == 1) ShowWindow(t.hwndcur, SW_SHOWNORMAL);
    }
    t.hwnd[i] = t.hwndcur;
    RECT r{};
    GetClientRect(t.hwndcur, &r);
    const int less = t.iextwin != 0 ? 1 : 0; // an external window is measured exactly
    o.x = r.left;
    o.y = r.top;
    o.width = r.right - r.left + 1 - less;
    o.height = r.bottom - r.top + 1 - less;
    o.clientWidth = o.width;
    o.clientHeight = o.height;
    if (t.iextwin != 0) {
        d.nwinx = d.nwiny = 0;
        d.nwidth = o.width;
        d.nheight = o.height;
        qqwwmc(rec, t.hwndcur);
    }
    if (i == t.iwinmain - 1) qqsclbut(t, 0);
    d.nclip[0] = d.nclip[1] = 0;
    d.nclip[2] = o.width - 1;
    d.nclip[3] = o.height - 1;
    moveWindowFont(t, before);
}

WindowTable *screenTable(GlobalRecord &rec) {
    DriverRecord *d = rec.dev.pdriver.get();
    return d != nullptr ? d->pwintab.get() : nullptr;
}

void qqwini(GlobalRecord &rec, ScreenOpening &o) {
    DriverRecord &d = *qqwglb(rec, nullptr, DriverRecords::Both);
    WindowTable &t = *d.pwintab;
    t.idirect = std::uint8_t(o.x11mod == 1 ? 1 : 0);
    t.ishown = std::uint8_t(o.x11mod == 3 ? 0 : 1);
    d.ibgmode = std::uint8_t(o.scrmod & 0xFF);
    qqwwini(d, t);
    t.iclrmod = std::uint8_t(o.clrmod);
    t.iwinmain = o.device == kDefaultScreen ? 1 : o.device - 71;
    if (t.iready == 0) makeColourModel(d, t);
    if (t.iclrmodel == kTrueColour) {
        const BYTE v = d.ibgmode == 2 ? 255 : 0;
        t.palette[0].peRed = t.palette[0].peGreen = t.palette[0].peBlue = v;
    }
    o.bits = d.nbits;
    qqwopn(rec, o);
    t.iready = 1;
}

void qqwwmc(GlobalRecord &rec, HWND window) {
    DriverRecord &d = *qqwglb(rec, nullptr, DriverRecords::Both);
    WindowTable &t = *d.pwintab;
    const int i = t.iwincur;
    RECT r{};
    GetClientRect(window, &r);
    const int width = r.right - r.left + 1, height = r.bottom - r.top + 1;
    const HDC windowDc = GetDC(window);
    HDC dc = windowDc;
    FirstObjects first;
    if (t.idirect == 0) {
        const HBITMAP bitmap = CreateCompatibleBitmap(windowDc, width, height);
        if (bitmap == 0) {
            ReleaseDC(window, windowDc);
            MessageBoxA(0, "Cannot create Bitmap", "kavini", MB_OK);
            PostQuitMessage(0);
            return;
        }
        t.hbmcur = t.hbm[i] = bitmap;
        dc = CreateCompatibleDC(windowDc);
        first.bitmap = SelectObject(dc, bitmap);
    }
    first.pen = SelectObject(dc, t.hpen);
    if (t.iclrmodel == kPalette129 || t.iclrmodel == kPalette16) {
        first.palette = SelectPalette(dc, t.hpal, 0);
        if (t.iclrmodel != kTrueColour) {
            SetSystemPaletteUse(dc, SYSPAL_NOSTATIC);
            SetSystemPaletteUse(dc, SYSPAL_STATIC);
        }
        RealizePalette(dc);
    }
    SetMapMode(dc, GetMapMode(windowDc));
    t.hdccur = t.hdc[i] = dc;
    t.first[i] = first;
    POINT size{d.nwidth, d.nheight};
    DPtoLP(dc, &size, 1);
    t.nwincw = t.nwinsz[i][0] = size.x;
    t.nwinch = t.nwinsz[i][1] = size.y;
    if (t.idirect == 0) {
        if (t.iextwin != 0)
            BitBlt(dc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
        else
            qqwfll(rec, 0, 0, d.nwidth, d.nheight, 0);
        ReleaseDC(window, windowDc);
    }
}

void closeScreenWindow(WindowTable &t, int i) {
    const HDC dc = t.hdc[i];
    if (dc != 0) {
        const FirstObjects &first = t.first[i];
        if (first.pen != 0) SelectObject(dc, first.pen);
        if (t.idirect == 0 && first.bitmap != 0) SelectObject(dc, first.bitmap);
        if (first.palette != 0) SelectPalette(dc, first.palette, 0);
        if (t.idirect == 0) {
            DeleteDC(dc);
            if (t.hbm[i] != 0) DeleteObject(t.hbm[i]);
        } else {
            ReleaseDC(t.hwnd[i], dc);
        }
    }
    if (t.hdccur == dc) t.hdccur = 0;
    if (t.hbmcur == t.hbm[i]) t.hbmcur = 0;
    t.hdc[i] = 0;
    t.hbm[i] = 0;
    t.first[i] = FirstObjects{};
    const HWND window = t.hwnd[i];
    const bool own = t.iwinstate[i] == 1;
    t.iwinstate[i] = 0;
    t.hwnd[i] = 0;
    // Destroyed last: WM_DESTROY may end a wait that looks at the states.
    if (own && window != 0) DestroyWindow(window);
}

void qqwwcls(DriverRecord &d) {
    WindowTable *tp = d.pwintab.get();
    if (tp == nullptr) return;
    WindowTable &t = *tp;
    for (auto &title : t.ptitle)
        title.reset();
    const int current = t.iwincur;
    for (int i = 0; i < kScreenWindows; ++i)
        if (i != current && t.iwinstate[i] != 0) closeScreenWindow(t, i);
    if (current >= 0 && current < kScreenWindows && t.iwinstate[current] != 0)
        closeScreenWindow(t, current);
    t.hdccur = 0;
    if (t.iready != 0) {
        if (t.hpal != 0) DeleteObject(t.hpal);
        if (t.hpen != 0) DeleteObject(t.hpen);
        t.hpal = 0;
        t.hpen = 0;
        t.iready = 0;
    }
    if (t.iclass != 0) {
        UnregisterClassA(kClassName, 0);
        t.iclass = 0;
    }
}

void qqwfree(GlobalRecord &rec) {
    DriverRecord *d = rec.dev.pdriver.get();
    if (d == nullptr || !d->pwintab) return;
    qqwwcls(*d);
    rec.dev.pdriver.reset();
}

void showBackingBitmap(const WindowTable &t, int i) {
    if (t.hwnd[i] == 0 || t.hdc[i] == 0) return;
    const HDC windowDc = GetDC(t.hwnd[i]);
    BitBlt(windowDc, 0, 0, t.nwinsz[i][0], t.nwinsz[i][1], t.hdc[i], 0, 0, SRCCOPY);
    ReleaseDC(t.hwnd[i], windowDc);
}

void qqwsbf(GlobalRecord &rec) {
    WindowTable *tp = screenTable(rec);
    if (tp == nullptr) return;
    WindowTable &t = *tp;
    if (t.iwincur < 0 || t.iwincur >= kScreenWindows || t.iwinstate[t.iwincur] == 0) return;
    qqwdrw(rec, 0, 0, kPenFlush);
    bool painted = false;
    if (GetQueueStatus(QS_ALLINPUT) != 0) {
        MSG msg;
        while (PeekMessageA(&msg, 0, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(int(msg.wParam)); // kept for the loop that waits for it
                break;
            }
            // The window procedure paints an own window from its bitmap; an
            // external window's own procedure does not.
            if (msg.message == WM_PAINT && msg.hwnd == t.hwndcur && t.iwinstate[t.iwincur] == 1)
                painted = true;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    // A window closed by the user while messages were served is not drawn into.
    if (t.idirect == 0 && !painted && t.iwinstate[t.iwincur] != 0) showBackingBitmap(t, t.iwincur);
}

void qqsclbut(const WindowTable &t, int flag) {
    if (t.hwndcur == 0) return;
    EnableMenuItem(GetSystemMenu(t.hwndcur, 0), UINT(SC_CLOSE),
                   flag == 1 ? MF_ENABLED : (MF_DISABLED | MF_GRAYED));
}

void setNumberedTitle(const WindowTable &t, int i, const char *suffix) {
    char title[64];
    std::snprintf(title, sizeof title, "KAVLOR %d%s", i + 1, suffix);
    SetWindowTextA(t.hwnd[i], title);
}

void qqwsel(GlobalRecord &rec, int n) {
    WindowTable *tp = screenTable(rec);
    if (tp == nullptr || n < 1 || n > kScreenWindows) return;
    WindowTable &t = *tp;
    DriverRecord &d = *rec.dev.pdriver;
    const int i = n - 1;
    if (i == t.iwincur) return;
    const int left = t.iwincur;
    const HDC before = t.hdccur;
    t.iwinprev = left;
    t.iwincur = i;
    t.hwndcur = t.hwnd[i];
    t.hdccur = t.hdc[i];
    t.hbmcur = t.hbm[i];
    t.nwincw = t.nwinsz[i][0];
    t.nwinch = t.nwinsz[i][1];
    // Erasing, the z-buffer and the clip work on the drawing area of the
    // window that is current now.
    d.nwidth = t.nwincw;
    d.nheight = t.nwinch;
    d.nclip[0] = d.nclip[1] = 0;
    d.nclip[2] = t.nwincw - 1;
    d.nclip[3] = t.nwinch - 1;
    // The pen and text colour in use go along (the pen the window's context
    // held may have been replaced since).
    if (t.hdccur != 0) {
        if (t.hpen != 0) SelectObject(t.hdccur, t.hpen);
        SetTextColor(t.hdccur, t.ncolref);
    }
    moveWindowFont(t, before);
    if (left >= 0 && left < kScreenWindows && t.iwinstate[left] == 1 && !t.ptitle[left])
        setNumberedTitle(t, left, "");
    if (!t.ptitle[i]) setNumberedTitle(t, i, " / Working");
}

void qqwcls(GlobalRecord &rec, int n) {
    WindowTable *tp = screenTable(rec);
    if (tp == nullptr || n < 1 || n > kScreenWindows) return;
    WindowTable &t = *tp;
    t.ptitle[n - 1].reset();
    closeScreenWindow(t, n - 1);
    qqwsel(rec, t.iwinmain);
}

int qqwsta(GlobalRecord &rec, int n) {
    const WindowTable *t = screenTable(rec);
    if (t == nullptr || n < 1 || n > kScreenWindows) return 0;
    return t->iwinstate[n - 1];
}

void qqwtit(GlobalRecord &rec, const char *title) {
    WindowTable *tp = screenTable(rec);
    if (tp == nullptr || title == nullptr) return;
    WindowTable &t = *tp;
    if (t.iwincur < 0 || t.iwincur >= kScreenWindows) return;
    SetWindowTextA(t.hwndcur, title);
    t.ptitle[t.iwincur] = std::string(title);
}

void qqwscr(GlobalRecord &rec, int &width, int &height, int &depth, int &spare) {
    const DriverRecord *d = rec.dev.pdriver.get();
    const WindowTable *t = screenTable(rec);
    if (d != nullptr && t != nullptr && t->iready != 0) {
        width = d->nscrw;
        height = d->nscrh;
        depth = d->nbits;
    } else {
        width = GetDeviceCaps(0, HORZRES);
        height = GetDeviceCaps(0, VERTRES);
        depth = GetDeviceCaps(0, PLANES) * GetDeviceCaps(0, BITSPIXEL);
    }
    spare = 0;
}
