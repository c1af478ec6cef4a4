// Drawing stopped after a callback failed: the two controls of the binding
// modules and the drivers that drop every mark.
#include "kernel/stopped_drawing.h"

#include <array>

#include "kernel/driver.h"
#include "kernel/record.h"
#include "kernel/record_table.h"

extern "C" void kavlor_stop_drawing(void) {
    // A thread without a record has nothing to draw with.
    if (GlobalRecord *rec = qqgglb()) rec->core.drawingStopped = true;
}

extern "C" void kavlor_resume_drawing(void) {
    if (GlobalRecord *rec = qqgglb()) rec->core.drawingStopped = false;
}

namespace {

DeviceDriver withoutMarks(DeviceDriver d) {
    d.box = [](GlobalRecord &, const DeviceBox &, int) { return true; };
    d.fillPolygon = [](GlobalRecord &, const float[], const float[], int) {};
    d.triangle = [](GlobalRecord &, const float[3], const float[3], int) { return true; };
    d.symbol = [](GlobalRecord &, int, DevicePoint, int) { return true; };
    d.frameRings = [](GlobalRecord &, int, int, int, int, int, int) { return true; };
    d.sector = [](GlobalRecord &, int, int, int, int, float, float, int) { return true; };
    d.fontCharacter = [](GlobalRecord &, int, float, float, float) {};
    d.windowCharacter = [](GlobalRecord &, int, int, int) {};
    d.pixel = [](GlobalRecord &, int, int, int) {};
    return d;
}

} // namespace

const DeviceDriver &driverWithoutMarks(DeviceFamily family) {
    static const std::array<DeviceDriver, kDeviceFamilies> drivers = [] {
        std::array<DeviceDriver, kDeviceFamilies> all;
        for (int f = 0; f < kDeviceFamilies; ++f)
            all[std::size_t(f)] = withoutMarks(deviceDriver(DeviceFamily(f)));
        return all;
    }();
    return drivers[std::size_t(family)];
}
