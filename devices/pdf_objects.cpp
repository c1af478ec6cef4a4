// The PDF byte sink, the object table and the streams: content streams
// collected in memory and compressed with the bytes of one deflate pass, or
// written straight with a length object after them.
#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#include "devices/pdf_writer.h"
#include "kernel/c_format.h"
#include "kernel/record_table.h"

namespace {

constexpr int kTableStep = 100;                // object table entries per growth
constexpr std::size_t kContentMemory = 300000; // bytes of one compressed content stream
// A stream goes to the compressor in steps of this many bytes, from its first
// step on: a small stream is compressed at its end, without a helper thread.
constexpr std::size_t kOfferStep = 32768;

// The output area one deflate pass over n bytes is given.
std::size_t outputArea(std::size_t n) {
    return n + n / 100 + 13;
}

// At least n bytes of output area; false without memory.
bool takeOutputArea(PdfWriter &w, std::size_t n) {
    if (w.deflatedCapacity >= n) return true;
    void *larger = std::realloc(w.deflated, n);
    if (larger == nullptr) return false;
    w.deflated = static_cast<unsigned char *>(larger);
    w.deflatedCapacity = n;
    return true;
}

// The stream memory has grown by a step: what it holds goes to the compressor,
// which starts on the stream with its first step. When several threads draw
// (thread mode), they keep the cores busy themselves, and each stream is
// compressed at its end.
void offerStream(PdfWriter &w) {
    if (!(w.compressor && w.compressor->busy())) {
        const std::size_t area = outputArea(w.streamCapacity);
        if (!w.compressor && !inThreadMode())
            w.compressor.reset(new (std::nothrow) StreamCompressor);
        if (inThreadMode() || !w.compressor || !takeOutputArea(w, area) ||
            !w.compressor->begin(w.streamMemory, w.deflated, area)) {
            w.nextOffer = SIZE_MAX;
            return;
        }
    }
    w.compressor->offer(w.streamLength);
    w.nextOffer = w.streamLength + kOfferStep;
}

// Appends to the stream memory, which has room for the n bytes.
void appendToStream(PdfWriter &w, const unsigned char *p, std::size_t n) {
    std::memcpy(w.streamMemory + w.streamLength, p, n);
    w.streamLength += n;
    if (w.streamLength >= w.nextOffer) offerStream(w);
}

} // namespace

bool takeStreamMemory(PdfWriter &w, std::size_t n) {
    if (w.streamAllocated < n) {
        void *larger = std::realloc(w.streamMemory, n);
        if (larger == nullptr) return false;
        w.streamMemory = static_cast<unsigned char *>(larger);
        w.streamAllocated = n;
    }
    w.streamCapacity = n;
    w.streamLength = 0;
    w.nextOffer = kOfferStep;
    return true;
}

namespace {

bool growTables(PdfWriter &w, int number) {
    int capacity = w.objectCapacity;
    while (number >= capacity)
        capacity += kTableStep;
    auto *offsets = static_cast<long long *>(
        std::realloc(w.offsets, sizeof(long long) * std::size_t(capacity)));
    if (offsets == nullptr) return false;
    w.offsets = offsets;
    auto *kinds = static_cast<unsigned char *>(std::realloc(w.kinds, std::size_t(capacity)));
    if (kinds == nullptr) return false;
    w.kinds = kinds;
    std::fill(w.offsets + w.objectCapacity, w.offsets + capacity, 0LL);
    std::fill(w.kinds + w.objectCapacity, w.kinds + capacity, 0);
    w.objectCapacity = capacity;
    return true;
}

void freeTables(PdfWriter &w) {
    std::free(w.offsets);
    std::free(w.kinds);
    w.offsets = nullptr;
    w.kinds = nullptr;
    w.objectCapacity = 0;
}

} // namespace

void pdfPrint(PdfWriter &w, const char *format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    const int n = vformatC(text, sizeof text, format, args);
    va_end(args);
    qqpdfbuf(w, text, std::min(n, int(sizeof text) - 1));
}

void qqpdfbuf(PdfWriter &w, const void *bytes, long count) {
    const auto *p = static_cast<const unsigned char *>(bytes);
    std::size_t n = count < 0 ? std::strlen(static_cast<const char *>(bytes)) : std::size_t(count);
    if (!(w.insideStream && w.streamCompressed)) {
        settlePendingStream(w);
        w.sink.write(p, n);
        return;
    }
    while (n > 0) {
        const std::size_t room = w.streamCapacity - w.streamLength;
        if (w.insideImage) {
            // An image never takes more than its size.
            appendToStream(w, p, std::min(n, room));
            return;
        }
        if (n > room && w.streamLength > 0) {
            // The write would pass the stream memory: this content stream
            // ends and a new one begins, so operators stay whole.
            splitContentStream(w);
            if (!w.streamCompressed) {
                w.sink.write(p, n);
                return;
            }
            continue;
        }
        const std::size_t part = std::min(n, room);
        appendToStream(w, p, part);
        p += part;
        n -= part;
    }
}

void qqpdfobj(PdfWriter &w, int number, int kind) {
    settlePendingStream(w);
    if (number == -1) {
        freeTables(w);
        w.tablesLost = !growTables(w, kTableStep - 1);
        w.nextObject = 3;
        return;
    }
    if (number == -2) {
        freeTables(w);
        return;
    }
    // A table that cannot grow is never written through: the object is
    // written, but the file cannot be completed correctly.
    if (!w.tablesLost && number >= w.objectCapacity && !growTables(w, number)) w.tablesLost = true;
    if (!w.tablesLost) {
        w.offsets[number] = w.sink.position();
        w.kinds[number] = static_cast<unsigned char>(kind);
    }
    if (kind == kPdfContent) {
        w.pageStreams += 1;
        w.lastStream = number;
    }
    pdfPrint(w, "%d 0 obj\n", number);
    if (number >= w.nextObject) w.nextObject = number + 1;
}

