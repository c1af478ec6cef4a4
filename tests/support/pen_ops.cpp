// Parsing the pen records of HPGL files.
#include "tests/support/pen_ops.h"

#include <cstdio>
#include <cstring>

#include "tests/support/text.h"

std::vector<PenOp> hpglPenOps(const std::string &hpgl, int pageHeight) {
    std::vector<PenOp> ops;
    const std::string text = withoutLineBreaks(hpgl);
    std::size_t at = 0;
    while ((at = text.find_first_of("P", at)) != std::string::npos) {
        const char kind = at + 1 < text.size() ? text[at + 1] : ' ';
        int x = 0, y = 0;
        if ((kind == 'U' || kind == 'D') &&
            std::sscanf(text.c_str() + at + 2, "%d,%d", &x, &y) == 2) {
            ops.push_back({kind == 'D', float(x) / 4.0f, float(pageHeight) - float(y) / 4.0f});
        }
        at += 2;
    }
    if (!ops.empty() && !ops.back().draw && ops.back().x == 0 && ops.back().y == float(pageHeight))
        ops.pop_back();
    return ops;
}

std::string describe(const std::vector<PenOp> &ops) {
    std::string text;
    char item[64];
    for (const PenOp &op : ops) {
        std::snprintf(item, sizeof item, "%c(%g,%g) ", op.draw ? 'D' : 'M', double(op.x),
                      double(op.y));
        text += item;
    }
    return text;
}

void PrintTo(const PenOp &op, std::ostream *os) {
    *os << describe({op});
}
