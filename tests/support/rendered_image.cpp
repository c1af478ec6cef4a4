// Rendering vector files with the readers Debian ships, and comparing pixels.
#include "tests/support/rendered_image.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>

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

void writePpm(const RgbImage &image, const std::string &path) {
    std::string data = "P6\n" + std::to_string(image.width) + " " + std::to_string(image.height) + "\n255\n";
    data.append(image.rgb.begin(), image.rgb.end());
    writeFile(path, data);
}

RgbImage readPpm(const std::string &path) {
    RgbImage image;
    const std::string data = readFile(path);
    // The header's fields, skipping comment lines (ghostscript writes one).
    int fields[3] = {0, 0, 0};
    std::size_t at = 2;
    if (data.compare(0, 2, "P6") != 0) return image;
    for (int &field : fields) {
        while (at < data.size() && (std::isspace(static_cast<unsigned char>(data[at])) || data[at] == '#')) {
            if (data[at] == '#')
                at = data.find('\n', at);
            else
                ++at;
        }
        if (at >= data.size()) return image;
        field = std::atoi(data.c_str() + at);
        while (at < data.size() && std::isdigit(static_cast<unsigned char>(data[at]))) ++at;
    }
    const int w = fields[0], h = fields[1];
    if (fields[2] != 255) return image;
    const std::size_t start = at + 1;
    if (data.size() < start + std::size_t(w) * h * 3) return image;
    image.width = w;
    image.height = h;
    image.rgb.assign(data.begin() + long(start), data.begin() + long(start + std::size_t(w) * h * 3));
    return image;
}

int runCommand(const std::string &command, std::string *output) {
    std::string text;
    FILE *pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return -1;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) text += buffer;
    const int status = pclose(pipe);
    if (output != nullptr) *output = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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
    std::snprintf(command, sizeof command,
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
                  "rsvg-convert -z %.6f -b white -o '%s' '%s' && pngtopnm '%s' > '%s'", zoom, png.c_str(),
                  svg.c_str(), png.c_str(), scratch.file("page.ppm").c_str());
    if (runCommand(command) != 0) return {};
    return readPpm(scratch.file("page.ppm"));
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
