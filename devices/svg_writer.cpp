// The SVG document: its head, stroke groups, polylines and rectangles.
#include <cstring>

#include "devices/decimal_text.h"
#include "devices/svg.h"
#include "kernel/c_format.h"
#include "kernel/date_time.h"
#include "kernel/driver.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/version.h"

namespace {

void put(SvgState &svg, const char *text) {
    svg.sink.write(text);
}

// "#rrggbb"
char *putColour(char *p, int r, int g, int b) {
    static constexpr char kHex[] = "0123456789abcdef";
    *p++ = '#';
    for (int c : {r, g, b}) {
        *p++ = kHex[(c >> 4) & 15];
        *p++ = kHex[c & 15];
    }
    return p;
}

// " %.2f, %.2f"
char *putPoint(char *p, float x, float y) {
    *p++ = ' ';
    p = putFixed(p, double(x), 2);
    *p++ = ',';
    *p++ = ' ';
    return putFixed(p, double(y), 2);
}

// Writes the pending path: a <line> for two points, a <polyline> for more,
// nothing for one.
void writePath(GlobalRecord &rec) {
    SvgState &svg = rec.vec.svg;
    VectorPath<float> &path = svg.path;
    if (path.count < 1) return;
    qqsvg1(rec, 1);
    if (path.count < 2) return;
    char text[kVectorPathPoints * (2 * kNumberTextRoom + 4) + 64];
    char *p = text;
    if (path.count == 2) {
        p = putText(p, "<line x1=\"");
        p = putFixed(p, double(path.x[0]), 2);
        p = putText(p, "\" y1=\"");
        p = putFixed(p, double(path.y[0]), 2);
        p = putText(p, "\" x2=\"");
        p = putFixed(p, double(path.x[1]), 2);
        p = putText(p, "\" y2=\"");
        p = putFixed(p, double(path.y[1]), 2);
        p = putText(p, "\"/>\n");
    } else {
        p = putText(p, "<polyline points=\"\n");
        for (int i = 0; i < path.count; ++i) {
            p = putPoint(p, path.x[std::size_t(i)], path.y[std::size_t(i)]);
            if ((i + 1) % 5 == 0 && i + 1 < path.count) *p++ = '\n';
        }
        p = putText(p, "\"/>\n");
    }
    svg.sink.write(text, std::size_t(p - text));
}

// Ends the pending path and keeps its last point for the next draw.
void endPiece(GlobalRecord &rec) {
    writePath(rec);
    rec.vec.svg.path.count = 0;
}

} // namespace

void svgStartDocument(GlobalRecord &rec, float width, float height) {
    SvgState &svg = rec.vec.svg;
    svg.sink.attachFile(rec.out.fpout);
    char text[200];
    formatC(text, sizeof text, "<?xml version=%c1.0%c ", '"', '"');
    put(svg, text);
    formatC(text, sizeof text, "encoding=%cISO-8859-1%c standalone=%cno%c?>\n", '"', '"', '"', '"');
    put(svg, text);
    formatC(text, sizeof text, "<!DOCTYPE svg PUBLIC %c-//W3C//DTD SVG 20010904//EN%c\n", '"', '"');
    put(svg, text);
    put(svg, "  \"http://www.w3.org/TR/2001/REC-SVG-20010904/DTD/svg10.dtd\">\n");
    put(svg, "<!-- Creator: KAVLOR\n");
    formatC(text, sizeof text, "Version: %4.1f\n", double(kLibraryVersion));
    put(svg, text);
    formatC(text, sizeof text, "Date   : %s %s\n", dddate(), ddtime());
    put(svg, text);
    put(svg, "-->\n");
    formatC(text, sizeof text, "<svg width=%c%d%c height=%c%d%c\n", '"', truncToInt(width + 1.5f),
            '"', '"', truncToInt(height + 1.5f), '"');
    put(svg, text);
    put(svg, "  xmlns=\"http://www.w3.org/2000/svg\"\n");
    put(svg, "  xmlns:xlink=\"http://www.w3.org/1999/xlink\">\n\n");
    svg.group = SvgGroup::None;
    svg.width = 1.0f;
    svg.path.reset();
}

