// SVG text: font groups and one <text> element per character.
#include <cmath>

#include "devices/accented_letters.h"
#include "devices/decimal_text.h"
#include "devices/svg.h"
#include "kernel/c_format.h"
#include "kernel/device_fonts.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

struct SvgFont {
    const char *family, *weight, *style;
};

// The 35 PostScript fonts (in the order of the PDF base fonts) as SVG font
// family, weight and style.
SvgFont svgFont(int index) {
    static constexpr const char *kWeights[4] = {"normal", "bold", "normal", "bold"};
    const int variant = index % 4;
    if (index >= 0 && index <= 3)
        return {"Times", kWeights[variant], variant < 2 ? "normal" : "italic"};
    if (index >= 4 && index <= 11)
        return {"Helvetica", kWeights[variant], variant < 2 ? "normal" : "oblique"};
    if (index >= 18 && index <= 21) {
        const int v = index - 18;
        return {"Courier", kWeights[v], v < 2 ? "normal" : "oblique"};
    }
    if (index == 34) return {"Symbol", "normal", "normal"};
    return {"Times", "normal", "normal"};
}

} // namespace

void svgOpenTextGroup(GlobalRecord &rec) {
    SvgState &svg = rec.vec.svg;
    const int font = rec.font.npsfont;
    const SvgFont f = svgFont(font);
    const int size = truncToInt(float(rec.text.nhchar) * 22.0f * rec.page.xdevscl / 15.0f + 0.5f);
    char text[300];
    formatC(text, sizeof text, "<g font-family=%c%s%c font-weight=%c%s%c font-style=%c%s%c\n", '"',
            f.family, '"', '"', f.weight, '"', '"', f.style, '"');
    svg.sink.write(text);
    formatC(text, sizeof text, "font-size=%c%d%c stroke=%cnone%c fill=%c#%02x%02x%02x%c>\n", '"',
            size, '"', '"', '"', '"', svg.red, svg.green, svg.blue, '"');
    svg.sink.write(text);
    svg.group = SvgGroup::Text;
    svg.font = font;
}

void qqsvg5(GlobalRecord &rec, int code, float x, float y) {
    SvgState &svg = rec.vec.svg;
    const TextState &t = rec.text;
    const PageState &page = rec.page;
    if (svg.group == SvgGroup::Stroke) svgEndGroup(rec);
    if (svg.group == SvgGroup::Text && svg.font != rec.font.npsfont) qqsvg1(rec, 0);
    if (svg.group == SvgGroup::None) qqsvg1(rec, 2);

    // The pen raised by the character offsets, then in SVG units.
    const float d = t.xtxtshift + t.xtxtloff;
    const float xr = x - d * t.xsinang;
    const float yr = y - d * t.xcosang;
    const float s = page.xdevscl;
    const float sx = page.ipagmod == 1 ? yr * s : xr * s;
    const float sy = page.ipagmod == 1 ? (float(page.nxpage) - xr) * s : yr * s;

    char text[4 * kNumberTextRoom + 64];
    char *p = putText(text, "<text x=\"");
    p = putFixed(p, double(sx), 2);
    p = putText(p, "\" y=\"");
    p = putFixed(p, double(sy), 2);
    *p++ = '"';
    if (const int angle = writerTextAngle(rec); angle != 0) {
        p = putText(p, " rotate=\"");
        p = putInt(p, -angle);
        *p++ = '"';
    }
    *p++ = '>';
    const unsigned char c = latin1Of(code);
    const char *escaped = c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : nullptr;
    if (escaped != nullptr)
        p = putText(p, escaped);
    else
        *p++ = char(c);
    p = putText(p, "</text>\n");
    svg.sink.write(text, std::size_t(p - text));
}
