// Rendering vector files with the readers Debian ships, and comparing pixels.
#include "tests/support/rendered_image.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <gtest/gtest.h>

#include "devices/raster_pixels.h"
#include "tests/support/c_program.h"
#include "tests/support/temp_dir.h"

bool RgbImage::ink(int x, int y) const {
    const unsigned char *p = at(x, y);
    return p[0] < 200 || p[1] < 200 || p[2] < 200;
}

RgbImage RgbImage::turnedRight() const {
    RgbImage out;
    out.width = height;
    out.height = width;
    out.rgb.resize(rgb.size());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int nx = height - 1 - y, ny = x;
            const unsigned char *p = at(x, y);
            unsigned char *q = &out.rgb[(std::size_t(ny) * out.width + nx) * 3];
            q[0] = p[0];
            q[1] = p[1];
            q[2] = p[2];
        }
    return out;
}

RgbImage RgbImage::crop(int x0, int y0, int w, int h) const {
    RgbImage out;
    out.width = w;
    out.height = h;
    out.rgb.assign(std::size_t(w) * h * 3, 255);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (x + x0 < 0 || y + y0 < 0 || x + x0 >= width || y + y0 >= height) continue;
            const unsigned char *p = at(x + x0, y + y0);
            unsigned char *q = &out.rgb[(std::size_t(y) * w + x) * 3];
            q[0] = p[0];
            q[1] = p[1];
            q[2] = p[2];
        }
    return out;
}

RgbImage rasterPixels(GlobalRecord &rec, int x, int y, int w, int h) {
    RgbImage image{w, h, std::vector<unsigned char>(std::size_t(w) * h * 3)};
    qqvrdr(rec, image.rgb.data(), x, y, w, h, kPixelValuesRgb);
    return image;
}

void writePpm(const RgbImage &image, const std::string &path) {
    std::string data =
        "P6\n" + std::to_string(image.width) + " " + std::to_string(image.height) + "\n255\n";
    data.append(image.rgb.begin(), image.rgb.end());
    writeFile(path, data);
}

void PrintTo(const RgbImage &image, std::ostream *os) {
    *os << image.width << "x" << image.height << " image";
    for (std::size_t i = 0; i < image.rgb.size() && i < 24; i += 3)
        *os << " (" << int(image.rgb[i]) << "," << int(image.rgb[i + 1]) << ","
            << int(image.rgb[i + 2]) << ")";
}

namespace {

// The next header number, skipping blanks and comments (ghostscript writes one).
bool headerNumber(const std::string &bytes, std::size_t &pos, int &value) {
    for (;;) {
        while (pos < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[pos])))
            ++pos;
        if (pos < bytes.size() && bytes[pos] == '#') {
            while (pos < bytes.size() && bytes[pos] != '\n')
                ++pos;
            continue;
        }
        break;
    }
    if (pos >= bytes.size() || !std::isdigit(static_cast<unsigned char>(bytes[pos]))) return false;
    value = 0;
    while (pos < bytes.size() && std::isdigit(static_cast<unsigned char>(bytes[pos])))
        value = value * 10 + (bytes[pos++] - '0');
    return true;
}

} // namespace

bool parsePnm(const std::string &bytes, RgbImage &image) {
    if (bytes.size() < 2 || bytes[0] != 'P') return false;
    const char kind = bytes[1];
    std::size_t pos = 2;
    int maxval = 1;
    if (!headerNumber(bytes, pos, image.width) || !headerNumber(bytes, pos, image.height))
        return false;
    if (kind != '4' && (!headerNumber(bytes, pos, maxval) || maxval != 255)) return false;
    ++pos; // the single blank after the header
    const std::size_t pixels = static_cast<std::size_t>(image.width) * image.height;
    image.rgb.assign(pixels * 3, 0);
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data()) + pos;
    const std::size_t available = bytes.size() - pos;
    if (kind == '6') {
        if (available < pixels * 3) return false;
        std::copy(data, data + pixels * 3, image.rgb.begin());
    } else if (kind == '5') {
        if (available < pixels) return false;
        for (std::size_t i = 0; i < pixels; ++i)
            image.rgb[3 * i] = image.rgb[3 * i + 1] = image.rgb[3 * i + 2] = data[i];
    } else if (kind == '4') {
        const std::size_t rowBytes = (static_cast<std::size_t>(image.width) + 7) / 8;
        if (available < rowBytes * image.height) return false;
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x) {
                const bool black = data[y * rowBytes + x / 8] & (0x80 >> (x % 8));
                const std::size_t i = 3 * (static_cast<std::size_t>(y) * image.width + x);
                image.rgb[i] = image.rgb[i + 1] = image.rgb[i + 2] = black ? 0 : 255;
            }
    } else {
        return false;
    }
    return true;
}

