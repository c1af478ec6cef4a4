// The table of warning texts and the three print routines.
#include "kernel/warnings.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

#include "kernel/message_stream.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "kernel/text_utils.h"

namespace {

// The texts by warning; entry 0 is the text printed for a number outside the table.
constexpr int kWarningCount = int(Warning::arrayOutOfScreen);
constexpr std::array<std::string_view, kWarningCount + 1> kWarningTexts = [] {
    std::array<std::string_view, kWarningCount + 1> t{};
    t[0] = " ";
    t[int(Warning::negativeParameter)] = "Negative parameter";
    t[int(Warning::incorrectParameter)] = "Incorrect parameter";
    t[int(Warning::incorrectLevel)] = "Incorrect level";
    t[int(Warning::xOutOfPage)] = "X coordinate out of page";
    t[int(Warning::yOutOfPage)] = "Y coordinate out of page";
    t[int(Warning::sameTickNumber)] = "Same tick number as in a call before";
    t[int(Warning::firstRadiusGreater)] = "First radius greater than second radius";
    t[int(Warning::startAngleNotBelowEnd)] = "Start angle greater/equal end angle";
    t[int(Warning::zeroStep)] = "Step equal zero";
    t[int(Warning::equalScalingLimits)] = "Begin and end of scaling are equal";
    t[int(Warning::axisTooShort)] = "Axis length < 2";
    t[int(Warning::startLabelOutOfScaling)] = "Startlabel out of scaling";
    t[int(Warning::linearScalingNeeded)] = "Linear scaling must be used";
    t[int(Warning::linearInterpolationNeeded)] = "Linear interpolation must be used";
    t[int(Warning::noLegini)] = "No call to legini before";
    t[int(Warning::legendLineTooLong)] = "Too long string for legend line";
    t[int(Warning::noLegendMemory)] = "Not enough store for the legend buffer";
    t[int(Warning::incorrectEushftCharacter)] = "Incorrect character after the eushft operator";
    t[int(Warning::baseAlphabetUnusable)] = "The basealphabet cannot be used";
    t[int(Warning::noMetafile)] = "No metafile";
    t[int(Warning::callAfterKavfin)] = "The routine must be called after kavfin";
    t[int(Warning::metafileDeleted)] = "The metafile is deleted before";
    t[int(Warning::logMinimumNotPositive)] = "Non positive minimum for log scaling (set to 0.1)";
    t[int(Warning::logMaximumNotPositive)] = "Non positive maximum for log scaling (set to 1.0)";
    t[int(Warning::minimumEqualsMaximum)] = "Minimum equal maximum (added -1 and +1)";
    t[int(Warning::tooManyIntersections)] = "Too many intersections";
    t[int(Warning::logValuesNotPositive)] = "Non positive values for log scaling";
    t[int(Warning::barsUnequalTicks)] = "Number of bars unequal number of main ticks";
    t[int(Warning::zeroDataSum)] = "Sum of data is zero";
    t[int(Warning::incorrectPointCount)] = "Incorrect number of points";
    t[int(Warning::incorrectSplinePointCount)] =
        "Incorrect number of points for spline interpolation";
    t[int(Warning::splineXNotIncreasing)] = "No increasing x coordinates for spline interpolation";
    t[int(Warning::incorrectViewpoint)] = "Incorrect viewpoint";
    t[int(Warning::noGrfini)] = "No call to grfini before";
    t[int(Warning::graf3dConfusion)] = "Confusion of graf3d and graf3";
    t[int(Warning::fileError)] = "File error";
    t[int(Warning::incorrectFilename)] = "Incorrect filename";
    t[int(Warning::singularMatrix)] = "Singular matrix";
    t[int(Warning::cgmTooManyPages)] = "Too many pages for CGM file (max. length 327 cm)";
    t[int(Warning::incompatibleDevice)] = "File format and output device are incompatible";
    t[int(Warning::incorrectHpglDevice)] = "Incorrect device for HPGL file";
    t[int(Warning::moreLegendLinesThanCurves)] = "More legend lines than calls to curve";
    t[int(Warning::instructionParameter)] = "Instruction code: incorrect parameter";
    t[int(Warning::instructionTabulator)] = "Instruction code: incorrect tabulator index";
    t[int(Warning::instructionNoInteger)] = "Instruction code: no integer value";
    t[int(Warning::instructionUnknown)] = "Instruction code: unknown command";
    t[int(Warning::blankingOverflow)] = "Blanking buffer overflow";
    t[int(Warning::noPsfont)] = "No call to psfont";
    t[int(Warning::notPostScript)] = "Fileformat is not PostScript";
    t[int(Warning::incorrectStepSign)] = "Incorrect sign for step";
    t[int(Warning::nonPositiveParameter)] = "Non positive parameter";
    t[int(Warning::hiddenLineOverflow)] = "Hiddenline overflow";
    t[int(Warning::noMemory)] = "Not enough memory";
    t[int(Warning::noImgfin)] = "No call to imgfin";
    t[int(Warning::noImgini)] = "No call to imgini";
    t[int(Warning::incorrectFileFormat)] = "Incorrect file format";
    t[int(Warning::sameControlCharacters)] = "Control characters must be different";
    t[int(Warning::arrayOutOfScreen)] = "Array is out of screen";
    return t;
}();
static_assert(std::ranges::none_of(kWarningTexts, &std::string_view::empty),
              "every warning has its text");

enum class Suffix { None, Number, Text };

// The one place where a warning is counted and printed.
void emitWarning(Warning w, Suffix suffix, int number, const char *text) {
    const int n = int(w);
    GlobalRecord &rec = currentRecord();
    errmes(rec, w);
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

void errmes(GlobalRecord &rec, Warning w) {
    const int n = int(w);
    rec.msg.noutpag += 1;
    if (rec.msg.iunit == 0 || n > 100 || rec.msg.iwarn != 1) return;
    if (n >= 1 && n <= kWarningCount) {
        qqcopy(rec.msg.cmsgbuf, kWarningTexts[n].data());
    } else {
        std::printf("<<<< Incorrect parameter in errmes! (%4d)\n", n);
        qqcopy(rec.msg.cmsgbuf, kWarningTexts[0].data());
    }
}

void warnin(Warning w) {
    emitWarning(w, Suffix::None, 0, nullptr);
}
void warni1(Warning w, int value) {
    emitWarning(w, Suffix::Number, value, nullptr);
}
void warnc1(Warning w, const char *text) {
    emitWarning(w, Suffix::Text, 0, text);
}

void warnin(int n) {
    warnin(Warning(n));
}
void warni1(int n, int value) {
    warni1(Warning(n), value);
}
void warnc1(int n, const char *text) {
    warnc1(Warning(n), text);
}

void qqserr(const char *text) {
    qqcopy(currentRecord().msg.cmsgbuf, text);
}
