// The keyword tables of the formula notation.
#include "kernel/tex_keywords.h"

#include <array>
#include <string_view>

namespace {

using std::string_view;

constexpr std::array<string_view, 34> kGreek = {
    "alpha",   "beta",   "gamma", "delta",   "epsilon", "zeta",  "eta",   "theta", "iota",
    "kappa",   "lambda", "mu",    "nu",      "xi",      "pi",    "rho",   "sigma", "tau",
    "upsilon", "phi",    "chi",   "psi",     "omega",   "Gamma", "Delta", "Theta", "Lambda",
    "Xi",      "Pi",     "Sigma", "Upsilon", "Phi",     "Psi",   "Omega"};
// The keys of the Greek alphabet, in the order of the words.
constexpr string_view kGreekKeys = "abcdezhqiklmnxprstyfguwCDQLXPSYFUW";
static_assert(kGreekKeys.size() == kGreek.size());

constexpr std::array<string_view, 6> kSpaces = {"quad", "qquad", ",", ":", ";", "!"};
constexpr float kSpaceEighteenths[6] = {18, 36, 3, 4, 5, -3};

constexpr std::array<string_view, 50> kSymbols = {"pm",        "mp",         "times",
                                                  "div",       "cdot",       "ast",
                                                  "star",      "cap",        "cup",
                                                  "vee",       "wedge",      "setminus",
                                                  "odot",      "oplus",      "ominus",
                                                  "le",        "leq",        "subset",
                                                  "subseteq",  "in",         "ge",
                                                  "geq",       "supset",     "supseteq",
                                                  "ni",        "neq",        "cong",
                                                  "equiv",     "parallel",   "sim",
                                                  "mid",       "notin",      "not=",
                                                  "leftarrow", "Leftarrow",  "rightarrow",
                                                  "to",        "Rightarrow", "Leftrightarrow",
                                                  "uparrow",   "downarrow",  "emptyset",
                                                  "nabla",     "surd",       "partial",
                                                  "forall",    "exists",     "backslash",
                                                  "infty",     "perp"};
// The keys of the math alphabet, in the order of the words.
constexpr string_view kSymbolKeys = "FGDE.**LMpq\\jhiHHNRWJJOSYIzBT~|XIcfaeegbdynxmkU\\lK";
static_assert(kSymbolKeys.size() == kSymbols.size());

constexpr std::array<string_view, 10> kConstructs = {"sum",  "int", "oint",     "prod",      "sqrt",
                                                     "frac", "lim", "overline", "underline", "vec"};
constexpr std::array<string_view, 2> kLimits = {"limits", "nolimits"};
constexpr std::array<string_view, 5> kAlphabets = {"rm", "gr", "it", "cal", "ru"};
constexpr int kAlphabetNumbers[5] = {1, 2, 4, 5, 6};
constexpr std::array<string_view, 8> kStyles = {
    "displaystyle", "textstyle", "scriptstyle", "scriptscriptstyle", "D", "T", "S", "SS"};
constexpr std::array<string_view, 10> kSizes = {"tiny",       "scriptsize", "footnotesize", "small",
                                                "normalsize", "large",      "Large",        "LARGE",
                                                "huge",       "Huge"};
constexpr float kSizeFactors[10] = {0.482f, 0.578f, 0.695f, 0.83f,   1.0f,
                                    1.2f,   1.44f,  1.728f, 2.0736f, 2.488f};
constexpr std::array<string_view, 11> kColours = {"black", "red",    "green",  "blue",
                                                  "cyan",  "yellow", "orange", "magenta",
                                                  "white", "fore",   "back"};
// The same colours as color names them: WHIT RED GREE YELL BLUE ORAN CYAN MAGE BLAC FORE BACK.
constexpr int kColourNames[11] = {9, 2, 3, 5, 7, 4, 6, 8, 1, 10, 11};
constexpr std::array<string_view, 20> kFunctions = {
    "arccos", "arcsin", "arctan", "arg", "cos", "cosh", "cot", "coth", "csc", "dec",
    "dim",    "exp",    "hom",    "ln",  "log", "sec",  "sin", "sinh", "tan", "tanh"};

template <std::size_t N> int find(const std::array<string_view, N> &words, string_view word) {
    for (std::size_t i = 0; i < N; ++i)
        if (words[i] == word) return int(i);
    return -1;
}

} // namespace

int qqchktex(const char *word, TexTable table, float &factor) {
    const string_view w = word != nullptr ? string_view(word) : string_view();
    int i = -1;
    switch (table) {
    case TexTable::greek: i = find(kGreek, w); return i < 0 ? -1 : kGreekKeys[i];
    case TexTable::space:
        i = find(kSpaces, w);
        if (i >= 0) factor = kSpaceEighteenths[i];
        return i;
    case TexTable::symbol: i = find(kSymbols, w); return i < 0 ? -1 : kSymbolKeys[i];
    case TexTable::construct: i = find(kConstructs, w); return i < 0 ? -1 : i + 1;
    case TexTable::limits: i = find(kLimits, w); return i < 0 ? -1 : 1 - i;
    case TexTable::alphabet: i = find(kAlphabets, w); return i < 0 ? -1 : kAlphabetNumbers[i];
    case TexTable::style: i = find(kStyles, w); return i < 0 ? -1 : i % 4;
    case TexTable::size:
        i = find(kSizes, w);
        if (i >= 0) factor = kSizeFactors[i];
        return i;
    case TexTable::colour: i = find(kColours, w); return i < 0 ? -1 : kColourNames[i];
    case TexTable::function: return find(kFunctions, w);
    }
    return -1;
}
