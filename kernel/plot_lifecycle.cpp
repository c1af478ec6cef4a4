// Opening and closing a plot: kavini, kavfin, the end-of-run protocol, getver, getplv.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "kavlor.h"
#include "kernel/c_format.h"
#include "kernel/date_time.h"
#include "kernel/defaults.h"
#include "kernel/device_setup.h"
#include "kernel/devices.h"
#include "kernel/driver.h"
#include "kernel/layer_resets.h"
#include "kernel/levels.h"
#include "kernel/message_stream.h"
#include "kernel/output_file.h"
#include "kernel/page.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "kernel/rounding.h"
#include "kernel/text_utils.h"
#include "kernel/version.h"
#include "kernel/warnings.h"
#include "platform/windows.h"

namespace {

// The patch level as the protocol prints it: a letter, or a blank for 0.
char patchLetter() {
    return kPatchLevel == 0 ? ' ' : char(kPatchLevel + 64);
}

// Page-dependent defaults: the page in plot units and the default axis system.
void defvar(GlobalRecord &rec) {
    PageState &page = rec.page;
    page.nxpage = truncToInt(page.xpagw / page.xunits + 0.5f);
    page.nypage = truncToInt(page.xpagh / page.xunits + 0.5f);
    // Two thirds of the page, counted in 64 bits: pages may pass 2^30 units.
    page.naxslen0[0] = truncToInt(float(2 * (std::int64_t(page.nxpage) + 1)) / 3.0f + 0.5f);
    page.naxslen0[1] = truncToInt(float(2 * (std::int64_t(page.nypage) + 1)) / 3.0f + 0.5f);
    page.naxspos0[0] = (page.nxpage - page.naxslen0[0]) / 2;
    page.naxspos0[1] = page.nypage - jqquni(rec, 300);
}

void windowGeometry(GlobalRecord &rec) {
    WindowState &win = rec.win;
    win.nwinpos[0] = win.nwinpos[1] = 0;
    if (win.iwinset == 1) {
        win.nwinpos[0] = win.nwinusr[0];
        win.nwinpos[1] = win.nwinusr[1];
    }
    if (win.iwinset == 1 || win.iwinset == 2) {
        win.nwinsiz[0] = win.nwinusr[2];
        win.nwinsiz[1] = win.nwinusr[3];
    } else if (rec.page.nxpage <= rec.page.nypage) {
        win.nwinsiz[0] = 603;
        win.nwinsiz[1] = 853;
    } else {
        win.nwinsiz[0] = 853;
        win.nwinsiz[1] = 603;
    }
}

// True when the plot file could not be written whole: a write or the close
// failed, in the kernel's record output or in the writer's own stream.
bool plotFileFailed(const GlobalRecord &rec) {
    return rec.out.writeFailed || currentDriver(rec).writeFailed(rec);
}

std::string withoutBlanks(const char *format, int value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    std::string compact;
    for (const char *p = text; *p != '\0'; ++p)
        if (*p != ' ') compact += *p;
    return compact;
}

// The end-of-run protocol box on the message stream.
void dprcol(const GlobalRecord &rec, int fileflag) {
    if (rec.msg.iunit == 0 || rec.msg.iprotfl != 1) return;
    FILE *fp = rec.msg.fpmsg;
    if (fp == nullptr) return;
    const std::string rule = " " + std::string(66, '<');
    const std::string vectors = withoutBlanks("%10d", rec.core.nvector);
    const std::string warnings = withoutBlanks("%8d", rec.msg.noutpag);
    char name[60];
    printC(fp, "\n%s", rule.c_str());
    printC(fp, "\n <<                END OF KAVLOR / VERSION %4.1f %c                <<",
           double(kLibraryVersion), patchLetter());
    printC(fp, "\n <<  Date    : %10s  Time    : %8s  Pageformat: %4s  <<", dddate(), ddtime(),
           rec.page.cpagfmt);
    printC(fp, "\n <<  Vectors : %-10s  Warnings: %-8s  Fileformat: %4s  <<", vectors.c_str(),
           warnings.c_str(), rec.core.cdevice);
    if (fileflag != 10) {
        std::snprintf(name, sizeof name, "Metafile: %.48s", fileflag == 0 ? "" : rec.out.cfilnam);
        printC(fp, "\n <<  %-58s  <<", name);
    }
    if (fileflag > 9) {
        std::snprintf(name, sizeof name, "Err-file: %.48s", rec.msg.cerrfil);
        printC(fp, "\n <<  %-58s  <<", name);
    }
    printC(fp, "\n%s\n\n", rule.c_str());
}

// The protocol of a windowed application, in a message box titled "kavfin".
void qqmprc(const GlobalRecord &rec, int fileflag) {
    if (rec.msg.iunit == 0 || rec.msg.iprotfl != 1) return;
    char line[128];
    std::string text;
    formatC(line, sizeof line, "           END OF KAVLOR / VERSION %4.1f %c\n ",
            double(kLibraryVersion), patchLetter());
    text += line;
    text += std::string("\n Date          : ") + dddate();
    text += std::string("\n Time          : ") + ddtime();
    text += std::string("\n Pageformat: ") + rec.page.cpagfmt;
    text += "\n Vectors      : " + withoutBlanks("%10d", rec.core.nvector);
    text += "\n Warnings  : " + withoutBlanks("%8d", rec.msg.noutpag);
    text += std::string("\n Fileformat  : ") + rec.core.cdevice;
    if (fileflag == 1 || fileflag == 11)
        text += "\n Metafile     : " + std::string(rec.out.cfilnam).substr(0, 48);
    if (fileflag > 9) text += "\n Error file    : " + std::string(rec.msg.cerrfil).substr(0, 48);
    MessageBoxA(0, text.c_str(), "kavfin", MB_OK);
}

} // namespace

