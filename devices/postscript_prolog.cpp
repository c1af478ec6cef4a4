// The head of a PostScript or EPS file: header comments with the bounding box,
// the prolog that defines the record operators, the re-encoding procedure and
// the GermanVec code vector, the page set-up and the background.
#include <array>

#include "devices/postscript.h"
#include "kernel/c_format.h"
#include "kernel/date_time.h"
#include "kernel/devices.h"
#include "kernel/driver.h"
#include "kernel/output_file.h"
#include "kernel/page.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/version.h"

namespace {

constexpr float kPointsPerUnit = 0.1417322835f; // 72 / 508: the prolog's cm

// The prolog, line by line.
constexpr std::array kProlog = {
    "2 setlinecap 2 setlinejoin",
    "/cm {0.1417322835 mul} def /rgb {255 div} def /lc 1 string def",
    "/u  { /y exch cm def /x exch cm def newpath  x y moveto } def",
    "/d  { /y exch cm def /x exch cm def x y lineto } def",
    "/p  { stroke } def",
    // e: x y w v r g b, a filled rectangle
    "/e { /b exch rgb def /g exch rgb def",
    " /r exch rgb def /v exch cm def /w exch cm def /y exch cm def",
    " /x exch cm def gsave r g b setrgbcolor newpath x y moveto",
    " w y lineto w v lineto x v lineto closepath fill grestore } def",
    // f: r g b, the colour
    "/f { /b exch rgb def /g exch rgb def",
    " /r exch rgb def r g b setrgbcolor } def",
    // text: string x y a c1; font: name h; c: i x y a
    "/text { /c1 exch def /a exch def /y exch cm def /x exch cm def",
    " /Name exch def gsave x y moveto x y translate a rotate c1 0 gt",
    " { Name stringwidth 2 div neg exch 2 div neg exch rmoveto }",
    " {} ifelse Name show grestore } def /font { /h exch def",
    " /s exch def s findfont h scalefont setfont } def",
    "/c { /a exch def /y exch cm def /x exch cm def /i exch def",
    " gsave x y moveto x y translate a rotate lc 0 i put lc",
    " stringwidth 2 div neg exch 2 div neg exch rmoveto lc show",
    " grestore } def",
    // sec: x y r1 r2 a a2 r g b, a filled ring sector
    "/sec { /b exch rgb def /g exch rgb def /r exch rgb def",
    " /a2 exch def /a exch def /r2 exch cm def /r1 exch cm def",
    " /y exch cm def /x exch cm def gsave r g b setrgbcolor newpath",
    " x y r1 a a2 arc x y r2 a2 a arcn closepath fill grestore } def",
    // tri: x1 y1 x2 y2 x3 y3, a filled triangle
    "/tri { /y3 exch cm def /x3 exch cm def /y2 exch cm def",
    " /x2 exch cm def /y1 exch cm def /x1 exch cm def",
    " gsave newpath x1 y1 moveto",
    " x2 y2 lineto x3 y3 lineto closepath fill grestore } def",
};

// ReEncodeSmall: base name, new name, code/name array -> a re-encoded copy.
constexpr std::array kReEncodeSmall = {
    "/Reencsmalldict 12 dict def",
    "/ReEncodeSmall",
    "{ Reencsmalldict begin",
    "  /NewCodesAndNames exch def",
    "  /NewFontName exch def",
    "  /BaseFontName exch def",
    "  /BaseFontDict",
    "  BaseFontName findfont def",
    "  /NewFont BaseFontDict",
    "  maxlength dict def",
    "  BaseFontDict",
    "  { exch dup /FID ne",
    "    { dup /Encoding eq",
    "      { exch dup length array copy",
    "        NewFont 3 1 roll put",
    "      }",
    "      { exch NewFont 3 1 roll put",
    "      } ifelse",
    "      }",
    "      {pop pop} ifelse",
    "    } forall",
    "    NewFont",
    "    /FontName NewFontName put",
    "    NewCodesAndNames aload pop",
    "    NewCodesAndNames",
    "    length 2 idiv",
    "    { NewFont /Encoding get",
    "    3 1 roll put  } repeat",
    "    NewFontName NewFont",
    "    definefont pop end } def",
};

// GermanVec: the glyph names of the library's codes 127 (octal 177) and
// 128..186 (octal 200..272), the accented letters of its stroke fonts.
constexpr std::array kGermanVecNames = {
    "Adieresis",   "Odieresis",   "Udieresis",   "adieresis",   "odieresis",   "udieresis",
    "germandbls",  "Aring",       "Oslash",      "AE",          "aring",       "oslash",
    "ae",          "Ntilde",      "ntilde",      "Ccedilla",    "ccedilla",    "Edieresis",
    "Idieresis",   "edieresis",   "idieresis",   "Aacute",      "Eacute",      "Iacute",
    "Oacute",      "Uacute",      "aacute",      "eacute",      "iacute",      "oacute",
    "uacute",      "Agrave",      "Egrave",      "Igrave",      "Ograve",      "Ugrave",
    "agrave",      "egrave",      "igrave",      "ograve",      "ugrave",      "Acircumflex",
    "Ecircumflex", "Icircumflex", "Ocircumflex", "Ucircumflex", "acircumflex", "ecircumflex",
    "icircumflex", "ocircumflex", "ucircumflex", "Atilde",      "atilde",      "Otilde",
    "otilde",      "Yacute",      "yacute",      "ydieresis",   "exclamdown",  "questiondown",
};
static_assert(kGermanVecNames.size() == 60);

void line(GlobalRecord &rec, const char *text) {
    writeOutput(rec, text);
    writeOutput(rec, "\n");
}

// " /GermanVec [ 8#177 /Adieresis", then three pairs per line, the last line
// " 8#271 /exclamdown 8#272 /questiondown ] def".
void writeGermanVec(GlobalRecord &rec) {
    line(rec, " /GermanVec [ 8#177 /Adieresis");
    char text[160];
    const int last = int(kGermanVecNames.size()) - 2; // the two of the closing line
    for (int i = 1; i < last; i += 3) {
        int n = 0;
        for (int k = i; k < i + 3 && k < last; ++k)
            n += formatC(text + n, sizeof text - std::size_t(n), " 8#%o /%s", 127 + k,
                         kGermanVecNames[std::size_t(k)]);
        line(rec, text);
    }
    formatC(text, sizeof text, " 8#%o /%s 8#%o /%s ] def", 127 + last,
            kGermanVecNames[std::size_t(last)], 128 + last, kGermanVecNames[std::size_t(last) + 1]);
    line(rec, text);
}

} // namespace

