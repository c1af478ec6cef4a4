// The drawing objects and contexts of the process, behind one lock, with the
// system palette of the (emulated) palette screen. Every drawing call looks its
// handles up here while it holds the lock.
#pragma once
#include <memory>
#include <mutex>
#include <unordered_map>
#include <unordered_set>
#include <variant>
#include <vector>

#include "platform/font_faces.h"
#include "platform/polygon_fill.h"
#include "platform/raster_core.h"
#include "platform/win_gdi.h"
#include "platform/window_image.h"

namespace gdi {

// Bits per pixel of the screen: 32; 16 when the X server's pixels are 16-bit
// (red 5, green 6, blue 5 bits); 8 when a palette screen is emulated.
int screenBitsPerPixel();

// The bytes of a colour in a true-colour pixel of 2, 3 or 4 bytes: 16-bit
// pixels hold red, green and blue in 5, 6 and 5 bits, the others blue, green,
// red (and a spare 0).
PixelValue trueColourPixel(COLORREF colour, int bytesPerPixel);

struct Pen {
    int style; // PS_SOLID, PS_NULL
    int width;
    COLORREF colour;
};
struct Brush {
    COLORREF colour;
    bool hollow; // NULL_BRUSH: fills nothing
};
struct Bitmap {
    int width, height;
    int bitsPerPixel; // 32; 16 on a screen of 16-bit pixels; 8 on a palette screen
    int rowBytes;     // an even number of bytes
    std::unique_ptr<std::uint8_t[]> bits;

    std::size_t size() const { return std::size_t(rowBytes) * std::size_t(height); }
    PixelSurface surface() {
        return PixelSurface{bits.get(), width, height, rowBytes, bitsPerPixel / 8};
    }
};
// The largest width or height of a bitmap (as an X window's).
constexpr int kMaxBitmapSide = 32767;

// A bitmap of the screen's kind (or of bitsPerPixel) cleared to black; its
// bits are null for a size out of range or without memory.
Bitmap newBitmap(int width, int height, int bitsPerPixel = screenBitsPerPixel());

struct Palette {
    int count;
    PALETTEENTRY entries[256];
    std::uint8_t systemIndex[256]; // where each entry lies in the system palette
};
using Object = std::variant<Pen, Brush, Bitmap, Palette, Font>;

struct Recording; // a metafile being recorded (metafile.cpp)
struct RecordingClose {
    void operator()(Recording *r) const;
};

enum class ContextKind {
    Memory,   // draws into the selected bitmap
    Window,   // draws into a window's client image
    Screen,   // GetDC(0): answers questions, draws nothing
    Metafile, // records
};

struct Context {
    ContextKind kind;
    // Selected objects; 0 in a metafile until one is selected.
    HPEN pen = 0;
    HBRUSH brush = 0;
    HBITMAP bitmap = 0;
    HPALETTE palette = 0;
    HFONT font = 0;
    COLORREF textColour = 0;
    COLORREF bkColour = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    int mapMode = MM_TEXT;
    POINT position{0, 0};
    HWND window = 0;
    std::shared_ptr<WindowImage> image;
    std::unique_ptr<Recording, RecordingClose> recording;
};

// What a drawing call draws on: the pixels and how to write a colour there.
struct Target {
    PixelSurface surface;
    WindowImage *image = nullptr; // to note what changed
};

struct Table {
    std::mutex lock;
    std::intptr_t next = 0x100;
    std::unordered_map<std::intptr_t, Object> objects;
    std::unordered_map<std::intptr_t, Context> contexts;
    std::unordered_set<std::intptr_t> finishedMetafiles;
    std::unordered_set<std::intptr_t> stock;
    HGDIOBJ stockObjects[DEFAULT_PALETTE + 1] = {};
    HBITMAP defaultBitmap = 0; // the 1 x 1 bitmap of a new memory context
    // The system palette of the emulated palette screen.
    PALETTEENTRY system[256];
    UINT systemUse = SYSPAL_STATIC;
    // Room the drawing calls reuse.
    PolygonScratch polygonScratch;
    std::vector<POINT> points;

    Table();
    // The fixed colours back at both ends of the system palette.
    void restoreFixedColours();
    std::intptr_t newHandle() { return next++; }
    Context *context(HDC dc) {
        auto it = contexts.find(dc);
        return it == contexts.end() ? nullptr : &it->second;
    }
    template <typename T> T *get(HGDIOBJ handle) {
        auto it = objects.find(handle);
        return it == objects.end() ? nullptr : std::get_if<T>(&it->second);
    }
    // The pixels a raster context draws on (an empty surface otherwise).
    Target target(Context &c);
    // The bytes of a colour in a surface of that many bytes per pixel, seen
    // through the context's palette.
    PixelValue pixelOf(const Context &c, int bytesPerPixel, COLORREF colour);
    // The colour a pixel shows.
    COLORREF colourOf(const std::uint8_t *pixel, int bytesPerPixel) const;
    // The system palette entry nearest to a colour.
    std::uint8_t nearestSystemIndex(COLORREF colour) const;
};

Table &table();

} // namespace gdi
