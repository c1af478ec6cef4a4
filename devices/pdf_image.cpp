// PDF image objects: RGB pixels of image mode as an XObject, compressed in one
// deflate pass when asked.
#include <algorithm>
#include <cstring>

#include "devices/pdf_writer.h"
#include "kernel/record.h"

void pdfImage(PdfWriter &w, int phase) {
    const std::size_t size = std::size_t(w.imageWidth) * std::size_t(w.imageHeight) * 3;
    if (phase == 1) {
        w.streamCompressed = w.compressionRequested && size > 0 && takeStreamMemory(w, size);
        qqpdfobj(w, w.nextObject, kPdfImage);
        w.imageCount += 1;
        qqpdfbuf(w, "<< /Type /XObject /Subtype /Image\n");
        qqpdfbuf(w, "   /ColorSpace /DeviceRGB\n");
        pdfPrint(w, "   /Width %d /Height %d /BitsPerComponent 8\n", w.imageWidth, w.imageHeight);
        if (!w.streamCompressed) {
            pdfPrint(w, "   /Length %lld\n", static_cast<long long>(size));
            qqpdfbuf(w, ">>\n");
            qqpdfbuf(w, "stream\n");
        }
        w.imageBytes = 0;
        w.insideImage = true;
        w.insideStream = true;
        return;
    }
    if (!w.insideImage) return;
    w.insideStream = false;
    w.insideImage = false;
    if (w.streamCompressed) {
        // Rows that never came are black, so the stream has the image's size.
        std::memset(w.streamMemory + w.streamLength, 0, size - w.streamLength);
        w.streamLength = size;
        std::size_t compressed = 0;
        if (deflateStreamMemory(w, compressed)) {
            pdfPrint(w, "   /Length %d\n", int(compressed));
            qqpdfbuf(w, "   /Filter /FlateDecode\n");
            qqpdfbuf(w, ">>\n");
            qqpdfbuf(w, "stream\n");
            qqpdfbuf(w, w.deflated, long(compressed));
        } else {
            pdfPrint(w, "   /Length %d >>\n", int(size));
            qqpdfbuf(w, "stream\n");
            qqpdfbuf(w, w.streamMemory, long(size));
        }
        w.streamLength = 0;
    } else {
        static const unsigned char kZeros[256] = {};
        for (std::size_t missing = size - w.imageBytes; missing > 0;) {
            const std::size_t n = missing < sizeof kZeros ? missing : sizeof kZeros;
            qqpdfbuf(w, kZeros, long(n));
            missing -= n;
        }
    }
    qqpdfbuf(w, "endstream\n");
    qqpdfbuf(w, "endobj\n");
}

void qqpdf7(GlobalRecord &rec, const unsigned char *bytes, int count) {
    PdfWriter *w = rec.vec.ppdfwr.get();
    if (w == nullptr || !w->insideImage || count <= 0) return;
    const std::size_t size = std::size_t(w->imageWidth) * std::size_t(w->imageHeight) * 3;
    // Bytes beyond the image's size are dropped: its length is fixed.
    const std::size_t n = std::min(std::size_t(count), size - w->imageBytes);
    qqpdfbuf(*w, bytes, long(n));
    w->imageBytes += n;
}
