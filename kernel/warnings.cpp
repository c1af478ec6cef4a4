// The table of warning texts and the three print routines.
#include "kernel/warnings.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "kernel/message_stream.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "kernel/text_utils.h"

namespace {

// Entry 0 is the text printed for a number outside the table.
constexpr std::array<std::string_view, 59> kWarningTexts = {
    " ",
    "Negative parameter",
    "Incorrect parameter",
    "Incorrect level",
    "X coordinate out of page",
    "Y coordinate out of page",
    "Same tick number as in a call before",
    "First radius greater than second radius",
    "Start angle greater/equal end angle",
    "Step equal zero",
    "Begin and end of scaling are equal",
    "Axis length < 2",
    "Startlabel out of scaling",
    "Linear scaling must be used",
    "Linear interpolation must be used",
    "No call to legini before",
    "Too long string for legend line",
    "Not enough store for the legend buffer",
    "Incorrect character after the eushft operator",
    "The basealphabet cannot be used",
    "No metafile",
    "The routine must be called after kavfin",
    "The metafile is deleted before",
    "Non positive minimum for log scaling (set to 0.1)",
    "Non positive maximum for log scaling (set to 1.0)",
    "Minimum equal maximum (added -1 and +1)",
    "Too many intersections",
    "Non positive values for log scaling",
    "Number of bars unequal number of main ticks",
    "Sum of data is zero",
    "Incorrect number of points",
    "Incorrect number of points for spline interpolation",
    "No increasing x coordinates for spline interpolation",
    "Incorrect viewpoint",
    "No call to grfini before",
    "Confusion of graf3d and graf3",
    "File error",
    "Incorrect filename",
    "Singular matrix",
    "Too many pages for CGM file (max. length 327 cm)",
    "File format and output device are incompatible",
    "Incorrect device for HPGL file",
    "More legend lines than calls to curve",
    "Instruction code: incorrect parameter",
    "Instruction code: incorrect tabulator index",
    "Instruction code: no integer value",
    "Instruction code: unknown command",
    "Blanking buffer overflow",
    "No call to psfont",
    "Fileformat is not PostScript",
    "Incorrect sign for step",
    "Non positive parameter",
    "Hiddenline overflow",
    "Not enough memory",
    "No call to imgfin",
    "No call to imgini",
    "Incorrect file format",
    "Control characters must be different",
    "Array is out of screen",
};

enum class Suffix { None, Number, Text };

// The one place where a warning is counted and printed.
void emitWarning(int n, Suffix suffix, int number, const char *text) {
    GlobalRecord &rec = currentRecord();
    errmes(rec, n);
    if (rec.msg.iunit == 0 || rec.msg.iwarn == 0) return;
    qqerrfil(rec);
    FILE *fp = rec.msg.fpmsg;
    if (fp == nullptr) return;
    std::fprintf(fp, " <<<< Warning %3d: %s in %s!", n, rec.msg.cmsgbuf, rec.core.cfunc);
    switch (suffix) {
    case Suffix::None: break;
    case Suffix::Number: std::fprintf(fp, "   (%4d)", number); break;
    case Suffix::Text: std::fprintf(fp, "   (%s)", text != nullptr ? text : ""); break;
    }
    std::fputc('\n', fp);
}

} // namespace

void errmes(GlobalRecord &rec, int n) {
    rec.msg.noutpag += 1;
    if (rec.msg.iunit == 0 || n > 100 || rec.msg.iwarn != 1) return;
    if (n >= 1 && n <= 58) {
        qqcopy(rec.msg.cmsgbuf, kWarningTexts[n].data());
    } else {
        std::printf("<<<< Incorrect parameter in errmes! (%4d)\n", n);
        qqcopy(rec.msg.cmsgbuf, kWarningTexts[0].data());
    }
}

void warnin(int n) {
    emitWarning(n, Suffix::None, 0, nullptr);
}
void warni1(int n, int value) {
    emitWarning(n, Suffix::Number, value, nullptr);
}
void warnc1(int n, const char *text) {
    emitWarning(n, Suffix::Text, 0, text);
}

void qqserr(const char *text) {
    qqcopy(currentRecord().msg.cmsgbuf, text);
}
