// Text calls: CreateFontIndirectA, CreateFontA, GetTextMetricsA,
// GetTextExtentPoint32A, TextOutA, GetTextFaceA, SetBkColor. Measuring works on every
// context; drawing on memory and window contexts; a metafile records the text
// in the font selected there, for its reader to draw.
#include <algorithm>
#include <cstring>

#include "platform/gdi_table.h"
#include "platform/metafile_records.h"
#include "platform/windows.h"

using namespace gdi;

namespace {

// The face of the context's font (the system font when that is gone).
FontInstance *contextFont(Table &t, const Context &c) {
    Font *font = t.get<Font>(c.font);
    if (font == nullptr) font = t.get<Font>(t.stockObjects[SYSTEM_FONT]);
    return instanceOf(*font);
}

} // namespace

HFONT CreateFontIndirectA(const LOGFONTA *font) {
    if (font == nullptr) return 0;
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    Font made{*font, nullptr};
    made.logical.lfFaceName[LF_FACESIZE - 1] = '\0';
    const HFONT handle = t.newHandle();
    t.objects.emplace(handle, std::move(made));
    return handle;
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, const char *faceName) {
    LOGFONTA f{height,
               width,
               escapement,
               orientation,
               weight,
               BYTE(italic),
               BYTE(underline),
               BYTE(strikeOut),
               BYTE(charSet),
               BYTE(outPrecision),
               BYTE(clipPrecision),
               BYTE(quality),
               BYTE(pitchAndFamily),
               {}};
    if (faceName != nullptr) std::strncpy(f.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirectA(&f);
}

BOOL GetTextMetricsA(HDC dc, TEXTMETRICA *metrics) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    const Context *c = t.context(dc);
    if (c == nullptr || metrics == nullptr) return 0;
    const FontInstance *f = contextFont(t, *c);
    if (f == nullptr) return 0;
    const FontMetrics &m = metricsOf(*f);
    *metrics = TEXTMETRICA{};
    metrics->tmHeight = m.ascent + m.descent;
    metrics->tmAscent = m.ascent;
    metrics->tmDescent = m.descent;
    metrics->tmInternalLeading = m.internalLeading;
    metrics->tmExternalLeading = m.externalLeading;
    metrics->tmAveCharWidth = m.aveCharWidth;
    metrics->tmMaxCharWidth = m.maxCharWidth;
    metrics->tmWeight = m.weight;
    metrics->tmDigitizedAspectX = metrics->tmDigitizedAspectY = 96;
    metrics->tmFirstChar = 32;
    metrics->tmLastChar = 255;
    metrics->tmDefaultChar = '?';
    metrics->tmBreakChar = ' ';
    metrics->tmItalic = m.italic ? 1 : 0;
    metrics->tmPitchAndFamily = VARIABLE_PITCH;
    return 1;
}

BOOL GetTextExtentPoint32A(HDC dc, const char *text, int count, SIZE *size) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    const Context *c = t.context(dc);
    if (c == nullptr || size == nullptr || text == nullptr || count < 0) return 0;
    FontInstance *f = contextFont(t, *c);
    if (f == nullptr) return 0;
    const long long width = advanceOf(*f, reinterpret_cast<const unsigned char *>(text), count);
    size->cx = LONG(std::min<long long>(width, 0x7FFFFFFF));
    size->cy = metricsOf(*f).ascent + metricsOf(*f).descent;
    return 1;
}

BOOL TextOutA(HDC dc, int x, int y, const char *text, int count) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    Context *c = t.context(dc);
    if (c == nullptr || text == nullptr || count < 0) return 0;
    if (c->kind == ContextKind::Metafile) {
        recordTextOut(t, *c, x, y, text, count);
        return 1;
    }
    const Target target = t.target(*c);
    if (target.surface.bits == nullptr) return 0;
    FontInstance *f = contextFont(t, *c);
    if (f == nullptr) return 0;
    const auto *bytes = reinterpret_cast<const unsigned char *>(text);
    const int bytesPerPixel = target.surface.bytesPerPixel;
    TextBox drawn;
    if (c->bkMode == OPAQUE && count > 0) {
        POINT corners[4];
        textCell(*f, x, y, bytes, count, corners);
        fillPolygon(target.surface, corners, 4, t.pixelOf(*c, bytesPerPixel, c->bkColour),
                    t.polygonScratch);
        for (const POINT &p : corners)
            drawn.add(p.x, p.y);
    }
    drawText(*f, x, y, bytes, count, target.surface, t.pixelOf(*c, bytesPerPixel, c->textColour),
             drawn);
    if (target.image != nullptr) target.image->touch(drawn.box);
    return 1;
}

int GetTextFaceA(HDC dc, int size, char *name) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    const Context *c = t.context(dc);
    if (c == nullptr || name == nullptr || size <= 0) return 0;
    Font *font = t.get<Font>(c->font);
    if (font == nullptr) font = t.get<Font>(t.stockObjects[SYSTEM_FONT]);
    const FontInstance *f = instanceOf(*font);
    if (f == nullptr) return 0;
    const std::string face = faceNameOf(*font, *f);
    const std::size_t n = std::min(face.size(), std::size_t(size - 1));
    std::memcpy(name, face.data(), n);
    name[n] = '\0';
    return int(n);
}

COLORREF SetBkColor(HDC dc, COLORREF colour) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    Context *c = t.context(dc);
    if (c == nullptr) return CLR_INVALID;
    const COLORREF previous = c->bkColour;
    c->bkColour = colour;
    return previous;
}
