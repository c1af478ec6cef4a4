// The memory raster: page, colours, lines, rectangles, symbols and triangles.
#include "devices/memory_raster.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

#include "devices/driver_record.h"
#include "devices/nearest_colour.h"
#include "kernel/colour_value.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

DriverRecord *rasterDriver(GlobalRecord &rec) {
    DriverRecord *driver = rec.dev.pdriver.get();
    return driver != nullptr && driver->praster ? driver : nullptr;
}

void clearPage(DriverRecord &driver) {
    const std::uint8_t fill = driver.ibgmode == 2 && driver.itruecol == 1 ? 255 : 0;
    std::memset(driver.praster.get(), fill,
                static_cast<std::size_t>(driver.nrowbytes) *
                    static_cast<std::size_t>(driver.nheight));
}

// The page ends: its memory is kept as the spare page, in place of the last.
void keepPage(DriverRecord &driver) {
    if (!driver.praster) return;
    driver.psparepage = std::move(driver.praster);
    driver.nsparebytes =
        static_cast<std::size_t>(driver.nrowbytes) * static_cast<std::size_t>(driver.nheight);
}

// Memory for a page of n bytes: the spare page when it has that size.
std::unique_ptr<std::uint8_t[]> takePage(DriverRecord &driver, std::size_t n) {
    if (driver.psparepage && driver.nsparebytes == n) {
        driver.nsparebytes = 0;
        return std::move(driver.psparepage);
    }
    driver.psparepage.reset(); // a page of another size: the memory goes back
    driver.nsparebytes = 0;
    return std::unique_ptr<std::uint8_t[]>(new (std::nothrow) std::uint8_t[n]);
}

PixelValue currentPixel(const DriverRecord &driver) {
    PixelValue v;
    if (driver.itruecol == 1) {
        v.bytes[0] = static_cast<std::uint8_t>(driver.icurred);
        v.bytes[1] = driver.icurgreen;
        v.bytes[2] = driver.icurblue;
    } else {
        v.bytes[0] = static_cast<std::uint8_t>(driver.icolor);
    }
    return v;
}

} // namespace

PixelSurface rasterSurface(const DriverRecord &driver) {
    PixelSurface s;
    if (!driver.praster) return s;
    s.bits = driver.praster.get();
    s.width = driver.nwidth;
    s.height = driver.nheight;
    s.rowBytes = driver.nrowbytes;
    s.bytesPerPixel = driver.itruecol == 1 ? 3 : 1;
    return s;
}

PixelValue rasterPixel(const DriverRecord &driver, int colour) {
    PixelValue v;
    if (driver.itruecol == 1) {
        if (isExplicitColour(colour)) {
            v.bytes[0] = static_cast<std::uint8_t>(rgbRed(colour));
            v.bytes[1] = static_cast<std::uint8_t>(rgbGreen(colour));
            v.bytes[2] = static_cast<std::uint8_t>(rgbBlue(colour));
        } else {
            const int n = colourNumber(colour);
            v.bytes[0] = driver.red[n];
            v.bytes[1] = driver.green[n];
            v.bytes[2] = driver.blue[n];
        }
    } else {
        v.bytes[0] = static_cast<std::uint8_t>(
            isExplicitColour(colour)
                ? qqgind(driver, rgbRed(colour), rgbGreen(colour), rgbBlue(colour))
                : colourNumber(colour));
    }
    return v;
}

void qqvini(GlobalRecord &rec, int pageWidth, int pageHeight, int &width, int &height,
            int sizeGiven, int bgmode, int pixelMode, int &status) {
    status = 0;
    DriverRecord *driver = driverRecord(rec);
    if (driver == nullptr) {
        status = 1;
        return;
    }
    driver->itruecol = pixelMode == kPixelModeRgb ? 1 : 0;
    driver->ibgmode = static_cast<std::uint8_t>(bgmode);
    if (sizeGiven != 1) {
        width = pageWidth <= pageHeight ? 603 : 853;
        height = pageWidth <= pageHeight ? 853 : 603;
    }
    const long long rowBytes = static_cast<long long>(width) * (driver->itruecol == 1 ? 3 : 1);
    keepPage(*driver);
    // Rows and the page are addressed with int sizes: a page beyond them
    // (a size read from an included file, say) is refused like a lack of memory.
    if (width < 1 || height < 1 || rowBytes > INT_MAX / height) {
        driver->nwidth = driver->nheight = driver->nrowbytes = 0;
        status = 1;
        return;
    }
    driver->nwidth = width;
    driver->nheight = height;
    driver->nrowbytes = static_cast<int>(rowBytes);
    driver->praster = takePage(*driver, static_cast<std::size_t>(driver->nrowbytes) *
                                            static_cast<std::size_t>(height));
    if (!driver->praster) {
        status = 1;
        return;
    }
    clearPage(*driver);
    driver->nclip[0] = 0;
    driver->nclip[1] = 0;
    driver->nclip[2] = width - 1;
    driver->nclip[3] = height - 1;
}

