// PdfWriter: the state of the PDF writer (device 511), made by qqpdf1 on first
// use and hung from the record (rec.vec.ppdfwr) for the record's life; later
// plots reuse it. It writes PDF 1.3: one page per plot page, content streams
// (compressed with zlib when asked, split when the stream memory fills),
// Type 1 standard fonts, RGB images, outlines, the cross-reference table.
// Every byte goes through qqpdfbuf into the sink: the file, or the PdfBuffer
// in memory when the BUFF option is on.
#pragma once
#include <cstddef>
#include <cstdio>
#include <memory>

#include "devices/reusable_deflate.h"
#include "devices/stream_compressor.h"
#include "platform/byte_sink.h"

struct GlobalRecord;

constexpr int kPdfFonts = 35;

// Object kinds of the object table.
enum PdfObjectKind : unsigned char {
    kPdfStructure = 0, // catalog, page tree, info, stream lengths
    kPdfContent = 1,
    kPdfPage = 2,
    kPdfImage = 3,
    kPdfForm = 4,
    kPdfOutline = 5,
    kPdfFont = 10, // + font index
};

// A full content stream whose compression is under way, or a free slot for
// one: the memory and output area stay with the slot for later streams.
struct PdfPendingStream {
    unsigned char *memory = nullptr;
    std::size_t allocated = 0;
    unsigned char *deflated = nullptr;
    std::size_t deflatedCapacity = 0;
    std::size_t length = 0; // the stream's bytes
};
// Full streams pending at once: all but the open one the compressor holds.
constexpr int kPdfMostPending = StreamCompressor::kMostHelpers + 1;

struct PdfBookmark {
    int level;  // 0..4
    int page;   // page number, 1-based
    char *text; // a copy
};

struct PdfWriter {
    ByteSink sink;           // the file, or the PdfBuffer (BUFF)
    int pageFirstObject = 1; // first object number of the current page
    int pageStreams = 0;     // content streams of the current page
    int lastStream = 0;      // object number of the last content stream
    int nextObject = 3;      // objects 1 (catalog) and 2 (page tree) are written last
    int objectCapacity = 0;
    int mediaWidth = 0, mediaHeight = 0; // the MediaBox in points
    int fontIndex = -1;                  // font of the open text object, 0..34
    int fontSize = 0;                    // its size in tenths of a point
    std::size_t streamLength = 0;        // bytes in the stream memory
    std::size_t streamCapacity = 0;
    int fillRed = -1, fillGreen = -1, fillBlue = -1; // last fill colour; -1 none
    int imageCount = 0, formCount = 0;
    int imageWidth = 0, imageHeight = 0; // the image being written
    std::size_t imageBytes = 0;          // its bytes so far
    int pageNumber = 1;
    int bookmarkCount = 0;
    long long streamStart = 0;               // position of the current stream's data
    long long *offsets = nullptr;            // PdfObjectTable: offset by object number
    unsigned char *kinds = nullptr;          // and kind by object number
    float curX = 0, curY = 0;                // the point of the last move (points)
    unsigned char fontFlags[kPdfFonts] = {}; // 0 unused, 1 used and not yet written, 2 written
    bool pathOpen = false;
    bool insideStream = false;
    bool textUsed = false;
    bool streamCompressed = false;
    bool compressionRequested = false;
    bool textOpen = false;
    bool bufferMode = false;
    bool landscape = false;
    bool tablesLost = false;  // the object tables could not grow: the file is incomplete
    bool insideImage = false; // the current stream is an image
    unsigned char *streamMemory = nullptr; // the stream being collected for compression
    std::size_t streamAllocated = 0;       // its allocated size (reused from stream to stream)
    unsigned char *deflated = nullptr;     // output area of the compression, reused
    std::size_t deflatedCapacity = 0;
    // Compresses the streams while they fill (when a single thread draws),
    // made when a stream first grows past a step; nextOffer is the stream
    // length at which its next bytes go to it.
    std::unique_ptr<StreamCompressor> compressor;
    std::size_t nextOffer = 0;
    // Compresses a stream at its end on the drawing thread (thread mode, and
    // small streams), its state kept from stream to stream.
    ReusableDeflate deflater;
    // Content streams that ended because the stream memory filled, while the
    // compressor still works on them, oldest first from pendingFirst: the
    // stream being filled uses memory and an output area of its own (traded
    // with a free slot's), and a pending stream's object and the object line
    // of the stream after it are written once its result is taken, before any
    // other byte reaches the sink.
    PdfPendingStream pending[kPdfMostPending];
    int pendingFirst = 0;
    int pendingCount = 0;
    bool settling = false; // pending streams are being written
    int pathState = 3;     // 3 after a move, 2 after a draw
    PdfBookmark *bookmarks = nullptr;
    // The length of the last document finished in the PdfBuffer: pdfbuf's
    // size query answers it even after the copy freed the buffer.
    long long finishedLength = 0;

