// The page rectangle of the PostScript and PDF image.
#include "devices/image_placement.h"

#include "kernel/page.h"
#include "kernel/record.h"

ImagePlacement imagePlacement(const GlobalRecord &rec) {
    const PageState &page = rec.page;
    const ImageState &img = rec.img;
    ImagePlacement p;
    if (img.iimgbox == 1) {
        p.x = img.nimgbox[0];
        p.bottom = img.nimgbox[1] + img.nimgbox[3] - 1;
        p.width = img.nimgbox[2];
        p.height = img.nimgbox[3];
    } else {
        p.x = 0;
        p.bottom = page.nypage;
        p.width = page.nxpage + 1;
        p.height = page.nypage + 1;
    }
    p.pixelWidth = rec.win.nwinsiz[0];
    p.pixelHeight = rec.win.nwinsiz[1];
    p.landscape = turnedOnPaper(page);
    const float s = page.xdevscl;
    if (p.landscape) {
        p.deviceX = float(p.bottom) * s;
        p.deviceY = float(p.x) * s;
    } else {
        p.deviceX = float(p.x) * s;
        p.deviceY = float(page.nypage - p.bottom) * s;
    }
    p.deviceWidth = float(p.width) * s;
    p.deviceHeight = float(p.height) * s;
    return p;
}
