// Pixels of a screen window: the pixel copy of the current window's backing
// bitmap (qqwimg), the pixel routines on it, and the screen's BitmapFile.
// On true-colour screens a pixel is blue, green, red and a spare byte; on
// palette screens one palette-pixel byte, the palette index after the ten
// static colours of the system palette. On screens of 16-bit pixels the pixel
// routines set and get pixels of the drawing context itself, and the copy is
// only read (rimage): it is never written back.
#include "devices/screen_pixels.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "devices/bitmap_file.h"
#include "devices/nearest_colour.h"
#include "devices/screen_driver.h"
#include "devices/screen_windows.h"
#include "kernel/c_format.h"
#include "kernel/colour_value.h"
#include "kernel/driver.h"
#include "kernel/record.h"
#include "platform/byte_sink.h"

namespace {

constexpr int kStaticColours = 10; // the system palette's entries before ours
constexpr int kClrmodNone = 0;
constexpr int kClrmodFull = 1;
constexpr char kScreenMagic[] = "!Bitmap KAVLOR WIN  ";

// The copy with its tables; null members when there is none.
struct Copy {
    DriverRecord *driver = nullptr;
    WindowTable *table = nullptr;
    std::uint8_t *bytes = nullptr;
    int width = 0, height = 0, rowBytes = 0, pixelBytes = 0;
    explicit operator bool() const { return bytes != nullptr; }
    bool sixteenBits() const { return pixelBytes == 2; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    std::uint8_t *at(int x, int y) const {
        return bytes + std::size_t(y) * std::size_t(rowBytes) + std::size_t(x) * pixelBytes;
    }
};

Copy pixelCopy(GlobalRecord &rec) {
    Copy c;
    c.driver = rec.dev.pdriver.get();
    c.table = c.driver != nullptr ? c.driver->pwintab.get() : nullptr;
    if (c.table == nullptr || !c.table->pimgbuf) return c;
    const BITMAP &b = c.table->bmdesc;
    c.bytes = c.table->pimgbuf.get();
    c.width = b.bmWidth;
    c.height = b.bmHeight;
    c.rowBytes = b.bmWidthBytes;
    c.pixelBytes = std::max(1, b.bmBitsPixel / 8);
    return c;
}

bool trueColour(const Copy &c) {
    return c.pixelBytes >= 2;
}

// Writes a colour value (colour number or explicit 0x01BBGGRR) into a pixel.
void putColour(const Copy &c, int x, int y, int colour) {
    if (c.sixteenBits()) {
        const COLORREF value = isExplicitColour(colour)
                                   ? RGB(rgbRed(colour), rgbGreen(colour), rgbBlue(colour))
                                   : qqgc16(*c.table, colourNumber(colour));
        SetPixel(c.table->hdccur, x, y, value);
        return;
    }
    std::uint8_t *p = c.at(x, y);
    if (trueColour(c)) {
        int r, g, b;
        if (isExplicitColour(colour)) {
            r = rgbRed(colour);
            g = rgbGreen(colour);
            b = rgbBlue(colour);
        } else {
            const PALETTEENTRY &e = c.table->palette[colourNumber(colour)];
            r = e.peRed;
            g = e.peGreen;
            b = e.peBlue;
        }
        p[0] = std::uint8_t(b);
        p[1] = std::uint8_t(g);
        p[2] = std::uint8_t(r);
        return;
    }
    int n = colourNumber(colour);
    if (isExplicitColour(colour))
        n = qqgind(*c.driver, rgbRed(colour), rgbGreen(colour), rgbBlue(colour));
    p[0] = std::uint8_t(qqgcll(*c.driver, n));
}

void putRgb(const Copy &c, int x, int y, const std::uint8_t rgb[3]) {
    putColour(c, x, y, explicitColour(rgb[0], rgb[1], rgb[2]));
}

// The red, green and blue of a pixel.
void pixelRgb(const Copy &c, int x, int y, std::uint8_t rgb[3]) {
    if (c.sixteenBits()) {
        int r, g, b;
        qqsc16(GetPixel(c.table->hdccur, x, y), r, g, b);
        rgb[0] = std::uint8_t(r);
        rgb[1] = std::uint8_t(g);
        rgb[2] = std::uint8_t(b);
        return;
    }
    const std::uint8_t *p = c.at(x, y);
    if (trueColour(c)) {
        rgb[0] = p[2];
        rgb[1] = p[1];
        rgb[2] = p[0];
        return;
    }
    const int n = qqscll(*c.driver, p[0]) & 0xFF;
    rgb[0] = c.driver->red[n];
    rgb[1] = c.driver->green[n];
    rgb[2] = c.driver->blue[n];
}

int pixelNumber(const Copy &c, int x, int y) {
    if (!trueColour(c)) return qqscll(*c.driver, c.at(x, y)[0]) & 0xFF;
    std::uint8_t rgb[3];
    pixelRgb(c, x, y, rgb);
    return qqgind(*c.driver, rgb[0], rgb[1], rgb[2]);
}

// With direct drawing the window's picture is copied into a bitmap of its own.
bool copyWindowPicture(WindowTable &t) {
    RECT r{};
    GetClientRect(t.hwndcur, &r);
    const HDC windowDc = GetDC(t.hwndcur);
    const HBITMAP bitmap =
        CreateCompatibleBitmap(windowDc, r.right - r.left + 1, r.bottom - r.top + 1);
    if (bitmap == 0) {
        ReleaseDC(t.hwndcur, windowDc);
        return false;
    }
    t.hdctmp = CreateCompatibleDC(windowDc);
    t.hbmold = SelectObject(t.hdctmp, bitmap);
    BitBlt(t.hdctmp, 0, 0, r.right - r.left + 1, r.bottom - r.top + 1, windowDc, 0, 0, SRCCOPY);
    ReleaseDC(t.hwndcur, windowDc);
    t.hbmcur = bitmap;
    return true;
}

// Copies the picture's bitmap back to the window when show is set.
void releaseWindowPicture(WindowTable &t, bool show = true) {
    if (t.hdctmp == 0) return;
    if (show) {
        const HDC windowDc = GetDC(t.hwndcur);
        BitBlt(windowDc, 0, 0, t.bmdesc.bmWidth, t.bmdesc.bmHeight, t.hdctmp, 0, 0, SRCCOPY);
        ReleaseDC(t.hwndcur, windowDc);
    }
    const HGDIOBJ bitmap = SelectObject(t.hdctmp, t.hbmold);
    DeleteDC(t.hdctmp);
    DeleteObject(bitmap);
    t.hdctmp = 0;
    t.hbmold = 0;
    t.hbmcur = 0;
}

// Takes the current picture into the copy: its description and its bytes,
// from the backing bitmap, or with direct drawing from a bitmap of the
// window's picture. That bitmap stays until the write back, but on screens
// of 16-bit pixels, where nothing is written back, it goes at once.
bool takePicture(WindowTable &t, bool sixteenBits) {
    if (t.idirect == 1 && !copyWindowPicture(t)) return false;
    bool taken = GetObjectA(t.hbmcur, sizeof(BITMAP), &t.bmdesc) != 0;
    const BITMAP &b = t.bmdesc;
    const long long size = static_cast<long long>(b.bmWidthBytes) * b.bmHeight * b.bmPlanes;
    taken = taken && size > 0 && size <= 0x7FFFFFFF;
    if (taken && (!t.pimgbuf || t.nimgbytes != size)) {
        t.pimgbuf.reset(new (std::nothrow) std::uint8_t[std::size_t(size)]);
        taken = t.pimgbuf != nullptr;
    }
    if (taken) {
        t.nimgbytes = int(size);
        GetBitmapBits(t.hbmcur, LONG(size), t.pimgbuf.get());
    }
    if (!taken || sixteenBits) releaseWindowPicture(t, !sixteenBits);
    return taken;
}

// Puts the bytes of the copy into the picture: into the backing bitmap, or
// with direct drawing through a bitmap of their own into the window.
void putPicture(WindowTable &t) {
    const BITMAP &b = t.bmdesc;
    if (t.idirect == 0) {
        SetBitmapBits(t.hbmcur, DWORD(t.nimgbytes), t.pimgbuf.get());
        return;
    }
    const HDC windowDc = GetDC(t.hwndcur);
    const HBITMAP bitmap = CreateCompatibleBitmap(windowDc, b.bmWidth, b.bmHeight);
    if (bitmap != 0) {
        SetBitmapBits(bitmap, DWORD(t.nimgbytes), t.pimgbuf.get());
        const HDC dc = CreateCompatibleDC(windowDc);
        const HGDIOBJ old = SelectObject(dc, bitmap);
        BitBlt(windowDc, 0, 0, b.bmWidth, b.bmHeight, dc, 0, 0, SRCCOPY);
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    ReleaseDC(t.hwndcur, windowDc);
}

int saveCopy(const Copy &c, FILE *file) {
    const BITMAP &b = c.table->bmdesc;
    char numbers[96];
    const int n = formatC(numbers, sizeof numbers, "%5d %5d %5d %5d %5d %5d %5d %5d %5d", b.bmWidth,
                          b.bmHeight, b.bmPlanes == 1 ? 8 : int(b.bmPlanes), b.bmWidthBytes,
                          int(b.bmBitsPixel), 32, 0, 0, kStaticColours);
    if (n != kBitmapNumbersSize) return kBitmapFileError;
    ByteSink out(file);
    out.text(std::string_view(kScreenMagic, 20));
    out.text(std::string_view(numbers, kBitmapNumbersSize));
    out.text("       ");
    out.write(c.bytes, std::size_t(c.table->nimgbytes));
    out.flush();
    return out.failed() ? kBitmapFileError : kBitmapDone;
}

// 16-bit rows on a screen of 16-bit pixels: into the copy as they are, for
// the rows and bytes both have, and from there into the picture.
int loadSixteenBits(const Copy &c, const BitmapHeader &h, FILE *file) {
    const int rows = std::min(h.height, c.height);
    if (h.rowBytes == c.rowBytes) {
        const std::size_t size = std::size_t(c.rowBytes) * std::size_t(rows);
        if (std::fread(c.bytes, 1, size, file) != size) return kBitmapFileError;
    } else {
        std::unique_ptr<std::uint8_t[]> row(new (std::nothrow)
                                                std::uint8_t[std::size_t(h.rowBytes)]);
        if (!row) return kBitmapNoMemory;
        const std::size_t n = std::size_t(std::min(h.rowBytes, c.rowBytes));
        for (int y = 0; y < rows; ++y) {
            if (std::fread(row.get(), 1, std::size_t(h.rowBytes), file) != std::size_t(h.rowBytes))
                return kBitmapFileError;
            std::memcpy(c.at(0, y), row.get(), n);
        }
    }
    putPicture(*c.table);
    return kBitmapDone;
}

int loadCopy(GlobalRecord &rec, const Copy &c, FILE *file) {
    char header[kBitmapHeaderSize];
    if (std::fread(header, 1, kBitmapHeaderSize, file) != std::size_t(kBitmapHeaderSize) ||
        std::memcmp(header, kScreenMagic, 14) != 0)
        return kBitmapBadFormat;
    BitmapHeader h;
    h.screen = std::memcmp(header, "!Bitmap KAVLOR VIRT ", 20) != 0;
    if (!parseBitmapNumbers(header + 20, h) ||
        (h.bits != 8 && h.bits != 16 && h.bits != 24 && h.bits != 32) || h.width < 1 ||
        h.height < 1 ||
        static_cast<long long>(h.rowBytes) < static_cast<long long>(h.width) * (h.bits / 8))
        return kBitmapBadFormat;
    const int screenBits = c.table->bmdesc.bmBitsPixel;
    if (h.bits != screenBits && (h.bits < 8 || h.bits == 16)) return kBitmapDepthMismatch;
    if (h.bits == 16) return loadSixteenBits(c, h, file);
    const int rows = std::min(h.height, c.height);
    const long long left = bytesLeft(file);
    if (left >= 0 && left < static_cast<long long>(h.rowBytes) * rows) return kBitmapBadFormat;
    if (h.bits == screenBits && h.rowBytes == c.rowBytes && h.height == c.height) {
        const std::size_t size = std::size_t(c.rowBytes) * std::size_t(c.height);
        return std::fread(c.bytes, 1, size, file) == size ? kBitmapDone : kBitmapFileError;
    }
    // Row by row, each pixel turned into the screen's.
    const int columns = std::min(h.width, c.width);
    std::unique_ptr<std::uint8_t[]> row(new (std::nothrow) std::uint8_t[std::size_t(h.rowBytes)]);
    std::unique_ptr<std::uint8_t[]> rgb(new (std::nothrow) std::uint8_t[std::size_t(columns) * 3]);
    if (!row || !rgb) return kBitmapNoMemory;
    for (int y = 0; y < rows; ++y) {
        if (std::fread(row.get(), 1, std::size_t(h.rowBytes), file) != std::size_t(h.rowBytes))
            return kBitmapFileError;
        if (h.bits == 8) {
            if (h.indexKind == 0)
                paletteToNumbers(row.get(), std::size_t(columns), h.paletteOffset);
            qqwrow(rec, row.get(), 0, y, columns, kPixelValuesIndex);
            continue;
        }
        const int size = h.bits / 8;
        for (int x = 0; x < columns; ++x) {
            const std::uint8_t *p = row.get() + std::size_t(x) * size;
            const bool bgr = h.screen || h.bits == 32;
            rgb[3 * x] = bgr ? p[2] : p[0];
            rgb[3 * x + 1] = p[1];
            rgb[3 * x + 2] = bgr ? p[0] : p[2];
        }
        qqwrow(rec, rgb.get(), 0, y, columns, kPixelValuesRgb);
    }
    return kBitmapDone;
}

} // namespace

int qqgcll(const DriverRecord &driver, int n) {
    const DriverRecord *d = &driver;
    const WindowTable *t = d->pwintab.get();
    if (t == nullptr) return n;
    if (t->ipixbits == 0) return t->iclrmod == kClrmodFull ? n : n + kStaticColours;
    if (d->nbits == 8) {
        if (t->iclrmod == kClrmodNone) return (n + 1) / 2 + kStaticColours;
        if (t->iclrmod == kClrmodFull) return n;
        return n % 128 + kStaticColours;
    }
    if (t->iclrmod != kClrmodNone) return n % 16;
    if (n == 0) return 0;
    if (n == 255) return 15;
    return int(float(n - 1) * 13.0f / 253.0f + 1.5f);
}

// The inverse of qqgcll, case by case: the static colours come off where
// qqgcll put them on, and the spread of the colour table over a small palette
// is undone only where qqgcll spread it (a pixel copy current).
int qqscll(const DriverRecord &driver, int value) {
    const DriverRecord *d = &driver;
    const WindowTable *t = d->pwintab.get();
    if (t == nullptr) return value;
    if (t->iclrmod == kClrmodFull) return value;
    if (t->ipixbits == 0) return value - kStaticColours;
    if (d->nbits == 8) {
        const int v = value - kStaticColours;
        return t->iclrmod == kClrmodNone && v > 0 ? 2 * v - 1 : v;
    }
    if (t->iclrmod != kClrmodNone) return value;
    if (value == 15) return 255;
    return value > 0 ? int(float(value - 1) * 253.0f / 13.0f + 1.5f) : value;
}

int qqwimg(GlobalRecord &rec, int mode) {
    DriverRecord *d = rec.dev.pdriver.get();
    WindowTable *tp = screenTable(rec);
    if (d == nullptr || tp == nullptr) return 1;
    WindowTable &t = *tp;
    if (t.iwincur < 0 || t.iwincur >= kScreenWindows || t.iwinstate[t.iwincur] == 0) return 1;
    qqwdrw(rec, 0, 0, kPenFlush);
    const bool sixteenBits = d->nbits == 16;
    if (mode == 0) {
        t.pimgbuf.reset();
        t.nimgbytes = 0;
        if (!takePicture(t, sixteenBits)) {
            t.pimgbuf.reset();
            t.nimgbytes = 0;
            return 1;
        }
        t.ipixbits = std::uint8_t(t.npalsize < 256 && d->ivltkind != kColourTableSmall &&
                                  d->ivltkind != kColourTableVga);
        return 0;
    }
    if (!t.pimgbuf) return 1;
    if (!sixteenBits) SetBitmapBits(t.hbmcur, DWORD(t.nimgbytes), t.pimgbuf.get());
    t.pimgbuf.reset();
    t.nimgbytes = 0;
    t.ipixbits = 0;
    qqwsbf(rec);
    if (t.idirect == 1 && !sixteenBits) releaseWindowPicture(t);
    return 0;
}

void qqwwpx(GlobalRecord &rec, int x, int y, int colour) {
    const Copy c = pixelCopy(rec);
    if (c && c.inside(x, y)) putColour(c, x, y, colour);
}

void qqwrow(GlobalRecord &rec, const std::uint8_t *values, int x, int y, int n, int mode) {
    const Copy c = pixelCopy(rec);
    if (!c || values == nullptr) return;
    for (int i = 0; i < n; ++i) {
        if (!c.inside(x + i, y)) continue;
        if (mode == kPixelValuesRgb)
            putRgb(c, x + i, y, values + 3 * std::size_t(i));
        else
            putColour(c, x + i, y, values[i]);
    }
}

int qqwrpx(GlobalRecord &rec, int x, int y, int mode) {
    const Copy c = pixelCopy(rec);
    if (!c || !c.inside(x, y)) return 0;
    if (mode != kPixelValuesRgb) return pixelNumber(c, x, y);
    std::uint8_t rgb[3];
    pixelRgb(c, x, y, rgb);
    return explicitColour(rgb[0], rgb[1], rgb[2]);
}

void qqwrdr(GlobalRecord &rec, std::uint8_t *values, int x, int y, int w, int h, int mode) {
    const Copy c = pixelCopy(rec);
    if (values == nullptr) return;
    const int size = mode == kPixelValuesRgb ? 3 : 1;
    std::uint8_t *out = values;
    for (int row = y; row < y + h; ++row)
        for (int col = x; col < x + w; ++col, out += size) {
            if (!c || !c.inside(col, row)) {
                std::fill(out, out + size, std::uint8_t(0));
            } else if (size == 3) {
                pixelRgb(c, col, row, out);
            } else {
                out[0] = std::uint8_t(pixelNumber(c, col, row));
            }
        }
}

void qqwfil(GlobalRecord &rec, FILE *file, int mode, int &status) {
    Copy c = pixelCopy(rec);
    if (file == nullptr || !c) {
        status = kBitmapFileError;
        return;
    }
    // The pixel routines of a 16-bit screen wrote into the picture, not into
    // the copy: the copy saved is taken again.
    if (mode == kBitmapSave && c.sixteenBits()) {
        if (!takePicture(*c.table, true)) {
            status = kBitmapNoMemory;
            return;
        }
        c = pixelCopy(rec);
    }
    status = mode == kBitmapSave ? saveCopy(c, file) : loadCopy(rec, c, file);
}
