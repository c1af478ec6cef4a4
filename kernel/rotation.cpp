// Turning points about the origin.
#include "kernel/rotation.h"

void trfro2(float x[], float y[], int n, float s, float c) {
    for (int i = 0; i < n; ++i) {
        const float xi = x[i];
        x[i] = c * xi - s * y[i];
        y[i] = s * xi + c * y[i];
    }
}