    PdfWriter() = default;
    PdfWriter(const PdfWriter &) = delete;
    PdfWriter &operator=(const PdfWriter &) = delete;
    ~PdfWriter();
};

// Parts of qqpdfadd.
enum class PdfPart { ContentStream = 1, Fonts = 2, Page = 3, Document = 4, Image = 5 };

// The single byte sink: into the stream memory inside a compressed stream,
// else into the file or the PdfBuffer. count -1: up to the terminating zero.
void qqpdfbuf(PdfWriter &w, const void *bytes, long count);
inline void qqpdfbuf(PdfWriter &w, const char *text) {
    qqpdfbuf(w, text, -1);
}

// Registers an object: number -1 makes the tables, -2 frees them; otherwise
// the number's offset and kind are stored and "%d 0 obj\n" is written.
void qqpdfobj(PdfWriter &w, int number, int kind);

// Writes a structural part: phase 1 begins it, 2 ends it.
void qqpdfadd(PdfWriter &w, PdfPart part, int phase);

// Writes the outline objects; returns the outline root's number.
int qqpdfmrk(PdfWriter &w);

// Inside qqpdfadd: a content stream (phase 1 begins, 2 ends it), and the
// compression of the stream memory into the output area, with the bytes of
// one deflate pass (false on any failure: the stream is then written raw).
void contentStream(PdfWriter &w, int phase);
bool deflateStreamMemory(PdfWriter &w, std::size_t &compressedLength);
// An image object: phase 1 begins it (imageWidth x imageHeight RGB pixels),
// phase 2 ends it.
void pdfImage(PdfWriter &w, int phase);
// Stream memory of at least n bytes for the next stream; false without memory.
bool takeStreamMemory(PdfWriter &w, std::size_t n);
// The current content stream ends because the stream memory is full, and the
// next one begins (as phase 2 and phase 1 of contentStream would).
void splitContentStream(PdfWriter &w);
// Writes the pending streams (waiting for their compression), each followed
// by the object line of the stream after it.
void settlePendingStream(PdfWriter &w);

// printf-style text into the sink, in the "C" locale.
void pdfPrint(PdfWriter &w, const char *format, ...) __attribute__((format(printf, 2, 3)));

// The base-font names by font index 0..34.
extern const char *const cfnt_pdf[kPdfFonts];

// Routines of the writer called by the dispatch, kavini, kavfin, the text
// routines and image mode. Status 0 is success.
void qqpdf1(GlobalRecord &rec, const char *file, int width, int height, int options, int landscape,
            int &status);
// qqpdf2 takes the pen operations of kernel/driver.h (draw, move, new page,
// close and fill, line width, join, cap, miter limit; kPenFlush ends the
// document; any other only strokes the pending path) and the steps of an
// image, numbered apart from them.
void qqpdf2(GlobalRecord &rec, float x, float y, int op);
enum PdfImageStep {
    kPdfImageBegin = 20, // an image of x by y pixels; its rows follow through qqpdf7
    kPdfImageEnd,        // the rows are done
    kPdfImageTranslate,  // the image's corner to the point x, y
    kPdfImageRotate,     // turned a quarter for a landscape page
    kPdfImagePaint,      // painted x by y points large
};
void qqpdf3(GlobalRecord &rec, int r, int g, int b, int mode);
void qqpdf4(GlobalRecord &rec, float x, float y, float width, float height);
void qqpdf5(GlobalRecord &rec, int code, const float matrix[6], int angle, int font, int size);
int qqpdf6(GlobalRecord &rec, char *buffer, int size, int &status);
void qqpdf7(GlobalRecord &rec, const unsigned char *bytes, int count);
void qqpdf9(GlobalRecord &rec, const char *text, int level, int &status);
void qqpfree(GlobalRecord &rec);

// A solid polygon filled by the device in the current fill colour: the
// vertices x[n], y[n] in plot units without the origin shift, sent as a move,
// draws and the close-and-fill operation of xjdraw.
void fillPolygonPdf(GlobalRecord &rec, const float *x, const float *y, int n);
