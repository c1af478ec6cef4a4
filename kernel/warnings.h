// Numbered warnings. Every warning of the library goes through warnin, warni1
// or warnc1: it is counted, and printed on the message stream with the name of
// the public routine that was called. Numbers above 100 print the text that
// qqserr set just before.
#pragma once

struct GlobalRecord;

// The warnings of the library by name; the number is the one printed. The
// texts stand beside the names in warnings.cpp.
enum class Warning : int {
    negativeParameter = 1,
    incorrectParameter = 2,
    incorrectLevel = 3,
    xOutOfPage = 4,
    yOutOfPage = 5,
    sameTickNumber = 6,
    firstRadiusGreater = 7,
    startAngleNotBelowEnd = 8,
    zeroStep = 9,
    equalScalingLimits = 10,
    axisTooShort = 11,
    startLabelOutOfScaling = 12,
    linearScalingNeeded = 13,
    linearInterpolationNeeded = 14,
    noLegini = 15,
    legendLineTooLong = 16,
    noLegendMemory = 17,
    incorrectEushftCharacter = 18,
    baseAlphabetUnusable = 19,
    noMetafile = 20,
    callAfterKavfin = 21,
    metafileDeleted = 22,
    logMinimumNotPositive = 23,
    logMaximumNotPositive = 24,
    minimumEqualsMaximum = 25,
    tooManyIntersections = 26,
    logValuesNotPositive = 27,
    barsUnequalTicks = 28,
    zeroDataSum = 29,
    incorrectPointCount = 30,
    incorrectSplinePointCount = 31,
    splineXNotIncreasing = 32,
    incorrectViewpoint = 33,
    noGrfini = 34,
    graf3dConfusion = 35,
    fileError = 36,
    incorrectFilename = 37,
    singularMatrix = 38,
    cgmTooManyPages = 39,
    incompatibleDevice = 40,
    incorrectHpglDevice = 41,
    moreLegendLinesThanCurves = 42,
    instructionParameter = 43,
    instructionTabulator = 44,
    instructionNoInteger = 45,
    instructionUnknown = 46,
    blankingOverflow = 47,
    noPsfont = 48,
    notPostScript = 49,
    incorrectStepSign = 50,
    nonPositiveParameter = 51,
    hiddenLineOverflow = 52,
    noMemory = 53,
    noImgfin = 54,
    noImgini = 55,
    incorrectFileFormat = 56,
    sameControlCharacters = 57,
    arrayOutOfScreen = 58,
    // Above 100 the text is the one that qqserr set just before.
    ownText = 101,
    mainWindowKept = 102, // the main screen window cannot be closed
    windowNotOpen = 103,
    undefinedLegendLine = 105,
};

// " <<<< Warning %3d: %s in %s!"
void warnin(Warning w);
// The same line followed by "   (%4d)" with value.
void warni1(Warning w, int value);
// The same line followed by "   (%s)" with text.
void warnc1(Warning w, const char *text);
// Bare numbers, until the last callers name their warnings.
void warnin(int n);
void warni1(int n, int value);
void warnc1(int n, const char *text);
// Sets the text of the next warning above 100 (at most 80 characters).
void qqserr(const char *text);
// Counts warning w and fetches its text into cmsgbuf when it will be printed.
void errmes(GlobalRecord &rec, Warning w);
