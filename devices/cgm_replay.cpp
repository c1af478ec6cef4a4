// qqinccgm: a binary CGM file replayed into the plot.
//
// The file is read as big-endian 16-bit words, element by element, up to END
// METAFILE. An element header holds class (4 bits), id (7 bits) and the
// parameter length in bytes (5 bits; 31: the length is the next word); odd
// lengths are padded to whole words. Coordinates are 16-bit integers; until
// COLOUR SELECTION MODE selects direct colours they are taken with 32767
// added (indexed mode). Pass 1 finds the extent of the POLYLINE points, pass
// 2 draws them scaled into the box, with their LINE COLOURs.
//
// The file is read here with a status: a file that ends before END METAFILE
// stops the inclusion (kIncludeBadFormat) instead of the process, and as
// pass 1 reads the whole file, nothing is drawn from it then.
#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "devices/file_inclusion.h"
#include "kernel/colour.h"
#include "kernel/colour_value.h"
#include "kernel/dispatch.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

constexpr int kIndexedOffset = 32767;

struct ElementId {
    int cls;
    int id;
    bool operator==(const ElementId &) const = default;
};
constexpr ElementId kEndMetafile{0, 2};
constexpr ElementId kColourSelectionMode{2, 2};
constexpr ElementId kPolyline{4, 1};
constexpr ElementId kLineColour{5, 4};

// The words of the file; false at its end.
class CgmWords {
  public:
    explicit CgmWords(FILE *file) : file_(file) {}
    bool next(std::uint16_t &word) {
        const int high = std::fgetc(file_);
        const int low = std::fgetc(file_);
        if (low == EOF) return false;
        word = static_cast<std::uint16_t>(high << 8 | low);
        return true;
    }

  private:
    FILE *file_;
};

// The parameter words of one element, read as far as the reader wants; the
// rest is skipped by the walk.
class Parameters {
  public:
    Parameters(CgmWords &in, long words) : in_(in), left_(words) {}
    bool next(std::int16_t &value) {
        std::uint16_t word = 0;
        if (left_ <= 0 || !in_.next(word)) return false;
        --left_;
        value = static_cast<std::int16_t>(word);
        return true;
    }
    bool skipRest() {
        for (std::uint16_t word = 0; left_ > 0; --left_)
            if (!in_.next(word)) return false;
        return true;
    }

  private:
    CgmWords &in_;
    long left_;
};

// Walks the elements up to END METAFILE, handing each to visit; false when
// the file ends first.
template <typename Visit> bool walkElements(FILE *file, Visit visit) {
    CgmWords in(file);
    for (;;) {
        std::uint16_t header = 0;
        if (!in.next(header)) return false;
        const ElementId element{header >> 12, (header >> 5) & 0x7F};
        long length = header & 0x1F;
        if (length == 31) {
            std::uint16_t longLength = 0;
            if (!in.next(longLength)) return false;
            length = longLength;
        }
        if (element == kEndMetafile) return true;
        Parameters parameters(in, (length + 1) / 2);
        visit(element, parameters);
        if (!parameters.skipRest()) return false;
    }
}

// The point of a coordinate pair, with the offset of indexed mode.
bool nextPoint(Parameters &p, bool direct, int &x, int &y) {
    std::int16_t px = 0, py = 0;
    if (!p.next(px) || !p.next(py)) return false;
    const int offset = direct ? 0 : kIndexedOffset;
    x = px + offset;
    y = py + offset;
    return true;
}

void selectColourMode(Parameters &p, bool &direct) {
    std::int16_t mode = 0;
    if (p.next(mode)) direct = mode == 1;
}

// Indexed: the high byte of the parameter is the colour number. Direct: red,
// green and blue bytes; black is FORE and white BACK.
void lineColour(GlobalRecord &rec, Parameters &p, bool direct) {
    std::int16_t first = 0, second = 0;
    if (!p.next(first)) return;
    const int high = (static_cast<std::uint16_t>(first) >> 8) & 0xFF;
    if (!direct) {
        qqsclr(rec, high);
        return;
    }
    if (!p.next(second)) return;
    const int r = high, g = first & 0xFF, b = (static_cast<std::uint16_t>(second) >> 8) & 0xFF;
    if (r == 0 && g == 0 && b == 0)
        qqsclr(rec, namedColourValue(rec, 10));
    else if (r == 255 && g == 255 && b == 255)
        qqsclr(rec, namedColourValue(rec, 11));
    else
        qqsclr(rec, explicitColour(r, g, b));
}

} // namespace

int replayCgm(GlobalRecord &rec, FILE *file, const IncludeBox &box) {
    // Pass 1: the extent, one more than the largest point in plot units.
    bool direct = false;
    int xmax = 0, ymax = 0;
    const bool whole = walkElements(file, [&](const ElementId &element, Parameters &p) {
        if (element == kColourSelectionMode) selectColourMode(p, direct);
        if (element != kPolyline) return;
        for (int x, y; nextPoint(p, direct, x, y);) {
            xmax = std::max(xmax, truncToInt(float(x) * 0.5f + 0.5f) + 1);
            ymax = std::max(ymax, truncToInt(float(y) * 0.5f + 0.5f) + 1);
        }
    });
    if (!whole) return kIncludeBadFormat;
    // An extent below 1 (points only left of or above the origin) is taken as
    // 1, so that the scale stays finite.
    const float extentX = float(std::max(xmax, 1)), extentY = float(std::max(ymax, 1));
    const float s = std::min(float(box.width) / extentX, float(box.height) / extentY);

    // Pass 2: the lines and their colours.
    std::rewind(file);
    direct = false;
    const bool ignoreColours = rec.incl.ifilclr == 1;
    const bool drawn = walkElements(file, [&](const ElementId &element, Parameters &p) {
        if (element == kColourSelectionMode) {
            selectColourMode(p, direct);
        } else if (element == kLineColour) {
            if (!ignoreColours) lineColour(rec, p, direct);
        } else if (element == kPolyline) {
            int op = kPenMove;
            for (int x, y; nextPoint(p, direct, x, y); op = kPenDraw)
                xjdraw(rec, float(box.x) + float(x) * 0.5f * s,
                       float(box.y) + extentY * s - float(y) * 0.5f * s, op);
        }
    });
    return drawn ? kIncludeDone : kIncludeBadFormat;
}

int qqinccgm(GlobalRecord &rec, const char *name, const IncludeBox &box) {
    FILE *file = name != nullptr ? std::fopen(name, "rb") : nullptr;
    if (file == nullptr) return kIncludeOpenError;
    const int status = replayCgm(rec, file, box);
    std::fclose(file);
    return status;
}
