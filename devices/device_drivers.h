// The drivers of the device families, one per writer (kernel/driver.h says
// what each entry does); deviceDriver hands the kernel the one it asks for.
#pragma once

#include "kernel/driver.h"

extern const DeviceDriver kScreenDriver;
extern const DeviceDriver kGkslDriver;
extern const DeviceDriver kCgmDriver;
extern const DeviceDriver kWmfDriver;
extern const DeviceDriver kKyoceraDriver;
extern const DeviceDriver kHpglDriver;
extern const DeviceDriver kPostScriptDriver;
extern const DeviceDriver kPdfDriver;
extern const DeviceDriver kRasterDriver;
extern const DeviceDriver kJavaDriver;
extern const DeviceDriver kSvgDriver;

// The palette of the memory raster shown again, where there is one (the raster
// devices, and image mode on PostScript and PDF).
void memoryRasterPalette(GlobalRecord &rec);
// A pixel into the memory raster, where there is one.
void memoryRasterPixel(GlobalRecord &rec, int x, int y, int colour);
