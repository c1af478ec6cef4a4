// Device header and scale at kavini, and the scales the drivers fit the page by.
#include "kernel/device_setup.h"

#include <algorithm>

#include "kernel/driver.h"
#include "kernel/page.h"
#include "kernel/record.h"

float rasterScale(const GlobalRecord &rec, int width, int height) {
    const PageState &page = rec.page;
    float w = float(page.nxpage), h = float(page.nypage);
    if (page.ipagmod == 1) std::swap(w, h);
    float s = std::min(float(width - 1) / w, float(height - 1) / h);
    if (page.isclmod == 0) {
        const float side = h < w ? float(width) : float(height);
        s = std::min(s, (side - 1.0f) * page.xsclfac * page.xunits / 2969.0f);
    }
    return s;
}

float paperScale(const GlobalRecord &rec, float paperW, float paperH) {
    const PageState &page = rec.page;
    const float w = float(page.nxpage), h = float(page.nypage);
    if (turnedOnPaper(page)) return std::min(paperH / w, paperW / h);
    return std::min(paperW / w, paperH / h);
}

void kavi03(GlobalRecord &rec) {
    currentDriver(rec).open(rec);
}
