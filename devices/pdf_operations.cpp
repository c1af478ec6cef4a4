// The PDF writer's document start and its path, page, colour and image
// operations.
#include <cstdlib>
#include <cstring>
#include <new>

#include "devices/decimal_text.h"
#include "devices/pdf_writer.h"
#include "kernel/dispatch.h"
#include "kernel/driver.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

constexpr std::size_t kPdfBufferStep = 512000; // the PdfBuffer grows by this

PdfWriter *writerOf(GlobalRecord &rec) {
    return rec.vec.ppdfwr.get();
}

void endText(PdfWriter &w) {
    if (!w.textOpen) return;
    qqpdfbuf(w, "ET\n"); // ET
    w.textOpen = false;
}

void strokePath(PdfWriter &w) {
    if (w.pathOpen) qqpdfbuf(w, "S\n"); // S
    w.pathOpen = false;
    w.pathState = 3;
}

// The text of a colour component c / 255 ("%5.3f") for c = 1 ... 254: the
// division and its rounding are done once for every c, not at every fill.
struct ColourFractions {
    char text[256][8];
    ColourFractions() {
        for (int c = 1; c < 255; ++c)
            *putFixedWidth(text[c], double(c) / 255.0, 5, 3) = '\0';
    }
};

char *putColourFraction(char *p, int c) {
    if (c < 1 || c > 254) return putFixedWidth(p, double(c) / 255.0, 5, 3);
    static const ColourFractions fractions;
    std::memcpy(p, fractions.text[c], 5); // "0.xxx"
    return p + 5;
}

// "%.2f %.2f m\n" or "%.2f %.2f l\n"
void pathPoint(PdfWriter &w, float x, float y, char op) {
    char text[2 * kNumberTextRoom + 4];
    char *p = putFixed(text, double(x), 2);
    *p++ = ' ';
    p = putFixed(p, double(y), 2);
    *p++ = ' ';
    *p++ = op;
    *p++ = '\n';
    qqpdfbuf(w, text, long(p - text));
}

// "%.3f w\n" (line width) or "%.3f M\n" (miter limit).
void valueOperator(PdfWriter &w, float value, const char *op) {
    char text[kNumberTextRoom + 4];
    char *p = putFixed(text, double(value), 3);
    p = putText(p, op);
    qqpdfbuf(w, text, long(p - text));
}

// The current page is finished: its content stream, new fonts, the page object.
void finishPage(PdfWriter &w) {
    qqpdfadd(w, PdfPart::ContentStream, 2);
    qqpdfadd(w, PdfPart::Fonts, 0);
    qqpdfadd(w, PdfPart::Page, 0);
}

void freeBookmarks(PdfWriter &w) {
    for (int i = 0; i < w.bookmarkCount; ++i)
        std::free(w.bookmarks[i].text);
    std::free(w.bookmarks);
    w.bookmarks = nullptr;
    w.bookmarkCount = 0;
}

void freePendingSlots(PdfWriter &w) {
    for (PdfPendingStream &slot : w.pending) {
        std::free(slot.memory);
        std::free(slot.deflated);
        slot = PdfPendingStream{};
    }
    w.pendingFirst = w.pendingCount = 0;
}

void endDocument(PdfWriter &w) {
    finishPage(w);
    qqpdfadd(w, PdfPart::Document, 0);
    w.sink.closeFile();
    if (w.bufferMode) w.finishedLength = w.sink.position();
    freeBookmarks(w);
    qqpdfobj(w, -2, 0);
    w.compressor.reset(); // its helper threads end with the document
    std::free(w.streamMemory);
    w.streamMemory = nullptr;
    w.streamAllocated = w.streamCapacity = w.streamLength = 0;
    freePendingSlots(w);
}

} // namespace

PdfWriter::~PdfWriter() {
    compressor.reset(); // before the stream memory it may still read
    freeBookmarks(*this);
    std::free(offsets);
    std::free(kinds);
    std::free(streamMemory);
    std::free(deflated);
    freePendingSlots(*this);
}

void PdfWriterFree::operator()(PdfWriter *writer) const {
    delete writer;
}

void qqpdf1(GlobalRecord &rec, const char *file, int width, int height, int options, int landscape,
            int &status) {
    status = 0;
    if (!rec.vec.ppdfwr) {
        rec.vec.ppdfwr.reset(new (std::nothrow) PdfWriter);
        if (!rec.vec.ppdfwr) {
            status = -2;
            return;
        }
    }
    PdfWriter &w = *rec.vec.ppdfwr;
    w.compressionRequested = w.streamCompressed = (options & 1) != 0;
    w.bufferMode = (options & 2) != 0;
    w.landscape = landscape != 0;
    w.fillRed = w.fillGreen = w.fillBlue = -1;
    w.imageCount = w.formCount = 0;
    w.pageNumber = 1;
    w.finishedLength = 0;
    freeBookmarks(w);

    qqpdfobj(w, -1, 0);
    if (w.tablesLost) {
        status = -2;
        return;
    }
    if (w.bufferMode) {
        w.sink.useMemory(kPdfBufferStep, kPdfBufferStep);
    } else if (!w.sink.openFile(file)) {
        // The plot goes on without a file: bytes are only counted.
        w.sink.attachFile(nullptr);
        status = -1;
    }
    w.mediaWidth = width;
    w.mediaHeight = height;
    w.pageFirstObject = 1;
    w.pageStreams = 0;
    for (unsigned char &flag : w.fontFlags)
        flag = 0;
    w.fontIndex = -1;
    w.pathOpen = w.textOpen = w.textUsed = w.insideStream = w.insideImage = false;
    w.pathState = 3;

    qqpdfbuf(w, "%PDF-1.3\n");
    qqpdfadd(w, PdfPart::ContentStream, 1);
    qqpdfbuf(w, "0.709 w\n");
    qqpdfbuf(w, "2 J\n");
    qqpdfbuf(w, "2 j\n");
}

