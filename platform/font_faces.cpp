// Font faces: the window system's face names mapped to installed fonts,
// fontconfig's choice of a file, FreeType faces kept per file, and one size
// per font object. Glyphs are rendered one bit per pixel with the font's own
// hinting, so that the same text sets the same pixels on every run.
#include "platform/font_faces.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <numbers>
#include <string>
#include <string_view>

#include "platform/font_libraries.h"

namespace gdi {

namespace {

// The window system's face names and the installed families that stand for them.
struct FaceName {
    std::string_view asked;
    const char *family;
};
constexpr FaceName kFaceNames[] = {
    {"", "Liberation Sans"},
    {"arial", "Liberation Sans"},
    {"helvetica", "Liberation Sans"},
    {"ms sans serif", "Liberation Sans"},
    {"ms shell dlg", "Liberation Sans"},
    {"system", "Liberation Sans"},
    {"arial narrow", "Liberation Sans Narrow"},
    {"times new roman", "Liberation Serif"},
    {"times", "Liberation Serif"},
    {"courier new", "Liberation Mono"},
    {"courier", "Liberation Mono"},
};

std::string familyFor(const char *faceName) {
    std::string lower(faceName, strnlen(faceName, LF_FACESIZE));
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    for (const FaceName &f : kFaceNames)
        if (lower == f.asked) return f.family;
    return std::string(faceName, lower.size());
}

// FreeType and the faces opened so far. It is never freed: font objects,
// which hold sizes of its faces, live in the drawing table until the process
// ends.
struct Engine {
    FT_Library library = nullptr;
    std::map<std::pair<std::string, int>, FT_Face> faces; // file and face index

