// The driver of every device does what the device's row promises: a device
// opens and closes its file or window, a device that fills polygons has a
// fill, a device image mode runs on shows its palette, and a device with
// fonts of its own makes and draws them.
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
        // The terminal formats have no driver.
        if (row.family == DeviceFamily::Terminal) continue;
        EXPECT_NE(d.open, kDefaults.open);
        EXPECT_NE(d.close, kDefaults.close);
        EXPECT_NE(d.pen, kDefaults.pen);
        if (row.fillsPolygons) {
            EXPECT_NE(d.fillPolygon, kDefaults.fillPolygon);
        }
        if (row.images) {
            EXPECT_NE(d.palette, kDefaults.palette);
            // A window copies its pixels itself; the others hold a memory raster.
            if (row.family != DeviceFamily::Screen) {
                EXPECT_NE(d.pixel, kDefaults.pixel);
            }
        }
        // Device fonts are made and drawn by the driver; the kernel only lays
        // out their characters.
        if (row.fonts == DeviceFonts::postScript) {
            EXPECT_NE(d.fontCharacter, kDefaults.fontCharacter);
        }
        if (row.fonts == DeviceFonts::window) {
            EXPECT_NE(d.windowFont, kDefaults.windowFont);
            EXPECT_NE(d.windowCharacter, kDefaults.windowCharacter);
        }
        // A window is opened at kavini and shown whenever the plot asks.
        if (row.family == DeviceFamily::Screen) {
            EXPECT_NE(d.flush, kDefaults.flush);
        }
    }
}

TEST(DriverContract, EachFamilyGetsItsOwnDriver) {
    const struct {
        DeviceFamily family;
        const DeviceDriver *driver;
    } cases[] = {
        {DeviceFamily::Screen, &kScreenDriver},
        {DeviceFamily::Gksl, &kGkslDriver},
        {DeviceFamily::Cgm, &kCgmDriver},
        {DeviceFamily::Wmf, &kWmfDriver},
        {DeviceFamily::Kyocera, &kKyoceraDriver},
        {DeviceFamily::Hpgl, &kHpglDriver},
        {DeviceFamily::PostScript, &kPostScriptDriver},
        {DeviceFamily::Pdf, &kPdfDriver},
        {DeviceFamily::Raster, &kRasterDriver},
        {DeviceFamily::Java, &kJavaDriver},
        {DeviceFamily::Svg, &kSvgDriver},
    };
    for (const auto &c : cases)
        EXPECT_EQ(&deviceDriver(c.family), c.driver) << int(c.family);
    // No device and the terminal formats: every entry its default.
    for (const DeviceFamily family : {DeviceFamily::None, DeviceFamily::Terminal})
        EXPECT_EQ(deviceDriver(family).pen, kDefaults.pen) << int(family);
}

} // namespace
