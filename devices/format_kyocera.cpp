// The Kyocera printer language: absolute moves and draws in dots, filled
// boxes and arcs with 8-byte fill patterns.
#include <cstddef>
#include <cstring>

#include "devices/text_formats.h"
#include "kernel/c_format.h"
#include "kernel/driver.h"
#include "kernel/output_file.h"
#include "kernel/record.h"

namespace {

// The fill patterns 1 to 9 of a box, eight rows of eight dots each, from
// sparse to solid.
constexpr unsigned char kFillPatterns[9][8] = {
    {128, 0, 0, 0, 0, 0, 0, 0},
    {128, 0, 0, 0, 8, 0, 0, 0},
    {128, 0, 0, 32, 0, 0, 4, 0},
    {128, 8, 0, 0, 64, 4, 0, 0},
    {128, 16, 2, 0, 32, 0, 8, 1},
    {128, 16, 2, 64, 8, 1, 32, 4},
    {170, 0, 85, 0, 170, 0, 85, 0},
    {170, 85, 170, 85, 170, 85, 170, 85},
    {255, 255, 255, 255, 255, 255, 255, 255},
};

// An arc fills with the box's pattern mirrored: each row's dots in reverse.
constexpr int mirrored(unsigned char row) {
    int reversed = 0;
    for (int dot = 0; dot < 8; ++dot)
        if (row & (1 << dot)) reversed |= 0x80 >> dot;
    return reversed;
}
static_assert(mirrored(128) == 1 && mirrored(170) == 85 && mirrored(16) == 8);

void send(GlobalRecord &rec, const char *text) {
    qqsbuf(rec, text, int(std::strlen(text)));
}

// What a filled box and a filled arc write alike: the move to the corner or
// centre, then the fill pattern. A box writes its numbers as "x,y", an arc as
// "x, y" and with the pattern mirrored.
void sendPlaceAndPattern(GlobalRecord &rec, int x, int y, int pattern, bool arc) {
    const char *comma = arc ? ", " : ",";
    char text[96];
    formatC(text, sizeof text, "MAP %4d%s%4d;%s", x, comma, y, arc ? "" : " ");
    send(rec, text);
    const unsigned char *rows = kFillPatterns[pattern - 1];
    int used = formatC(text, sizeof text, "FPAT ");
    for (int i = 0; i < 8; ++i)
        used += formatC(text + used, sizeof text - std::size_t(used), "%3d%s",
                        arc ? mirrored(rows[i]) : rows[i], i < 7 ? comma : "; ");
    send(rec, text);
}

} // namespace

void kyoceraHeader(GlobalRecord &rec) {
    if (rec.page.nxpage > rec.page.nypage) {
        send(rec, "!R! UNIT C;SPO L;SLM 0;");
        send(rec, "SRM 28.7;STM 0;SBM 20;");
    } else {
        send(rec, "!R! UNIT C;SPO P;SLM 0;");
        send(rec, "SRM 20;STM 0;SBM 28.7;");
    }
    send(rec, "UNIT D;");
}

void kyoceraPen(GlobalRecord &rec, int x, int y, int op) {
    char text[48];
    formatC(text, sizeof text, "%s%4d,%4d;", op == kPenDraw ? "DAP " : "MAP ", x, y);
    send(rec, text);
}

void kyoceraBox(GlobalRecord &rec, int x, int y, int width, int height, int pattern) {
    if (pattern < 1 || pattern > 9) return;
    sendPlaceAndPattern(rec, x, y, pattern, false);
    char text[48];
    formatC(text, sizeof text, "BLK %4d,%4d;", width, height);
    send(rec, text);
}

void kyoceraArc(GlobalRecord &rec, int x, int y, int r1, int r2, int a1, int a2, int pattern) {
    if (pattern < 1 || pattern > 9) return;
    sendPlaceAndPattern(rec, x, y, pattern, true);
    char text[64];
    formatC(text, sizeof text, "ARC %4d, %4d, %4d, %4d;", r2, r1, a1, a2);
    send(rec, text);
}

void kyoceraNewPage(GlobalRecord &rec) {
    send(rec, "PAGE;");
}

void kyoceraTrailer(GlobalRecord &rec) {
    send(rec, "RES;EXIT;");
}
