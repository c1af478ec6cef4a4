// Sorting pairs of values: sortPairs and the public sortr2.
#include "kernel/pair_sort.h"

#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

void sortPairs(float a[], float b[], int n, bool descending) {
    for (int gap = n / 2; gap > 0; gap /= 2) {
        for (int i = gap; i < n; ++i) {
            const float ka = a[i], kb = b[i];
            int j = i;
            for (; j >= gap && (descending ? a[j - gap] < ka : a[j - gap] > ka); j -= gap) {
                a[j] = a[j - gap];
                b[j] = b[j - gap];
            }
            a[j] = ka;
            b[j] = kb;
        }
    }
}

extern "C" void sortr2(float *a, float *b, int n, const char *option) {
    GlobalRecord *rec = jqqlev(0, 3, "sortr2");
    if (rec == nullptr) return;
    const char c = option != nullptr ? option[0] : '\0';
    if (c != 'A' && c != 'a' && c != 'D' && c != 'd') {
        if (rec->core.ilevel == 0) rec->msg.iunit = 6;
        warnc1(Warning::incorrectParameter, option != nullptr ? option : "");
        return;
    }
    if (n > 0 && !arraysGiven(a, b)) return;
    sortPairs(a, b, n, c == 'D' || c == 'd');
}
