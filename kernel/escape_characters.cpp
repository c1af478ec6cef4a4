// The escape characters of eushft and their letters in each coding.
#include "kernel/escape_characters.h"

#include <cstring>
#include <string_view>

#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

constexpr int kCodings = 4; // STAN ISO1 ISO2 ISO3

struct EscapeKind {
    std::string_view letters;          // the letters that may follow the escape character
    unsigned char codes[kCodings][12]; // their characters in each coding; 32 where it has none
};

constexpr EscapeKind kKinds[kEscapeKinds] = {
    // GERM
    {"AOUaous",
     {{127, 128, 129, 130, 131, 132, 133},
      {196, 214, 220, 228, 246, 252, 223},
      {196, 214, 220, 228, 246, 252, 223},
      {196, 214, 220, 228, 246, 252, 223}}},
    // DANI
    {"AOEaoe",
     {{134, 135, 136, 137, 138, 139},
      {197, 216, 198, 229, 248, 230},
      {32, 32, 32, 32, 32, 32},
      {32, 32, 32, 32, 32, 32}}},
    // SPAN
    {"Nn!?", {{140, 141, 185, 186}, {209, 241, 161, 191}, {32, 32, 32, 32}, {209, 241, 32, 32}}},
    // FREN
    {"CcEIei",
     {{142, 143, 144, 145, 146, 147},
      {199, 231, 203, 207, 235, 239},
      {199, 231, 32, 32, 235, 32},
      {199, 231, 203, 207, 235, 239}}},
    // ACUT
    {"AEIOUaeiou",
     {{148, 149, 150, 151, 152, 153, 154, 155, 156, 157},
      {193, 201, 205, 211, 218, 225, 233, 237, 243, 250},
      {193, 201, 205, 211, 218, 225, 233, 237, 243, 250},
      {193, 201, 205, 211, 218, 225, 233, 237, 243, 250}}},
    // GRAV
    {"AEIOUaeiou",
     {{158, 159, 160, 161, 162, 163, 164, 165, 166, 167},
      {192, 200, 204, 210, 217, 224, 232, 236, 242, 249},
      {32, 32, 32, 32, 32, 32, 32, 32, 32, 32},
      {192, 200, 204, 210, 217, 224, 232, 236, 242, 249}}},
    // CIRC
    {"AEIOUaeiou",
     {{168, 169, 170, 171, 172, 173, 174, 175, 176, 177},
      {194, 202, 206, 212, 219, 226, 234, 238, 244, 251},
      {194, 32, 206, 212, 32, 226, 32, 238, 244, 32},
      {194, 202, 206, 212, 219, 226, 234, 238, 244, 251}}},
    // TURK
    {"CcGgIiOoSsUu",
     {{142, 143, 241, 243, 242, 244, 128, 131, 196, 206, 129, 132},
      {199, 231, 32, 32, 32, 32, 214, 246, 32, 32, 220, 252},
      {199, 231, 32, 32, 32, 32, 214, 246, 170, 186, 220, 252},
      {199, 231, 171, 187, 169, 185, 214, 246, 170, 186, 220, 252}}},
};

// The kind whose escape character is c, or -1.
int escapeKind(const TextState &t, int c) {
    if (c == 0) return -1;
    for (int k = 0; k < kEscapeKinds; ++k)
        if (t.ceushft[k] == c) return k;
    return -1;
}

} // namespace

void strsft(GlobalRecord &rec, char *text) {
    const TextState &t = rec.text;
    if (t.ieushft == 0) return;
    const int n = int(std::strlen(text));
    const char first[2] = {text[0], '\0'};
    const int coding = t.ichacod >= 0 && t.ichacod < kCodings ? t.ichacod : 0;
    int out = 0;
    for (int i = 0; i < n; ++i) {
        const int c = static_cast<unsigned char>(text[i]);
        const int kind = escapeKind(t, c);
        if (kind < 0 || i == n - 1) {
            text[out++] = text[i];
            continue;
        }
        const char next = text[i + 1];
        if (static_cast<unsigned char>(next) == c) {
            text[out++] = text[i];
            ++i;
            continue;
        }
        const size_t letter = kKinds[kind].letters.find(next);
        if (letter != std::string_view::npos && next != '\0') {
            text[out++] = char(kKinds[kind].codes[coding][letter]);
            ++i;
            continue;
        }
        warnc1(Warning::incorrectEushftCharacter, first);
        text[out++] = text[i];
    }
    text[out] = '\0';
}

extern "C" void eushft(const char *kind, const char *c) {
    GlobalRecord &rec = chkini("eushft");
    const int k = jqqind("GERM+DANI+SPAN+FREN+ACUT+GRAV+CIRC+TURK", kEscapeKinds, kind);
    if (k == 0) return;
    TextState &t = rec.text;
    if (t.ieushft == 0)
        for (int &e : t.ceushft)
            e = 0;
    const int ch = c != nullptr ? static_cast<unsigned char>(c[0]) : 0;
    const int owner = escapeKind(t, ch);
    if (owner >= 0 && owner != k - 1) {
        warnin(Warning::sameControlCharacters);
        return;
    }
    t.ceushft[k - 1] = ch;
    t.ieushft = 1;
}
