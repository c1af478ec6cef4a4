// Choosing device fonts: psfont, psmode, winfnt, x11fnt, hwfont, and the
// font switching for Greek and italic characters. The drivers make the fonts
// and write their records.
#include "kernel/device_fonts.h"

#include <cstdio>
#include <cstring>

#include "kavlor.h"
#include "kernel/bitmap_fonts.h"
#include "kernel/devices.h"
#include "kernel/driver.h"
#include "kernel/levels.h"
#include "kernel/message_stream.h"
#include "kernel/ps_fonts.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "kernel/rounding.h"
#include "kernel/stroke_text.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

namespace {

constexpr int kSymbolFont = 34;

void reportWarning101(const char *text) {
    qqserr(text);
    warnin(Warning::ownText);
}

// The pixel height of the Windows font's cell for the character height.
int windowFontHeight(const GlobalRecord &rec) {
    const float h = float(rec.text.nhchar);
    const float scale = rec.page.xdevscl;
    const float s = rec.text.nhchar <= 29 || scale < 0.25f ? 16.0f * h * scale : 13.0f * h * scale;
    return truncToInt(s * 0.125f + 0.5f);
}

// Makes the Windows font named name at the character height and text angle
// the device font. When the font cannot be made, the text stays in the
// stroke font complx, with a warning.
void selectWindowFont(GlobalRecord &rec, const char *name) {
    selectStrokeFont(rec, int(StrokeFontId::complx));
    // Before a driver is chosen no font can be made, and winfnt warns.
    if (!currentDriver(rec).windowFont(rec, name, windowFontHeight(rec), deviceGlyphAngle(rec),
                                       rec.font.nchwid, rec.text.ichacod)) {
        reportWarning101("Font cannot be loaded");
        return;
    }
    qqcopy(rec.font.chwfont, name);
    rec.font.ifontyp = int(FontKind::window);
}

// The Windows font made again by its name, for a new height or angle; a
// closed plot keeps the name until the next winfnt.
void reselectWindowFont(GlobalRecord &rec) {
    if (rec.core.ilevel == 0) return;
    char name[kFontNameLength + 1];
    qqcopy(name, rec.font.chwfont);
    selectWindowFont(rec, name);
}

} // namespace

void selectPostScriptFont(GlobalRecord &rec, int font) {
    FontState &f = rec.font;
    const PsFont &ps = cfnt[font];
    selectStrokeFont(rec, int(StrokeFontId::complx));
    qqcopy(f.chwfont, ps.name);
    f.npsfont = font;
    f.npsunit = ps.unit;
    psFontWidths(font, f.nchwid);
    for (int i = kPsWidths; i < kDeviceWidths; ++i)
        f.nchwid[i] = 0;
    currentDriver(rec).fontSelected(rec);
    f.ifontyp = int(FontKind::postscript);
}

void switchPostScriptFont(GlobalRecord &rec, int alphabet) {
    FontState &f = rec.font;
    const int mode = f.ipsmode;
    if (alphabet == 2 && mode != 2) {
        f.ipsfswitched = 1;
        selectPostScriptFont(rec, kSymbolFont);
    } else if (alphabet == 4 && mode != 1) {
        const int italic = cfnt[f.npsfsave].italic;
        if (italic >= 0) {
            selectPostScriptFont(rec, italic);
            f.ipsfswitched = 1;
        }
    } else if (alphabet == 1 && f.ipsfswitched != 0) {
        selectPostScriptFont(rec, f.npsfsave);
        f.ipsfswitched = 0;
    }
}

void rememberPostScriptFont(GlobalRecord &rec) {
    FontState &f = rec.font;
    if (f.ifontyp != int(FontKind::postscript) || f.ipsmode == 0) return;
    qqcopy(f.cpsfsave, f.chwfont);
    if (char *suffix = std::strstr(f.cpsfsave, kGermanFontSuffix)) *suffix = '\0';
    f.npsfsave = f.npsfont;
    f.ipsfswitched = 0;
}

void restorePostScriptFont(GlobalRecord &rec) {
    FontState &f = rec.font;
    if (f.ipsfswitched == 0) return;
    f.ipsfswitched = 0;
    if (f.ifontyp == int(FontKind::postscript)) selectPostScriptFont(rec, f.npsfsave);
}

void deviceFontHeight(GlobalRecord &rec) {
    FontState &f = rec.font;
    switch (FontKind(f.ifontyp)) {
    case FontKind::postscript:
        // Texts only measured leave the file as it is.
        if (rec.text.itxtmeas == 0) currentDriver(rec).fontHeight(rec);
        break;
    case FontKind::bitmap: {
        char name[kFontNameLength + 1];
        qqcopy(name, f.chwfont);
        selectBitmapFont(rec, name);
        break;
    }
    case FontKind::window: reselectWindowFont(rec); break;
    case FontKind::stroke: break;
    }
}

void deviceFontAngle(GlobalRecord &rec) {
    if (rec.font.ifontyp == int(FontKind::window)) reselectWindowFont(rec);
}

extern "C" void psfont(const char *name) {
    GlobalRecord *rec = jqqlev(1, 3, "psfont");
    if (rec == nullptr) return;
    if (!takesPostScriptFonts(rec->core.idevice)) {
        warnin(Warning::notPostScript);
        return;
    }
    int font = psFontIndex(name);
    if (font < 0) {
        if (rec->msg.iunit != 0) {
            qqerrfil(*rec);
            char given[kPsNameLength + 1];
            qqcopy(given, name != nullptr ? name : "");
            if (rec->msg.fpmsg != nullptr)
                std::fprintf(rec->msg.fpmsg, " <<<< Warning: %s is not a standard font!\n", given);
        }
        font = 0;
    }
    selectPostScriptFont(*rec, font);
}

extern "C" void psmode(const char *mode) {
    GlobalRecord &rec = chkini("psmode");
    setFromKeyword(rec.font.ipsmode, "NONE+GREE+ITAL+BOTH", 4, mode);
}

extern "C" void winfnt(const char *name) {
    GlobalRecord &rec = chkini("winfnt");
    const int code = rec.core.idevice; // 0 before kavini: not yet known
    if (isFileDevice(code) && !takesWindowFonts(code)) {
        reportWarning101("Window fonts cannot be used");
        return;
    }
    // The stroke font serves the alphabets that the Windows font lacks; the
    // Windows font itself is made and measured by the window-system driver.
    selectWindowFont(rec, name != nullptr ? name : "");
}

extern "C" void x11fnt(const char *name, const char *option) {
    (void)name;
    (void)option;
    qqcopy(currentRecord().core.cfunc, "x11fnt");
    reportWarning101("X11 fonts cannot be used");
}

extern "C" void hwfont(void) {
    GlobalRecord *rec = jqqlev(1, 3, "hwfont");
    if (rec == nullptr) return;
    const int code = rec->core.idevice;
    if (takesWindowFonts(code)) {
        if (rec->page.ihwfont == 1) {
            winfnt("Times New Roman");
            return;
        }
        if (rec->page.ihwfont == 2) {
            x11fnt("", "");
            return;
        }
    } else if (takesPostScriptFonts(code)) {
        psfont("Times-Roman");
        return;
    }
    selectStrokeFont(*rec, int(StrokeFontId::complx));
}