RgbImage readPpm(const std::string &path) {
    RgbImage image;
    if (!parsePnm(readFile(path), image)) return {};
    return image;
}

int runCommand(const std::string &command, std::string *output) {
    const ProgramRun run = runShell(command + " 2>&1");
    if (output != nullptr) *output = run.out;
    return run.status;
}

RgbImage renderPdf(const std::string &pdf, double dpi) {
    const TempDir scratch;
    char command[1024];
    std::snprintf(command, sizeof command, "pdftoppm -r %.4f -singlefile '%s' '%s/page'", dpi,
                  pdf.c_str(), scratch.path().c_str());
    if (runCommand(command) != 0) return {};
    return readPpm(scratch.file("page.ppm"));
}

RgbImage renderPostScript(const std::string &ps, double dpi, bool epsCrop, std::string *log) {
    const TempDir scratch;
    char command[1024];
    std::snprintf(
        command, sizeof command,
        "gs -q -dSAFER -dBATCH -dNOPAUSE %s -sDEVICE=ppmraw -r%.4f -sOutputFile='%s' '%s'",
        epsCrop ? "-dEPSCrop" : "", dpi, scratch.file("page.ppm").c_str(), ps.c_str());
    std::string text;
    const int status = runCommand(command, &text);
    if (log != nullptr) *log = text;
    if (status != 0) return {};
    return readPpm(scratch.file("page.ppm"));
}

RgbImage renderSvg(const std::string &svg, double zoom) {
    const TempDir scratch;
    const std::string png = scratch.file("page.png");
    char command[1024];
    std::snprintf(command, sizeof command,
                  "rsvg-convert -z %.6f -b white -o '%s' '%s' && pngtopnm '%s' > '%s'", zoom,
                  png.c_str(), svg.c_str(), png.c_str(), scratch.file("page.ppm").c_str());
    if (runCommand(command) != 0) return {};
    return readPpm(scratch.file("page.ppm"));
}

RgbImage decodeWith(const std::string &command, const std::string &file, const std::string &after) {
    const ProgramRun run = runShell(command + " '" + file + "' " + after);
    EXPECT_EQ(run.status, 0) << command << " " << file << ": " << run.err;
    RgbImage image;
    EXPECT_TRUE(parsePnm(run.out, image)) << command << " " << file << " gave no PNM";
    return image;
}

std::string differences(const RgbImage &a, const RgbImage &b) {
    if (a.width != b.width || a.height != b.height)
        return "sizes " + std::to_string(a.width) + "x" + std::to_string(a.height) + " and " +
               std::to_string(b.width) + "x" + std::to_string(b.height);
    std::string list;
    int count = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            const unsigned char *p = a.at(x, y), *q = b.at(x, y);
            if (p[0] == q[0] && p[1] == q[1] && p[2] == q[2]) continue;
            if (++count <= 8)
                list += " " + std::to_string(x) + "," + std::to_string(y) + ": " +
                        std::to_string(p[0]) + " " + std::to_string(p[1]) + " " +
                        std::to_string(p[2]) + " / " + std::to_string(q[0]) + " " +
                        std::to_string(q[1]) + " " + std::to_string(q[2]);
        }
    return count == 0 ? "" : std::to_string(count) + " pixels differ:" + list;
}

double unmatchedInk(const RgbImage &a, const RgbImage &b, int radius) {
    long ink = 0, unmatched = 0;
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            if (!a.ink(x, y)) continue;
            ++ink;
            bool found = false;
            for (int dy = -radius; dy <= radius && !found; ++dy)
                for (int dx = -radius; dx <= radius && !found; ++dx) {
                    const int bx = x + dx, by = y + dy;
                    found = bx >= 0 && by >= 0 && bx < b.width && by < b.height && b.ink(bx, by);
                }
            if (!found) ++unmatched;
        }
    }
    return ink == 0 ? 0.0 : double(unmatched) / double(ink);
}
