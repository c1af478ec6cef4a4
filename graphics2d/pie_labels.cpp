// The label boxes of pie segments: the label lines (bldstr), the size of a
// segment's box (boxsiz) and its texts (boxdrw). A segment's text lines come
// from the caller's legend buffer: segment i owns the nlin lines from
// (i - 1) * nlin + 1 on; lines beyond the legend's line count are ignored.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "graphics2d/legend.h"
#include "graphics2d/legend_state.h"
#include "graphics2d/pie_state.h"
#include "graphics2d/pies.h"
#include "kavlor.h"
#include "kernel/number_text.h"
#include "kernel/page_sums.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text.h"
#include "kernel/text_utils.h"

namespace {

// A label line: left text, number and unit, right text.
constexpr int kLabelLineSize = 2 * kPieLabelChars + int(kNumberTextSize) + 8;

// Text line k (0-based) of segment i into out; its length, 0 when the line is
// empty or missing.
int segmentLine(GlobalRecord &rec, const char *cbuf, int nlin, int i, int k, char *out) {
    out[0] = '\0';
    if (cbuf == nullptr || nlin < 1 || rec.legend.ilegini != 1) return 0;
    const long long line = (long long)(i - 1) * nlin + k + 1;
    if (line > rec.legend.nleglin) return 0;
    const int n = legendTextLine(rec, cbuf, int(line), 1, out);
    return n > 0 ? trmlen(out) : 0;
}

// How many of the nlin text lines of segment i the legend holds: the lines
// past its line count are never read, however large nlin is.
int heldLines(const GlobalRecord &rec, int nlin, int i) {
    if (nlin < 1) return 0;
    const long long first = (long long)(i - 1) * nlin; // lines before the segment's
    return int(std::clamp<long long>(rec.legend.nleglin - first, 0, nlin));
}

// The label lines of a segment after its texts: none, one or two.
int labelLines(const GlobalRecord &rec, float value, float percent,
               char (&lines)[2][kLabelLineSize]) {
    const PieState &p = rec.pie;
    switch (PieLabel(p.ipielab)) {
    case PieLabel::percent:
        bldstr(lines[0], kLabelLineSize, p.cpielab[0], p.cpielab[1], percent, p.npieper, 1);
        return 1;
    case PieLabel::data:
        bldstr(lines[0], kLabelLineSize, p.cpielab[0], p.cpielab[1], value, p.npiedig, 0);
        return 1;
    case PieLabel::both:
        bldstr(lines[0], kLabelLineSize, "", "", value, p.npiedig, 0);
        bldstr(lines[1], kLabelLineSize, "", "", percent, p.npieper, 1);
        return 2;
    default: return 0;
    }
}

} // namespace

void bldstr(char *out, int size, const char *left, const char *right, float value, int ndig,
            int ipercent) {
    if (size < 1) return;
    out[0] = '\0';
    auto append = [&](const char *text, int n) {
        const int used = int(std::strlen(out));
        qqcopy(out + used, text, std::min(n, size - 1 - used));
    };
    char number[kNumberTextSize];
    const int leftLength = left != nullptr ? trmlen(left) : 0;
    if (leftLength > 0) {
        append(left, leftLength);
        append(" ", 1);
    }
    const int n = fcha(value, ndig, number);
    append(number, n);
    append(ipercent == 1 ? " % " : " ", ipercent == 1 ? 3 : 1);
    if (right != nullptr && right[0] != '\0') append(right, int(std::strlen(right)));
}

void boxsiz(GlobalRecord &rec, const char *cbuf, int nlin, int i, float value, float percent,
            int &w, int &h) {
    char line[kLegendEntryChars + 1];
    int lines = 0, widest = 0;
    for (int k = 0, held = heldLines(rec, nlin, i); k < held; ++k) {
        if (segmentLine(rec, cbuf, nlin, i, k, line) == 0) continue;
        ++lines;
        widest = std::max(widest, measureText(rec, line));
    }
    char labels[2][kLabelLineSize];
    const int extra = labelLines(rec, value, percent, labels);
    for (int k = 0; k < extra; ++k)
        widest = std::max(widest, measureText(rec, labels[k]));
    lines += extra;
    if (lines == 0) {
        w = h = 0;
        return;
    }
    const float H = float(rec.text.nhchar), S = rec.line.xlinesp;
    const float frame = 2.0f * float(rec.frame.nframe);
    h = nintqq(frame + (float(lines) - 0.5f) * H * S + H);
    w = nintqq(frame + H * S / 2.0f + float(widest));
}

void boxdrw(GlobalRecord &rec, const char *cbuf, int nlin, int i, float value, float percent, int x,
            int y, int w, int ijus) {
    const float H = float(rec.text.nhchar), S = rec.line.xlinesp;
    // A far line spacing puts the lines past the page: the sums are held.
    const int margin = pageSum(rec.frame.nframe, truncToInt(H * S / 4.0f));
    int top = pageSum(y, margin);
    auto write = [&](const char *text) {
        const std::int64_t length = measureText(rec, text);
        int left = pageSum(x, margin);
        if (PieLabelJustify(ijus) == PieLabelJustify::centre)
            left = pageSum(x, (w - length) / 2);
        else if (PieLabelJustify(ijus) == PieLabelJustify::right)
            left = pageSum(x, w, -margin - length);
        qqmess(rec, text, left, top);
        top = pageSum(top, truncToInt(H * S));
    };
    char line[kLegendEntryChars + 1];
    for (int k = 0, held = heldLines(rec, nlin, i); k < held; ++k)
        if (segmentLine(rec, cbuf, nlin, i, k, line) > 0) write(line);
    char labels[2][kLabelLineSize];
    const int extra = labelLines(rec, value, percent, labels);
    for (int k = 0; k < extra; ++k)
        write(labels[k]);
}
