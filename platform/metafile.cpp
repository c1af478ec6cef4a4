// The metafile recorder: CreateMetaFileA, CloseMetaFile, DeleteMetaFile, and
// the records that the drawing calls on a metafile context write.
//
// The file is a Windows metafile: an 18-byte header (type, header size 9 words,
// version 0x0300, file size in words, size of the object table, largest record
// in words, 0), then records of a 32-bit size in words, a 16-bit function and
// 16-bit parameters, all little-endian, ending with the end record. A reader
// keeps an object table: each creation record takes its lowest free slot,
// selection and removal name the slot. The recorder mirrors that table for
// every metafile, so a pen or brush is created in the file the first time it
// is selected there.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <new>
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
    kSetMapMode = 0x0103,
    kSelectObject = 0x012D,
    kDeleteObject = 0x01F0,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kCreatePenIndirect = 0x02FA,
    kCreateBrushIndirect = 0x02FC,
    kLineTo = 0x0213,
    kMoveTo = 0x0214,
    kPolygon = 0x0324,
    kRectangle = 0x041B,
};

constexpr std::uint16_t kBrushSolid = 0; // LOGBRUSH style BS_SOLID

// The recorder's own objects in a metafile's object table: the null pen under
// a FillRect and the defaults a context goes back to. Negative, so that they
// never meet a handle.
constexpr std::intptr_t kNullPenKey = -1;
constexpr std::intptr_t kDefaultPenKey = -2;
constexpr std::intptr_t kDefaultBrushKey = -3;

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

// The pen or brush behind a slot key.
std::variant<Pen, Brush> definition(Table &t, std::intptr_t key) {
    switch (key) {
    case kNullPenKey: return Pen{PS_NULL, 0, 0};
    case kDefaultPenKey: return Pen{PS_SOLID, 0, 0};
    case kDefaultBrushKey: return Brush{0xFFFFFF, false};
    default:
        if (const Pen *pen = t.get<Pen>(key)) return *pen;
        return *t.get<Brush>(key);
    }
}

// The object's slot in the metafile's table, recording its creation into the
// lowest free slot the first time.
std::uint16_t slotOf(Table &t, Recording &r, std::intptr_t key) {
    auto found = std::find(r.slots.begin(), r.slots.end(), key);
    if (found != r.slots.end()) return std::uint16_t(found - r.slots.begin());
    auto free = std::find(r.slots.begin(), r.slots.end(), std::intptr_t(0));
    if (free == r.slots.end()) free = r.slots.insert(r.slots.end(), 0);
    *free = key;
    const std::variant<Pen, Brush> o = definition(t, key);
    if (const Pen *pen = std::get_if<Pen>(&o)) {
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

void recordRemoval(Table &t, HGDIOBJ object, bool pen) {
    for (auto &entry : t.contexts) {
        Context &c = entry.second;
        if (c.kind != ContextKind::Metafile) continue;
        Recording &r = *c.recording;
        auto slot = std::find(r.slots.begin(), r.slots.end(), object);
        if (slot == r.slots.end()) continue;
        // Readers keep drawing with what is selected: a removed object must
        // not be selected any more.
        HGDIOBJ &current = pen ? c.pen : c.brush;
        if (current == object) {
            selectSlot(t, r, pen ? kDefaultPenKey : kDefaultBrushKey);
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
