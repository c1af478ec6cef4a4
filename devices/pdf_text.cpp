// PDF text: characters of the 35 standard PostScript fonts in text objects,
// WinAnsi-encoded.
#include "devices/accented_letters.h"
#include "devices/decimal_text.h"
#include "devices/pdf_writer.h"
#include "kernel/c_format.h"
#include "kernel/record.h"

const char *const cfnt_pdf[kPdfFonts] = {
    "Times-Roman",
    "Times-Bold",
    "Times-Italic",
    "Times-BoldItalic",
    "Helvetica",
    "Helvetica-Bold",
    "Helvetica-Oblique",
    "Helvetica-BoldOblique",
    "Helvetica-Narrow",
    "Helvetica-Narrow-Bold",
    "Helvetica-Narrow-Oblique",
    "Helvetica-Narrow-BoldOblique",
    "NewCenturySchlbk-Roman",
    "NewCenturySchlbk-Italic",
    "NewCenturySchlbk-Bold",
    "NewCenturySchlbk-BoldItalic",
    "ZapfChancery-MediumItalic",
    "ZapfDingbats",
    "Courier",
    "Courier-Bold",
    "Courier-Oblique",
    "Courier-BoldOblique",
    "AvantGarde-Book",
    "AvantGarde-Demi",
    "AvantGarde-BookOblique",
    "AvantGarde-DemiOblique",
    "Bookman-Light",
    "Bookman-LightItalic",
    "Bookman-Demi",
    "Bookman-DemiItalic",
    "Palatino-Roman",
    "Palatino-Italic",
    "Palatino-Bold",
    "Palatino-BoldItalic",
    "Symbol",
};

void qqpdf5(GlobalRecord &rec, int code, const float matrix[6], int angle, int font, int size) {
    PdfWriter *wp = rec.vec.ppdfwr.get();
    if (wp == nullptr || font < 0 || font >= kPdfFonts) return;
    PdfWriter &w = *wp;
    if (w.pathOpen) qqpdfbuf(w, "S\n");
    w.pathOpen = false;
    w.pathState = 3;
    if (w.textOpen && (w.fontIndex != font || w.fontSize != size)) {
        qqpdfbuf(w, "ET\n");
        w.textOpen = false;
    }
    w.fontIndex = font;
    w.fontSize = size;
    w.textUsed = true;
    if (w.fontFlags[font] == 0) w.fontFlags[font] = 1;
    if (!w.textOpen) {
        qqpdfbuf(w, "BT\n");                                          // BT
        pdfPrint(w, "/F%d %.1f Tf\n", font + 1, double(size) / 10.0); // Tf
        w.textOpen = true;
    }

    // Tm: the text matrix.
    char text[6 * kNumberTextRoom + 32];
    char *p = text;
    if (angle == 0) {
        p = putText(p, "1 0 0 1 ");
    } else if (angle == 90) {
        p = putText(p, "0 1 -1 0 ");
    } else {
        for (int i = 0; i < 4; ++i) {
            p = putFixed(p, double(matrix[i]), 2);
            *p++ = ' ';
        }
    }
    p = putFixed(p, double(matrix[4]), 2);
    *p++ = ' ';
    p = putFixed(p, double(matrix[5]), 2);
    p = putText(p, " Tm\n");

    // Tj: backslash and parentheses, and every byte above 126, as octal escapes.
    const unsigned char c = latin1Of(code);
    if (code >= 127 || c == '\\' || c == '(' || c == ')') {
        p += formatC(p, 16, "(%c%o) Tj\n", '\\', unsigned(c));
    } else {
        *p++ = '(';
        *p++ = char(c);
        p = putText(p, ") Tj\n");
    }
    qqpdfbuf(w, text, long(p - text));
}
