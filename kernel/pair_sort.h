// Sorting pairs of values by the first.
#pragma once

// Shell sort of the pairs (a[i], b[i]) by a, with the gaps n/2, n/4, ..., 1.
void sortPairs(float a[], float b[], int n, bool descending);
