// The shield list: entry sizes and appending entries.
#include "kernel/shield_list.h"

#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

// Words of an entry by kind; a polygon takes 3 + 2n.
int wordsOfKind(ShieldKind kind, int n) {
    switch (kind) {
    case ShieldKind::Rectangle: return 6;
    case ShieldKind::RotatedRectangle: return 7;
    case ShieldKind::Circle: return 5;
    case ShieldKind::Ellipse: return 7;
    case ShieldKind::Pie: return 7;
    case ShieldKind::Polygon: return 3 + 2 * n;
    }
    return 2;
}

} // namespace

int shieldEntryWords(const int *entry) {
    const ShieldKind kind = shieldKind(entry);
    return wordsOfKind(kind, kind == ShieldKind::Polygon ? entry[2] : 0);
}

void qqbl07(GlobalRecord &rec, ShieldKind kind, const float values[], const float ys[], int n) {
    ShieldState &list = rec.shield;
    const int words = wordsOfKind(kind, n);
    if (list.nshllen + words > kShieldListWords) {
        warnin(Warning::blankingOverflow);
        return;
    }
    if (list.nshield == 0) {
        list.nshlid = 0;
        list.nshllen = 0;
        list.nshlusr = 0;
    }
    int *entry = list.ishlbuf + list.nshllen;
    list.nshlid += 1;
    list.nshield += 1;
    entry[0] = int(kind) * 100 + list.ishlcls * 10;
    entry[1] = list.nshlid;
    if (list.ishlcls == 0) list.nshlusr += 1;
    if (kind == ShieldKind::Polygon) {
        entry[2] = n;
        for (int i = 0; i < n; ++i) {
            entry[3 + 2 * i] = nintqq(values[i]);
            entry[4 + 2 * i] = nintqq(ys[i]);
        }
    } else {
        for (int i = 0; i < n; ++i)
            entry[2 + i] = nintqq(values[i]);
    }
    list.nshllen += words;
}
