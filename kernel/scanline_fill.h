// The scan-line filler: a polygon is filled with horizontal spans that are
// handed to a callback, which draws them as lines (solid fills, hatches,
// filled symbols and character outlines).
#pragma once

struct GlobalRecord;

// Receives one span: x of both ends and y of both ends (the same y).
using ScanSpanCallback = void (*)(GlobalRecord &rec, const float xs[2], const float ys[2]);

// The scan lines that can show, from low to high.
struct ScanRange {
    float low, high;
};

// The scan lines of a polygon that is turned by the sine s and cosine c
// before the scan (its spans turned back) and shifted by (dx, dy) onto the
// page: those that can reach the clip region, and those within a page of it,
// so that a fill that stays near the page keeps every scan line where the
// walk puts it. Every line on the 3-D plane and under a base transformation.
ScanRange seenScanLines(const GlobalRecord &rec, float dx, float dy, float s, float c);

// Fills the polygon of n vertices x[], y[] (closing from the last back to the
// first) with scan lines spacing apart, those of seen alone. vertexLinks
// holds n + 1 entries; crossings and crossingLinks hold capacity and
// capacity + 1 entries. A scan line that crosses more than capacity edges ends
// the fill with warning 26 and the count; the spans drawn before it stay. A
// polygon of no points, or a spacing that is not positive, draws nothing.
void gkwfa(GlobalRecord &rec, int n, const float x[], const float y[], float spacing,
           int vertexLinks[], int capacity, float crossings[], int crossingLinks[],
           ScanSpanCallback draw, ScanRange seen);

// Stable ascending sort of v[0..n-1] into a linked list of the item numbers
// 1..n: links[0] is the first item, links[i] the item after item i, 0 ends the
// list. links holds n + 1 entries.
void gksort(const float v[], int n, int links[]);
