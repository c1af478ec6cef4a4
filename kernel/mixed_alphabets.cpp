// The setters of mixed alphabets and control characters, and the shift
// characters while a string is drawn.
#include "kernel/mixed_alphabets.h"

#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

namespace {

constexpr char kAlphabets[] = "STAN+GREE+MATH+ITAL+SCRI+RUSS+INST";

int firstCharacter(const char *text) {
    return text != nullptr ? static_cast<unsigned char>(text[0]) : 0;
}

bool instructionCharacter(int code) {
    return (code >= '0' && code <= '9') || code == '.' || code == '-' || code == 'X' || code == 'x';
}

// Adds a character to the pending instruction command; a full buffer keeps its
// last place for the newest character.
void appendInstruction(TextState &t, int code) {
    const int at = t.ninsbuf < kInstructionLength ? t.ninsbuf++ : kInstructionLength - 1;
    t.cinsbuf[at] = char(code);
    t.cinsbuf[t.ninsbuf] = '\0';
}

} // namespace

bool smixal(GlobalRecord &rec, int code) {
    TextState &t = rec.text;
    if (t.nsmxalf == 0) return false;
    if (t.imixon == 0) {
        for (int s = 0; s < kMixSlots; ++s) {
            if (t.imixalfno[s] < 1 || t.cmixin[s] != code) continue;
            t.ialfcur = t.imixalfno[s];
            t.imixon = 1;
            t.cmixoff = t.cmixout[s];
            if (t.ialfcur == kAlphabetInst) {
                t.ninsbuf = 0;
                t.ninsltr = 0;
            }
            return true;
        }
        return false;
    }
    if (code == t.cmixoff) {
        t.imixon = 0;
        if (t.ialfcur == kAlphabetInst && t.ninsbuf > 0) inscmd(rec, t.cinsbuf, t.ninsbuf);
        t.ialfcur = t.ialfstr;
        return true;
    }
    if (t.ialfcur != kAlphabetInst) return false;
    if (code == ' ') return true;
    if (!instructionCharacter(code)) {
        // A command letter: the command before it is complete.
        t.ninsltr += 1;
        if (t.ninsltr > 1) {
            inscmd(rec, t.cinsbuf, t.ninsbuf);
            t.ninsbuf = 0;
            t.ninsltr = 1;
        }
    }
    appendInstruction(t, code);
    return true;
}

extern "C" void smxalf(const char *alph, const char *cin, const char *cout, int n) {
    GlobalRecord &rec = chkini("smxalf");
    const int alphabet = jqqind(kAlphabets, 7, alph);
    if (alphabet == 0 || jqqval(n, 1, kMixSlots) != 0) return;
    TextState &t = rec.text;
    if (alphabet == t.ialfbas) {
        warnin(Warning::baseAlphabetUnusable);
        return;
    }
    t.imixalfno[n - 1] = alphabet;
    t.cmixin[n - 1] = firstCharacter(cin);
    t.cmixout[n - 1] = firstCharacter(cout);
    t.nsmxalf = 1;
}

extern "C" int gmxalf(const char *alph, char *cin, char *cout) {
    GlobalRecord *rec = jqqlev(1, 3, "gmxalf");
    if (rec == nullptr) return 0;
    if (cin != nullptr) qqcopy(cin, " ", 1);
    if (cout != nullptr) qqcopy(cout, " ", 1);
    const int alphabet = jqqind(kAlphabets, 7, alph);
    if (alphabet == 0) return 0;
    const TextState &t = rec->text;
    for (int s = 0; s < kMixSlots; ++s) {
        if (t.imixalfno[s] != alphabet) continue;
        const char in[2] = {char(t.cmixin[s]), '\0'};
        const char out[2] = {char(t.cmixout[s]), '\0'};
        if (cin != nullptr) qqcopy(cin, in, 1);
        if (cout != nullptr) qqcopy(cout, out, 1);
        return s + 1;
    }
    return 0;
}

extern "C" void mixalf(void) {
    chkini("mixalf").text.imixalf = 1;
}

extern "C" void newmix(void) {
    TextState &t = chkini("newmix").text;
    t.cmixchr[int(MixRole::exp)] = '^';
    t.cmixchr[int(MixRole::ind)] = '_';
    t.cmixchr[int(MixRole::res)] = '%';
}

extern "C" void setmix(const char *c, const char *key) {
    GlobalRecord &rec = chkini("setmix");
    const int role = jqqind("EXP +IND +RES +LEG +TEX ", 5, key);
    if (role != 0) rec.text.cmixchr[role - 1] = char(firstCharacter(c));
}

extern "C" void setexp(float x) {
    chkini("setexp").text.xsetexp = x;
}

extern "C" void setbas(float x) {
    chkini("setbas").text.xsetbas = x;
}

extern "C" void basalf(const char *key) {
    GlobalRecord &rec = chkini("basalf");
    const int alphabet = jqqind(kAlphabets, 6, key);
    if (alphabet == 0) return;
    rec.text.ialfbas = alphabet;
    rec.text.ialfcur = alphabet;
}