void qqpdf2(GlobalRecord &rec, float x, float y, int op) {
    PdfWriter *wp = writerOf(rec);
    if (wp == nullptr) return;
    PdfWriter &w = *wp;
    endText(w);
    if (op != kPenDraw && op != kPenCloseFill) strokePath(w);
    char text[3 * kNumberTextRoom + 32];
    switch (op) {
    case kPenDraw:
        if (w.pathState == 3) pathPoint(w, w.curX, w.curY, 'm'); // m
        pathPoint(w, x, y, 'l');                                 // l
        w.pathOpen = true;
        w.pathState = 2;
        break;
    case kPenMove:
        w.curX = x;
        w.curY = y;
        w.pathState = 3;
        break;
    case kPenNewPage:
        finishPage(w);
        w.pageNumber += 1;
        w.pageFirstObject = w.nextObject;
        w.pageStreams = 0;
        // A new page starts with the initial graphics state: the fill colour
        // must be set again.
        w.fillRed = w.fillGreen = w.fillBlue = -1;
        qqpdfadd(w, PdfPart::ContentStream, 1);
        break;
    case kPenCloseFill:
        if (w.pathOpen) {
            qqpdfbuf(w, "h\n");  // h
            qqpdfbuf(w, "f*\n"); // f*
        }
        w.pathOpen = false;
        w.pathState = 3;
        break;
    case kPenLineWidth: valueOperator(w, x, " w\n"); break;                // w
    case kPenLineJoin: pdfPrint(w, "%d j\n", truncToInt(x + 0.5f)); break; // j
    case kPenLineCap: pdfPrint(w, "%d J\n", truncToInt(x + 0.5f)); break;  // J
    case kPenMiterLimit: valueOperator(w, x, " M\n"); break;               // M
    case kPdfImageBegin:
        qqpdfadd(w, PdfPart::ContentStream, 2);
        w.imageWidth = truncToInt(x);
        w.imageHeight = truncToInt(y);
        qqpdfadd(w, PdfPart::Image, 1);
        break;
    case kPdfImageEnd:
        qqpdfadd(w, PdfPart::Image, 2);
        qqpdfadd(w, PdfPart::ContentStream, 1);
        qqpdfbuf(w, "q\n"); // q
        break;
    case kPdfImageTranslate: { // cm
        char *p = putFixed(putText(text, "1 0 0 1 "), double(x), 2);
        *p++ = ' ';
        p = putFixed(p, double(y), 2);
        qqpdfbuf(w, text, long(p - text));
        qqpdfbuf(w, " cm\n");
        break;
    }
    case kPdfImageRotate: qqpdfbuf(w, "0 1 -1 0 0 0 cm\n"); break;
    case kPdfImagePaint: { // cm, Do, Q
        char *p = putFixed(text, double(x), 2);
        p = putText(p, " 0 0 ");
        p = putFixed(p, double(y), 2);
        p = putText(p, " 0 0 cm\n");
        qqpdfbuf(w, text, long(p - text));
        pdfPrint(w, "/Image%d Do\n", w.imageCount);
        qqpdfbuf(w, "Q\n");
        break;
    }
    case kPenFlush: endDocument(w); break;
    default: break;
    }
}

void qqpdf3(GlobalRecord &rec, int r, int g, int b, int mode) {
    PdfWriter *wp = writerOf(rec);
    if (wp == nullptr) return;
    PdfWriter &w = *wp;
    strokePath(w);
    endText(w);
    if (mode == 1) {
        if (r == w.fillRed && g == w.fillGreen && b == w.fillBlue) return;
        w.fillRed = r;
        w.fillGreen = g;
        w.fillBlue = b;
    }
    char text[64];
    char *p = text;
    for (int c : {r, g, b}) {
        if (c == 0) {
            p = putText(p, "0 ");
        } else if (c == 255) {
            p = putText(p, "1 ");
        } else {
            p = putColourFraction(p, c);
            *p++ = ' ';
        }
    }
    p = putText(p, mode == 1 ? "rg\n" : "RG\n"); // rg (fill) or RG (stroke)
    qqpdfbuf(w, text, long(p - text));
}

void qqpdf4(GlobalRecord &rec, float x, float y, float width, float height) {
    PdfWriter *wp = writerOf(rec);
    if (wp == nullptr) return;
    PdfWriter &w = *wp;
    strokePath(w);
    endText(w);
    char text[4 * kNumberTextRoom + 16];
    char *p = text;
    for (float v : {x, y, width, height}) {
        p = putFixed(p, double(v), 2);
        *p++ = ' ';
    }
    p = putText(p, "re\nf\n"); // re, f
    qqpdfbuf(w, text, long(p - text));
}

void fillPolygonPdf(GlobalRecord &rec, const float *x, const float *y, int n) {
    if (n < 1) return;
    const float ox = float(rec.page.nxorg), oy = float(rec.page.nyorg);
    xjdraw(rec, x[0] + ox, y[0] + oy, kPenMove);
    for (int i = 1; i < n; ++i)
        xjdraw(rec, x[i] + ox, y[i] + oy, kPenDraw);
    xjdraw(rec, 0, 0, kPenCloseFill);
}