extern "C" void kavini(void) {
    GlobalRecord *recp = jqqlev(0, 0, "kavini");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    PageState &page = rec.page;
    rec.core.ilevel = 1;
    rec.core.nvector = 0;
    rec.msg.noutpag = 0;
    rec.core.iplotst = 0;
    rec.line.npolbuf = 0;

    const int code = rec.core.idevice;
    page.iscrmod = page.iscrset;
    if (page.iscrset == 4) page.iscrmod = deviceFacts(code).whiteByDefault ? 2 : 0;
    if (code == 0) {
        rec.core.idevice = device::kGksl;
        qqcopy(rec.core.cdevice, "GKSL");
    }
    page.ihwfont = 1;
    defvar(rec);
    rec.out.fpout = nullptr;
    rec.out.fileOpened = false;
    windowGeometry(rec);
    page.nbitpix = 8;
    if (isFileDevice(rec.core.idevice)) openOutputFile(rec);
    kavi03(rec); // the device opens: the head of its file, or its window
    if (rec.msg.iwinapp != 1 && rec.msg.ierrdev != 1 && rec.out.fpout != stdout)
        rec.msg.fpmsgdf = stdout;
    resall(rec);
    for (const LayerResets &layer : layerResets())
        if (layer.newPlot != nullptr) layer.newPlot(rec);
    if (page.iscrold == -1) page.iscrold = page.iscrmod;
    currentDriver(rec).begin(rec);
}

extern "C" void kavfin(void) {
    GlobalRecord *recp = jqqlev(1, 3, "kavfin");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    int fileflag = 1;
    qqstrk(rec);
    currentDriver(rec).close(rec, fileflag); // the device's last records
    const int code = rec.core.idevice;
    if (isFileDevice(code)) {
        closeOutputFile(rec);
        if (plotFileFailed(rec)) warnin(Warning::fileError);
    }
    rec.out.finishedDevice = code;
    qqcopy(rec.out.finishedFile, rec.out.fileOpened ? rec.out.cfilnam : "");
    rec.line.npolbuf = 0;
    rec.core.ilevel = 0;
    rec.core.iplotst = 1;
    if (messageFileApplies(rec)) {
        if (rec.msg.ierrop == 1) {
            std::fclose(rec.msg.fpmsgdf);
            if (rec.msg.fpmsg == rec.msg.fpmsgdf) rec.msg.fpmsg = stdout;
            rec.msg.fpmsgdf = stdout;
            rec.msg.ierrop = 0;
            fileflag += 10;
        }
        if (rec.msg.iunit == 17) {
            rec.msg.iunit = 6;
            rec.msg.fpmsg = stdout;
        }
    }
    if (rec.msg.iwinapp == 1) {
        qqmprc(rec, fileflag);
    } else if (rec.msg.iunit != 0 && rec.msg.iprotfl == 1) {
        // The boxes of threads ending at once come out one after another;
        // without a protocol the lock is not taken.
        LibraryLock lock;
        dprcol(rec, fileflag);
    }
}

extern "C" float getver(void) {
    return kLibraryVersion;
}

extern "C" int getplv(void) {
    return kPatchLevel;
}
