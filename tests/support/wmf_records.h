// A reader of Windows metafiles for the tests: the placeable header, the
// 18-byte header and the records, and a replay of the object table that
// reports what a reader would stumble on.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct WmfRecord {
    std::uint32_t words = 0; // record size in 16-bit words
    std::uint16_t function = 0;
    std::vector<std::int16_t> params;
};

struct WmfFile {
    bool placeable = false;
    std::int16_t bounds[4] = {0, 0, 0, 0}; // placeable: left, top, right, bottom
    std::uint16_t unitsPerInch = 0;
    std::uint16_t checksum = 0;
    std::uint16_t type = 0, headerWords = 0, version = 0;
    std::uint32_t fileWords = 0; // as the header says
    std::uint16_t objects = 0;
    std::uint32_t largestRecord = 0;
    std::vector<WmfRecord> records;
    std::string problem; // empty when the bytes parse whole
};

WmfFile parseWmf(const std::string &bytes);

// Record functions the writer uses.
namespace wmf {
constexpr std::uint16_t kEof = 0x0000, kSetMapMode = 0x0103, kSelectObject = 0x012D,
                        kDeleteObject = 0x01F0, kSetTextColor = 0x0209, kSetWindowOrg = 0x020B,
                        kSetWindowExt = 0x020C, kCreatePen = 0x02FA, kCreateBrush = 0x02FC,
                        kLineTo = 0x0213, kMoveTo = 0x0214, kPolygon = 0x0324, kRectangle = 0x041B,
                        kSetBkMode = 0x0102, kCreateFont = 0x02FB, kTextOut = 0x0521;
}

// The objects a reader holds while it plays the records: what each slot
// holds, and the pen, brush and font selected before every drawing record.
struct WmfObject {
    bool pen = false;
    int style = 0, width = 0;
    std::uint32_t colour = 0;
    bool font = false;
    // A font: height, escapement, weight, italic flag and face name.
    int height = 0, escapement = 0, weight = 0, italic = 0;
    std::string face;
    bool operator==(const WmfObject &) const = default;
};

struct WmfDrawing {
    std::uint16_t function = 0;
    std::vector<std::int16_t> params;
    WmfObject pen, brush; // selected at the time (a default pen / brush: style -1)
    WmfObject font;       // selected at the time (none: height 0, face empty)
};

// The text of a TEXTOUT record and its point.
struct WmfText {
    std::string text;
    int x = 0, y = 0;
};
WmfText textOf(const WmfDrawing &d);

// Plays the records; faults (a slot that holds nothing, a removed object still
// selected, more slots than the header declares) go to problems.
std::vector<WmfDrawing> replayWmf(const WmfFile &file, std::string &problems);
