// Where the image of PostScript and PDF image mode goes on the page, for the
// PostScript and PDF writers at imgfin.
//
// The writers read the image with qqvrdr (raster_pixels.h), row by row from
// the top, as R, G, B (mode kPixelValuesRgb), pixelWidth x pixelHeight pixels:
//   PDF: qqpdf2 op 10 with (pixelWidth, pixelHeight); each row to qqpdf7;
//        op 11; op 12 with (deviceX, deviceY); op 13 when landscape; op 14
//        with (deviceWidth, deviceHeight).
//   PostScript: the pending path ends (drwpsc op 9); then through qpsbuf
//        "/picstr %d string def " (3 x pixelWidth), "gsave %10.3f %10.3f
//        translate " (deviceX and deviceY in points: x 0.1417322835),
//        "90 rotate " when landscape, "%10.3f %10.3f scale %d %d 8 [%d 0 0 %d
//        0 %d] " (deviceWidth and deviceHeight in points, pixelWidth,
//        pixelHeight, pixelWidth, -pixelHeight, pixelHeight), "{currentfile
//        picstr readhexstring pop} false 3 ", "colorimage ", a line break,
//        the rows in upper-case hexadecimal (in pieces of at most 80
//        characters, so that no record is longer than a line), a line break,
//        "grestore ".
#pragma once

struct GlobalRecord;

struct ImagePlacement {
    // The page rectangle in plot units, top-down page: the imgbox, or the
    // whole page (x 0, bottom nypage, width nxpage + 1, height nypage + 1).
    int x = 0;
    int bottom = 0; // y + height - 1 of the box
    int width = 0;
    int height = 0;
    // The image in pixels: rec.win.nwinsiz while image mode is on.
    int pixelWidth = 0;
    int pixelHeight = 0;
    // nypage < nxpage and the orientation is not NONE: the page is turned on
    // the paper, and the image with it (by 90 degrees).
    bool landscape = false;
    // Device units (s = xdevscl): landscape (bottom s, x s), otherwise
    // (x s, (nypage - bottom) s); the size is (width s, height s).
    float deviceX = 0;
    float deviceY = 0;
    float deviceWidth = 0;
    float deviceHeight = 0;
};

ImagePlacement imagePlacement(const GlobalRecord &rec);
