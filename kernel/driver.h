// The driver contract: what the kernel asks of an output device. The kernel
// converts page points to device points (toDevice, by the row of the device
// table), keeps the pen, the clipping and the colours, and then calls the
// entry points of the device's family through this table; it names no
// device. devices/ fills one DeviceDriver per family (deviceDriver); an
// entry a family leaves out does what is written beside it.
#pragma once

#include <cstdint>

#include "kernel/devices.h"

struct GlobalRecord;

// The pen operations every driver's pen entry and every writer's pen routine
// take. Only kPenDraw and kPenMove carry a point; the settings carry their
// value as both coordinates (penValues). Each writer's header says what it
// does with the operations it has no use for.
constexpr int kPenStart = 0;       // a path begins (writers that group their lines)
constexpr int kPenDraw = 2;        // a line from the pen to the point
constexpr int kPenMove = 3;        // the pen to the point
constexpr int kPenNewPage = 4;     // the page ends and the next begins (PDF)
constexpr int kPenCloseFill = 5;   // the path drawn is closed and filled, even-odd (PDF)
constexpr int kPenLineWidth = 6;   // the line width is the value (PDF, SVG)
constexpr int kPenLineJoin = 7;    // the line join (rec.line.ilnjoin) is the value (PDF)
constexpr int kPenLineCap = 8;     // the line cap (rec.line.ilncap) is the value (PDF)
constexpr int kPenEndPiece = 9;    // the pending piece of a path is stroked
constexpr int kPenMiterLimit = 10; // the miter limit is the value (PDF)
constexpr int kPenFlush = 999;     // everything pending is written; at close the document ends

// A line width set by linwid or penwid: in plot units, and in units of
// 1/508 inch at the page's scale (at least 5); whole when linwid set it.
struct LineWidth {
    float plotUnits;
    float t;
    bool whole;
};

// A device point: rounded, truncated or kept as floats by the device's axes.
struct DevicePoint {
    float x, y;
};

// A filled box: its page rectangle (origin shift added, clipped; edges
// included) and the same as a device rectangle from (x, y), width by height.
struct DeviceBox {
    int left, top, right, bottom;
    int x, y, width, height;
};

