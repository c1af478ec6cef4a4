// The faces behind font objects: a font asked for by name, height, weight and
// slant becomes a FreeType face of an installed font at a pixel size, found
// through fontconfig on first use. Every call here is made under the drawing
// lock (gdi_table.h), which also guards FreeType.
#pragma once
#include <memory>
#include <string>

#include "platform/raster_core.h"
#include "platform/win_text.h"

namespace gdi {

// A face at the size and angle of one font object (font_faces.cpp).
struct FontInstance;

// A font object: what was asked for, and the face once it is found.
struct Font {
    LOGFONTA logical;
    std::shared_ptr<FontInstance> instance;
};

struct FontMetrics {
    int em = 0; // pixels per em
    int ascent = 0, descent = 0;
    int internalLeading = 0, externalLeading = 0;
    int aveCharWidth = 0, maxCharWidth = 0;
    int weight = FW_NORMAL;
    bool italic = false;
};

// The face of the font, found on first use; null when no face can be had.
FontInstance *instanceOf(Font &font);
// The face name the font answers to: the name asked for when the face found
// is the one that name stands for, else the family of the face found instead.
std::string faceNameOf(const Font &font, const FontInstance &instance);
const FontMetrics &metricsOf(const FontInstance &instance);
// The advance in pixels of the text along its baseline.
long long advanceOf(FontInstance &instance, const unsigned char *text, int count);

// Where drawn text lies: the smallest rectangle holding the pixels set (right
// and bottom excluded); empty when right <= left.
struct TextBox {
    RECT box{0, 0, 0, 0};
    void add(int x, int y);
};

// Sets the pixels of the text, its cell's top left corner at (x, y), to v.
void drawText(FontInstance &instance, int x, int y, const unsigned char *text, int count,
              const PixelSurface &surface, const PixelValue &v, TextBox &drawn);

// The corners of the text's cell, turned with the font: top left, top right,
// bottom right, bottom left.
void textCell(FontInstance &instance, int x, int y, const unsigned char *text, int count,
              POINT corners[4]);

} // namespace gdi
