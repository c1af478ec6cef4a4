// FormatState: options of the file formats, kept across plots (their setters
// come before kavini).
#pragma once

struct FormatState {
    int icgmpic = 0;            // 1 when cgmpic named the pictures
    char ccgmpic[257] = "";     // picture name given by cgmpic, at most 256 characters
    int icgmbgd = 0;            // 1 when cgmbgd gave the background colour
    int ncgmbgd[3] = {0, 0, 0}; // CGM background red, green, blue 0..255
    int ncgmver = 1;            // CGM version and profile: 1 CALS, 4 WebCGM
    int ntifres = 100;          // TIFF resolution
    int itifuni = 2;            // TIFF resolution unit: 2 inch, 3 cm
    int ipngmod = 0;            // PNG mode
    int igifmod = 0;            // GIF mode
    int ipdfmod = 1;            // PDF mode (bit 0 compression, bit 1 to a memory buffer)
    int iwmfmod = 0;            // WMF mode
    int iimgfmt = 0;            // raster pixel format: 1 RGB
};
