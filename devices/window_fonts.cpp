// Windows fonts: made from a name, selected into the current drawing context
// of the window-system driver (a window's bitmap, or the WMF recording, where
// the font and every character become records), and measured. In a metafile
// nothing can be measured, so the metrics then come from a screen context.
#include "devices/window_fonts.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <strings.h>

#include "devices/driver_record.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

static_assert(kWindowFontWidths == kDeviceWidths, "a Windows font fills the record's width table");

namespace {

constexpr int kFirstCode = 32;
constexpr double kRadiansPerDegree = 3.14159265358979 / 180.0;

// The font asked for: "Bold" and "Italic" in the name choose the weight and
// slant; names holding "Arial" or "Courier" stand for those faces, others
// are the face name itself, cut to the room of the field.
LOGFONTA logicalFont(const char *name, int height, int angle) {
    LOGFONTA f{};
    f.lfHeight = height;
    f.lfEscapement = angle * 10;
    f.lfWeight = std::strstr(name, "Bold") != nullptr ? FW_BOLD : FW_DONTCARE;
    f.lfItalic = std::strstr(name, "Italic") != nullptr ? 1 : 0;
    const char *face = name;
    if (std::strstr(name, "Arial") != nullptr)
        face = "Arial";
    else if (std::strstr(name, "Courier") != nullptr)
        face = "Courier";
    std::strncpy(f.lfFaceName, face, LF_FACESIZE - 1);
    return f;
}

// True when the face the context found is the one asked for, not one that
// stands in for a name no installed font has.
bool faceFound(HDC dc, const char *asked) {
    char face[LF_FACESIZE];
    if (GetTextFaceA(dc, LF_FACESIZE, face) == 0) return false;
    return strcasecmp(face, asked) == 0;
}

// Leading and the advances of codes 32..262, measured on dc; false when the
// font has no face to measure.
bool measure(HDC dc, const DriverRecord &driver, int &leading,
             std::int16_t widths[kWindowFontWidths]) {
    TEXTMETRICA metrics;
    if (GetTextMetricsA(dc, &metrics) == 0) return false;
    leading = int(metrics.tmInternalLeading + metrics.tmExternalLeading);
    for (int i = 0; i < kWindowFontWidths; ++i) {
        const char c = char(qqgiso(driver, kFirstCode + i));
        SIZE size{0, 0};
        if (GetTextExtentPoint32A(dc, &c, 1, &size) == 0) return false;
        widths[i] = std::int16_t(std::lround(std::min(double(size.cx) * 10.0, 32767.0)));
    }
    return true;
}

} // namespace

bool qqwfnt(GlobalRecord &rec, const char *name, int height, int angle,
            std::int16_t widths[kWindowFontWidths], int coding) {
    DriverRecord *driver = rec.dev.pdriver.get();
    WindowTable *table = driver != nullptr ? driver->pwintab.get() : nullptr;
    if (table == nullptr || table->hdccur == 0) return false;
    const LOGFONTA logical = logicalFont(name != nullptr ? name : "", height, angle);
    const HFONT font = CreateFontIndirectA(&logical);
    if (font == 0) return false;
    // Measured first, so that a font without a face leaves the one in use.
    const bool metafile = rec.vec.pwmfwr != nullptr;
    const HDC measuring = metafile ? GetDC(0) : table->hdccur;
    const HGDIOBJ before = SelectObject(measuring, font);
    const int codingBefore = driver->icoding;
    driver->icoding = coding;
    int leading = 0;
    std::int16_t measured[kWindowFontWidths];
    const bool good = before != 0 && faceFound(measuring, logical.lfFaceName) &&
                      measure(measuring, *driver, leading, measured);
    if (metafile) {
        if (before != 0) SelectObject(measuring, before);
        ReleaseDC(0, measuring);
    } else if (!good && before != 0) {
        SelectObject(measuring, before);
    }
    if (!good) {
        driver->icoding = codingBefore;
        DeleteObject(font);
        return false;
    }
    const HGDIOBJ previous = metafile ? SelectObject(table->hdccur, font) : before;
    if (table->ifont == 0) {
        table->holdfont = previous;
        table->ifont = 1;
    } else if (table->hfont != 0) {
        DeleteObject(table->hfont);
    }
    table->hfont = font;
    SetBkMode(table->hdccur, TRANSPARENT);
    table->ifontang = angle;
    table->ifontlead = leading;
    std::memcpy(widths, measured, sizeof measured);
    return true;
}

void qqwcha(GlobalRecord &rec, int code, int x, int y) {
    DriverRecord *driver = rec.dev.pdriver.get();
    WindowTable *table = driver != nullptr ? driver->pwintab.get() : nullptr;
    if (table == nullptr || table->hdccur == 0 || table->ifont == 0) return;
    const char c = char(qqgiso(*driver, code));
    // The font's cell starts the leading above the top of the character.
    const double a = table->ifontang * kRadiansPerDegree;
    const int lead = table->ifontlead;
    TextOutA(table->hdccur, x - truncToInt(lead * std::sin(a)), y - truncToInt(lead * std::cos(a)),
             &c, 1);
}

void releaseWindowFont(WindowTable &table) {
    if (table.ifont == 0) return;
    if (table.hdccur != 0 && table.holdfont != 0) SelectObject(table.hdccur, table.holdfont);
    if (table.hfont != 0) DeleteObject(table.hfont);
    table.hfont = 0;
    table.holdfont = 0;
    table.ifont = 0;
}

void moveWindowFont(WindowTable &table, HDC previous) {
    if (table.ifont == 0 || table.hfont == 0 || table.hdccur == previous) return;
    if (previous != 0 && table.holdfont != 0) SelectObject(previous, table.holdfont);
    table.holdfont = 0;
    if (table.hdccur == 0) return;
    table.holdfont = SelectObject(table.hdccur, table.hfont);
    SetBkMode(table.hdccur, TRANSPARENT);
}
