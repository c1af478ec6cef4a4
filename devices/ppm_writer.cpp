// PPM writer: "P6", the size, 255, and the R, G, B bytes, rows top first.
#include "devices/raster_source.h"
#include "kernel/c_format.h"

void qqpppm(GlobalRecord &rec, FILE *file, const RasterFileRequest &request, int &status) {
    RasterPixels pixels;
    status = pixels.take(rec, request, kPixelValuesRgb, 3);
    if (status != kRasterDone) return;
    ByteSink out(file);
    char header[64];
    formatC(header, sizeof header, "P6\n%d %d\n255\n", pixels.width(), pixels.height());
    out.text(header);
    for (int y = 0; y < pixels.height(); ++y)
        out.write(pixels.row(y), static_cast<std::size_t>(pixels.width()) * 3);
    out.flush();
    status = out.failed() ? kRasterFileError : kRasterDone;
}
