// The message stream and its setters: unit, errmod, errfil, errdev, winapp, winini.
#include "kernel/message_stream.h"

#include <cstdio>

#include "kavlor.h"
#include "kernel/file_versions.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "kernel/text_utils.h"

bool messageFileApplies(const GlobalRecord &rec) {
    return rec.msg.iwinapp == 1 || rec.msg.ierrdev == 1 ||
           (rec.core.ilevel != 0 && rec.out.fpout == stdout);
}

void qqerrfil(GlobalRecord &rec) {
    if (!messageFileApplies(rec) || rec.msg.ierrop == 1) return;
    if (rec.msg.ierrfil == 0) qqcopy(rec.msg.cerrfil, "kavlor.err");
    FILE *fp = nullptr;
    {
        LibraryLock lock;
        // No warning here: this runs while a warning is being printed.
        if (gfilnn(rec, rec.msg.cerrfil, sizeof rec.msg.cerrfil))
            fp = std::fopen(rec.msg.cerrfil, "w");
    }
    if (fp == nullptr) return;
    rec.msg.fpmsgdf = fp;
    rec.msg.fpmsg = fp;
    rec.msg.ierrop = 1;
}

extern "C" void unit(FILE *stream) {
    GlobalRecord &rec = chkini("unit");
    if (stream == nullptr) {
        rec.msg.iunit = 0;
    } else {
        rec.msg.iunit = stream == stdout ? 6 : 1;
        rec.msg.fpmsg = stream;
    }
}

extern "C" void errmod(const char *item, const char *mode) {
    GlobalRecord &rec = chkini("errmod");
    const int which = jqqind("WARN+CHEC+PROT+ALL ", 4, item);
    const int onoff = jqqind("OFF +ON  ", 2, mode);
    if (which == 0 || onoff == 0) return;
    const int value = onoff - 1;
    if (which == 1 || which == 4) rec.msg.iwarn = value;
    if (which == 2 || which == 4) rec.msg.ichkpnt = value;
    if (which == 3 || which == 4) rec.msg.iprotfl = value;
}

extern "C" void errfil(const char *filename) {
    GlobalRecord *rec = jqqlev(0, 0, "errfil");
    if (rec == nullptr) return;
    qqcopy(rec->msg.cerrfil, filename, 256);
    rec->msg.ierrfil = 1;
}

extern "C" void errdev(const char *device) {
    GlobalRecord *rec = jqqlev(0, 0, "errdev");
    if (rec == nullptr) return;
    setFromKeyword(rec->msg.ierrdev, "CONS+FILE", 2, device);
}

extern "C" void winapp(const char *kind) {
    GlobalRecord *rec = jqqlev(0, 0, "winapp");
    if (rec == nullptr) return;
    setFromKeyword(rec->msg.iwinapp, "CONS+WIND", 2, kind);
}

extern "C" void winini(void) {
    GlobalRecord *rec = jqqlev(0, 0, "winini");
    if (rec == nullptr) return;
    rec->msg.iwinapp = 1;
}
