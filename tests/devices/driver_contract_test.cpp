// The driver of every device does what the device's row promises: a file
// device opens and closes its file, a device that fills polygons has a fill,
// and a device image mode runs on shows its raster's pixels and palette.
#include <gtest/gtest.h>

#include "devices/device_drivers.h"
#include "kernel/devices.h"
#include "kernel/driver.h"

namespace {

const DeviceDriver kDefaults{};

TEST(DriverContract, EveryRowHasTheEntriesItsFactsNeed) {
    for (const DeviceFacts &row : device_table::kDevices) {
        SCOPED_TRACE(std::string(row.keyword));
        const DeviceDriver &d = deviceDriver(row.family);
        // The screen driver brings its own drawing; the terminal formats have
        // no driver.
        if (row.family == DeviceFamily::Screen || row.family == DeviceFamily::Terminal) continue;
        EXPECT_NE(d.open, kDefaults.open);
        EXPECT_NE(d.close, kDefaults.close);
        EXPECT_NE(d.pen, kDefaults.pen);
        if (row.fillsPolygons) {
            EXPECT_NE(d.fillPolygon, kDefaults.fillPolygon);
        }
        if (row.images) {
            EXPECT_NE(d.pixel, kDefaults.pixel);
            EXPECT_NE(d.palette, kDefaults.palette);
        }
    }
}

} // namespace
