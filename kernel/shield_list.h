// The shield list: entries of consecutive words in ShieldState::ishlbuf.
//
// Word 0 of an entry is kind * 100 + class * 10 + off, word 1 the id; the
// shape's values follow, rounded to integers (coordinates in plot units with
// the origin shift, angles in radians * 1000):
//   rectangle          x1, y1, x2, y2
//   rotated rectangle  x1, y1, x2, y2 (unturned corners), angle about (x1, y1)
//   circle             cx, cy, r
//   ellipse            cx, cy, a, b, angle
//   pie sector         cx, cy, r, start angle, end angle
//   polygon            n, then n pairs x, y
#pragma once
#include "kernel/record.h"

inline ShieldKind shieldKind(const int *entry) {
    return ShieldKind(entry[0] / 100);
}
inline int shieldClass(const int *entry) {
    return entry[0] / 10 % 10;
}
inline bool shieldInForce(const int *entry) {
    return entry[0] % 10 == 0;
}
inline void setShieldOff(int *entry, bool off) {
    entry[0] = entry[0] / 10 * 10 + (off ? 1 : 0);
}

// Words an entry takes.
int shieldEntryWords(const int *entry);

// Appends a shield of the class ishlcls: n values (for a polygon, n points
// with x in values and y in ys). A list that would hold more than 1000 words
// refuses it with warning 47.
void qqbl07(GlobalRecord &rec, ShieldKind kind, const float values[], const float ys[], int n);

// Removes every entry for which remove(entry) is true, closes the gaps and
// updates the counts of shields, words and user shields.
template <typename Predicate> void removeShields(GlobalRecord &rec, Predicate remove) {
    ShieldState &list = rec.shield;
    int kept = 0;
    for (int at = 0; at < list.nshllen;) {
        int *entry = list.ishlbuf + at;
        const int words = shieldEntryWords(entry);
        if (remove(static_cast<const int *>(entry))) {
            list.nshield -= 1;
            if (shieldClass(entry) == 0) list.nshlusr -= 1;
        } else {
            for (int i = 0; i < words; ++i)
                list.ishlbuf[kept + i] = entry[i];
            kept += words;
        }
        at += words;
    }
    list.nshllen = kept;
}

// Calls visit(entry) for every entry in list order.
template <typename Visitor> void forEachShield(GlobalRecord &rec, Visitor visit) {
    ShieldState &list = rec.shield;
    for (int at = 0; at < list.nshllen; at += shieldEntryWords(list.ishlbuf + at))
        visit(list.ishlbuf + at);
}
