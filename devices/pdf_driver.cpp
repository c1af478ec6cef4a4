// The driver of PDF: the document is started at kavini, pens and settings go
// to the content stream, and each new page gets the page box and the line
// settings again.
#include <algorithm>
#include <cstdlib>

#include "devices/device_drivers.h"
#include "devices/font_characters.h"
#include "devices/pdf_writer.h"
#include "kernel/device_setup.h"
#include "kernel/dispatch.h"
#include "kernel/fatal.h"
#include "kernel/file_versions.h"
#include "kernel/page.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "kernel/rounding.h"
#include "kernel/thick_lines.h"
#include "kernel/warnings.h"

namespace {

// The PDF document: its page in points (turned for a wide page), the file
// named inside the library lock, and a black page unless reversed.
void startPdf(GlobalRecord &rec) {
    PageState &page = rec.page;
    const float s = page.xdevscl;
    const bool wide = turnedOnPaper(page);
    int width = truncToInt(float(page.nxpage) * s) + 1;
    int height = truncToInt(float(page.nypage) * s) + 1;
    if (wide) std::swap(width, height);
    const int options = rec.format.ipdfmod;
    int status = 0;
    bool named = true;
    {
        LibraryLock lock;
        // A PDF kept in memory writes no file, so an existing one stays.
        if ((options & 2) == 0) named = gfilnn(rec, rec.out.cfilnam, sizeof rec.out.cfilnam);
        // Without a name the writer opens nothing.
        qqpdf1(rec, named ? rec.out.cfilnam : "", width, height, options, wide ? 1 : 0, status);
    }
    if (status == -2) {
        warnin(Warning::noMemory);
        endProcessAfterWarning();
    }
    // A file that cannot be named or opened: the plot goes on without it.
    rec.out.fileOpened = (options & 2) == 0 && named && status == 0;
    if (!named)
        warnin(Warning::incorrectFilename);
    else if (status == -1)
        warnin(Warning::fileError);
    if (page.iscrmod != 2) {
        qqpdf3(rec, 0, 0, 0, 1);
        qqpdf4(rec, 0, 0, float(width), float(height));
    }
}

void openPdf(GlobalRecord &rec) {
    PageState &page = rec.page;
    page.nbitpix = 24;
    const float points = 0.5f * 72.0f / 254.0f;
    const float paperW = (page.ihwpage == 1 ? 2.0f * float(page.nhwpage[0]) : 3900.0f) * points;
    const float paperH = (page.ihwpage == 1 ? 2.0f * float(page.nhwpage[1]) : 5600.0f) * points;
    float s = paperScale(rec, paperW, paperH);
    if (page.isclmod == 0) s = std::min(s, page.xsclfac * page.xunits * 72.0f / 254.0f);
    page.xdevscl = s;
    startPdf(rec);
}

bool pdfBox(GlobalRecord &rec, const DeviceBox &b, int colour) {
    int r = 0, g = 0, bl = 0;
    colourComponents(rec, colour, r, g, bl);
    qqstrk(rec);
    qqpdf3(rec, r, g, bl, 1);
    qqpdf4(rec, float(b.x), float(b.y), float(b.width), float(b.height));
    return true;
}

// Only the fill colour is set: the callers send their colour in force again
// when they end. The path takes the origin shift itself.
bool pdfTriangle(GlobalRecord &rec, const float x[3], const float y[3], int colour) {
    int r = 0, g = 0, b = 0;
    colourComponents(rec, colour, r, g, b);
    qqstrk(rec);
    qqpdf3(rec, r, g, b, 1);
    fillPolygonPdf(rec, x, y, 3);
    return true;
}

// Line settings go to the content stream through the pen (kPenLineWidth,
// kPenLineJoin, kPenLineCap, kPenMiterLimit), divided by the device scale so
// that they arrive in points.
float pdfValue(const GlobalRecord &rec, float t) {
    return t * 0.5f * 72.0f / (254.0f * rec.page.xdevscl);
}

// The miter limit as a length of x line widths. A limit below 1 is an error
// for PDF readers, so at least 1 point goes out.
void pdfMiter(GlobalRecord &rec, float x) {
    const float s = rec.page.xdevscl;
    const float v = std::max(pdfValue(rec, float(miterBase(rec)) * x), 1.0f / s);
    xjdraw(rec, v, v, kPenMiterLimit);
}

// A width of penwid takes the miter limit of a sharp join again; one of
// linwid does not.
bool pdfWidth(GlobalRecord &rec, const LineWidth &w) {
    const float v = pdfValue(rec, w.t);
    xjdraw(rec, v, v, kPenLineWidth);
    if (!w.whole && rec.line.ilnjoin == 0) pdfMiter(rec, rec.line.xlnmlt);
    return true;
}

void pdfJoin(GlobalRecord &rec) {
    const float j = float(rec.line.ilnjoin) / rec.page.xdevscl;
    xjdraw(rec, j, j, kPenLineJoin);
    if (rec.line.ilnjoin == 0) pdfMiter(rec, rec.line.xlnmlt);
}

void pdfCap(GlobalRecord &rec) {
    const float c = float(rec.line.ilncap) / rec.page.xdevscl;
    xjdraw(rec, c, c, kPenLineCap);
}

void newPdfPage(GlobalRecord &rec) {
    const PageState &page = rec.page;
    const LineState &line = rec.line;
    const float s = page.xdevscl;
    xjdraw(rec, 0, 0, kPenNewPage);
    // The box goes on the new page: drawn before the page break it would
    // cover the finished page.
    if (page.iscrmod != 2) dbox(rec, 0, 0, page.nxpage + 1, page.nypage + 1, 0);
    const float join = float(line.ilnjoin) / s;
    const float cap = float(line.ilncap) / s;
    const int t = std::max(5, roundAddHalf(2.0f * float(std::abs(line.nlinwid)) * page.xunits));
    const float width = float(t) * 0.5f * 72.0f / (254.0f * s);
    xjdraw(rec, join, join, kPenLineJoin);
    xjdraw(rec, cap, cap, kPenLineCap);
    xjdraw(rec, width, width, kPenLineWidth);
    qqsclr(rec, rec.colour.ncolor);
}

} // namespace

