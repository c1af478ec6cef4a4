// make_logos: draws the twelve logo images of the installation directory's
// zel folder, which zellogo places: logo<size>.gif (the note variant) and
// logo<size>t.gif (the text variant) for the sizes 100, 125, 150, 175, 200 and
// 300, each exactly the size of its box.
//
//     make_logos [--out-dir DIR]      (writes DIR/data/zel/logo*.gif)
//
// The design is ours: a blue panel with a white frame holding a small plot (two
// axes, a curve through fixed points, markers on it); the text variant adds a
// band with the word KAVLOR in block letters. Everything is integer
// arithmetic, so the files are the same on every machine. The pictures go
// through the library itself: image mode on a GIF device, wpixls, kavfin.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "kavlor.h"

namespace {

struct Logo {
    int size;
    int width, height;
    bool text;
};

constexpr Logo kLogos[] = {
    {100, 100, 40, false},  {125, 124, 52, false},  {150, 149, 65, false}, {175, 176, 76, false},
    {200, 200, 100, false}, {300, 300, 130, false}, {100, 100, 58, true},  {125, 124, 71, true},
    {150, 148, 82, true},   {175, 176, 96, true},   {200, 200, 120, true}, {300, 300, 170, true},
};

struct Colour {
    unsigned char r, g, b;
};

class Canvas {
  public:
    Canvas(int w, int h) : w_(w), h_(h), rgb_(std::size_t(w) * h * 3) {}
    void set(int x, int y, Colour c) {
        if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
        unsigned char *p = &rgb_[(std::size_t(y) * w_ + x) * 3];
        p[0] = c.r;
        p[1] = c.g;
        p[2] = c.b;
    }
    void box(int x1, int y1, int x2, int y2, Colour c) {
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                set(x, y, c);
    }
    // A line of the given thickness (a square pen) by integer stepping.
    void line(int x1, int y1, int x2, int y2, int pen, Colour c) {
        const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
        const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
        int error = dx + dy;
        for (;;) {
            box(x1, y1, x1 + pen - 1, y1 + pen - 1, c);
            if (x1 == x2 && y1 == y2) return;
            const int e2 = 2 * error;
            if (e2 >= dy) {
                error += dy;
                x1 += sx;
            }
            if (e2 <= dx) {
                error += dx;
                y1 += sy;
            }
        }
    }
    const unsigned char *data() const { return rgb_.data(); }

  private:
    int w_, h_;
    std::vector<unsigned char> rgb_;
};

// Block letters of 5 x 7 cells.
struct Glyph {
    char letter;
    const char *rows[7];
};
constexpr Glyph kGlyphs[] = {
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'V', {"#...#", "#...#", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
};

void word(Canvas &canvas, const char *text, int x, int y, int cell, Colour c) {
    for (const char *p = text; *p != '\0'; ++p, x += 6 * cell)
        for (const Glyph &g : kGlyphs)
            if (g.letter == *p)
                for (int row = 0; row < 7; ++row)
                    for (int col = 0; col < 5; ++col)
                        if (g.rows[row][col] == '#')
                            canvas.box(x + col * cell, y + row * cell, x + (col + 1) * cell - 1,
                                       y + (row + 1) * cell - 1, c);
}

// The plot in the rectangle x0..x1, y0..y1: axes, a curve through fixed
// points (per mille of the rectangle, y upward) and markers on it.
void plot(Canvas &canvas, int x0, int y0, int x1, int y1, int pen) {
    const Colour axis{200, 210, 230}, curve{255, 150, 30}, marker{120, 230, 200};
    canvas.line(x0, y1, x1, y1, 1, axis);
    canvas.line(x0, y0, x0, y1, 1, axis);
    static constexpr int kPoints[][2] = {{0, 80},    {120, 260}, {250, 620}, {380, 820},
                                         {520, 700}, {650, 420}, {800, 480}, {1000, 900}};
    auto at = [&](const int(&p)[2], int &x, int &y) {
        x = x0 + (x1 - x0) * p[0] / 1000;
        y = y1 - (y1 - y0) * p[1] / 1000;
    };
    for (std::size_t i = 1; i < std::size(kPoints); ++i) {
        int xa, ya, xb, yb;
        at(kPoints[i - 1], xa, ya);
        at(kPoints[i], xb, yb);
        canvas.line(xa, ya, xb, yb, pen, curve);
    }
    for (std::size_t i = 1; i < std::size(kPoints); i += 2) {
        int x, y;
        at(kPoints[i], x, y);
        canvas.box(x - pen, y - pen, x + 2 * pen - 1, y + 2 * pen - 1, marker);
    }
}

Canvas draw(const Logo &logo) {
    const int w = logo.width, h = logo.height;
    Canvas canvas(w, h);
    // A panel shading from deep blue at the top to a lighter blue.
    for (int y = 0; y < h; ++y) {
        const Colour c{static_cast<unsigned char>(16 + 24 * y / h),
                       static_cast<unsigned char>(32 + 48 * y / h),
                       static_cast<unsigned char>(96 + 64 * y / h)};
        canvas.box(0, y, w - 1, y, c);
    }
    const Colour white{255, 255, 255};
    const int pen = std::max(1, h / 60);
    const int band = logo.text ? h * 3 / 10 : 0;
    const int margin = std::max(4, h / 10);
    plot(canvas, margin, margin, w - 1 - margin, h - 1 - band - margin, pen);
    if (logo.text) {
        canvas.box(1, h - band, w - 2, h - 2, Colour{10, 20, 60});
        const int cell = std::max(1, std::min((band - 4) / 7, (w - 8) / 35));
        word(canvas, "KAVLOR", (w - 35 * cell) / 2, h - band + (band - 7 * cell) / 2, cell, white);
    }
    // The frame.
    canvas.line(0, 0, w - 1, 0, 1, white);
    canvas.line(0, h - 1, w - 1, h - 1, 1, white);
    canvas.line(0, 0, 0, h - 1, 1, white);
    canvas.line(w - 1, 0, w - 1, h - 1, 1, white);
    return canvas;
}

bool writeGif(const Logo &logo, const std::string &path) {
    const Canvas canvas = draw(logo);
    metafl("GIF");
    setfil(path.c_str());
    filmod("DELE");
    winsiz(logo.width, logo.height);
    imgfmt("RGB");
    kavini();
    errmod("PROT", "OFF");
    imgini();
    imgmod("RGB");
    wpixls(canvas.data(), 0, 0, logo.width, logo.height);
    imgfin();
    kavfin();
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    std::fclose(file);
    return true;
}

} // namespace

int main(int argc, char **argv) {
    std::string out = ".";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--out-dir") == 0 && i + 1 < argc) {
            out = argv[++i];
        } else {
            std::fprintf(stderr, "usage: make_logos [--out-dir DIR]\n");
            return 2;
        }
    }
    const std::filesystem::path folder = std::filesystem::path(out) / "data" / "zel";
    std::filesystem::create_directories(folder);
    for (const Logo &logo : kLogos) {
        const std::string name =
            "logo" + std::to_string(logo.size) + (logo.text ? "t" : "") + ".gif";
        if (!writeGif(logo, (folder / name).string())) {
            std::fprintf(stderr, "make_logos: cannot write %s\n", name.c_str());
            return 1;
        }
    }
    return 0;
}