bool deflateStreamMemory(PdfWriter &w, std::size_t &compressedLength) {
    const std::size_t length = w.streamLength;
    if (w.compressor && w.compressor->busy()) return w.compressor->finish(length, compressedLength);
    const std::size_t area = outputArea(length);
    if (!takeOutputArea(w, area) || !w.deflater.begin(w.deflated, area)) return false;
    const bool ended = w.deflater.feed(w.streamMemory, length, true);
    compressedLength = w.deflater.length();
    return ended;
}

namespace {

// The object of a compressed content stream, after its object line: the
// compressed bytes, or the stream's own bytes when compression failed.
void writeCompressedStream(PdfWriter &w, const unsigned char *memory, std::size_t length,
                           const unsigned char *deflated, bool compressed,
                           std::size_t compressedLength) {
    if (compressed) {
        pdfPrint(w, "<< /Length %d\n", int(compressedLength));
        qqpdfbuf(w, "/Filter /FlateDecode\n");
        qqpdfbuf(w, ">>\n");
        qqpdfbuf(w, "stream\n");
        qqpdfbuf(w, deflated, long(compressedLength));
    } else {
        pdfPrint(w, "<< /Length %d >>\n", int(length));
        qqpdfbuf(w, "stream\n");
        qqpdfbuf(w, memory, long(length));
    }
    qqpdfbuf(w, "endstream\n");
    qqpdfbuf(w, "endobj\n");
}

// The stream memory and output area trade places with those of a slot.
void swapStreamMemory(PdfWriter &w, PdfPendingStream &slot) {
    std::swap(w.streamMemory, slot.memory);
    std::swap(w.streamAllocated, slot.allocated);
    std::swap(w.deflated, slot.deflated);
    std::swap(w.deflatedCapacity, slot.deflatedCapacity);
}

// Writes the oldest pending stream, waiting for its compression, and the
// object line of the stream after it (pending or being filled).
void settleOldestStream(PdfWriter &w) {
    const PdfPendingStream &stream = w.pending[w.pendingFirst];
    w.pendingFirst = (w.pendingFirst + 1) % kPdfMostPending;
    w.pendingCount -= 1;
    std::size_t compressedLength = 0;
    const bool compressed = w.compressor->result(compressedLength);
    // The stream being filled stays in its memory; these bytes go to the
    // sink, and the streams pending after this one wait their turn.
    const bool inside = w.insideStream;
    w.insideStream = false;
    w.settling = true;
    writeCompressedStream(w, stream.memory, stream.length, stream.deflated, compressed,
                          compressedLength);
    qqpdfobj(w, w.nextObject, kPdfContent);
    w.streamStart = w.sink.position();
    w.settling = false;
    w.insideStream = inside;
}

} // namespace

void settlePendingStream(PdfWriter &w) {
    if (w.settling) return;
    while (w.pendingCount > 0)
        settleOldestStream(w);
}

void splitContentStream(PdfWriter &w) {
    // The streams already compressed go to the sink, which keeps the bytes
    // flowing; the writer waits for the oldest only when every slot is full,
    // so that the compressor has room for the next stream.
    while (w.pendingCount > 0 && w.compressor->oldestDone())
        settleOldestStream(w);
    if (w.streamCompressed && w.compressor && w.compressor->busy()) {
        while (w.pendingCount >= w.compressor->capacity() - 1)
            settleOldestStream(w);
        // The compressor goes on with this stream while the next one fills
        // the memory of a free slot; without memory for it, the stream ends
        // as usual.
        PdfPendingStream &slot = w.pending[(w.pendingFirst + w.pendingCount) % kPdfMostPending];
        const std::size_t length = w.streamLength;
        swapStreamMemory(w, slot);
        if (takeStreamMemory(w, kContentMemory)) {
            w.compressor->close(length);
            slot.length = length;
            w.pendingCount += 1;
            return;
        }
        swapStreamMemory(w, slot);
    }
    qqpdfadd(w, PdfPart::ContentStream, 2);
    qqpdfadd(w, PdfPart::ContentStream, 1);
}

void contentStream(PdfWriter &w, int phase) {
    settlePendingStream(w);
    if (phase == 1) {
        w.streamCompressed = w.compressionRequested && takeStreamMemory(w, kContentMemory);
        qqpdfobj(w, w.nextObject, kPdfContent);
        if (!w.streamCompressed) {
            pdfPrint(w, "<< /Length %d 0 R >>\n", w.nextObject);
            qqpdfbuf(w, "stream\n");
        }
        w.streamStart = w.sink.position();
        w.insideStream = true;
        return;
    }
    if (!w.insideStream) return;
    w.insideStream = false;
    if (w.streamCompressed) {
        std::size_t compressedLength = 0;
        const bool compressed = deflateStreamMemory(w, compressedLength);
        writeCompressedStream(w, w.streamMemory, w.streamLength, w.deflated, compressed,
                              compressedLength);
        w.streamLength = 0;
        return;
    }
    const long long length = w.sink.position() - w.streamStart;
    qqpdfbuf(w, "endstream\n");
    qqpdfbuf(w, "endobj\n");
    qqpdfobj(w, w.nextObject, kPdfStructure);
    pdfPrint(w, "%lld\n", length);
    qqpdfbuf(w, "endobj\n");
}
