// make_bdf_fonts: writes the twelve BDF bitmap fonts of the installation
// directory's fonts folder, drawn from the library's own stroke and outline
// fonts: complx 10/12/14/18, simplx 8/10/12/14 and helve 10/12/14/18 pixels.
//
//     make_bdf_fonts [--out-dir DIR]      (writes DIR/data/fonts/<name>.bdf)
//
// The characters are those of ISO 8859-1 that the standard alphabet holds.
// A character of pixel size s is drawn at the height h = s of the text engine:
// (h - 1) pixels per capital height. Strokes are one pixel wide; outline glyphs
// are filled (a pixel belongs to the glyph when its centre lies inside an odd
// number of contours).
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "kernel/c_format.h"
#include "kernel/stroke_fonts.h"

namespace {

struct FontFile {
    const char *name;
    StrokeFontId font;
    int pixels;
    const char *family; // for the XLFD name
};

constexpr FontFile kFiles[] = {
    {"complx10", StrokeFontId::complx, 10, "Complex"},
    {"complx12", StrokeFontId::complx, 12, "Complex"},
    {"complx14", StrokeFontId::complx, 14, "Complex"},
    {"complx18", StrokeFontId::complx, 18, "Complex"},
    {"simplx8", StrokeFontId::simplx, 8, "Simplex"},
    {"simplx10", StrokeFontId::simplx, 10, "Simplex"},
    {"simplx12", StrokeFontId::simplx, 12, "Simplex"},
    {"simplx14", StrokeFontId::simplx, 14, "Simplex"},
    {"helve10", StrokeFontId::helve, 10, "Helve"},
    {"helve12", StrokeFontId::helve, 12, "Helve"},
    {"helve14", StrokeFontId::helve, 14, "Helve"},
    {"helve18", StrokeFontId::helve, 18, "Helve"},
};

struct Point {
    double x, y;
};

// A glyph's pixels: rows from y = top down to y = bottom, columns from x = left.
struct Bitmap {
    int left = 0, bottom = 0, width = 0, height = 0;
    std::vector<unsigned char> bits; // width * height, row 0 at the top
};

Bitmap toBitmap(const std::vector<std::pair<int, int>> &pixels) {
    Bitmap b;
    if (pixels.empty()) return b;
    int x0 = pixels[0].first, x1 = x0, y0 = pixels[0].second, y1 = y0;
    for (auto [x, y] : pixels) {
        x0 = std::min(x0, x);
        x1 = std::max(x1, x);
        y0 = std::min(y0, y);
        y1 = std::max(y1, y);
    }
    b.left = x0;
    b.bottom = y0;
    b.width = x1 - x0 + 1;
    b.height = y1 - y0 + 1;
    b.bits.assign(size_t(b.width * b.height), 0);
    for (auto [x, y] : pixels)
        b.bits[size_t((y1 - y) * b.width + (x - x0))] = 1;
    return b;
}

int nearest(double v) {
    return int(std::floor(v + 0.5));
}

// One-pixel lines between the rounded points (Bresenham).
void drawLine(Point a, Point b, std::vector<std::pair<int, int>> &pixels) {
    int x0 = nearest(a.x), y0 = nearest(a.y);
    const int x1 = nearest(b.x), y1 = nearest(b.y);
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        pixels.emplace_back(x0, y0);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

// Pixels whose centres lie inside the contours (even-odd).
void fillContours(const std::vector<std::vector<Point>> &contours,
                  std::vector<std::pair<int, int>> &pixels) {
    double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
    for (const auto &c : contours)
        for (Point p : c) {
            x0 = std::min(x0, p.x);
            x1 = std::max(x1, p.x);
            y0 = std::min(y0, p.y);
            y1 = std::max(y1, p.y);
        }
    for (int y = int(std::floor(y0)); y <= int(std::ceil(y1)); ++y)
        for (int x = int(std::floor(x0)); x <= int(std::ceil(x1)); ++x) {
            const double cx = x + 0.5, cy = y + 0.5;
            bool inside = false;
            for (const auto &c : contours)
                for (size_t i = 0, j = c.size() - 1; i < c.size(); j = i++)
                    if ((c[i].y > cy) != (c[j].y > cy) &&
                        cx < (c[j].x - c[i].x) * (cy - c[i].y) / (c[j].y - c[i].y) + c[i].x)
                        inside = !inside;
            if (inside) pixels.emplace_back(x, y);
        }
}

struct Glyph {
    int encoding;
    int dwidth;
    Bitmap bitmap;
};

Glyph drawGlyph(const StrokeAlphabet &a, int code, int unicode, int pixels) {
    const double sx = double(pixels - 1) / a.metrics.unitsX;
    const double sy = double(pixels - 1) / a.metrics.unitsY;
    const int charIndex = code - 31;
    Glyph g{unicode, 0, {}};
    if (charIndex == 1) {
        g.dwidth = nearest(strokeBlankWidth(a.fontId) * sx);
        return g;
    }
    std::vector<std::vector<Point>> groups;
    GlyphRecordReader reader(a, charIndex);
    GlyphGroup group;
    while (reader.next(group)) {
        std::vector<Point> points;
        for (int32_t p = group.start; p < group.start + group.count; ++p) {
            const GlyphPoint gp = glyphPoint(a, p);
            points.push_back({(gp.x + group.dx) * sx, (gp.y + group.dy) * sy});
        }
        groups.push_back(points);
    }
    std::vector<std::pair<int, int>> ink;
    if (a.outline)
        fillContours(groups, ink);
    else
        for (const auto &points : groups)
            for (size_t i = 1; i < points.size(); ++i)
                drawLine(points[i - 1], points[i], ink);
    g.bitmap = toBitmap(ink);
    g.dwidth = nearest(glyphAdvanceUnits(a, charIndex) * sx) + 1;
    return g;
}

std::string hexRow(const Bitmap &b, int row) {
    std::string out;
    const int bytes = (b.width + 7) / 8;
    for (int i = 0; i < bytes; ++i) {
        int v = 0;
        for (int bit = 0; bit < 8; ++bit) {
            const int x = i * 8 + bit;
            if (x < b.width && b.bits[size_t(row * b.width + x)]) v |= 0x80 >> bit;
        }
        char hex[3];
        formatC(hex, sizeof hex, "%02X", v);
        out += hex;
    }
    return out;
}

bool writeFont(const FontFile &file, const std::string &path) {
    StrokeAlphabet a;
    if (!strokeAlphabet(int(file.font), 1, a)) return false;
    std::vector<Glyph> glyphs;
    for (int code = 32; code <= a.nchars + 31; ++code) {
        const int unicode = strokeCodeUnicode(code);
        if (unicode <= 255) glyphs.push_back(drawGlyph(a, code, unicode, file.pixels));
    }
    // An empty glyph keeps one blank pixel, as BDF wants a bitmap.
    int ascent = 0, descent = 0, bx0 = 0, bx1 = 0, widthSum = 0;
    for (Glyph &g : glyphs) {
        if (g.bitmap.width == 0) g.bitmap = toBitmap({{0, 0}}), g.bitmap.bits[0] = 0;
        ascent = std::max(ascent, g.bitmap.bottom + g.bitmap.height);
        descent = std::max(descent, -g.bitmap.bottom);
        bx0 = std::min(bx0, g.bitmap.left);
        bx1 = std::max(bx1, g.bitmap.left + g.bitmap.width);
        widthSum += g.dwidth;
    }
    FILE *fp = std::fopen(path.c_str(), "w");
    if (fp == nullptr) return false;
    const int average = int(glyphs.size()) > 0 ? widthSum * 10 / int(glyphs.size()) : 0;
    printC(fp, "STARTFONT 2.1\n");
    printC(fp, "COMMENT Drawn by data/make_bdf_fonts from the Kavlor font %s at %d pixels.\n",
           file.name[0] == 'h'   ? "helve"
           : file.name[0] == 's' ? "simplx"
                                 : "complx",
           file.pixels);
    printC(fp, "FONT -Kavlor-%s-Medium-R-Normal--%d-%d-72-72-P-%d-ISO8859-1\n", file.family,
           file.pixels, file.pixels * 10, average);
    printC(fp, "SIZE %d 72 72\n", file.pixels);
    printC(fp, "FONTBOUNDINGBOX %d %d %d %d\n", bx1 - bx0, ascent + descent, bx0, -descent);
    printC(fp, "STARTPROPERTIES 5\n");
    printC(fp, "FONT_ASCENT %d\nFONT_DESCENT %d\nDEFAULT_CHAR 32\n", ascent, descent);
    printC(fp, "CHARSET_REGISTRY \"ISO8859\"\nCHARSET_ENCODING \"1\"\nENDPROPERTIES\n");
    printC(fp, "CHARS %d\n", int(glyphs.size()));
    for (const Glyph &g : glyphs) {
        const Bitmap &b = g.bitmap;
        printC(fp, "STARTCHAR U+%04X\nENCODING %d\n", g.encoding, g.encoding);
        printC(fp, "SWIDTH %d 0\nDWIDTH %d 0\n", nearest(g.dwidth * 1000.0 / file.pixels),
               g.dwidth);
        printC(fp, "BBX %d %d %d %d\nBITMAP\n", b.width, b.height, b.left, b.bottom);
        for (int row = 0; row < b.height; ++row)
            printC(fp, "%s\n", hexRow(b, row).c_str());
        printC(fp, "ENDCHAR\n");
    }
    printC(fp, "ENDFONT\n");
    const bool ok = std::ferror(fp) == 0;
    return std::fclose(fp) == 0 && ok;
}

} // namespace

int main(int argc, char **argv) {
    std::string outDir = ".";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--out-dir") == 0 && i + 1 < argc) {
            outDir = argv[++i];
        } else {
            std::fprintf(stderr, "usage: make_bdf_fonts [--out-dir DIR]\n");
            return 2;
        }
    }
    const std::string dir = outDir + "/data/fonts";
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    for (const FontFile &file : kFiles) {
        const std::string path = dir + "/" + file.name + ".bdf";
        if (!writeFont(file, path)) {
            std::fprintf(stderr, "make_bdf_fonts: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
