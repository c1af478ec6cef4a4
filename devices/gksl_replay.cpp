// qqincgks: a GKSL text metafile replayed into the plot.
//
// The first line holds the page width and height in centimetres in two
// fields of 10 characters; every further line holds records of 10
// characters. The first two characters of a record give its code: 0 and 1
// are coordinates (the code plus the 7 digits of columns 4..10 over 10^7, in
// units of the larger page side), pairs x, y with y upward; 2 and 3 set the
// pen (draw, move) of the pending point; 9 ends the file; 99 adds 89 to a
// colour offset; any other code c is colour offset - 9 + c.
#include <algorithm>
#include <cstdio>

#include "devices/file_inclusion.h"
#include "kernel/colour_state.h"
#include "kernel/dispatch.h"
#include "kernel/record.h"

namespace {

constexpr int kRecordLength = 10;

bool isDigit(int c) {
    return c >= '0' && c <= '9';
}

// A field of the header line: blanks, digits with an optional decimal
// point, blanks. False unless it is a number above 0 and at most 10^6.
bool headerSize(const char *field, double &value) {
    int i = 0;
    while (i < kRecordLength && field[i] == ' ')
        ++i;
    double v = 0, scale = 0;
    int digits = 0;
    for (; i < kRecordLength && (isDigit(field[i]) || (field[i] == '.' && scale == 0)); ++i) {
        if (field[i] == '.') {
            scale = 1;
            continue;
        }
        ++digits;
        if (scale == 0) {
            v = v * 10 + (field[i] - '0');
        } else {
            scale /= 10;
            v += scale * (field[i] - '0');
        }
    }
    while (i < kRecordLength && field[i] == ' ')
        ++i;
    value = v;
    return i == kRecordLength && digits > 0 && v > 0 && v <= 1.0e6;
}

// The records of the file after its first line, one at a time.
class RecordReader {
  public:
    enum class Next { Record, End, Malformed };
    explicit RecordReader(FILE *file) : file_(file) {}

    // The first line: its first 20 characters, the rest skipped.
    bool headerLine(char (&line)[2 * kRecordLength]) {
        int n = 0;
        int c;
        while ((c = std::fgetc(file_)) != EOF && c != '\n')
            if (n < 2 * kRecordLength && c != '\r') line[n++] = static_cast<char>(c);
        return n == 2 * kRecordLength;
    }

    // Records never run across lines: a line that ends inside one is
    // malformed; a file that ends inside one has simply ended.
    Next next(char (&record)[kRecordLength]) {
        int n = 0;
        for (;;) {
            const int c = std::fgetc(file_);
            if (c == EOF) return Next::End;
            if (c == '\r') continue;
            if (c == '\n') {
                if (n != 0) return Next::Malformed;
                continue;
            }
            record[n++] = static_cast<char>(c);
            if (n == kRecordLength) return Next::Record;
        }
    }

  private:
    FILE *file_;
};

// The code of a record: both first characters blank 0, a blank and a digit
// the digit, two digits the number; -1 for anything else.
int recordCode(const char *record) {
    const char a = record[0], b = record[1];
    if (a == ' ' && b == ' ') return 0;
    if (a == ' ' && isDigit(b)) return b - '0';
    if (isDigit(a) && isDigit(b)) return (a - '0') * 10 + (b - '0');
    return -1;
}

// The value of a coordinate record of code 0 or 1; false when columns 4..10
// are not digits.
bool coordinate(const char *record, int code, float &value) {
    int fraction = 0;
    for (int i = 3; i < kRecordLength; ++i) {
        if (!isDigit(record[i])) return false;
        fraction = fraction * 10 + (record[i] - '0');
    }
    value = float(code) + float(fraction) / 1.0e7f;
    return true;
}

bool reversedTable(const GlobalRecord &rec) {
    const auto kind = ColourTableKind(rec.colour.ivltid);
    return kind == ColourTableKind::Rrai || kind == ColourTableKind::Rspe ||
           kind == ColourTableKind::Rgre;
}

} // namespace

int replayGksl(GlobalRecord &rec, FILE *file, const IncludeBox &box) {
    RecordReader in(file);
    char header[2 * kRecordLength];
    double pageWidth = 0, pageHeight = 0;
    if (!in.headerLine(header) || !headerSize(header, pageWidth) ||
        !headerSize(header + kRecordLength, pageHeight))
        return kIncludeBadFormat;
    const float w = float(100.0 * pageWidth), h = float(100.0 * pageHeight);
    const float s = std::min(float(box.width) / w, float(box.height) / h);
    const float unit = std::max(w, h) * s; // plot units of a coordinate of 1

    float pair[2] = {0, 0};
    int have = 0; // coordinates of the pending point
    int pen = kPenMove;
    int offset = 0;
    auto drawPending = [&] {
        if (have != 2) return;
        xjdraw(rec, float(box.x) + pair[0], float(box.y) + s * h - pair[1], pen);
        have = 0;
    };
    const bool ignoreColours = rec.incl.ifilclr == 1;
    const bool swapEnds = reversedTable(rec) && rec.page.nbitpix > 8;
    char record[kRecordLength];
    for (;;) {
        const RecordReader::Next next = in.next(record);
        if (next == RecordReader::Next::Malformed) return kIncludeBadFormat;
        if (next == RecordReader::Next::End) {
            drawPending();
            return kIncludeIncomplete;
        }
        const int code = recordCode(record);
        if (code < 0) return kIncludeBadFormat;
        if (code <= 1) {
            float value = 0;
            if (!coordinate(record, code, value)) return kIncludeBadFormat;
            drawPending();
            pair[have++] = value * unit;
        } else if (code == 2 || code == 3) {
            pen = code == 2 ? kPenDraw : kPenMove;
        } else if (code == 9) {
            drawPending();
            return kIncludeDone;
        } else if (code == 99) {
            drawPending();
            offset += 89;
        } else {
            drawPending();
            int colour = offset - 9 + code;
            offset = 0;
            if (colour == 256) colour = 0;
            if (swapEnds && (colour == 0 || colour == 255)) colour = 255 - colour;
            // Codes 4..8 would give negative numbers: no colour of the table.
            if (!ignoreColours && colour >= 0 && colour <= 255) qqsclr(rec, colour);
        }
    }
}

int qqincgks(GlobalRecord &rec, const char *name, const IncludeBox &box) {
    FILE *file = name != nullptr ? std::fopen(name, "r") : nullptr;
    if (file == nullptr) return kIncludeOpenError;
    const int status = replayGksl(rec, file, box);
    std::fclose(file);
    return status;
}
