// Nearest colour number in the DriverRecord's table.
#include "devices/nearest_colour.h"

#include <cstdlib>

#include "devices/driver_record.h"

int lastColourEntry(int ivltkind) {
    if (ivltkind == kColourTableSmall) return 8;
    if (ivltkind == kColourTableVga) return 15;
    return 255;
}

int qqgind(const DriverRecord &driver, int red, int green, int blue) {
    const int last = lastColourEntry(driver.ivltkind);
    auto entryIs = [&](int i, int r, int g, int b) {
        return driver.red[i] == r && driver.green[i] == g && driver.blue[i] == b;
    };
    for (const int level : {0, 255}) {
        if (red != level || green != level || blue != level) continue;
        if (entryIs(0, level, level, level)) return 0;
        if (entryIs(last, level, level, level)) return last;
    }
    int best = 0;
    int bestDistance = 1000;
    const int first = blue > 0 ? 0 : last;
    const int step = blue > 0 ? 1 : -1;
    for (int i = first; i >= 0 && i <= last; i += step) {
        const int distance = std::abs(red - driver.red[i]) + std::abs(green - driver.green[i]) +
                             std::abs(blue - driver.blue[i]);
        if (distance == 0) return i;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}
