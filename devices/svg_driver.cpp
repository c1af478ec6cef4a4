// The driver of SVG: the document starts with the window's size and, unless
// the page is reversed, a black rectangle; boxes are rectangles and polygons
// polygons of their own.
#include "devices/device_drivers.h"
#include "devices/svg.h"
#include "kernel/device_setup.h"
#include "kernel/dispatch.h"
#include "kernel/polyline.h"
#include "kernel/record.h"

namespace {

void openSvg(GlobalRecord &rec) {
    rec.page.nbitpix = 24;
    rec.page.xdevscl = rasterScale(rec, rec.win.nwinsiz[0], rec.win.nwinsiz[1]);
    const float width = float(rec.win.nwinsiz[0]), height = float(rec.win.nwinsiz[1]);
    svgStartDocument(rec, width - 1.0f, height - 1.0f);
    if (rec.page.iscrmod != 2) qqsvg4(rec, 0, 0, width, height, 0, 0, 0);
}

bool svgBox(GlobalRecord &rec, const DeviceBox &b, int colour) {
    int r = 0, g = 0, bl = 0;
    colourComponents(rec, colour, r, g, bl);
    qqstrk(rec);
    qqsvg4(rec, float(b.x), float(b.y), float(b.width + 1), float(b.height + 1), r, g, bl);
    return true;
}

} // namespace

const DeviceDriver kSvgDriver{
    .open = openSvg,
    .pen = [](GlobalRecord &rec, DevicePoint p, int op) { qqsvg2(rec, p.x, p.y, op); },
    .colour =
        [](GlobalRecord &rec, int colour) {
            const DeviceColour c = deviceColour(rec, colour);
            qqsvg3(rec, c.r, c.g, c.b);
        },
    .box = svgBox,
    .fillPolygon = fillPolygonSvg,
    // The width in plot units, scaled like the coordinates; joins, caps and
    // miter limits keep the document's own.
    .lineWidth =
        [](GlobalRecord &rec, const LineWidth &w) {
            qqsvg2(rec, w.plotUnits * rec.page.xdevscl, 0, kPenLineWidth);
            return true;
        },
    .fontHeight = svgEndGroup,
    .fontCharacter = [](GlobalRecord &rec, int code, float x, float y,
                        float) { qqsvg5(rec, code, x, y); },
    .close = [](GlobalRecord &rec, int &) { qqsvg2(rec, 0, 0, kPenFlush); },
    .writeFailed = [](const GlobalRecord &rec) { return rec.vec.svg.sink.failed(); },
};
