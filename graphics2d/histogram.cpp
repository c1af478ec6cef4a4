// histog: the distinct values of a data set in ascending order and how often
// each occurs. Nothing is drawn.
#include <cstring>

#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

extern "C" void histog(const float *x, int n, float *xh, float *yh, int *nh) {
    if (jqqlev(0, 3, "histog") == nullptr) return;
    if (n <= 0) {
        warni1(Warning::incorrectParameter, n);
        return;
    }
    if (!arraysGiven(x, xh, yh, nh)) return;
    // A caller may pass x itself, or an overlapping array, as xh.
    std::memmove(xh, x, sizeof(float) * std::size_t(n));
    sortr1(xh, n, "a");
    int c = 0;
    yh[0] = 1.0f;
    for (int k = 1; k < n; ++k) {
        if (xh[k] == xh[c]) {
            yh[c] += 1.0f;
        } else {
            c += 1;
            xh[c] = xh[k];
            yh[c] = 1.0f;
        }
    }
    *nh = c + 1;
}
