// The table of drivers by family: the one place where the kernel's families
// meet the writers of this folder.
#include "devices/device_drivers.h"

namespace {
// No device yet, and the terminal formats, which have no driver of their
// own: every entry does its default.
const DeviceDriver kNoDriver{};
} // namespace

// In the order of DeviceFamily.
const DeviceDriver *const kDriverOfFamily[kDeviceFamilies] = {
    &kNoDriver,         // None
    &kScreenDriver,     // Screen
    &kNoDriver,         // Terminal
    &kGkslDriver,       // Gksl
    &kCgmDriver,        // Cgm
    &kWmfDriver,        // Wmf
    &kKyoceraDriver,    // Kyocera
    &kHpglDriver,       // Hpgl
    &kPostScriptDriver, // PostScript
    &kPdfDriver,        // Pdf
    &kRasterDriver,     // Raster
    &kJavaDriver,       // Java
    &kSvgDriver,        // Svg
};
static_assert(int(DeviceFamily::Terminal) == 2 && int(DeviceFamily::PostScript) == 8 &&
                  int(DeviceFamily::Svg) == kDeviceFamilies - 1,
              "the drivers are listed in the order of DeviceFamily");
