// VectorFileState: the device-writer scratch area of the vector file writers
// in the GlobalRecord (rec.vec): the pen paths of PostScript, CGM and SVG, the
// SVG writer's groups and output, the CGM picture count, and the PDF writer,
// and the WMF writer, which hang from the record and are freed with it.
#pragma once
#include <array>
#include <memory>

#include "platform/byte_sink.h"

// Points per written path piece (PostScript and SVG polylines, CGM POLYLINE).
constexpr int kVectorPathPoints = 50;

// VectorPath: the pen path a writer collects between moves: up to 50 points,
// and the last point of the previous piece, where the next draw continues.
template <class T> struct VectorPath {
    std::array<T, kVectorPathPoints> x{};
    std::array<T, kVectorPathPoints> y{};
    int count = 0;          // points in the path
    T lastX = 0, lastY = 0; // last point kept for the next draw

    // A new path at (px, py).
    void startAt(T px, T py) {
        x[0] = px;
        y[0] = py;
        count = 1;
        lastX = px;
        lastY = py;
    }

    // A draw to (px, py); an empty path begins at the last point kept. True
    // when the path is full: the writer writes it and starts the next piece
    // at (px, py).
    bool draw(T px, T py) {
        if (count == 0) startAt(lastX, lastY);
        x[std::size_t(count)] = px;
        y[std::size_t(count)] = py;
        lastX = px;
        lastY = py;
        return ++count == kVectorPathPoints;
    }

    // No path, and the pen at the origin: the start of a document or picture.
    void reset() {
        count = 0;
        lastX = lastY = 0;
    }
};

// Kind of the open SVG group.
enum class SvgGroup : unsigned char { None = 0, Stroke = 1, Text = 2 };

struct SvgState {
    SvgGroup group = SvgGroup::None;            // the open group
    float width = 1.0f;                         // stroke width of stroke groups (SVG user units)
    unsigned char red = 0, green = 0, blue = 0; // current colour
    int font = 0;                               // PostScript font index of the open text group
    VectorPath<float> path;                     // points unrounded, SVG user units
    ByteSink sink;                              // the document, written to the plot file
};

struct PdfWriter;
// Frees a PDF writer and its buffers (qqpfree's work).
struct PdfWriterFree {
    void operator()(PdfWriter *writer) const;
};

struct WmfWriter;
// Frees a WMF writer, closing a recording still open.
struct WmfWriterFree {
    void operator()(WmfWriter *writer) const;
};

struct VectorFileState {
    VectorPath<int> ps;    // PostScript path, device units (1/508 inch)
    VectorPath<short> cgm; // CGM path, VDC units
    int ncgmpno = 0;       // CGM picture number: 1 for the first picture
    SvgState svg;
    std::unique_ptr<PdfWriter, PdfWriterFree> ppdfwr; // made by qqpdf1 on first use
    std::unique_ptr<WmfWriter, WmfWriterFree> pwmfwr; // made by qqwmf1, freed by qqwmf2
};
