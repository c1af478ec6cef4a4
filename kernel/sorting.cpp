// Sorting a float array in place.
#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/levels.h"
#include "kernel/warnings.h"

namespace {

// Shell sort with the gaps n/2, n/4, ..., 1: each element moves back by
// exchanges while the element one gap before it is not in order before it.
// Equal neighbours are exchanged too, so the sort is not stable.
template <typename InOrder> void shellSort(float *x, int n, InOrder inOrder) {
    for (int gap = n / 2; gap > 0; gap /= 2)
        for (int i = gap; i < n; ++i)
            for (int j = i; j >= gap && !inOrder(x[j - gap], x[j]); j -= gap) {
                const float swap = x[j];
                x[j] = x[j - gap];
                x[j - gap] = swap;
            }
}

} // namespace

extern "C" void sortr1(float *x, int n, const char *order) {
    jqqlev(0, 3, "sortr1");
    if (n > 0 && !arraysGiven(x)) return;
    const char first = order != nullptr ? order[0] : '\0';
    // "Not smaller" before it (ascending) or "not greater" (descending) is out of order.
    if (first == 'A' || first == 'a')
        shellSort(x, n, [](float a, float b) { return a < b; });
    else if (first == 'D' || first == 'd')
        shellSort(x, n, [](float a, float b) { return a > b; });
    else
        warnc1(Warning::incorrectParameter, order != nullptr ? order : "");
}