const DeviceDriver kPdfDriver{
    .open = openPdf,
    .penValues = true,
    .pen = [](GlobalRecord &rec, DevicePoint p, int op) { qqpdf2(rec, p.x, p.y, op); },
    .colour =
        [](GlobalRecord &rec, int colour) {
            const DeviceColour c = deviceColour(rec, colour);
            qqpdf3(rec, c.r, c.g, c.b, 0);
            qqpdf3(rec, c.r, c.g, c.b, 1);
        },
    .box = pdfBox,
    .fillPolygon = fillPolygonPdf,
    .triangle = pdfTriangle,
    .lineWidth = pdfWidth,
    .lineJoin = pdfJoin,
    .lineCap = pdfCap,
    .miterLimit = pdfMiter,
    .fontCharacter =
        [](GlobalRecord &rec, int code, float x, float y, float) {
            const PdfCharacter c = pdfCharacter(rec, code, x, y);
            qqpdf5(rec, c.code, c.matrix, c.angle, c.font, c.size);
        },
    .pixel = memoryRasterPixel,
    .palette = memoryRasterPalette,
    .newPage = newPdfPage,
    .close =
        [](GlobalRecord &rec, int &fileflag) {
            qqpdf2(rec, 0, 0, kPenFlush);
            if ((rec.format.ipdfmod & 2) != 0) fileflag = 0; // the PDF stays in memory
        },
    .writeFailed =
        [](const GlobalRecord &rec) { return rec.vec.ppdfwr && rec.vec.ppdfwr->sink.failed(); },
};
