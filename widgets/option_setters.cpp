// The option setters: sizes, spacing, margins, colours, fonts, kinds and
// switches for the widgets made afterwards. They need no open dialog.
#include <cstring>
#include <new>
#include <string>

#include "kavlor.h"
#include "kernel/text_utils.h"
#include "widgets/widget_routines.h"

namespace {

// A key's first n characters, upper-cased.
std::string keyOf(const char *key, int n) {
    std::string k;
    for (int i = 0; i < n && key != nullptr && key[i] != '\0'; ++i)
        k += upperAscii(key[i]);
    return k;
}

void notAllowed(const WidgetContext &c, const char *key) {
    char shown[41] = "";
    qqcopy(shown, key != nullptr ? key : "");
    qqderr(c, (std::string("Not allowed parameter ") + shown).c_str());
}

bool positive(const WidgetContext &c, float x) {
    if (x > 0) return true;
    qqderr(c, "Non positive paramter");
    return false;
}

bool contains(const char *text, const char *part) {
    return text != nullptr && std::strstr(text, part) != nullptr;
}

} // namespace

void swgwth(int n) {
    WidgetContext *c = qqdglb("swgwth");
    if (c == nullptr) return;
    if (n == 0 || n < -100) {
        qqderr(*c, "Bad value");
        return;
    }
    c->defaultWidth = n;
}

void swgspc(float x, float y) {
    WidgetContext *c = qqdglb("swgspc");
    if (c == nullptr) return;
    if (!(x >= -100.001f) || !(y >= -100.001f)) { // NaN too
        qqderr(*c, "Bad value");
        return;
    }
    c->spacing[0] = x;
    c->spacing[1] = y;
    if (c->metricsRead != 0) computeSpacing(*c);
}

void swgmrg(int n, const char *key) {
    WidgetContext *c = qqdglb("swgmrg");
    if (c == nullptr) return;
    const int k = jwgind("LEFT+TOP +RIGH+BOTT", 4, key, "swgmrg");
    if (k == 0) return;
    c->margins[k - 1] = heldInWindow(n);
    c->marginsGiven = 1;
}

void swgoff(int n, int index) {
    WidgetContext *c = qqdglb("swgoff");
    if (c == nullptr) return;
    // Only four margins exist.
    if (index < 0 || index > 3) {
        qqderr(*c, "Bad value");
        return;
    }
    c->margins[index] = heldInWindow(n);
    c->marginsGiven = 1;
}

void swgpos(int x, int y) {
    WidgetContext *c = qqdglb("swgpos");
    if (c == nullptr) return;
    c->position[0] = heldInWindow(x);
    c->position[1] = heldInWindow(y);
    c->positionGiven = 1;
    c->centreOption = 0;
}

void swgsiz(int w, int h) {
    WidgetContext *c = qqdglb("swgsiz");
    if (c == nullptr) return;
    c->size[0] = heldInWindow(w);
    c->size[1] = heldInWindow(h);
    c->sizeGiven = 1;
}

void swgwin(int x, int y, int w, int h) {
    WidgetContext *c = qqdglb("swgwin");
    if (c == nullptr) return;
    c->position[0] = heldInWindow(x);
    c->position[1] = heldInWindow(y);
    c->size[0] = heldInWindow(w);
    c->size[1] = heldInWindow(h);
    c->positionGiven = c->sizeGiven = 1;
    c->centreOption = 0;
}

void swgtit(const char *title) {
    WidgetContext *c = qqdglb("swgtit");
    if (c == nullptr) return;
    qqcopy(c->title, title != nullptr ? title : "", 132);
    c->titleGiven = 1;
}

void swghlp(const char *text) {
    WidgetContext *c = qqdglb("swghlp");
    if (c == nullptr) return;
    const std::string prepared = preparedText(*c, text);
    std::unique_ptr<char[]> copy(new (std::nothrow) char[prepared.size() + 1]);
    if (!copy) {
        qqderr(*c, "Not enough memory");
        return;
    }
    std::memcpy(copy.get(), prepared.c_str(), prepared.size() + 1);
    c->help = std::move(copy);
}

void swgmix(const char *ch, const char *key) {
    WidgetContext *c = qqdglb("swgmix");
    if (c == nullptr || jwgind("SEP ", 1, key, "swgmix") == 0) return;
    c->separator = ch != nullptr ? static_cast<unsigned char>(ch[0]) : 0;
}

void swgmod(const char *key) {
    WidgetContext *c = qqdglb("swgmod");
    if (c == nullptr) return;
    const int k = jwgind("AUTO+XWIN+ASCI", 3, key, "swgmod");
    if (k != 0) c->mode = std::uint8_t(k - 1);
}

void swgpop(const char *key) {
    WidgetContext *c = qqdglb("swgpop");
    if (c == nullptr) return;
    const int k = jwgind("NOOK+NOQU+NOHE+OK  +QUIT+HELP", 6, key, "swgpop");
    if (k == 0) return;
    c->showMenu[(k - 1) % 3] = k > 3 ? 1 : 0;
}

