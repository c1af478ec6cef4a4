// The GKSL text metafile: a first line with the page size in centimetres, then
// lines of up to eight 10-character records: coordinates in 0..1 of the larger
// page side, pen codes (2 draw, 3 move), colours (codes 10..98, each "99"
// record adding 89) and the end code 9.
#include <utility>

#include "devices/text_formats.h"
#include "kernel/c_format.h"
#include "kernel/driver.h"
#include "kernel/output_file.h"
#include "kernel/record.h"

namespace {

void record(GlobalRecord &rec, float value) {
    char field[16];
    formatC(field, sizeof field, "%10.7f", double(value));
    qqsbuf(rec, field, 10);
}

} // namespace

void gkslHeader(GlobalRecord &rec) {
    const PageState &page = rec.page;
    const float f = page.xsclfac * page.xunits;
    float width = float(page.nxpage) * f / 100.0f;
    float height = float(page.nypage) * f / 100.0f;
    if (page.ipagmod == 1) std::swap(width, height);
    char line[64];
    formatC(line, sizeof line, "%10.1f%10.1f\n", double(width), double(height));
    writeOutput(rec, line);
}

void gkslPen(GlobalRecord &rec, float x, float y, int op) {
    record(rec, x);
    record(rec, y);
    if (op != rec.out.igksop) {
        qqsbuf(rec, op == kPenDraw ? " 2.0000000" : " 3.0000000", 10);
        rec.out.igksop = op;
    }
}

void gkslColour(GlobalRecord &rec, int index) {
    if (index == 0) index = 256;
    int q = index / 89;
    int m = index % 89;
    if (m == 0) {
        m = 89;
        q -= 1;
    }
    for (int i = 0; i < q; ++i)
        qqsbuf(rec, "99.0000000", 10);
    record(rec, float(m + 9));
}

void gkslTrailer(GlobalRecord &rec) {
    qqsbuf(rec, " 9.0000000", 10);
    rec.out.igksop = 0;
}
