// IncludeState: where included files go (filbox), whether their colours are
// applied (filclr), and which part of a TIFF file wtiff reads and where it
// puts it (tifwin, tiforg).
#pragma once
#include <cstdint>

struct IncludeState {
    int nfilbox[4] = {};      // include rectangle x, y (top-down page), width, height in plot units
    std::uint8_t ifilbox = 0; // 1 when filbox was given
    std::uint8_t ifilclr = 0; // colours of included vector files: 0 ALL applied, 1 NONE ignored
    int ntifwin[4] = {};      // part of a TIFF file: x, y, width, height in pixels
    std::uint8_t itifwin = 0; // 1 when tifwin was given
    int ntiforg[2] = {};      // position in the image at which wtiff puts the file
};