std::uint8_t *qqvptr(GlobalRecord &rec) {
    DriverRecord *driver = rec.dev.pdriver.get();
    return driver != nullptr ? driver->praster.get() : nullptr;
}

void qqvers(GlobalRecord &rec) {
    if (DriverRecord *driver = rasterDriver(rec)) clearPage(*driver);
}

void qqvclr(GlobalRecord &rec, int colour) {
    DriverRecord *driver = rec.dev.pdriver.get();
    if (driver == nullptr) return;
    if (!isExplicitColour(colour)) {
        const int n = colourNumber(colour);
        driver->icolor = n;
        driver->icurred = driver->red[n];
        driver->icurgreen = driver->green[n];
        driver->icurblue = driver->blue[n];
        return;
    }
    driver->icurred = rgbRed(colour);
    driver->icurgreen = static_cast<std::uint8_t>(rgbGreen(colour));
    driver->icurblue = static_cast<std::uint8_t>(rgbBlue(colour));
    if (driver->itruecol == 1) return;
    const int n = qqgind(*driver, rgbRed(colour), rgbGreen(colour), rgbBlue(colour));
    driver->icolor = n;
    driver->icurred = driver->red[n];
    driver->icurgreen = driver->green[n];
    driver->icurblue = driver->blue[n];
}

void qqvvlt(GlobalRecord &rec, int kind, const int *values) {
    DriverRecord *driver = driverRecord(rec);
    if (driver == nullptr || values == nullptr) return;
    driver->ivltkind = kind;
    const int count = lastColourEntry(kind) + 1;
    for (int i = 0; i < count; ++i) {
        driver->red[i] = static_cast<std::uint8_t>(tableRed(values[i]));
        driver->green[i] = static_cast<std::uint8_t>(tableGreen(values[i]));
        driver->blue[i] = static_cast<std::uint8_t>(tableBlue(values[i]));
    }
}

void qqvfin(GlobalRecord &rec) {
    if (DriverRecord *driver = rec.dev.pdriver.get()) keepPage(*driver);
}

void qqvlin(GlobalRecord &rec, int x1, int y1, int x2, int y2) {
    const DriverRecord *driver = rasterDriver(rec);
    if (driver == nullptr) return;
    drawLine(rasterSurface(*driver), x1, y1, x2, y2, currentPixel(*driver));
}

void qqvlines(GlobalRecord &rec, const int *x, const int *y, int n) {
    const DriverRecord *driver = rasterDriver(rec);
    if (driver == nullptr || n < 2) return;
    const PixelSurface surface = rasterSurface(*driver);
    const PixelValue pixel = currentPixel(*driver);
    for (int i = 1; i < n; ++i)
        drawLine(surface, x[i - 1], y[i - 1], x[i], y[i], pixel);
}

void qqvfll(GlobalRecord &rec, int x1, int y1, int x2, int y2, int colour) {
    const DriverRecord *driver = rasterDriver(rec);
    if (driver == nullptr) return;
    fillRect(rasterSurface(*driver), x1, y1, x2, y2, rasterPixel(*driver, colour));
}