struct DeviceDriver {
    // Sets the bits per pixel and the device scale (rec.page.nbitpix,
    // xdevscl) at kavini, after the file is open: writes the head of the
    // file, or opens the window.
    void (*open)(GlobalRecord &rec) = [](GlobalRecord &) {};
    // The plot has begun: kavini has set the defaults and the background in
    // force (a window kept from the last plot may need clearing).
    void (*begin)(GlobalRecord &rec) = [](GlobalRecord &) {};
    // Operations other than draw and move carry a value (width, join, cap,
    // miter limit, new page), not a point: the pen gets it in device units
    // as both coordinates, unconverted.
    bool penValues = false;
    // One pen operation at a device point.
    void (*pen)(GlobalRecord &rec, DevicePoint p, int op) = [](GlobalRecord &, DevicePoint, int) {};
    // The colour value (an index or an explicit RGB value) becomes current;
    // deviceColour gives its index and components.
    void (*colour)(GlobalRecord &rec, int colour) = [](GlobalRecord &, int) {};
    // A box filled in a colour value; false: the kernel fills it with lines.
    bool (*box)(GlobalRecord &rec, const DeviceBox &b,
                int colour) = [](GlobalRecord &, const DeviceBox &, int) { return false; };
    // A solid polygon of page points (without the origin shift) in the
    // current colour, for devices whose row says they fill polygons.
    void (*fillPolygon)(GlobalRecord &rec, const float x[], const float y[],
                        int n) = [](GlobalRecord &, const float[], const float[], int) {};
    // A flat triangle of page points (without the origin shift), wholly
    // inside the clip window, filled in a colour value; false: the kernel
    // fills it as a polygon.
    bool (*triangle)(GlobalRecord &rec, const float x[3], const float y[3], int colour) =
        [](GlobalRecord &, const float[3], const float[3], int) { return false; };
    // Marker symbol n, size device units high, centred on a device point and
    // drawn by the device itself; false: the kernel draws its lines.
    bool (*symbol)(GlobalRecord &rec, int n, DevicePoint centre,
                   int size) = [](GlobalRecord &, int, DevicePoint, int) { return false; };
    // The rings of a frame: rings rectangles, the first from (left, top) to
    // (right, bottom) in device points, each next one step further out (no
    // more than reach the page); false: the kernel draws them as lines.
    bool (*frameRings)(GlobalRecord &rec, int left, int top, int right, int bottom, int rings,
                       int step) = [](GlobalRecord &, int, int, int, int, int, int) {
        return false;
    };
    // The line settings of devices that stroke lines themselves. The width:
    // false when the device has none, and the kernel draws wide lines.
    bool (*lineWidth)(GlobalRecord &rec, const LineWidth &width) =
        [](GlobalRecord &, const LineWidth &) { return false; };
    // The join (rec.line.ilnjoin) and the cap (ilncap) now in force.
    void (*lineJoin)(GlobalRecord &rec) = [](GlobalRecord &) {};
    void (*lineCap)(GlobalRecord &rec) = [](GlobalRecord &) {};
    // lnmlt: the miter limit of sharp joins, a multiple of the line width.
    void (*miterLimit)(GlobalRecord &rec, float limit) = [](GlobalRecord &, float) {};
    // An annulus sector (sector) drawn by the device itself: the centre as
    // the caller's page point (origin shift not added), the inner and outer
    // radius in plot units, the angles in degrees, filled in a colour value;
    // false: the kernel fills it with scan lines.
    bool (*sector)(GlobalRecord &rec, int x, int y, int inner, int outer, float alpha, float beta,
                   int colour) = [](GlobalRecord &, int, int, int, int, float, float, int) {
        return false;
    };
    // A PostScript font became the font in force (rec.font.npsfont, its name
    // in rec.font.chwfont): a file that names its fonts declares it, and may
    // put the name it declared it by into chwfont.
    void (*fontSelected)(GlobalRecord &rec) = [](GlobalRecord &) {};
    // The character height changed while a PostScript font is in force and
    // texts are drawn: a file that sizes its fonts apart from the characters
    // takes the new size.
    void (*fontHeight)(GlobalRecord &rec) = [](GlobalRecord &) {};
    // A character of the PostScript font in force (rec.font, rec.text) at the
    // pen point (x, y) of the text, width its advance.
    void (*fontCharacter)(GlobalRecord &rec, int code, float x, float y,
                          float width) = [](GlobalRecord &, int, float, float, float) {};
    // The Windows font named name made the device font: height pixels high
    // (its cell), the baseline turned angle degrees, for texts in the
    // character coding given; widths gets ten times the advance of each code
    // 32..262. false: no font can be made here (no window yet, no installed
    // face of the name), and nothing changes.
    bool (*windowFont)(GlobalRecord &rec, const char *name, int height, int angle,
                       std::int16_t widths[], int coding) =
        [](GlobalRecord &, const char *, int, int, std::int16_t[], int) { return false; };
    // A character of the Windows font in force, the top left corner of its
    // cell at a device point.
    void (*windowCharacter)(GlobalRecord &rec, int code, int x, int y) = [](GlobalRecord &, int,
                                                                            int, int) {};
    // One pixel of a bitmap character at a device point in a colour value.
    void (*pixel)(GlobalRecord &rec, int x, int y, int colour) = [](GlobalRecord &, int, int, int) {
    };
    // The colour table has changed (devices with a palette show it).
    void (*palette)(GlobalRecord &rec) = [](GlobalRecord &) {};
    // erase: the page is cleared.
    void (*erase)(GlobalRecord &rec) = [](GlobalRecord &) {};
    // newpag: a new page begins (the kernel has counted it).
    void (*newPage)(GlobalRecord &rec) = [](GlobalRecord &) {};
    // sendbf, winupd: what is drawn is shown now (a window copies its bitmap).
    void (*flush)(GlobalRecord &rec) = [](GlobalRecord &) {};
    // The last records of the file at kavfin; fileflag becomes 0 when no file
    // is named in the protocol.
    void (*close)(GlobalRecord &rec, int &fileflag) = [](GlobalRecord &, int &) {};
    // True when the writer's own stream could not be written whole.
    bool (*writeFailed)(const GlobalRecord &rec) = [](const GlobalRecord &) { return false; };
};

// The drivers by family (DeviceFamily as the index); families without one
// get the entries' defaults. Filled in devices/, where the drivers are.
inline constexpr int kDeviceFamilies = int(DeviceFamily::Svg) + 1;
extern const DeviceDriver *const kDriverOfFamily[kDeviceFamilies];

// The driver of a family. Inline: every pen point asks for it.
inline const DeviceDriver &deviceDriver(DeviceFamily family) {
    return *kDriverOfFamily[int(family)];
}

// The family's driver with its marking entries (lines aside, which xjdraw
// holds back) doing nothing and saying they did it, so that the kernel draws
// no lines in their place: the record's driver while its drawing is stopped
// (kernel/stopped_drawing.h).
const DeviceDriver &driverWithoutMarks(DeviceFamily family);

// The driver of the record's current device.
const DeviceDriver &currentDriver(const GlobalRecord &rec);

// What the devices get of a colour value: the colour-table index (the nearest
// entry for an explicit value on devices of 8 bits or fewer) and the
// components 0..255 (set on devices of more than 8 bits and for explicit values).
struct DeviceColour {
    int index;
    int r, g, b;
};
DeviceColour deviceColour(const GlobalRecord &rec, int colour);
