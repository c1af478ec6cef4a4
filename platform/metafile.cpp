// The metafile recorder and the drawing objects it records: CreateMetaFileA,
// CloseMetaFile, DeleteMetaFile, SetMapMode, SetWindowOrgEx, SetWindowExtEx,
// SetTextColor, CreatePen, CreateSolidBrush, SelectObject, DeleteObject,
// MoveToEx, LineTo, FillRect, Polygon.
//
// The file is a Windows metafile: an 18-byte header (type, header size 9 words,
// version 0x0300, file size in words, size of the object table, largest record
// in words, 0), then records of a 32-bit size in words, a 16-bit function and
// 16-bit parameters, all little-endian, ending with the end record. A reader
// keeps an object table: each creation record takes its lowest free slot,
// selection and removal name the slot. The recorder mirrors that table for
// every metafile, so a pen or brush is created in the file the first time it
// is selected there.
//
// Handles, like the window system's, are valid in every thread: one table for
// the process behind one lock.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <mutex>
#include <new>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "devices/byte_sink.h"
#include "platform/windows.h"

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
constexpr int kMapText = 1;              // the mapping mode a context starts with
constexpr int kMaxPolygonPoints = 32767; // the point count is a signed 16-bit field

enum class ObjectKind { Pen, Brush };

struct DrawingObject {
    ObjectKind kind;
    int style; // pens: PS_SOLID, PS_NULL
    int width; // pens: width in logical units
    COLORREF colour;
};

// The recorder's own objects in a metafile's object table: the null pen under
// a FillRect and the defaults a context goes back to. Negative, so that they
// never meet a handle.
constexpr std::intptr_t kNullPenKey = -1;
constexpr std::intptr_t kDefaultPenKey = -2;
constexpr std::intptr_t kDefaultBrushKey = -3;

struct Recording {
    FILE *file = nullptr;
    ByteSink sink;
    std::vector<std::intptr_t> slots; // object table: the object in each slot, 0 free
    std::uint32_t largestRecord = 0;  // words
    HPEN pen = 0;                     // selected pen and brush; 0: the context's default
    HBRUSH brush = 0;
    int mapMode = kMapText;
    COLORREF textColour = 0;
    POINT position{0, 0};
    POINT windowOrigin{0, 0};
    SIZE windowExtent{1, 1};
};

struct HandleTable {
    std::mutex lock;
    std::intptr_t next = 0x100;
    std::unordered_map<std::intptr_t, DrawingObject> objects;
    std::unordered_map<std::intptr_t, std::unique_ptr<Recording>> recordings;
    std::unordered_set<std::intptr_t> finished; // closed metafiles not yet released

    std::intptr_t newHandle() { return next++; }

    Recording *recording(HDC dc) {
        auto it = recordings.find(dc);
        return it == recordings.end() ? nullptr : it->second.get();
    }
    const DrawingObject *object(HGDIOBJ handle) const {
        auto it = objects.find(handle);
        return it == objects.end() ? nullptr : &it->second;
    }
};

HandleTable &handles() {
    static HandleTable table;
    return table;
}

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

DrawingObject definition(const HandleTable &table, std::intptr_t key) {
    switch (key) {
    case kNullPenKey: return {ObjectKind::Pen, PS_NULL, 0, 0};
    case kDefaultPenKey: return {ObjectKind::Pen, PS_SOLID, 0, 0};
    case kDefaultBrushKey: return {ObjectKind::Brush, 0, 0, 0xFFFFFF};
    default: return *table.object(key);
    }
}

// The object's slot in the metafile's table, recording its creation into the
// lowest free slot the first time.
std::uint16_t slotOf(const HandleTable &table, Recording &r, std::intptr_t key) {
    auto found = std::find(r.slots.begin(), r.slots.end(), key);
    if (found != r.slots.end()) return std::uint16_t(found - r.slots.begin());
    auto free = std::find(r.slots.begin(), r.slots.end(), std::intptr_t(0));
    if (free == r.slots.end()) free = r.slots.insert(r.slots.end(), 0);
    *free = key;
    const DrawingObject o = definition(table, key);
    if (o.kind == ObjectKind::Pen) {
        // LOGPEN16: style, width as a point (x, y), colour.
        beginRecord(r, kCreatePenIndirect, 5);
        r.sink.u16le(std::uint16_t(o.style));
        r.sink.u16le(coordinate(o.width));
        r.sink.u16le(0);
        colourWords(r, o.colour);
    } else {
        // LOGBRUSH16: style, colour, hatch.
        beginRecord(r, kCreateBrushIndirect, 4);
        r.sink.u16le(kBrushSolid);
        colourWords(r, o.colour);
        r.sink.u16le(0);
    }
    return std::uint16_t(free - r.slots.begin());
}

