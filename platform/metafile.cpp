// The metafile recorder: CreateMetaFileA, CloseMetaFile, DeleteMetaFile, and
// the records that the drawing calls on a metafile context write.
//
// The file is a Windows metafile: an 18-byte header (type, header size 9 words,
// version 0x0300, file size in words, size of the object table, largest record
// in words, 0), then records of a 32-bit size in words, a 16-bit function and
// 16-bit parameters, all little-endian, ending with the end record. A reader
// keeps an object table: each creation record takes its lowest free slot,
// selection and removal name the slot. The recorder mirrors that table for
// every metafile, so a pen, brush or font is created in the file the first time it
// is selected there.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <numbers>
#include <vector>

#include "platform/byte_sink.h"
#include "platform/metafile_records.h"
#include "platform/windows.h"

namespace gdi {

struct Recording {
    FILE *file = nullptr;
    ByteSink sink;
    std::vector<std::intptr_t> slots; // object table: the object in each slot, 0 free
    std::uint32_t largestRecord = 0;  // words
    POINT windowOrigin{0, 0};
    SIZE windowExtent{1, 1};
    bool baselineText = false; // the text alignment is on the baseline
};

void RecordingClose::operator()(Recording *r) const {
    if (r->file != nullptr) {
        r->sink.attachFile(nullptr);
        std::fclose(r->file);
    }
    delete r;
}

namespace {

// Record functions.
enum RecordFunction : std::uint16_t {
    kEndOfFile = 0x0000,
    kSetBkMode = 0x0102,
    kSetMapMode = 0x0103,
    kSelectObject = 0x012D,
    kSetTextAlign = 0x012E,
    kDeleteObject = 0x01F0,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kCreatePenIndirect = 0x02FA,
    kCreateFontIndirect = 0x02FB,
    kCreateBrushIndirect = 0x02FC,
    kLineTo = 0x0213,
    kMoveTo = 0x0214,
    kPolygon = 0x0324,
    kRectangle = 0x041B,
    kTextOut = 0x0521,
};

constexpr std::uint16_t kBrushSolid = 0;     // LOGBRUSH style BS_SOLID
constexpr std::uint16_t kAlignBaseline = 24; // TA_BASELINE | TA_LEFT

// The recorder's own objects in a metafile's object table: the null pen under
// a FillRect and the defaults a context goes back to. Negative, so that they
// never meet a handle.
constexpr std::intptr_t kNullPenKey = -1;
constexpr std::intptr_t kDefaultPenKey = -2;
constexpr std::intptr_t kDefaultBrushKey = -3;
constexpr std::intptr_t kDefaultFontKey = -4;

// The font a context goes back to: the system font's face at its height.
const LOGFONTA kSystemFont{16, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial"};

// A logical coordinate as the file's signed 16-bit field holds it.
std::uint16_t coordinate(long v) {
    return std::uint16_t(std::int16_t(std::clamp<long>(v, -32768, 32767)));
}

// Starts a record of paramWords parameters; the caller writes them.
void beginRecord(Recording &r, RecordFunction function, std::uint32_t paramWords) {
    const std::uint32_t words = 3 + paramWords;
    r.sink.u32le(words);
    r.sink.u16le(function);
    r.largestRecord = std::max(r.largestRecord, words);
}

void simpleRecord(Recording &r, RecordFunction function,
                  std::initializer_list<std::uint16_t> params) {
    beginRecord(r, function, std::uint32_t(params.size()));
    for (const std::uint16_t p : params)
        r.sink.u16le(p);
}

void colourWords(Recording &r, COLORREF colour) {
    r.sink.u32le(colour & 0x00FFFFFF);
}

// The pen, brush or font behind a slot key.
std::variant<Pen, Brush, LOGFONTA> definition(Table &t, std::intptr_t key) {
    switch (key) {
    case kNullPenKey: return Pen{PS_NULL, 0, 0};
    case kDefaultPenKey: return Pen{PS_SOLID, 0, 0};
    case kDefaultBrushKey: return Brush{0xFFFFFF, false};
    case kDefaultFontKey: return kSystemFont;
    default:
        if (const Pen *pen = t.get<Pen>(key)) return *pen;
        if (const Font *font = t.get<Font>(key)) return font->logical;
        return *t.get<Brush>(key);
    }
}

// Text as the records hold it: the bytes, padded with a zero to whole words.
void textWords(Recording &r, const char *text, std::size_t count) {
    for (std::size_t i = 0; i < count; i += 2) {
        const auto lo = std::uint8_t(text[i]);
        const auto hi = i + 1 < count ? std::uint8_t(text[i + 1]) : std::uint8_t(0);
        r.sink.u16le(std::uint16_t(lo | hi << 8));
    }
}

// LOGFONT16: height, width, escapement, orientation and weight as 16-bit
// words, then eight bytes of flags, then the face name with its ending zero.
// A font asked for by its cell is recorded by its em (a negative height), the
// size that readers agree on; the cell is the face's own.
void fontRecord(Recording &r, const LOGFONTA &f, const FontInstance *instance) {
    const std::size_t face = strnlen(f.lfFaceName, LF_FACESIZE - 1) + 1;
    beginRecord(r, kCreateFontIndirect, 5 + 4 + std::uint32_t((face + 1) / 2));
    const LONG height =
        f.lfHeight > 0 && instance != nullptr ? -metricsOf(*instance).em : f.lfHeight;
    for (const LONG v : {height, f.lfWidth, f.lfEscapement, f.lfOrientation, f.lfWeight})
        r.sink.u16le(coordinate(v));
    r.sink.u16le(std::uint16_t(f.lfItalic | f.lfUnderline << 8));
    r.sink.u16le(std::uint16_t(f.lfStrikeOut | f.lfCharSet << 8));
    r.sink.u16le(std::uint16_t(f.lfOutPrecision | f.lfClipPrecision << 8));
    r.sink.u16le(std::uint16_t(f.lfQuality | f.lfPitchAndFamily << 8));
    textWords(r, f.lfFaceName, face);
}

// The object's slot in the metafile's table, recording its creation into the
// lowest free slot the first time.
std::uint16_t slotOf(Table &t, Recording &r, std::intptr_t key) {
    auto found = std::find(r.slots.begin(), r.slots.end(), key);
    if (found != r.slots.end()) return std::uint16_t(found - r.slots.begin());
    auto free = std::find(r.slots.begin(), r.slots.end(), std::intptr_t(0));
    if (free == r.slots.end()) free = r.slots.insert(r.slots.end(), 0);
    *free = key;
    const std::variant<Pen, Brush, LOGFONTA> o = definition(t, key);
    if (const LOGFONTA *font = std::get_if<LOGFONTA>(&o)) {
        Font *made = t.get<Font>(key);
        fontRecord(r, *font, made != nullptr ? instanceOf(*made) : nullptr);
    } else if (const Pen *pen = std::get_if<Pen>(&o)) {
        // LOGPEN16: style, width as a point (x, y), colour.
        beginRecord(r, kCreatePenIndirect, 5);
        r.sink.u16le(std::uint16_t(pen->style));
        r.sink.u16le(coordinate(pen->width));
        r.sink.u16le(0);
        colourWords(r, pen->colour);
    } else {
        // LOGBRUSH16: style, colour, hatch. A hollow brush records as
        // transparent black: the recorder's callers fill with solid ones.
        beginRecord(r, kCreateBrushIndirect, 4);
        r.sink.u16le(kBrushSolid);
        colourWords(r, std::get<Brush>(o).colour);
        r.sink.u16le(0);
    }
    return std::uint16_t(free - r.slots.begin());
}

void selectSlot(Table &t, Recording &r, std::intptr_t key) {
    simpleRecord(r, kSelectObject, {slotOf(t, r, key)});
}

void writeHeader(ByteSink &sink, std::uint32_t words, std::uint16_t objects,
                 std::uint32_t largest) {
    sink.u16le(1);       // type: a metafile on disk
    sink.u16le(9);       // header size in words
    sink.u16le(0x0300);  // version
    sink.u32le(words);   // file size in words
    sink.u16le(objects); // object table size
    sink.u32le(largest); // largest record in words
    sink.u16le(0);       // unused
}

constexpr std::uint32_t kHeaderBytes = 18;

} // namespace

void recordMapMode(Context &c, int mode) {
    simpleRecord(*c.recording, kSetMapMode, {std::uint16_t(mode)});
}

void recordWindowOrg(Context &c, int x, int y) {
    simpleRecord(*c.recording, kSetWindowOrg, {coordinate(y), coordinate(x)});
    c.recording->windowOrigin = {x, y};
}

void recordWindowExt(Context &c, int x, int y) {
    simpleRecord(*c.recording, kSetWindowExt, {coordinate(y), coordinate(x)});
    c.recording->windowExtent = {x, y};
}

POINT recordedWindowOrg(const Context &c) {
    return c.recording->windowOrigin;
}
SIZE recordedWindowExt(const Context &c) {
    return c.recording->windowExtent;
}

void recordTextColour(Context &c, COLORREF colour) {
    beginRecord(*c.recording, kSetTextColor, 2);
    colourWords(*c.recording, colour);
}

void recordSelect(Table &t, Context &c, HGDIOBJ object) {
    selectSlot(t, *c.recording, object);
}

void recordRemoval(Table &t, HGDIOBJ object, RecordedKind kind) {
    for (auto &entry : t.contexts) {
        Context &c = entry.second;
        if (c.kind != ContextKind::Metafile) continue;
        Recording &r = *c.recording;
        auto slot = std::find(r.slots.begin(), r.slots.end(), object);
        if (slot == r.slots.end()) continue;
        // Readers keep drawing with what is selected: a removed object must
        // not be selected any more.
        HGDIOBJ &current = kind == RecordedKind::pen     ? c.pen
                           : kind == RecordedKind::brush ? c.brush
                                                         : c.font;
        if (current == object) {
            selectSlot(t, r,
                       kind == RecordedKind::pen     ? kDefaultPenKey
                       : kind == RecordedKind::brush ? kDefaultBrushKey
                                                     : kDefaultFontKey);
            current = 0;
            slot = std::find(r.slots.begin(), r.slots.end(), object);
        }
        simpleRecord(r, kDeleteObject, {std::uint16_t(slot - r.slots.begin())});
        *slot = 0;
    }
}

void recordMoveTo(Context &c, int x, int y) {
    simpleRecord(*c.recording, kMoveTo, {coordinate(y), coordinate(x)});
}

void recordLineTo(Context &c, int x, int y) {
    simpleRecord(*c.recording, kLineTo, {coordinate(y), coordinate(x)});
}

void recordFillRect(Table &t, Context &c, const RECT &rect, HBRUSH brush) {
    // The metafile has no record of its own for this: the brush under a null
    // pen fills a rectangle, then the context's own pen and brush come back.
    Recording &r = *c.recording;
    selectSlot(t, r, brush);
    selectSlot(t, r, kNullPenKey);
    simpleRecord(r, kRectangle,
                 {coordinate(rect.bottom), coordinate(rect.right), coordinate(rect.top),
                  coordinate(rect.left)});
    selectSlot(t, r, c.pen != 0 ? c.pen : kDefaultPenKey);
    selectSlot(t, r, c.brush != 0 ? c.brush : kDefaultBrushKey);
}

void recordBkMode(Context &c, int mode) {
    simpleRecord(*c.recording, kSetBkMode, {std::uint16_t(mode), 0});
}

void recordTextOut(Table &t, Context &c, int x, int y, const char *text, int count) {
    Recording &r = *c.recording;
    // The text is recorded on its baseline, where readers agree to put it:
    // the ascent of the font below the top of the cell, turned with the font.
    if (!r.baselineText) {
        simpleRecord(r, kSetTextAlign, {kAlignBaseline, 0});
        r.baselineText = true;
    }
    if (Font *font = t.get<Font>(c.font)) {
        if (const FontInstance *f = instanceOf(*font)) {
            const double a = font->logical.lfEscapement % 3600 * std::numbers::pi / 1800.0;
            const double ascent = metricsOf(*f).ascent;
            x += int(std::lround(ascent * std::sin(a)));
            y += int(std::lround(ascent * std::cos(a)));
        }
    }
    // A record holds at most 32767 characters; longer text is cut there.
    const auto n = std::size_t(std::clamp(count, 0, 32767));
    beginRecord(r, kTextOut, 1 + std::uint32_t((n + 1) / 2) + 2);
    r.sink.u16le(std::uint16_t(n));
    textWords(r, text, n);
    r.sink.u16le(coordinate(y));
    r.sink.u16le(coordinate(x));
}

void recordPolygon(Context &c, const POINT *points, int count) {
    Recording &r = *c.recording;
    beginRecord(r, kPolygon, 1 + 2 * std::uint32_t(count));
    r.sink.u16le(std::uint16_t(count));
    for (int i = 0; i < count; ++i) {
        r.sink.u16le(coordinate(points[i].x));
        r.sink.u16le(coordinate(points[i].y));
    }
}

} // namespace gdi

using namespace gdi;

HDC CreateMetaFileA(const char *file) {
    if (file == nullptr) return 0;
    std::unique_ptr<Recording, RecordingClose> r(new (std::nothrow) Recording());
    if (!r) return 0;
    r->file = std::fopen(file, "wb");
    if (r->file == nullptr) return 0;
    r->sink.attachFile(r->file);
    writeHeader(r->sink, 0, 0, 0); // completed at the close
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    const HDC dc = t.newHandle();
    Context &c = t.contexts[dc];
    c.kind = ContextKind::Metafile;
    c.recording = std::move(r);
    return dc;
}

HMETAFILE CloseMetaFile(HDC dc) {
    Table &t = table();
    std::unique_ptr<Recording, RecordingClose> r;
    {
        std::lock_guard<std::mutex> hold(t.lock);
        Context *c = t.context(dc);
        if (c == nullptr || c->kind != ContextKind::Metafile) return 0;
        r = std::move(c->recording);
        t.contexts.erase(dc);
    }
    simpleRecord(*r, kEndOfFile, {});
    r->sink.flush();
    bool good = !r->sink.failed();
    const std::uint32_t words = std::uint32_t(r->sink.position() / 2);
    if (good && std::fseek(r->file, 0, SEEK_SET) == 0) {
        ByteSink head(r->file);
        writeHeader(head, words, std::uint16_t(std::min<std::size_t>(r->slots.size(), 0xFFFF)),
                    r->largestRecord);
        head.flush();
        good = !head.failed() && head.position() == kHeaderBytes;
    } else {
        good = false;
    }
    r->sink.attachFile(nullptr);
    FILE *file = r->file;
    r->file = nullptr;
    if (std::fclose(file) != 0) good = false;
    if (!good) return 0;
    std::lock_guard<std::mutex> hold(t.lock);
    const HMETAFILE metafile = t.newHandle();
    t.finishedMetafiles.insert(metafile);
    return metafile;
}

BOOL DeleteMetaFile(HMETAFILE metafile) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    return t.finishedMetafiles.erase(metafile) == 1 ? 1 : 0;
}