void qqvsym(GlobalRecord &rec, int n, int x, int y, int size) {
    if (rasterDriver(rec) == nullptr) return;
    const int r = size / 2;
    const int h = r / 2;
    auto polyline = [&](std::initializer_list<std::pair<int, int>> points) {
        int px[9], py[9], count = 0;
        for (const auto &[dx, dy] : points) {
            px[count] = x + dx;
            py[count] = y + dy;
            ++count;
        }
        qqvlines(rec, px, py, count);
    };
    auto plus = [&] {
        polyline({{-r, 0}, {r, 0}});
        polyline({{0, -r}, {0, r}});
    };
    auto cross = [&] {
        polyline({{-r, -r}, {r, r}});
        polyline({{-r, r}, {r, -r}});
    };
    auto square = [&] { polyline({{-r, -r}, {r, -r}, {r, r}, {-r, r}, {-r, -r}}); };
    auto octagon = [&] {
        polyline(
            {{-h, -r}, {h, -r}, {r, -h}, {r, h}, {h, r}, {-h, r}, {-r, h}, {-r, -h}, {-h, -r}});
    };
    auto triangleUp = [&] { polyline({{0, -r}, {r, r}, {-r, r}, {0, -r}}); };
    auto triangleDown = [&] { polyline({{0, r}, {-r, -r}, {r, -r}, {0, r}}); };
    auto diamond = [&] { polyline({{0, -r}, {r, 0}, {0, r}, {-r, 0}, {0, -r}}); };
    switch (n) {
    case 0: square(); break;
    case 1: octagon(); break;
    case 2: triangleUp(); break;
    case 3: plus(); break;
    case 4: cross(); break;
    case 5: diamond(); break;
    case 6: triangleDown(); break;
    case 7:
        square();
        cross();
        break;
    case 8:
        plus();
        cross();
        break;
    case 9:
        plus();
        diamond();
        break;
    case 10:
        plus();
        octagon();
        break;
    case 11:
        triangleUp();
        triangleDown();
        break;
    case 12:
        plus();
        square();
        break;
    case 13:
        cross();
        octagon();
        break;
    case 14:
        square();
        triangleUp();
        break;
    case 16: square(); break;
    case 17: octagon(); break;
    case 18: triangleUp(); break;
    case 19: diamond(); break;
    case 20: triangleDown(); break;
    default: break; // 15 and 21..23 (circles) draw nothing on the raster
    }
}

void qqvftr(GlobalRecord &rec, const int *x, const int *y, const int *colours) {
    DriverRecord *driver = rasterDriver(rec);
    if (driver == nullptr) return;
    qqvclr(rec, colours[0]);
    qqvlin(rec, x[0], y[0], x[1], y[1]);
    qqvlin(rec, x[1], y[1], x[2], y[2]);
    qqvlin(rec, x[2], y[2], x[0], y[0]);

    // Corners by row: top, middle, bottom.
    int order[3] = {0, 1, 2};
    std::stable_sort(order, order + 3, [&](int a, int b) { return y[a] < y[b]; });
    const int x1 = x[order[0]], y1 = y[order[0]];
    const int x2 = x[order[1]], y2 = y[order[1]];
    const int x3 = x[order[2]], y3 = y[order[2]];

    const PixelSurface surface = rasterSurface(*driver);
    const PixelValue pixel = currentPixel(*driver);
    if (y1 == y3) {
        fillSpan(surface, y1, std::min({x1, x2, x3}), std::max({x1, x2, x3}), pixel);
        return;
    }
    // Edge positions are carried as floats from row to row, drawn or not, and
    // become columns by adding 0.5 and truncating.
    auto column = [](float v) { return truncToInt(v + 0.5f); };
    auto span = [&](int row, float xa, float xb) {
        if (row < 0 || row >= surface.height) return;
        const int a = column(xa), b = column(xb);
        if (std::max(a, b) < 0 || std::min(a, b) >= surface.width) return;
        fillSpan(surface, row, a, b, pixel);
    };
    const float longSlope = static_cast<float>(x3 - x1) / static_cast<float>(y3 - y1);
    float xa = static_cast<float>(x1);
    float xb = static_cast<float>(x2);
    int row = y2;
    if (y1 != y2) {
        const float upperSlope = static_cast<float>(x2 - x1) / static_cast<float>(y2 - y1);
        xb = static_cast<float>(x1);
        for (row = y1; row <= y2; ++row) {
            span(row, xa, xb);
            xa += longSlope;
            xb += upperSlope;
        }
        xb = static_cast<float>(x2);
    }
    if (y3 == y2) return;
    const float lowerSlope = static_cast<float>(x3 - x2) / static_cast<float>(y3 - y2);
    if (y1 != y2) xb += lowerSlope; // the lower edge starts one row below the middle corner
    for (; row <= y3; ++row) {
        span(row, xa, xb);
        xa += longSlope;
        xb += lowerSlope;
    }
}
