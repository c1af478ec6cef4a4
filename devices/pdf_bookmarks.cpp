// PDF bookmarks: pdfmrk stores them page by page (qqpdf9); at the end of the
// document qqpdfmrk writes them as the outline tree.
#include <cstdlib>
#include <cstring>

#include "devices/pdf_writer.h"
#include "kavlor.h"
#include "kernel/devices.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

constexpr int kMaxLevel = 4;

// The title as a literal string: backslash and parentheses escaped, so that
// any text keeps the file readable.
void writeTitle(PdfWriter &w, const char *title) {
    qqpdfbuf(w, "<< /Title (");
    for (const char *p = title; *p != '\0'; ++p) {
        if (*p == '\\' || *p == '(' || *p == ')')
            pdfPrint(w, "\\%o", unsigned(static_cast<unsigned char>(*p)));
        else
            qqpdfbuf(w, p, 1);
    }
    qqpdfbuf(w, ")\n");
}

// The object of page number page (1-based), or 0 when there is none.
int pageObject(const PdfWriter &w, int page) {
    if (w.tablesLost) return 0;
    for (int k = 3, seen = 0; k < w.nextObject; ++k)
        if (w.kinds[k] == kPdfPage && ++seen == page) return k;
    return 0;
}

} // namespace

void qqpdf9(GlobalRecord &rec, const char *text, int level, int &status) {
    status = 0;
    PdfWriter *wp = rec.vec.ppdfwr.get();
    if (wp == nullptr) return;
    PdfWriter &w = *wp;
    if (level < 0 || level > kMaxLevel) {
        status = 1;
        return;
    }
    // Level L needs a bookmark of every level above it first.
    for (int above = 0; above < level; ++above) {
        bool found = false;
        for (int k = 0; k < w.bookmarkCount && !found; ++k)
            found = w.bookmarks[k].level == above;
        if (!found) {
            status = 2;
            return;
        }
    }
    auto *larger = static_cast<PdfBookmark *>(
        std::realloc(w.bookmarks, sizeof(PdfBookmark) * std::size_t(w.bookmarkCount + 1)));
    if (larger == nullptr) {
        status = 3;
        return;
    }
    w.bookmarks = larger;
    const std::size_t n = std::strlen(text);
    char *copy = static_cast<char *>(std::malloc(n + 1));
    if (copy == nullptr) {
        status = 4;
        return;
    }
    std::memcpy(copy, text, n + 1);
    w.bookmarks[w.bookmarkCount] = {level, w.pageNumber, copy};
    w.bookmarkCount += 1;
}

int qqpdfmrk(PdfWriter &w) {
    const int root = w.nextObject;
    const int n = w.bookmarkCount;
    const PdfBookmark *b = w.bookmarks;
    auto object = [root](int k) { return root + 1 + k; };

    int lastTop = 0;
    for (int k = 0; k < n; ++k)
        if (b[k].level == 0) lastTop = k;
    qqpdfobj(w, root, kPdfOutline);
    qqpdfbuf(w, "<< /Type /Outlines\n");
    pdfPrint(w, "   /First %d 0 R\n", root + 1);
    pdfPrint(w, "   /Last %d 0 R\n", object(lastTop));
    pdfPrint(w, "   /Count %d\n", n);
    qqpdfbuf(w, ">>\n");
    qqpdfbuf(w, "endobj\n");

    for (int k = 0; k < n; ++k) {
        const int level = b[k].level;
        qqpdfobj(w, object(k), kPdfOutline);
        writeTitle(w, b[k].text);
        int parent = root;
        for (int j = k - 1; j >= 0; --j) {
            if (b[j].level < level) {
                parent = object(j);
                break;
            }
        }
        pdfPrint(w, "   /Parent %d 0 R\n", parent);
        for (int j = k - 1; j >= 0 && b[j].level >= level; --j) {
            if (b[j].level == level) {
                pdfPrint(w, "   /Prev %d 0 R\n", object(j));
                break;
            }
        }
        for (int j = k + 1; j < n && b[j].level >= level; ++j) {
            if (b[j].level == level) {
                pdfPrint(w, "   /Next %d 0 R\n", object(j));
                break;
            }
        }
        if (k + 1 < n && b[k + 1].level > level) {
            int last = k + 1, count = 0;
            for (int j = k + 1; j < n && b[j].level > level; ++j) {
                ++count;
                if (b[j].level == level + 1) last = j;
            }
            pdfPrint(w, "   /First %d 0 R\n", object(k + 1));
            pdfPrint(w, "   /Last %d 0 R\n", object(last));
            pdfPrint(w, "   /Count %d\n", count);
        }
        const int page = pageObject(w, b[k].page);
        if (page != 0) pdfPrint(w, "   /Dest [%d 0 R /XYZ 0 %d 0]\n", page, w.mediaHeight);
        qqpdfbuf(w, ">>\n");
        qqpdfbuf(w, "endobj\n");
    }
    return root;
}

extern "C" void pdfmrk(const char *text, const char *level) {
    GlobalRecord *rec = jqqlev(1, 3, "pdfmrk");
    if (rec == nullptr) return;
    const int index = jqqind("CHAP+SECT+SUBS+PARA+SUBP", 5, level);
    if (index == 0) return;
    // Without a PDF plot there is nothing to mark.
    if (deviceFamily(rec->core.idevice) != DeviceFamily::Pdf || !rec->vec.ppdfwr) return;
    int status = 0;
    qqpdf9(*rec, text != nullptr ? text : "", index - 1, status);
    if (status == 0) return;
    static constexpr const char *kMessages[5] = {"", "Bad parameter", "Bad structure for bookmarks",
                                                 "Not enough memory", "Not enough memory"};
    qqserr(kMessages[status]);
    warnin(Warning::ownText);
}