void selectSlot(const HandleTable &table, Recording &r, std::intptr_t key) {
    simpleRecord(r, kSelectObject, {slotOf(table, r, key)});
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

HDC CreateMetaFileA(const char *file) {
    if (file == nullptr) return 0;
    auto r = std::unique_ptr<Recording>(new (std::nothrow) Recording());
    if (!r) return 0;
    r->file = std::fopen(file, "wb");
    if (r->file == nullptr) return 0;
    r->sink.attachFile(r->file);
    writeHeader(r->sink, 0, 0, 0); // completed at the close
    HandleTable &table = handles();
    std::lock_guard<std::mutex> hold(table.lock);
    const HDC dc = table.newHandle();
    table.recordings.emplace(dc, std::move(r));
    return dc;
}

HMETAFILE CloseMetaFile(HDC dc) {
    HandleTable &table = handles();
    std::unique_ptr<Recording> r;
    {
        std::lock_guard<std::mutex> hold(table.lock);
        auto it = table.recordings.find(dc);
        if (it == table.recordings.end()) return 0;
        r = std::move(it->second);
        table.recordings.erase(it);
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
    if (std::fclose(r->file) != 0) good = false;
    if (!good) return 0;
    std::lock_guard<std::mutex> hold(table.lock);
    const HMETAFILE metafile = table.newHandle();
    table.finished.insert(metafile);
    return metafile;
}

BOOL DeleteMetaFile(HMETAFILE metafile) {
    HandleTable &table = handles();
    std::lock_guard<std::mutex> hold(table.lock);
    return table.finished.erase(metafile) == 1 ? 1 : 0;
}

int SetMapMode(HDC dc, int mode) {
    HandleTable &table = handles();
    std::lock_guard<std::mutex> hold(table.lock);
    Recording *r = table.recording(dc);
    if (r == nullptr) return 0;
    simpleRecord(*r, kSetMapMode, {std::uint16_t(mode)});
    const int previous = r->mapMode;
    r->mapMode = mode;
    return previous;
}

BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT *previous) {
    HandleTable &table = handles();
    std::lock_guard<std::mutex> hold(table.lock);
    Recording *r = table.recording(dc);
    if (r == nullptr) return 0;
    simpleRecord(*r, kSetWindowOrg, {coordinate(y), coordinate(x)});
    if (previous != nullptr) *previous = r->windowOrigin;
    r->windowOrigin = {x, y};
    return 1;
}

BOOL SetWindowExtEx(HDC dc, int x, int y, SIZE *previous) {
    HandleTable &table = handles();
    std::lock_guard<std::mutex> hold(table.lock);
    Recording *r = table.recording(dc);
    if (r == nullptr) return 0;
    simpleRecord(*r, kSetWindowExt, {coordinate(y), coordinate(x)});
    if (previous != nullptr) *previous = r->windowExtent;
    r->windowExtent = {x, y};
    return 1;
}

COLORREF SetTextColor(HDC dc, COLORREF colour) {
    HandleTable &table = handles();
    std::lock_guard<std::mutex> hold(table.lock);
    Recording *r = table.recording(dc);
    if (r == nullptr) return 0;
    beginRecord(*r, kSetTextColor, 2);
    colourWords(*r, colour);
    const COLORREF previous = r->textColour;
    r->textColour = colour;
    return previous;
}

HPEN CreatePen(int style, int width, COLORREF colour) {
    HandleTable &table = handles();
    std::lock_guard<std::mutex> hold(table.lock);
    const HPEN pen = table.newHandle();
    table.objects.emplace(pen, DrawingObject{ObjectKind::Pen, style, width, colour});
    return pen;
}

HBRUSH CreateSolidBrush(COLORREF colour) {
    HandleTable &table = handles();
    std::lock_guard<std::mutex> hold(table.lock);
    const HBRUSH brush = table.newHandle();
    table.objects.emplace(brush, DrawingObject{ObjectKind::Brush, 0, 0, colour});
    return brush;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    HandleTable &table = handles();
    std::lock_guard<std::mutex> hold(table.lock);
    Recording *r = table.recording(dc);
    const DrawingObject *o = table.object(object);
    if (r == nullptr || o == nullptr) return 0;
    selectSlot(table, *r, object);
    HGDIOBJ &current = o->kind == ObjectKind::Pen ? r->pen : r->brush;
    const HGDIOBJ previous = current;
    current = object;
    return previous;
}

BOOL DeleteObject(HGDIOBJ object) {
    HandleTable &table = handles();
    std::lock_guard<std::mutex> hold(table.lock);
    auto it = table.objects.find(object);
    if (it == table.objects.end()) return 0;
    const bool pen = it->second.kind == ObjectKind::Pen;
    for (auto &entry : table.recordings) {
        Recording &r = *entry.second;
        auto slot = std::find(r.slots.begin(), r.slots.end(), object);
        if (slot == r.slots.end()) continue;
        // Readers keep drawing with what is selected: a removed object must
        // not be selected any more.
        HGDIOBJ &current = pen ? r.pen : r.brush;
        if (current == object) {
            selectSlot(table, r, pen ? kDefaultPenKey : kDefaultBrushKey);
            current = 0;
            slot = std::find(r.slots.begin(), r.slots.end(), object);
        }
        simpleRecord(r, kDeleteObject, {std::uint16_t(slot - r.slots.begin())});
        *slot = 0;
    }
    table.objects.erase(it);
    return 1;
}

BOOL MoveToEx(HDC dc, int x, int y, POINT *previous) {
    HandleTable &table = handles();
    std::lock_guard<std::mutex> hold(table.lock);
    Recording *r = table.recording(dc);
    if (r == nullptr) return 0;
    simpleRecord(*r, kMoveTo, {coordinate(y), coordinate(x)});
    if (previous != nullptr) *previous = r->position;
    r->position = {x, y};
    return 1;
}

BOOL LineTo(HDC dc, int x, int y) {
    HandleTable &table = handles();
    std::lock_guard<std::mutex> hold(table.lock);
    Recording *r = table.recording(dc);
    if (r == nullptr) return 0;
    simpleRecord(*r, kLineTo, {coordinate(y), coordinate(x)});
    r->position = {x, y};
    return 1;
}

int FillRect(HDC dc, const RECT *rect, HBRUSH brush) {
    HandleTable &table = handles();
    std::lock_guard<std::mutex> hold(table.lock);
    Recording *r = table.recording(dc);
    const DrawingObject *o = table.object(brush);
    if (r == nullptr || rect == nullptr || o == nullptr || o->kind != ObjectKind::Brush) return 0;
    // The metafile has no record of its own for this: the brush under a null
    // pen fills a rectangle, then the context's own pen and brush come back.
    selectSlot(table, *r, brush);
    selectSlot(table, *r, kNullPenKey);
    simpleRecord(*r, kRectangle,
                 {coordinate(rect->bottom), coordinate(rect->right), coordinate(rect->top),
                  coordinate(rect->left)});
    selectSlot(table, *r, r->pen != 0 ? r->pen : kDefaultPenKey);
    selectSlot(table, *r, r->brush != 0 ? r->brush : kDefaultBrushKey);
    return 1;
}

BOOL Polygon(HDC dc, const POINT *points, int count) {
    if (points == nullptr || count < 2 || count > kMaxPolygonPoints) return 0;
    HandleTable &table = handles();
    std::lock_guard<std::mutex> hold(table.lock);
    Recording *r = table.recording(dc);
    if (r == nullptr) return 0;
    beginRecord(*r, kPolygon, 1 + 2 * std::uint32_t(count));
    r->sink.u16le(std::uint16_t(count));
    for (int i = 0; i < count; ++i) {
        r->sink.u16le(coordinate(points[i].x));
        r->sink.u16le(coordinate(points[i].y));
    }
    return 1;
}
