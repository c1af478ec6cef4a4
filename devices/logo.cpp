// zellogo: a logo image of the installation directory (zel/logo<size>.gif,
// zel/logo<size>t.gif) included into a box of the page.
#include <string>

#include "devices/file_inclusion.h"
#include "devices/picture.h"
#include "kavlor.h"
#include "kernel/devices.h"
#include "kernel/install_dir.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

struct LogoSize {
    int size;
    int noteWidth, noteHeight; // box of the note variant
    int textWidth, textHeight; // box of the text variant
};

constexpr LogoSize kLogoSizes[] = {
    {100, 100, 40, 100, 58}, {125, 124, 52, 124, 71},   {150, 149, 65, 148, 82},
    {175, 176, 76, 176, 96}, {200, 200, 100, 200, 120}, {300, 300, 130, 300, 170},
};

} // namespace

extern "C" void zellogo(int nx, int ny, int nsize, const char *copt) {
    GlobalRecord *rec = jqqlev(1, 3, "zellogo");
    if (rec == nullptr) return;
    if (!holdsImages(rec->core.idevice)) {
        warnin(Warning::incompatibleDevice);
        return;
    }
    const LogoSize *logo = nullptr;
    for (const LogoSize &entry : kLogoSizes)
        if (entry.size == nsize) logo = &entry;
    if (logo == nullptr) {
        qqserr("Bad size for ZEL logo");
        warnin(Warning::ownText);
        return;
    }
    const int variant = jqqind("NOTE+TEXT", 2, copt);
    if (variant == 0) return;
    const bool text = variant == 2;
    const int scale = onPaper(rec->core.idevice) ? 3 : 1;
    const int width = scale * (text ? logo->textWidth : logo->noteWidth);
    const int height = scale * (text ? logo->textHeight : logo->noteHeight);
    // A box the page refuses places no logo (rather than the logo elsewhere).
    if (!setIncludeBox(*rec, nx, ny, width, height)) return;
    const std::string file =
        qqgenv("KAVLOR") + "/zel/logo" + std::to_string(nsize) + (text ? "t" : "") + ".gif";
    // The logo gets no frame.
    const int frame = rec->frame.nframe;
    rec->frame.nframe = 0;
    includeFile(*rec, file.c_str());
    rec->frame.nframe = frame;
}