    Engine() {
        if (!fontLibrariesLoaded() || freetype.FT_Init_FreeType(&library) != 0) library = nullptr;
    }
    FT_Face face(const std::string &file, int index) {
        auto it = faces.find({file, index});
        if (it != faces.end()) return it->second;
        FT_Face f = nullptr;
        if (freetype.FT_New_Face(library, file.c_str(), index, &f) != 0) return nullptr;
        faces.emplace(std::make_pair(file, index), f);
        return f;
    }
};

Engine &engine() {
    static Engine *e = new Engine;
    return *e;
}

// The file fontconfig offers for the font; false when it offers none.
bool matchFile(const LOGFONTA &logical, std::string &file, int &index) {
    const std::string family = familyFor(logical.lfFaceName);
    FcPattern *pattern = fontconfig.FcPatternCreate();
    if (pattern == nullptr) return false;
    fontconfig.FcPatternAddString(pattern, FC_FAMILY,
                                  reinterpret_cast<const FcChar8 *>(family.c_str()));
    fontconfig.FcPatternAddInteger(
        pattern, FC_WEIGHT, logical.lfWeight >= FW_BOLD - 100 ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    fontconfig.FcPatternAddInteger(pattern, FC_SLANT,
                                   logical.lfItalic != 0 ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    fontconfig.FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    fontconfig.FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    fontconfig.FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern *match = fontconfig.FcFontMatch(nullptr, pattern, &result);
    fontconfig.FcPatternDestroy(pattern);
    if (match == nullptr) return false;
    FcChar8 *path = nullptr;
    const bool found = fontconfig.FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch;
    if (found) file = reinterpret_cast<const char *>(path);
    if (fontconfig.FcPatternGetInteger(match, FC_INDEX, 0, &index) != FcResultMatch) index = 0;
    fontconfig.FcPatternDestroy(match);
    return found;
}

constexpr FT_Int32 kLoadFlags = FT_LOAD_TARGET_MONO;
constexpr FT_Int32 kRenderFlags = FT_LOAD_RENDER | FT_LOAD_MONOCHROME | FT_LOAD_TARGET_MONO;

int pixels(FT_Pos v) {
    return int((v + 32) >> 6);
}

} // namespace

struct FontInstance {
    FT_Face face = nullptr;
    std::string family; // of the face found
    FT_Size size = nullptr;
    FontMetrics metrics;
    bool turned = false;
    FT_Matrix rotation{0x10000, 0, 0, 0x10000};
    double cosine = 1, sine = 0;
    int advances[256]; // of the upright glyphs; -1 until measured

    ~FontInstance() {
        if (size != nullptr) freetype.FT_Done_Size(size);
    }

    // Makes this instance's size and angle the face's.
    void activate(bool withRotation) {
        freetype.FT_Activate_Size(size);
        freetype.FT_Set_Transform(face, withRotation && turned ? &rotation : nullptr, nullptr);
    }
    int advance(unsigned char c) {
        if (advances[c] < 0) {
            activate(false);
            advances[c] = freetype.FT_Load_Char(face, c, kLoadFlags) == 0
                              ? pixels(face->glyph->advance.x)
                              : 0;
        }
        return advances[c];
    }
};

namespace {

void measure(FontInstance &f, const LOGFONTA &logical) {
    const FT_Size_Metrics &m = f.size->metrics;
    FontMetrics &out = f.metrics;
    // Rounded from the exact scaled values, so that a cell asked for by its
    // height is that high.
    const FT_Pos ascender = freetype.FT_MulFix(f.face->ascender, m.y_scale);
    const FT_Pos descender = freetype.FT_MulFix(-f.face->descender, m.y_scale);
    out.ascent = pixels(ascender);
    out.descent = pixels(ascender + descender) - out.ascent;
    out.em = int(m.y_ppem);
    out.internalLeading = std::max(0, out.ascent + out.descent - out.em);
    // The gap between lines that the font asks for beyond its cell.
    const auto *hhea =
        static_cast<const TT_HoriHeader *>(freetype.FT_Get_Sfnt_Table(f.face, FT_SFNT_HHEA));
    const auto *os2 = static_cast<const TT_OS2 *>(freetype.FT_Get_Sfnt_Table(f.face, FT_SFNT_OS2));
    if (hhea != nullptr && os2 != nullptr && os2->version != 0xFFFF) {
        const long gap = long(hhea->Line_Gap) - ((long(os2->usWinAscent) + os2->usWinDescent) -
                                                 (long(hhea->Ascender) - hhea->Descender));
        if (gap > 0) out.externalLeading = pixels(freetype.FT_MulFix(gap, m.y_scale));
    }
    out.maxCharWidth = pixels(m.max_advance);
    out.aveCharWidth = f.advance('x');
    out.weight = logical.lfWeight == FW_DONTCARE ? FW_NORMAL : int(logical.lfWeight);
    out.italic = logical.lfItalic != 0;
}

} // namespace

FontInstance *instanceOf(Font &font) {
    if (font.instance) return font.instance.get();
    Engine &e = engine();
    std::string file;
    int index = 0;
    if (e.library == nullptr || !matchFile(font.logical, file, index)) return nullptr;
    FT_Face face = e.face(file, index);
    if (face == nullptr) return nullptr;
    auto made = std::make_shared<FontInstance>();
    std::fill(std::begin(made->advances), std::end(made->advances), -1);
    made->face = face;
    made->family = face->family_name != nullptr ? face->family_name : "";
    if (freetype.FT_New_Size(face, &made->size) != 0) return nullptr;
    freetype.FT_Activate_Size(made->size);
    const LONG height = font.logical.lfHeight;
    FT_Size_RequestRec request{};
    request.type = height < 0 ? FT_SIZE_REQUEST_TYPE_NOMINAL : FT_SIZE_REQUEST_TYPE_CELL;
    // The size in long long: the magnitude of INT_MIN has no int.
    const long long magnitude = height < 0 ? -static_cast<long long>(height) : height;
    request.height = FT_Long(height == 0 ? 16 : std::min(magnitude, 10000LL)) * 64;
    if (freetype.FT_Request_Size(face, &request) != 0) return nullptr;
    const double angle = font.logical.lfEscapement % 3600 * std::numbers::pi / 1800.0;
    if (font.logical.lfEscapement % 3600 != 0) {
        made->turned = true;
        made->cosine = std::cos(angle);
        made->sine = std::sin(angle);
        made->rotation = FT_Matrix{FT_Fixed(std::lround(made->cosine * 0x10000)),
                                   FT_Fixed(std::lround(-made->sine * 0x10000)),
                                   FT_Fixed(std::lround(made->sine * 0x10000)),
                                   FT_Fixed(std::lround(made->cosine * 0x10000))};
    }
    measure(*made, font.logical);
    font.instance = std::move(made);
    return font.instance.get();
}

std::string faceNameOf(const Font &font, const FontInstance &instance) {
    const std::string wanted = familyFor(font.logical.lfFaceName);
    auto lower = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(),
                       [](unsigned char c) { return char(c >= 'A' && c <= 'Z' ? c + 32 : c); });
        return s;
    };
    if (lower(wanted) == lower(instance.family))
        return std::string(font.logical.lfFaceName, strnlen(font.logical.lfFaceName, LF_FACESIZE));
    return instance.family;
}

const FontMetrics &metricsOf(const FontInstance &instance) {
    return instance.metrics;
}

long long advanceOf(FontInstance &instance, const unsigned char *text, int count) {
    long long sum = 0;
    for (int i = 0; i < count; ++i)
        sum += instance.advance(text[i]);
    return sum;
}

void TextBox::add(int x, int y) {
    if (box.left >= box.right) {
        box = RECT{x, y, x + 1, y + 1};
        return;
    }
    box.left = std::min<LONG>(box.left, x);
    box.top = std::min<LONG>(box.top, y);
    box.right = std::max<LONG>(box.right, x + 1);
    box.bottom = std::max<LONG>(box.bottom, y + 1);
}

void drawText(FontInstance &f, int x, int y, const unsigned char *text, int count,
              const PixelSurface &surface, const PixelValue &v, TextBox &drawn) {
    // The baseline starts the ascent below the cell's corner, "below" turning
    // with the text.
    double penX = x + f.metrics.ascent * f.sine;
    double penY = y + f.metrics.ascent * f.cosine;
    f.activate(true);
    for (int i = 0; i < count; ++i) {
        if (freetype.FT_Load_Char(f.face, text[i], kRenderFlags) != 0) continue;
        const FT_GlyphSlot g = f.face->glyph;
        const FT_Bitmap &b = g->bitmap;
        const int left = int(std::lround(penX)) + g->bitmap_left;
        const int top = int(std::lround(penY)) - g->bitmap_top;
        for (unsigned row = 0; row < b.rows; ++row) {
            const unsigned char *bits = b.buffer + std::ptrdiff_t(row) * b.pitch;
            for (unsigned col = 0; col < b.width; ++col) {
                if ((bits[col >> 3] & (0x80 >> (col & 7))) == 0) continue;
                const int px = left + int(col), py = top + int(row);
                if (!insideSurface(surface, px, py)) continue;
                putPixel(surface, px, py, v);
                drawn.add(px, py);
            }
        }
        // Upright text advances by the same whole pixels it measures with.
        if (f.turned) {
            penX += g->advance.x / 64.0;
            penY -= g->advance.y / 64.0;
        } else {
            penX += f.advance(text[i]);
            f.activate(true);
        }
    }
}

void textCell(FontInstance &f, int x, int y, const unsigned char *text, int count,
              POINT corners[4]) {
    const double width = double(advanceOf(f, text, count));
    const double height = f.metrics.ascent + f.metrics.descent;
    auto at = [&](double along, double down) {
        return POINT{LONG(std::lround(x + along * f.cosine + down * f.sine)),
                     LONG(std::lround(y - along * f.sine + down * f.cosine))};
    };
    corners[0] = at(0, 0);
    corners[1] = at(width, 0);
    corners[2] = at(width, height);
    corners[3] = at(0, height);
}

} // namespace gdi