void inipsc(GlobalRecord &rec) {
    const PageState &page = rec.page;
    const DeviceFacts &device = deviceFacts(rec.core.idevice);
    const float s = page.xdevscl;
    char text[200];
    line(rec, device.encapsulated ? "%!PS-Adobe-3.0 EPSF-3.0" : "%!PS-Adobe-2.0");

    // The drawing's offset on the paper in device units. The hardware origin
    // is in plot units, as the hardware page: twice that in 1/508 inch, both
    // for the bounding box and for the translation of the page set-up.
    const int ox = page.ihworg == 1 ? 2 * page.nhworg[0] : 150;
    const int oy = page.ihworg == 1 ? 2 * page.nhworg[1] : 200;
    const bool landscape = turnedOnPaper(page);
    const float across = float(landscape ? page.nypage : page.nxpage) * s;
    const float up = float(landscape ? page.nxpage : page.nypage) * s;
    // One point of margin on every side: lines along the page's edges are
    // stroked half outside it.
    formatC(text, sizeof text, "%s %d %d %d %d\n",
            "%%BoundingBox: ", truncToInt(float(ox) * kPointsPerUnit) - 1,
            truncToInt(float(oy) * kPointsPerUnit) - 1,
            truncToInt((float(ox) + across) * kPointsPerUnit + 1.0f),
            truncToInt((float(oy) + up) * kPointsPerUnit + 1.0f));
    writeOutput(rec, text);
    formatC(text, sizeof text, landscape ? "%s %4.1f L\n" : "%s %4.1f P\n", "%%Creator: KAVLOR ",
            double(kLibraryVersion));
    writeOutput(rec, text);
    formatC(text, sizeof text, "%s %s , %s\n", "%%CreationDate:", dddate(), ddtime());
    writeOutput(rec, text);
    line(rec, "%%EndComments");
    line(rec, "%%Page: 1 1");

    for (const char *prologLine : kProlog)
        line(rec, prologLine);
    for (const char *prologLine : kReEncodeSmall)
        line(rec, prologLine);
    writeGermanVec(rec);

    if (page.ihworg == 1)
        formatC(text, sizeof text, "%5d cm %5d %s %10.6f%10.6f scale\n", ox, oy,
                "cm translate 5 cm setlinewidth", 1.0, 1.0);
    else
        formatC(text, sizeof text, "%s %10.6f%10.6f scale\n",
                "  150 cm   200 cm translate 5 cm setlinewidth", 1.0, 1.0);
    writeOutput(rec, text);

    // A black page for the colour devices, unless the background is reversed.
    if (device.paintsPage && page.iscrmod != 2) {
        const int a = truncToInt(float(page.nypage) * s + 0.5f);
        const int b = truncToInt(float(page.nxpage) * s + 0.5f);
        formatC(text, sizeof text, landscape ? "0 0 %d %d 0 0 0 e \n" : "0 %d %d 0 0 0 0 e \n", a,
                b);
        writeOutput(rec, text);
    }
    drwpsc(rec, 0, 0, kPenStart);
}
