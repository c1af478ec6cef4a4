// qquick: a quicksort of an index array with an explicit stack, which leaves
// runs of at most 12 entries to one straight-insertion pass at the end.
#include "graphics3d/index_sort.h"

#include <utility>

namespace {

// Ranges of this many entries or fewer are left to the insertion pass.
constexpr int kInsertionRun = 12;
// The smaller side is always sorted first, so the pending ranges never
// number more than log2 of the entries.
constexpr int kStackDepth = 32;

struct Range {
    int lo, hi;
};

// Hoare partition of index[lo..hi] round the key at the middle position;
// afterwards every key of lo..j is not above and every key of i..hi not below
// the pivot, and j < i.
void partition(const float keys[], int index[], int lo, int hi, int &i, int &j) {
    const float pivot = keys[index[(lo + hi) / 2]];
    i = lo;
    j = hi;
    while (i <= j) {
        while (keys[index[i]] < pivot)
            ++i;
        while (pivot < keys[index[j]])
            --j;
        if (i <= j) {
            std::swap(index[i], index[j]);
            ++i;
            --j;
        }
    }
}

void partitionPhase(const float keys[], int index[], int n) {
    Range stack[kStackDepth];
    int pending = 0;
    Range r{0, n - 1};
    for (;;) {
        if (r.hi - r.lo + 1 > kInsertionRun) {
            int i = 0, j = 0;
            partition(keys, index, r.lo, r.hi, i, j);
            const Range left{r.lo, j}, right{i, r.hi};
            const bool leftSmaller = left.hi - left.lo < right.hi - right.lo;
            stack[pending++] = leftSmaller ? right : left;
            r = leftSmaller ? left : right;
        } else if (pending > 0) {
            r = stack[--pending];
        } else {
            return;
        }
    }
}

} // namespace

void qquick(const float keys[], int index[], int n) {
    if (n < 2) return;
    partitionPhase(keys, index, n);
    // The smallest key lies among the first run; at position 0 it ends every
    // inner loop below.
    const int head = n < kInsertionRun ? n : kInsertionRun;
    int smallest = 0;
    for (int k = 1; k < head; ++k)
        if (keys[index[k]] < keys[index[smallest]]) smallest = k;
    std::swap(index[0], index[smallest]);
    for (int k = 1; k < n; ++k) {
        const int entry = index[k];
        const float key = keys[entry];
        int m = k;
        // The sentinel ends the loop for keys that order; the bound on m
        // keeps keys that do not (NaN) inside the array.
        while (m > 0 && key < keys[index[m - 1]]) {
            index[m] = index[m - 1];
            --m;
        }
        index[m] = entry;
    }
}
