// resall's defaults of the devices and the reset keywords of their settings.
#include "devices/layer_resets_devices.h"

#include <array>

#include "kernel/record.h"

namespace {

// Image mode off, colour numbers, no box, no size, no clip.
void resetImageDefaults(GlobalRecord &rec) {
    ImageState &img = rec.img;
    img.iimgini = 0;
    img.iimgmod = 0;
    img.iimgbox = 0;
    img.iimgsiz = 0;
    img.iimgclp = 0;
    // Image mode ends here without restoring a saved window size: at kavini
    // the window size has just been made anew.
    img.windowSizeSaved = false;
}

// No box, colours applied, no TIFF part, origin 0, 0.
void resetIncludeDefaults(GlobalRecord &rec) {
    IncludeState &incl = rec.incl;
    incl.ifilbox = 0;
    incl.ifilclr = 0;
    incl.ntiforg[0] = 0;
    incl.ntiforg[1] = 0;
    incl.itifwin = 0;
}

void resetAll(GlobalRecord &rec) {
    resetIncludeDefaults(rec);
    resetImageDefaults(rec);
}

const std::array kKeywords = {
    ResetKeyword{"FILB", [](GlobalRecord &rec) { rec.incl.ifilbox = 0; }},
    ResetKeyword{"FILC", [](GlobalRecord &rec) { rec.incl.ifilclr = 0; }},
    ResetKeyword{"IMGC", [](GlobalRecord &rec) { rec.img.iimgclp = 0; }},
};

} // namespace

const LayerResets kDevicesResets{resetAll, kKeywords};
