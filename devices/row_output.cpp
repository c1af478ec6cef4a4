// qqprow: one decoded row, cut to the picture's limits.
#include "devices/image_readers.h"

void qqprow(GlobalRecord &rec, const std::uint8_t *row, int x, int y, int n, int right, int bottom,
            int mode, const PixelDriver &pixels) {
    if (y < 0 || y >= bottom || x >= right || n <= 0) return;
    const int size = mode == kPixelValuesRgb ? 3 : 1;
    long long first = x, count = n;
    if (first < 0) {
        row += (-first) * size;
        count += first;
        first = 0;
    }
    if (first + count > right) count = right - first;
    if (count <= 0 || pixels.writeRow == nullptr) return;
    pixels.writeRow(rec, row, static_cast<int>(first), y, static_cast<int>(count), mode);
}
