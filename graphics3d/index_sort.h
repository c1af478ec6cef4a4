// The index sort of the painter's method and of the triangulation: only the
// 32-bit index array moves, the keys stay where they are.
#pragma once

// Reorders index[0..n-1] so that keys[index[0]] <= keys[index[1]] <= ...
// The sort is not stable.
void qquick(const float keys[], int index[], int n);
