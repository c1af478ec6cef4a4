// The Kyocera printer language: absolute moves and draws in dots, filled
// boxes and arcs with 8-byte fill patterns.
#include <cstring>

#include "devices/text_formats.h"
#include "kernel/c_format.h"
#include "kernel/output_file.h"
#include "kernel/record.h"

namespace {

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

constexpr unsigned char kArcPatterns[9][8] = {
    {1, 0, 0, 0, 0, 0, 0, 0},
    {1, 0, 0, 0, 16, 0, 0, 0},
    {1, 0, 0, 4, 0, 0, 32, 0},
    {1, 16, 0, 0, 2, 32, 0, 0},
    {1, 8, 64, 0, 4, 0, 16, 128},
    {1, 8, 64, 2, 16, 128, 4, 32},
    {85, 0, 170, 0, 85, 0, 170, 0},
    {85, 170, 85, 170, 85, 170, 85, 170},
    {255, 255, 255, 255, 255, 255, 255, 255},
};

void send(GlobalRecord &rec, const char *text) {
    qqsbuf(rec, text, int(std::strlen(text)));
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
    formatC(text, sizeof text, "%s%4d,%4d;", op == 2 ? "DAP " : "MAP ", x, y);
    send(rec, text);
}

void kyoceraBox(GlobalRecord &rec, int x, int y, int width, int height, int pattern) {
    if (pattern < 1 || pattern > 9) return;
    const unsigned char *p = kFillPatterns[pattern - 1];
    char text[96];
    formatC(text, sizeof text, "MAP %4d,%4d; ", x, y);
    send(rec, text);
    formatC(text, sizeof text, "FPAT %3d,%3d,%3d,%3d,%3d,%3d,%3d,%3d; ", p[0], p[1], p[2], p[3],
            p[4], p[5], p[6], p[7]);
    send(rec, text);
    formatC(text, sizeof text, "BLK %4d,%4d;", width, height);
    send(rec, text);
}

void kyoceraArc(GlobalRecord &rec, int x, int y, int r1, int r2, int a1, int a2, int pattern) {
    if (pattern < 1 || pattern > 9) return;
    const unsigned char *p = kArcPatterns[pattern - 1];
    char text[96];
    formatC(text, sizeof text, "MAP %4d, %4d;", x, y);
    send(rec, text);
    formatC(text, sizeof text, "FPAT %3d, %3d, %3d, %3d, %3d, %3d, %3d, %3d; ", p[0], p[1], p[2],
            p[3], p[4], p[5], p[6], p[7]);
    send(rec, text);
    formatC(text, sizeof text, "ARC %4d, %4d, %4d, %4d;", r2, r1, a1, a2);
    send(rec, text);
}

void kyoceraNewPage(GlobalRecord &rec) {
    send(rec, "PAGE;");
}

void kyoceraTrailer(GlobalRecord &rec) {
    send(rec, "RES;EXIT;");
}
