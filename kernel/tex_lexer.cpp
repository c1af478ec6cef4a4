// The lexer of the formula notation.
#include <cstring>

#include "kernel/record.h"
#include "kernel/tex_typesetter.h"
#include "kernel/text_utils.h"

namespace {

// Characters that end a command word, besides the control character.
bool endsWord(char c) {
    return c == '\0' || std::strchr(" {}^_$[]+-*/(=)", c) != nullptr;
}

// Characters that the control character makes ordinary.
bool escapable(char c) {
    return c != '\0' && std::strchr("{}^_$[]", c) != nullptr;
}

} // namespace

int qqlexan(GlobalRecord &rec) {
    TexState &x = rec.tex;
    const char *s = rec.text.ctxtbuf;
    const char control = rec.text.cmixchr[int(MixRole::tex)];
    for (;;) {
        if (x.itexmath != 0)
            while (s[x.ntexpos] == ' ')
                ++x.ntexpos;
        const char c = s[x.ntexpos];
        if (c == '\0') return kTexEnd;
        ++x.ntexpos;
        if (c == '$') {
            x.itexmath ^= 1;
            continue;
        }
        if (c == control) {
            const char next = s[x.ntexpos];
            if (escapable(next) || (next == control && next != '\0')) {
                ++x.ntexpos;
                x.itextok = kTexCharacter;
                return static_cast<unsigned char>(next);
            }
            const int start = x.ntexpos;
            while (!endsWord(s[x.ntexpos]) && s[x.ntexpos] != control)
                ++x.ntexpos;
            qqcopy(x.ctexword, s + start, x.ntexpos - start); // at most kTexWordLength kept
            if (std::strcmp(x.ctexword, "not") == 0 && s[x.ntexpos] == '=') {
                qqcopy(x.ctexword, "not=");
                ++x.ntexpos;
            } else if (s[x.ntexpos] == ' ') {
                ++x.ntexpos;
            }
            x.itextok = kTexWord;
            return kTexWord;
        }
        if (x.itexmath != 0 && (c == '^' || c == '_')) {
            x.itextok = kTexStructural;
            return c == '^' ? kTexExponent : kTexIndex;
        }
        const bool structural = c == '{' || c == '}' || (x.itexroot != 0 && (c == '[' || c == ']'));
        x.itextok = structural ? kTexStructural : kTexCharacter;
        return static_cast<unsigned char>(c);
    }
}

int qqlookup(GlobalRecord &rec) {
    const char *s = rec.text.ctxtbuf;
    int pos = rec.tex.ntexpos;
    while (s[pos] == ' ')
        ++pos;
    return static_cast<unsigned char>(s[pos]);
}
