// Opening and closing the z-buffer: qqzbuf and the public zbfini, zbffin.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <new>

#include "devices/driver_record.h"
#include "devices/image_mode.h"
#include "graphics3d/zbuffer.h"
#include "kavlor.h"
#include "kernel/devices.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

// Farther than any depth a picture holds.
constexpr float kFarthest = 2.0f;

void openDepths(GlobalRecord &rec, int &status) {
    DriverRecord *driver = rec.dev.pdriver.get();
    if (driver != nullptr && driver->izbfact == 1) {
        status = kZBufferInUse;
        return;
    }
    status = kZBufferNoMemory;
    // A drawing area that a buffer of this size cannot address is refused
    // like a lack of memory.
    if (driver == nullptr || driver->nwidth < 1 || driver->nheight < 1) return;
    const auto width = static_cast<std::size_t>(driver->nwidth);
    const auto height = static_cast<std::size_t>(driver->nheight);
    if (width > static_cast<std::size_t>(PTRDIFF_MAX) / sizeof(float) / height) return;
    const std::size_t count = width * height;
    driver->pzbuf.reset(new (std::nothrow) float[count]);
    if (!driver->pzbuf) return;
    std::fill(driver->pzbuf.get(), driver->pzbuf.get() + count, kFarthest);
    driver->nzbwidth = driver->nwidth;
    driver->nzbheight = driver->nheight;
    driver->izbfact = 1;
    status = kZBufferDone;
}

void closeDepths(GlobalRecord &rec, int &status) {
    DriverRecord *driver = rec.dev.pdriver.get();
    if (driver == nullptr || driver->izbfact != 1) {
        status = kZBufferInUse;
        return;
    }
    driver->pzbuf.reset();
    driver->izbfact = 0;
    driver->nzbwidth = driver->nzbheight = 0;
    status = kZBufferDone;
}

} // namespace

void qqzbuf(GlobalRecord &rec, int mode, int &status) {
    if (mode == 0)
        openDepths(rec, status);
    else
        closeDepths(rec, status);
}

extern "C" int zbfini(void) {
    GlobalRecord *recp = jqqlev(1, 3, "zbfini");
    if (recp == nullptr) return kZBufferNoMemory;
    GlobalRecord &rec = *recp;
    if (!drawsPixels(rec.core.idevice)) {
        warnin(Warning::incompatibleDevice);
        return kZBufferNoMemory;
    }
    int status = kZBufferDone;
    qqzbuf(rec, 0, status);
    if (status == kZBufferNoMemory) {
        warnin(Warning::noMemory);
        return status;
    }
    if (status == kZBufferInUse) {
        qqserr("z-buffer is already in use");
        warnin(Warning::ownText);
        return status;
    }
    // The rasterisers write straight into the picture's pixels. Image mode
    // that the caller has on already serves as it is; when it cannot be
    // had (with its own warning), the buffer would have nothing to draw into.
    if (rec.img.iimgini != 1 && !startImageMode(rec)) {
        qqzbuf(rec, 1, status);
        return kZBufferNoMemory;
    }
    rec.zbuf.izbuf = 1;
    return kZBufferDone;
}

extern "C" void zbffin(void) {
    GlobalRecord *recp = jqqlev(1, 3, "zbffin");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    if (!drawsPixels(rec.core.idevice)) {
        warnin(Warning::incompatibleDevice);
        return;
    }
    int status = kZBufferDone;
    qqzbuf(rec, 1, status);
    if (status != kZBufferDone) {
        qqserr("no initialization of z-buffer");
        warnin(Warning::ownText);
        return;
    }
    if (rec.img.iimgini == 1) endImageMode(rec);
    rec.zbuf.izbuf = 0;
}
