// The structure of a PDF document: font objects, page objects, the page tree,
// the catalog, the info object, the cross-reference table and the trailer.
#include <ctime>

#include "devices/pdf_writer.h"
#include "kernel/c_format.h"

namespace {

int kindOf(const PdfWriter &w, int object) {
    return w.tablesLost ? -1 : w.kinds[object];
}

// Fonts used and not yet written: one Type 1 font object each.
void writeFonts(PdfWriter &w) {
    for (int i = 0; i < kPdfFonts; ++i) {
        if (w.fontFlags[i] != 1) continue;
        qqpdfobj(w, w.nextObject, kPdfFont + i);
        qqpdfbuf(w, "<< /Type /Font\n");
        qqpdfbuf(w, "/Subtype /Type1\n");
        pdfPrint(w, "/BaseFont /%s\n", cfnt_pdf[i]);
        qqpdfbuf(w, "/Encoding /WinAnsiEncoding\n");
        qqpdfbuf(w, ">>\n");
        qqpdfbuf(w, "endobj\n");
        w.fontFlags[i] = 2;
    }
}

// The page object with its resources and contents.
void writePage(PdfWriter &w) {
    const int first = w.pageFirstObject;
    const int end = w.nextObject;
    bool pageHasImage = false;
    for (int k = first; k < end; ++k)
        pageHasImage = pageHasImage || kindOf(w, k) == kPdfImage;

    qqpdfobj(w, w.nextObject, kPdfPage);
    qqpdfbuf(w, "<<\n");
    qqpdfbuf(w, "/Type /Page\n");
    pdfPrint(w, "/MediaBox [0 0 %d %d]\n", w.mediaWidth, w.mediaHeight);
    qqpdfbuf(w, "/Parent 2 0 R\n");
    if (w.landscape) qqpdfbuf(w, "/Rotate 90\n");
    if (!w.textUsed) {
        qqpdfbuf(w, pageHasImage ? "/Resources << /ProcSet [/PDF /ImageC]\n"
                                 : "/Resources << /ProcSet [/PDF]\n");
    } else {
        qqpdfbuf(w, pageHasImage ? "/Resources << /ProcSet [/PDF /Text /ImageC]\n"
                                 : "/Resources << /ProcSet [/PDF /Text]\n");
        qqpdfbuf(w, "/Font <<\n");
        for (int k = 3; k < end; ++k) {
            const int kind = kindOf(w, k);
            if (kind >= kPdfFont) pdfPrint(w, "/F%d %d 0 R\n", kind - kPdfFont + 1, k);
        }
        qqpdfbuf(w, ">>\n");
    }
    if (pageHasImage) {
        qqpdfbuf(w, "/XObject <<\n");
        int image = 0; // images are numbered over the whole document
        for (int k = 3; k < end; ++k) {
            if (kindOf(w, k) != kPdfImage) continue;
            ++image;
            if (k >= first) pdfPrint(w, "/Image%d %d 0 R\n", image, k);
        }
        qqpdfbuf(w, ">>\n");
    }
    qqpdfbuf(w, ">>\n");
    if (w.pageStreams == 1) {
        pdfPrint(w, "/Contents %d 0 R\n", w.lastStream);
    } else {
        qqpdfbuf(w, "/Contents [\n");
        for (int k = first; k < end; ++k)
            if (kindOf(w, k) == kPdfContent) pdfPrint(w, "%d 0 R\n", k);
        qqpdfbuf(w, "]\n");
    }
    qqpdfbuf(w, ">>\n");
    qqpdfbuf(w, "endobj\n");
}

// Page tree, outlines, catalog, info, cross-reference table and trailer.
void writeDocumentEnd(PdfWriter &w) {
    qqpdfobj(w, 2, kPdfStructure);
    qqpdfbuf(w, "<< /Type /Pages /Kids [\n");
    int pages = 0;
    for (int k = 3; k < w.nextObject; ++k) {
        if (kindOf(w, k) != kPdfPage) continue;
        pdfPrint(w, "%d 0 R\n", k);
        ++pages;
    }
    pdfPrint(w, "] /Count %d\n", pages);
    qqpdfbuf(w, ">>\n");
    qqpdfbuf(w, "endobj\n");

    const int outlines = w.bookmarkCount > 0 ? qqpdfmrk(w) : 0;

    qqpdfobj(w, 1, kPdfStructure);
    qqpdfbuf(w, "<< /Type /Catalog /Pages 2 0 R\n");
    if (outlines != 0) {
        pdfPrint(w, "   /Outlines %d 0 R\n", outlines);
        qqpdfbuf(w, "   /PageMode /UseOutlines\n");
    }
    qqpdfbuf(w, ">>\n");
    qqpdfbuf(w, "endobj\n");

    const int info = w.nextObject;
    qqpdfobj(w, info, kPdfStructure);
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    pdfPrint(w, "<< /CreationDate (D:%04d%02d%02d%02d%02d%02d)\n", t.tm_year + 1900, t.tm_mon + 1,
             t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
    qqpdfbuf(w, "/Producer (KAVLOR 9.0)\n");
    qqpdfbuf(w, ">>\n");
    qqpdfbuf(w, "endobj\n");

    const long long xref = w.sink.position();
    const int count = w.nextObject;
    qqpdfbuf(w, "xref\n");
    pdfPrint(w, "0 %d\n", count);
    qqpdfbuf(w, "0000000000 65535 f \n");
    for (int k = 1; k < count; ++k)
        pdfPrint(w, "%010lld 00000 n \n", w.tablesLost ? 0LL : w.offsets[k]);
    qqpdfbuf(w, "trailer\n");
    pdfPrint(w, "<< /Size %d /Root 1 0 R /Info %d 0 R\n", count, info);
    qqpdfbuf(w, ">>\n");
    qqpdfbuf(w, "startxref\n");
    pdfPrint(w, "%lld\n", xref);
    qqpdfbuf(w, "%%EOF\n");
}

} // namespace

void qqpdfadd(PdfWriter &w, PdfPart part, int phase) {
    switch (part) {
    case PdfPart::ContentStream: contentStream(w, phase); break;
    case PdfPart::Fonts: writeFonts(w); break;
    case PdfPart::Page: writePage(w); break;
    case PdfPart::Document: writeDocumentEnd(w); break;
    case PdfPart::Image: pdfImage(w, phase); break;
    }
}
