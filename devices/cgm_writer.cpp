// The CGM metafile: header elements, picture headers, string parameters and
// POLYLINE elements. Every word is written big-endian, field by field.
#include <algorithm>
#include <cstring>
#include <ctime>

#include "devices/cgm.h"
#include "kernel/c_format.h"
#include "kernel/driver.h"
#include "kernel/output_file.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/version.h"

namespace {

// A few bytes of one element on their way to the record buffer.
class Element {
  public:
    void word(int value) {
        byte(value >> 8);
        byte(value);
    }
    void byte(int value) { bytes_[n_++] = char(value & 0xFF); }
    void send(GlobalRecord &rec) {
        qqsbuf(rec, bytes_, n_);
        n_ = 0;
    }

  private:
    char bytes_[4 + 4 * 50];
    int n_ = 0;
};

// Element headers (class, id, length) of the elements written here.
constexpr int kBeginMetafile = 0x003F;       // 0/1, long form
constexpr int kEndMetafile = 0x0040;         // 0/2
constexpr int kBeginPicture = 0x007F;        // 0/3, long form
constexpr int kBeginPictureBody = 0x0080;    // 0/4
constexpr int kEndPicture = 0x00A0;          // 0/5
constexpr int kMetafileVersion = 0x1022;     // 1/1, 2 bytes
constexpr int kMetafileDescription = 0x105F; // 1/2, long form
constexpr int kPolyline = 0x403F;            // 4/1, long form
constexpr int kLineColour = 0x5083;          // 5/4, 3 bytes

void header(GlobalRecord &rec, int word) {
    Element e;
    e.word(word);
    e.send(rec);
}

// BEGIN PICTURE and the picture descriptor, then the body begins.
void beginPicture(GlobalRecord &rec) {
    const FormatState &format = rec.format;
    const PageState &page = rec.page;
    header(rec, kBeginPicture);
    char name[300];
    if (format.icgmpic == 1)
        formatC(name, sizeof name, "%s", format.ccgmpic);
    else
        formatC(name, sizeof name, "Picture %d", rec.vec.ncgmpno);
    qqcgm1(rec, name);

    Element e;
    if (format.ncgmver == 4) {
        // SCALING MODE: metric, factor 0.05.
        for (int b : {0x20, 0x26, 0x00, 0x01, 0x3D, 0x4C, 0xCC, 0xC8})
            e.byte(b);
    }
    e.word(0x2042); // COLOUR SELECTION MODE: direct
    e.word(1);
    int w = truncToInt(float(page.nxpage) * page.xdevscl + 0.5f);
    int h = truncToInt(float(page.nypage) * page.xdevscl + 0.5f);
    if (page.ipagmod == 1) std::swap(w, h);
    e.word(0x20C8); // VDC EXTENT: 0, 0, W, H
    e.word(0);
    e.word(0);
    e.word(w);
    e.word(h);
    e.word(0x20E4); // BACKGROUND COLOUR: r, g, b, pad
    for (int i = 0; i < 3; ++i)
        e.byte(format.icgmbgd == 1 ? format.ncgmbgd[i] : 255);
    e.byte(0);
    e.word(kBeginPictureBody);
    e.send(rec);
    drwcgm(rec, 0, 0, kPenStart);
}

void writePolyline(GlobalRecord &rec) {
    VectorPath<short> &path = rec.vec.cgm;
    if (path.count < 2) return; // a POLYLINE needs two points
    Element e;
    e.word(kPolyline);
    e.word(4 * path.count);
    for (int i = 0; i < path.count; ++i) {
        e.word(path.x[std::size_t(i)]);
        e.word(path.y[std::size_t(i)]);
    }
    e.send(rec);
}

// VDC coordinates are 16-bit integers.
short vdc(float v) {
    const float rounded = float(truncToInt(v + 0.5f));
    return short(std::clamp(rounded, -32768.0f, 32767.0f));
}

} // namespace

void qqcgm1(GlobalRecord &rec, const char *text) {
    const int n = int(std::strlen(text));
    Element e;
    if (n < 255) {
        e.word(n + 1);
        e.byte(n);
    } else {
        // The long string form: count 255 and a 16-bit length of its own.
        e.word(n + 3);
        e.byte(255);
        e.word(n);
    }
    e.send(rec);
    qqsbuf(rec, text, n);
    if ((n < 255 ? n + 1 : n + 3) % 2 == 1) qqsbuf(rec, "", 1); // pad to an even length
}

void inicgm(GlobalRecord &rec, int mode) {
    if (mode == 1) {
        header(rec, kBeginMetafile);
        qqcgm1(rec, rec.out.cfilnam);
        Element e;
        e.word(kMetafileVersion);
        e.word(rec.format.ncgmver);
        e.send(rec);

        header(rec, kMetafileDescription);
        const std::time_t now = std::time(nullptr);
        std::tm t{};
        localtime_r(&now, &t);
        char date[16], source[32], description[200];
        formatC(date, sizeof date, "%04d%02d%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday);
        formatC(source, sizeof source, "%4.1f", double(kLibraryVersion));
        formatC(description, sizeof description, "%c%s%c,%c%s%c,%c%s %s%c,%c%s%s%c,%c%s%c", '"',
                rec.format.ncgmver == 1 ? "ProfileId:CALS" : "ProfileId:WebCGM", '"', '"',
                "ProfileEd:1.0", '"', '"', "Source:KAVLOR", source, '"', '"', "Date:", date, '"',
                '"', "ColourClass:colour", '"');
        qqcgm1(rec, description);

        // METAFILE ELEMENT LIST: one entry, the drawing-plus-control set.
        for (int b : {0x11, 0x66, 0x00, 0x01, 0xFF, 0xFF, 0x00, 0x01})
            e.byte(b);
        e.send(rec);
        rec.vec.ncgmpno = 1;
    } else {
        drwcgm(rec, 0, 0, kPenEndPiece);
        header(rec, kEndPicture);
        rec.vec.ncgmpno += 1;
    }
    beginPicture(rec);
}

void drwcgm(GlobalRecord &rec, float x, float y, int op) {
    VectorPath<short> &path = rec.vec.cgm;
    switch (op) {
    case kPenStart: path.reset(); return;
    case kPenDraw: {
        const short px = vdc(x), py = vdc(y);
        if (path.draw(px, py)) {
            writePolyline(rec);
            path.startAt(px, py);
        }
        return;
    }
    case kPenEndPiece:
    case kPenFlush:
        writePolyline(rec);
        path.count = 0;
        return;
    default:
        writePolyline(rec);
        path.startAt(vdc(x), vdc(y));
        return;
    }
}

void cgmLineColour(GlobalRecord &rec, int r, int g, int b) {
    drwcgm(rec, 0, 0, kPenEndPiece);
    Element e;
    e.word(kLineColour);
    e.byte(r);
    e.byte(g);
    e.byte(b);
    e.byte(0);
    e.send(rec);
}

void cgmEnd(GlobalRecord &rec) {
    drwcgm(rec, 0, 0, kPenFlush);
    header(rec, kEndPicture);
    header(rec, kEndMetafile);
}
