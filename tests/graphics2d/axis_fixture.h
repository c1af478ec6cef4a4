// Fixtures of the 2-D graphics tests: plots on HPGL read back as pen
// operations and segments, plots on PDF read back as words with their boxes.
#pragma once
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "kavlor.h"
#include "tests/support/capture.h"
#include "tests/support/pen_ops.h"
#include "tests/support/plot_fixture.h"

// A drawn segment, its ends in a fixed order so that the pen's direction does
// not matter.
struct Segment {
    float x1, y1, x2, y2;
    bool operator<(const Segment &o) const {
        return std::tie(x1, y1, x2, y2) < std::tie(o.x1, o.y1, o.x2, o.y2);
    }
    bool operator==(const Segment &o) const = default;
};
Segment segment(float x1, float y1, float x2, float y2);
// The segments the pen drew, each draw from the pen's last point.
std::multiset<Segment> segmentsOf(const std::vector<PenOp> &ops);

// A word of a PDF as pdftotext -bbox finds it, in plot units.
struct Word {
    std::string text;
    float x1, y1, x2, y2;
    float centreX() const { return (x1 + x2) / 2; }
    float centreY() const { return (y1 + y2) / 2; }
};
// The words of page 1 of a PDF; scale is the record's device scale (points
// per plot unit).
std::vector<Word> pdfWords(const std::string &pdf, float scale);
// The first word with the text; the test fails when there is none.
Word wordOf(const std::vector<Word> &words, const std::string &text);

class AxisTest : public PlotTest {
  protected:
    GlobalRecord &openHpgl() { return open("HPGL", "plot.hpg"); }
    std::vector<PenOp> closeHpgl() { return hpglPenOps(close("plot.hpg")); }

    // A PDF plot whose texts are in Helvetica, so that pdftotext finds them.
    GlobalRecord &openPdf() {
        GlobalRecord &rec = open("PDF", "plot.pdf");
        captureStdout([] { psfont("Helvetica"); });
        return rec;
    }
    std::vector<Word> closePdf() {
        const float scale = currentRecord().page.xdevscl;
        close("plot.pdf");
        return pdfWords(dir.file("plot.pdf"), scale);
    }

    // An axis system 1001 x 501 units with its lower-left corner at (200,
    // 1200): 100 plot units per user unit on 0..10 by 0..5. quiet: no labels,
    // ticks, axis lines or frame, and a clip rectangle of the axis system itself.
    void standardAxes(bool quiet) {
        captureStdout([quiet] {
            axspos(200, 1200);
            axslen(1001, 501);
            if (quiet) {
                labels("NONE", "XY");
                ticks(0, "XY");
                noline("XY");
                frame(0);
                grace(0);
            }
            graf(0.0f, 10.0f, 0.0f, 2.0f, 0.0f, 5.0f, 0.0f, 1.0f);
        });
    }
};
