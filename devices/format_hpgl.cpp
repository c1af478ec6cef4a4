// HPGL: pen-up and pen-down records with blanks removed, pen selection for
// colours.
#include "devices/text_formats.h"
#include "kernel/c_format.h"
#include "kernel/driver.h"
#include "kernel/output_file.h"
#include "kernel/record.h"

namespace {

// Writes a formatted record without its blanks.
void compactRecord(GlobalRecord &rec, const char *text) {
    char compact[64];
    int n = 0;
    for (; *text != '\0' && n < int(sizeof compact) - 1; ++text)
        if (*text != ' ') compact[n++] = *text;
    qqsbuf(rec, compact, n);
}

} // namespace

void hpglHeader(GlobalRecord &rec) {
    writeOutput(rec, " SP1;\n");
}

void hpglPen(GlobalRecord &rec, int x, int y, int op) {
    char text[48];
    formatC(text, sizeof text, "%s%8d,%8d;", op == kPenDraw ? "PD" : "PU", x, y);
    compactRecord(rec, text);
}

void hpglColour(GlobalRecord &rec, int index) {
    char text[16];
    formatC(text, sizeof text, "SP%5d;", index);
    compactRecord(rec, text);
}

void hpglTrailer(GlobalRecord &rec) {
    qqsbuf(rec, "PU0,0;", 6);
}
