// Bitmap fonts read from BDF files: the parsed font and the reader qqgetbdf.
#pragma once
#include <cstdint>

// One character of a BDF font.
struct BdfGlyph {
    int32_t encoding = 0; // ENCODING
    int32_t dwidthX = 0;  // DWIDTH: advance in pixels
    int32_t dwidthY = 0;
    int32_t bbxWidth = 0; // BBX: bitmap size and offset from the pen
    int32_t bbxHeight = 0;
    int32_t bbxXoff = 0;
    int32_t bbxYoff = 0;
    char *bitmap = nullptr; // BITMAP rows in hexadecimal, each followed by a newline
};

// A parsed BDF font; owns its glyphs and their bitmaps.
class BdfFont {
  public:
    BdfFont() = default;
    ~BdfFont() { clear(); }
    BdfFont(const BdfFont &) = delete;
    BdfFont &operator=(const BdfFont &) = delete;

    // Frees the glyphs; the font is empty again.
    void clear();
    // The glyph with this ENCODING, or null.
    const BdfGlyph *find(int32_t encoding) const;

    int32_t pointSize = 0; // SIZE: point size, x and y resolution
    int32_t xres = 0;
    int32_t yres = 0;
    int32_t bbox[4] = {0, 0, 0, 0}; // FONTBOUNDINGBOX: width, height, x and y offset
    int32_t nchars = 0;             // CHARS: glyphs the file announces
    int32_t nglyphs = 0;            // glyphs read (at most nchars)
    BdfGlyph *glyphs = nullptr;     // nchars records, the first nglyphs filled
};

// Statuses of qqgetbdf, as bmpfnt reports them.
constexpr int kBdfOk = 0;
constexpr int kBdfOpenError = 1; // the file cannot be opened, or is not a usable BDF file
constexpr int kBdfNoMemory = 2;
// More glyphs than any BDF font of ours needs; a larger CHARS marks a broken file.
constexpr int32_t kBdfMaxChars = 65536;
// Pixels of the largest glyph size, offset or advance (BBX, DWIDTH); beyond it
// the file is broken.
constexpr int32_t kBdfMaxExtent = 1000;

// Reads a BDF file into font (emptied first). Status kBdfOk; kBdfOpenError when
// the file cannot be opened or breaks the format (glyph data before CHARS,
// more glyphs than CHARS, a line without its numbers, a BBX or DWIDTH beyond
// kBdfMaxExtent, a glyph cut off by the
// end of the file); kBdfNoMemory when memory runs out. On failure the font
// stays empty.
int qqgetbdf(BdfFont &font, const char *path);

// Warning 101 of a failed qqgetbdf ("Open error for bitmap font" or "Not
// enough memory for bitmap font") under the routine name "BMPFNT".
void reportBdfStatus(int status);
