// Pictures as RGB pixels: the memory raster read back, vector files rendered
// and raster files decoded by real readers (poppler, ghostscript, librsvg,
// netpbm, ImageMagick), and their comparison.
#pragma once
#include <ostream>
#include <string>
#include <vector>

struct GlobalRecord;

struct RgbImage {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb; // rows top down

    bool valid() const { return width > 0 && height > 0; }
    const unsigned char *at(int x, int y) const { return &rgb[(std::size_t(y) * width + x) * 3]; }
    // True when the pixel is clearly not white.
    bool ink(int x, int y) const;
    // The image turned a quarter clockwise: a landscape drawing on portrait
    // PostScript paper (page x upwards, page y to the right) upright again.
    RgbImage turnedRight() const;
    // The part from (x, y) of width w and height h.
    RgbImage crop(int x, int y, int w, int h) const;
    bool operator==(const RgbImage &) const = default;
};

// Shown by GoogleTest as the size and the first pixels.
void PrintTo(const RgbImage &image, std::ostream *os);

// Parses binary PBM (P4, bit 1 black), PGM (P5) or PPM (P6) with maxval 255;
// false when the bytes are none of them.
bool parsePnm(const std::string &bytes, RgbImage &image);

// The w x h pixels from (x, y) of the record's memory raster.
RgbImage rasterPixels(GlobalRecord &rec, int x, int y, int w, int h);

// Writes a binary PPM (to look at a picture that failed a comparison).
void writePpm(const RgbImage &image, const std::string &path);

// Reads a binary PPM (P6, maxval 255); an empty image when it cannot.
RgbImage readPpm(const std::string &path);

// Renders page 1 of a PDF with pdftoppm at dpi.
RgbImage renderPdf(const std::string &pdf, double dpi);
// Renders a PostScript file with ghostscript at dpi; EPS files cropped to
// their bounding box. log receives ghostscript's output.
RgbImage renderPostScript(const std::string &ps, double dpi, bool epsCrop,
                          std::string *log = nullptr);
// Renders an SVG file with rsvg-convert, scaled by zoom.
RgbImage renderSvg(const std::string &svg, double zoom);

// The picture a command decodes a file into (the command writes PNM on its
// standard output; the file name follows the command, then after); fails the
// test when the command fails or writes no PNM.
RgbImage decodeWith(const std::string &command, const std::string &file,
                    const std::string &after = "");

// Where two pictures of the same size differ: the count of pixels and the
// first few, as "x,y: r g b / r g b"; empty when they are equal.
std::string differences(const RgbImage &a, const RgbImage &b);

// The share of the ink pixels of a that have no ink pixel in b within radius
// pixels (0 when all have one). Colours are compared where areas are filled,
// since readers blend the edges of thin lines differently.
double unmatchedInk(const RgbImage &a, const RgbImage &b, int radius);

// Runs a shell command, returning its exit status and (stdout and stderr) output.
int runCommand(const std::string &command, std::string *output = nullptr);