void qqsvg2(GlobalRecord &rec, float x, float y, int op) {
    SvgState &svg = rec.vec.svg;
    VectorPath<float> &path = svg.path;
    switch (op) {
    case kPenDraw:
        if (path.draw(x, y)) {
            writePath(rec);
            path.startAt(x, y);
        }
        return;
    case kPenLineWidth:
        // The lines drawn so far keep the old width.
        endPiece(rec);
        qqsvg1(rec, 0);
        svg.width = x;
        return;
    case kPenEndPiece: endPiece(rec); return;
    case kPenFlush:
        endPiece(rec);
        qqsvg1(rec, 0);
        put(svg, "</svg>\n");
        // The file is the kernel's to close; the sink forgets it but keeps
        // whether a write failed, for kavfin.
        svg.sink.closeFile();
        return;
    default:
        writePath(rec);
        path.startAt(x, y);
        return;
    }
}

void qqsvg1(GlobalRecord &rec, int mode) {
    SvgState &svg = rec.vec.svg;
    char text[300];
    if (mode == 0) {
        if (svg.group != SvgGroup::None) put(svg, "</g>\n");
        svg.group = SvgGroup::None;
    } else if (mode == 1) {
        if (svg.group == SvgGroup::Text) qqsvg1(rec, 0);
        if (svg.group == SvgGroup::Stroke) return;
        char colour[8];
        *putColour(colour, svg.red, svg.green, svg.blue) = '\0';
        formatC(text, sizeof text, "<g fill=%cnone%c stroke=%c%s%c ", '"', '"', '"', colour, '"');
        put(svg, text);
        formatC(text, sizeof text, "stroke-width=%c%.3f%c>\n", '"', double(svg.width), '"');
        put(svg, text);
        svg.group = SvgGroup::Stroke;
    } else if (mode == 2) {
        if (svg.group == SvgGroup::Stroke) qqsvg1(rec, 0);
        if (svg.group == SvgGroup::Text) return;
        svgOpenTextGroup(rec);
    }
}

void svgEndGroup(GlobalRecord &rec) {
    endPiece(rec);
    qqsvg1(rec, 0);
}

void qqsvg3(GlobalRecord &rec, int r, int g, int b) {
    SvgState &svg = rec.vec.svg;
    endPiece(rec);
    qqsvg1(rec, 0);
    svg.red = static_cast<unsigned char>(r);
    svg.green = static_cast<unsigned char>(g);
    svg.blue = static_cast<unsigned char>(b);
}

void qqsvg4(GlobalRecord &rec, float x, float y, float width, float height, int r, int g, int b) {
    qqsvg1(rec, 1);
    char text[4 * kNumberTextRoom + 80];
    char *p = putText(text, "<rect x=\"");
    p = putFixed(p, double(x), 2);
    p = putText(p, "\" y=\"");
    p = putFixed(p, double(y), 2);
    p = putText(p, "\" width=\"");
    p = putFixed(p, double(width), 2);
    p = putText(p, "\" height=\"");
    p = putFixed(p, double(height), 2);
    p = putText(p, "\"\n fill=\"");
    p = putColour(p, r, g, b);
    p = putText(p, "\" stroke=\"none\"/>\n");
    rec.vec.svg.sink.write(text, std::size_t(p - text));
}

void fillPolygonSvg(GlobalRecord &rec, const float *x, const float *y, int n) {
    if (n < 1) return;
    SvgState &svg = rec.vec.svg;
    const PageState &page = rec.page;
    endPiece(rec); // lines drawn before stay below the fill
    qqsvg1(rec, 1);
    char text[2 * kNumberTextRoom + 64];
    char *p = putText(text, "<polygon fill=\"");
    p = putColour(p, svg.red, svg.green, svg.blue);
    p = putText(p, "\" points=\"\n");
    svg.sink.write(text, std::size_t(p - text));
    const float s = page.xdevscl;
    for (int i = 0; i < n; ++i) {
        const float px = x[i] + float(page.nxorg), py = y[i] + float(page.nyorg);
        p = page.ipagmod == 1 ? putPoint(text, py * s, (float(page.nxpage) - px) * s)
                              : putPoint(text, px * s, py * s);
        if ((i + 1) % 5 == 0 && i + 1 < n) *p++ = '\n';
        svg.sink.write(text, std::size_t(p - text));
    }
    put(svg, "\"/>\n");
}
