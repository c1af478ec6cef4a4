// bmpfnt and the bitmap fonts: the file by family and size, its cache in the
// record, the width table and the glyph walk.
#include "kernel/bitmap_fonts.h"

#include <cmath>
#include <new>
#include <string>

#include "kavlor.h"
#include "kernel/bdf_font.h"
#include "kernel/character_codes.h"
#include "kernel/device_fonts.h"
#include "kernel/devices.h"
#include "kernel/driver.h"
#include "kernel/install_dir.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/stroke_text.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

namespace {

// The twelve files, four sizes per family.
constexpr const char *kFiles[kBitmapFontFiles] = {
    "complx10", "complx12", "complx14", "complx18", // COMP
    "simplx8",  "simplx10", "simplx12", "simplx14", // SIMP
    "helve10",  "helve12",  "helve14",  "helve18",  // HELV
};

// Index 0..11 of the file of a family (1..3) at a pixel size.
int fileIndex(int family, int size) {
    int step = 0;
    if (BitmapFamily(family) == BitmapFamily::simp)
        step = size <= 8 ? 0 : size <= 10 ? 1 : size <= 12 ? 2 : 3;
    else
        step = size <= 10 ? 0 : size <= 12 ? 1 : size <= 16 ? 2 : 3;
    return 4 * (family - 1) + step;
}

void pixelOfRecord(void *context, int x, int y) {
    qqbdfpix(*static_cast<GlobalRecord *>(context), x, y);
}

} // namespace

const char *bitmapFontFile(int family, int size) {
    if (family < 1 || family > 3) return nullptr;
    return kFiles[fileIndex(family, size)];
}

int qqbdf1(GlobalRecord &rec, int family, int size, int16_t widths[], int coding) {
    FontState &f = rec.font;
    const int file = fileIndex(family, size);
    std::unique_ptr<BdfFont> &cached = f.pbdfcache[file];
    if (!cached) {
        std::unique_ptr<BdfFont> font(new (std::nothrow) BdfFont);
        if (!font) return kBdfNoMemory;
        const std::string path = qqgenv("KAVLOR") + "/fonts/" + kFiles[file] + ".bdf";
        const int status = qqgetbdf(*font, path.c_str());
        if (status != kBdfOk) return status;
        cached = std::move(font);
    }
    f.ibdfcur = file;
    for (int code = 32; code < 32 + kDeviceWidths; ++code) {
        const BdfGlyph *g = cached->find(qqgiso(coding, code));
        widths[code - 32] = int16_t(g != nullptr ? g->dwidthX * 10 : 0);
    }
    return kBdfOk;
}

void selectBitmapFont(GlobalRecord &rec, const char *name) {
    const int code = rec.core.idevice; // 0 before kavini: not yet known
    if (isFileDevice(code) && !drawsPixels(code)) {
        qqserr("Bitmat fonts can only be used for raster output");
        warnin(Warning::ownText);
        return;
    }
    const float scale = rec.page.xdevscl;
    float pixels = float(rec.text.nhchar) * scale;
    if (scale < 0.3f) pixels *= 1.2f;
    const int size = nintqq(pixels);
    const int family = jqqind("COMP+SIMP+HELV", 3, name);
    if (family == 0) return;
    selectStrokeFont(rec, int(StrokeFontId::complx));
    const int status = qqbdf1(rec, family, size, rec.font.nchwid, rec.text.ichacod);
    if (status != kBdfOk) {
        reportBdfStatus(status);
        return;
    }
    rec.font.ifontyp = int(FontKind::bitmap);
    qqcopy(rec.font.chwfont, name);
}

void qqbdf2(const BdfFont &font, int coding, int code, int x, int y, int angle, BdfPixel pixel,
            void *context) {
    const BdfGlyph *g = font.find(qqgiso(coding, code));
    if (g == nullptr) g = font.find(32);
    if (g == nullptr || g->bitmap == nullptr)
        return; // neither the glyph nor a blank: nothing to draw
    float sn = 0.0f, cs = 1.0f;
    if (angle == 90) {
        sn = 1.0f;
        cs = 0.0f;
    } else if (angle != 0) {
        const float radians = float(angle) * 3.1415927f / 180.0f;
        sn = std::sin(radians);
        cs = std::cos(radians);
    }
    int gx = g->bbxXoff;
    int gy = g->bbxHeight + g->bbxYoff - 1;
    for (const char *p = g->bitmap; *p != '\0'; ++p) {
        const char c = *p;
        if (c == '\n') {
            gx = g->bbxXoff;
            gy -= 1;
            continue;
        }
        int nibble;
        if (c >= '0' && c <= '9')
            nibble = c - '0';
        else if (c >= 'A' && c <= 'F')
            nibble = c - 'A' + 10;
        else
            continue;
        // Rounded to the nearest pixel: the rows below the baseline (negative
        // y) keep their own pixel rows.
        for (int bit = 3; bit >= 0; --bit, ++gx)
            if ((nibble >> bit) & 1)
                pixel(context, x + truncToInt(std::floor(cs * float(gx) - sn * float(gy) + 0.5f)),
                      y - truncToInt(std::floor(cs * float(gy) + sn * float(gx) + 0.5f)));
    }
}

void drawBitmapCharacter(GlobalRecord &rec, int code, int x, int y) {
    const FontState &f = rec.font;
    if (f.ibdfcur < 0 || !f.pbdfcache[f.ibdfcur]) return;
    qqbdf2(*f.pbdfcache[f.ibdfcur], rec.text.ichacod, code, x, y, deviceGlyphAngle(rec),
           pixelOfRecord, &rec);
}

extern "C" void bmpfnt(const char *name) {
    GlobalRecord &rec = chkini("bmpfnt");
    selectBitmapFont(rec, name);
}

void qqbdfpix(GlobalRecord &rec, int x, int y) {
    currentDriver(rec).pixel(rec, x, y, rec.colour.ncolor);
}
