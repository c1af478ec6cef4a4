// The table of drivers by family: the one place where the kernel's families
// meet the writers of this folder.
#include "devices/device_drivers.h"

namespace {
// No device yet, and the terminal formats, which have no driver of their
// own: every entry does its default.
const DeviceDriver kNoDriver{};
} // namespace

const DeviceDriver &deviceDriver(DeviceFamily family) {
    switch (family) {
    case DeviceFamily::Screen: return kScreenDriver;
    case DeviceFamily::Gksl: return kGkslDriver;
    case DeviceFamily::Cgm: return kCgmDriver;
    case DeviceFamily::Wmf: return kWmfDriver;
    case DeviceFamily::Kyocera: return kKyoceraDriver;
    case DeviceFamily::Hpgl: return kHpglDriver;
    case DeviceFamily::PostScript: return kPostScriptDriver;
    case DeviceFamily::Pdf: return kPdfDriver;
    case DeviceFamily::Raster: return kRasterDriver;
    case DeviceFamily::Java: return kJavaDriver;
    case DeviceFamily::Svg: return kSvgDriver;
    case DeviceFamily::None:
    case DeviceFamily::Terminal: break;
    }
    return kNoDriver;
}