void swgopt(const char *value, const char *key) {
    WidgetContext *c = qqdglb("swgopt");
    if (c == nullptr) return;
    struct Option {
        const char *key;
        const char *values;
        int count;
        std::uint8_t WidgetContext::*field;
    };
    static constexpr Option kOptions[] = {
        {"POSI", "STAN+CENT", 2, &WidgetContext::centreOption},
        {"MASK", "STAN+USER", 2, &WidgetContext::maskOption},
        {"DWGF", "STAN+TOP ", 2, &WidgetContext::fileDialogOption},
        {"CALL", "RETU+CHAN+BOTH", 3, &WidgetContext::textCallbackOption},
        {"CLOS", "QUIT+OK  ", 2, &WidgetContext::closeOption},
    };
    const std::string k = keyOf(key, 4);
    for (const Option &o : kOptions) {
        if (k != o.key) continue;
        const int index = jwgind(o.values, o.count, value, "swgopt");
        if (index != 0) c->*o.field = std::uint8_t(index - 1);
        return;
    }
    notAllowed(*c, key);
}

void swgjus(const char *value, const char *key) {
    WidgetContext *c = qqdglb("swgjus");
    if (c == nullptr) return;
    const std::string k = keyOf(key, 3);
    if (k != "LAB" && k != "BUT") {
        notAllowed(*c, key);
        return;
    }
    const int index = jwgind("LEFT+CENT+RIGH", 3, value, "swgjus");
    if (index == 0) return;
    (k == "LAB" ? c->labelJustification : c->buttonJustification) = std::uint8_t(index - 1);
}

void swgtyp(const char *value, const char *key) {
    WidgetContext *c = qqdglb("swgtyp");
    if (c == nullptr) return;
    const std::string k = keyOf(key, 3);
    if (k == "LIS") {
        const int index = jwgind("AUTO+SCRO+NOSC+VSCR", 4, value, "swgtyp");
        if (index != 0) c->listScrolling = std::uint8_t(index == 4 ? 1 : index - 1);
    } else if (k == "BOX" || k == "SCA") {
        const int index = jwgind("VERT+HORI", 2, value, "swgtyp");
        if (index == 0) return;
        if (k == "BOX")
            c->boxOrientation = std::uint8_t(index - 1);
        else
            c->scaleVertical = index == 1 ? 1 : 0;
    } else {
        notAllowed(*c, key);
    }
}

void swgclr(float r, float g, float b, const char *key) {
    WidgetContext *c = qqdglb("swgclr");
    if (c == nullptr) return;
    const int k = jwgind("BACK+FORE+SCRO+LTEX+RESE", 5, key, "swgclr");
    if (k == 0) return;
    if (k == 5) {
        std::memset(c->colourGiven, 0, sizeof c->colourGiven);
        return;
    }
    for (const float v : {r, g, b})
        if (!(v >= -0.00001f && v <= 1.00001f)) { // NaN too
            qqderr(*c, "Not allowed parameter");
            return;
        }
    auto part = [](float v) { return COLORREF(int(v * 255.0f + 0.5f) & 0xFF); };
    c->colours[k - 1] = part(r) + 256 * part(g) + 65536 * part(b);
    c->colourGiven[k - 1] = 1;
}

void swgstp(float x) {
    WidgetContext *c = qqdglb("swgstp");
    if (c != nullptr && positive(*c, x)) c->scaleStep = x;
}

void swgdrw(float x) {
    WidgetContext *c = qqdglb("swgdrw");
    if (c != nullptr && positive(*c, x)) c->drawRatio = x;
}

void swgfnt(const char *name, int height) {
    WidgetContext *c = qqdglb("swgfnt");
    if (c == nullptr) return;
    const char *given = name != nullptr ? name : "";
    if (keyOf(given, 80) == "STANDARD") {
        if (c->fontMode == 1) {
            SelectObject(c->fontDc, c->savedFont);
            c->currentFont = c->savedFont;
            readCharacterMetrics(*c);
            c->fontMode = 2;
        }
        return;
    }
    for (int i = 0; i < c->fontCount; ++i)
        if (std::strcmp(c->fontNames[i].get(), given) == 0 && c->fontHeights[i] == height) {
            SelectObject(c->fontDc, c->fonts[i]);
            c->currentFont = c->fonts[i];
            readCharacterMetrics(*c);
            c->fontMode = 1;
            return;
        }
    if (c->fontCount == kMaxFonts) {
        qqderr(*c, "Too many fonts");
        return;
    }
    const std::size_t length = std::strlen(given);
    std::unique_ptr<char[]> copy(new (std::nothrow) char[length + 1]);
    if (!copy) {
        qqderr(*c, "Not enoug memory");
        return;
    }
    std::memcpy(copy.get(), given, length + 1);
    const char *face = contains(given, "Arial")     ? "Arial"
                       : contains(given, "Courier") ? "Courier"
                                                    : given;
    const HFONT font = CreateFontA(height, 0, 0, 0, contains(given, "Bold") ? FW_BOLD : 0,
                                   contains(given, "Italic") ? 1 : 0, 0, 0, 0, 0, 0, 0, 0, face);
    if (font == 0) {
        qqderr(*c, "Font cannot be loaded");
        return;
    }
    const int i = c->fontCount++;
    c->fonts[i] = font;
    c->fontNames[i] = std::move(copy);
    c->fontHeights[i] = short(height);
    c->currentFont = font;
    if (c->fontDc == 0) {
        c->fontDc = GetDC(0);
        c->savedFont = SelectObject(c->fontDc, font);
    } else {
        SelectObject(c->fontDc, font);
    }
    c->fontMode = 1;
    SetBkMode(c->fontDc, TRANSPARENT);
    readCharacterMetrics(*c);
}
