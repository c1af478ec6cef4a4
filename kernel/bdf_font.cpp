// The BDF reader: keywords per line, glyph records sized by CHARS.
#include "kernel/bdf_font.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/types.h>

#include "kernel/record.h"
#include "kernel/record_table.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

void BdfFont::clear() {
    for (int32_t i = 0; i < nglyphs; ++i)
        std::free(glyphs[i].bitmap);
    std::free(glyphs);
    glyphs = nullptr;
    nchars = nglyphs = 0;
    pointSize = xres = yres = 0;
    for (int32_t &v : bbox)
        v = 0;
}

const BdfGlyph *BdfFont::find(int32_t encoding) const {
    for (int32_t i = 0; i < nglyphs; ++i)
        if (glyphs[i].encoding == encoding) return &glyphs[i];
    return nullptr;
}

namespace {

struct FileCloser {
    FILE *fp;
    ~FileCloser() {
        if (fp != nullptr) std::fclose(fp);
    }
};

struct LineBuffer {
    char *text = nullptr;
    size_t size = 0;
    ~LineBuffer() { std::free(text); }
};

// A growing string of bitmap rows.
struct Rows {
    char *text = nullptr;
    size_t length = 0;
    size_t capacity = 0;
    ~Rows() { std::free(text); }

    bool append(const char *row) {
        const size_t n = std::strlen(row);
        if (length + n + 2 > capacity) {
            const size_t wanted = (length + n + 2) * 2;
            char *grown = static_cast<char *>(std::realloc(text, wanted));
            if (grown == nullptr) return false;
            text = grown;
            capacity = wanted;
        }
        std::memcpy(text + length, row, n);
        length += n;
        text[length++] = '\n';
        text[length] = '\0';
        return true;
    }
    // Hands the rows over (an empty bitmap is one NUL).
    char *release() {
        if (text == nullptr) return static_cast<char *>(std::calloc(1, 1));
        char *out = text;
        text = nullptr;
        length = capacity = 0;
        return out;
    }
};

// The first word of a line, as BDF keywords are matched.
bool keyword(const char *line, const char *word) {
    const size_t n = std::strlen(word);
    return std::strncmp(line, word, n) == 0 &&
           (line[n] == '\0' || line[n] == ' ' || line[n] == '\t');
}

// Reads count integers after the keyword; false when any is missing.
bool integers(const char *line, int count, int32_t *values) {
    const char *p = line;
    while (*p != '\0' && *p != ' ' && *p != '\t')
        ++p;
    for (int i = 0; i < count; ++i) {
        char *end = nullptr;
        const long v = std::strtol(p, &end, 10);
        if (end == p || v < INT32_MIN || v > INT32_MAX) return false;
        values[i] = int32_t(v);
        p = end;
    }
    return true;
}

// Sizes, offsets and advances of a glyph lie within kBdfMaxExtent pixels, so
// that the pixel arithmetic of drawing it stays far from the ends of an int.
bool withinGlyphExtent(const int32_t *values, int count) {
    for (int i = 0; i < count; ++i)
        if (values[i] < -kBdfMaxExtent || values[i] > kBdfMaxExtent) return false;
    return true;
}

enum class Parse { Ok, Broken, NoMemory };

Parse parse(FILE *fp, BdfFont &font) {
    LineBuffer line;
    Rows rows;
    bool inBitmap = false;
    bool inGlyph = false; // glyph data seen since the last ENDCHAR
    BdfGlyph current;
    ssize_t got;
    while ((got = getline(&line.text, &line.size, fp)) != -1) {
        line.text[std::strcspn(line.text, "\r\n")] = '\0';
        const char *text = line.text;
        if (keyword(text, "ENDCHAR")) {
            if (font.glyphs == nullptr || font.nglyphs >= font.nchars) return Parse::Broken;
            current.bitmap = rows.release();
            if (current.bitmap == nullptr) return Parse::NoMemory;
            font.glyphs[font.nglyphs++] = current;
            current = BdfGlyph{};
            inBitmap = inGlyph = false;
            continue;
        }
        if (inBitmap) {
            if (!rows.append(text)) return Parse::NoMemory;
            continue;
        }
        const bool glyphData = keyword(text, "ENCODING") || keyword(text, "DWIDTH") ||
                               keyword(text, "BBX") || keyword(text, "BITMAP");
        if (glyphData && (font.glyphs == nullptr || font.nglyphs >= font.nchars))
            return Parse::Broken;
        if (keyword(text, "SIZE")) {
            int32_t v[3];
            if (!integers(text, 3, v)) return Parse::Broken;
            font.pointSize = v[0];
            font.xres = v[1];
            font.yres = v[2];
        } else if (keyword(text, "FONTBOUNDINGBOX")) {
            if (!integers(text, 4, font.bbox)) return Parse::Broken;
        } else if (keyword(text, "CHARS")) {
            int32_t n;
            if (!integers(text, 1, &n) || n < 1 || n > kBdfMaxChars || font.glyphs != nullptr)
                return Parse::Broken;
            font.glyphs = static_cast<BdfGlyph *>(std::calloc(size_t(n), sizeof(BdfGlyph)));
            if (font.glyphs == nullptr) return Parse::NoMemory;
            font.nchars = n;
        } else if (keyword(text, "ENCODING")) {
            if (!integers(text, 1, &current.encoding)) return Parse::Broken;
        } else if (keyword(text, "DWIDTH")) {
            int32_t v[2];
            if (!integers(text, 2, v) || !withinGlyphExtent(v, 2)) return Parse::Broken;
            current.dwidthX = v[0];
            current.dwidthY = v[1];
        } else if (keyword(text, "BBX")) {
            int32_t v[4];
            if (!integers(text, 4, v) || v[0] < 0 || v[1] < 0 || !withinGlyphExtent(v, 4))
                return Parse::Broken;
            current.bbxWidth = v[0];
            current.bbxHeight = v[1];
            current.bbxXoff = v[2];
            current.bbxYoff = v[3];
        } else if (keyword(text, "BITMAP")) {
            inBitmap = true;
        }
        // COMMENT, STARTFONT, FONT, STARTCHAR and the rest carry nothing we use.
        if (glyphData) inGlyph = true;
    }
    // A glyph that the end of the file cut off.
    return inGlyph ? Parse::Broken : Parse::Ok;
}

} // namespace

int qqgetbdf(BdfFont &font, const char *path) {
    font.clear();
    FileCloser file{path != nullptr ? std::fopen(path, "r") : nullptr};
    if (file.fp == nullptr) return kBdfOpenError;
    switch (parse(file.fp, font)) {
    case Parse::Ok: return kBdfOk;
    case Parse::Broken: font.clear(); return kBdfOpenError;
    case Parse::NoMemory: font.clear(); return kBdfNoMemory;
    }
    return kBdfOpenError;
}

void reportBdfStatus(int status) {
    if (status != kBdfOpenError && status != kBdfNoMemory) return;
    GlobalRecord &rec = currentRecord();
    qqcopy(rec.core.cfunc, "BMPFNT");
    qqserr(status == kBdfNoMemory ? "Not enough memory for bitmap font"
                                  : "Open error for bitmap font");
    warnin(Warning::ownText);
}
