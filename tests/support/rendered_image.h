// Pictures of vector files rendered by real readers (poppler, ghostscript,
// librsvg) as RGB pixels, and their comparison.
#pragma once
#include <string>
#include <vector>

struct RgbImage {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;  // rows top down

    bool valid() const { return width > 0 && height > 0; }
    const unsigned char *at(int x, int y) const { return &rgb[(std::size_t(y) * width + x) * 3]; }
    // True when the pixel is clearly not white.
    bool ink(int x, int y) const;
    // The image turned a quarter clockwise: a landscape drawing on portrait
    // PostScript paper (page x upwards, page y to the right) upright again.
    RgbImage turnedRight() const;
    // The part from (x, y) of width w and height h.
    RgbImage crop(int x, int y, int w, int h) const;
};

// Writes a binary PPM (to look at a picture that failed a comparison).
void writePpm(const RgbImage &image, const std::string &path);

// Reads a binary PPM (P6, maxval 255).
RgbImage readPpm(const std::string &path);

// Renders page 1 of a PDF with pdftoppm at dpi.
RgbImage renderPdf(const std::string &pdf, double dpi);
// Renders a PostScript file with ghostscript at dpi; EPS files cropped to
// their bounding box. log receives ghostscript's output.
RgbImage renderPostScript(const std::string &ps, double dpi, bool epsCrop, std::string *log = nullptr);
// Renders an SVG file with rsvg-convert, scaled by zoom.
RgbImage renderSvg(const std::string &svg, double zoom);

// The share of the ink pixels of a that have no ink pixel in b within radius
// pixels (0 when all have one). Colours are compared where areas are filled,
// since readers blend the edges of thin lines differently.
double unmatchedInk(const RgbImage &a, const RgbImage &b, int radius);

// Runs a shell command, returning its exit status and (stdout and stderr) output.
int runCommand(const std::string &command, std::string *output = nullptr);
