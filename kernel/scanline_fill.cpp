// The scan-line filler gkwfa and its linked-list sort gksort.
//
// The vertices are kept in a list sorted by y; walking down the scan lines,
// a vertex becomes active when the line reaches it and is dropped for good when
// both its edges lie above the line. Each edge crosses the line once, counted
// from its upper end; horizontal edges never count. The crossings of a line,
// sorted, give the spans (1, 2), (3, 4), ...
//
// Pass p draws the p-th span of every scan line, alternating its direction
// from line to line, so that the first span of every line becomes one zig-zag
// stroke, then the second, and so on; pass 5 draws all the spans that are left.
#include "kernel/scanline_fill.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "kernel/record.h"
#include "kernel/rotation.h"
#include "kernel/warnings.h"

namespace {

// Passes that draw one span of each scan line; the next draws all the rest.
constexpr int kSingleSpanPasses = 4;

// Merges the sorted lists starting at items a and b; equal values keep their
// input order (items of a first). Returns the first item.
int mergeLists(const float v[], int a, int b, int links[]) {
    int head = 0, tail = 0;
    auto append = [&](int item) {
        if (tail == 0)
            head = item;
        else
            links[tail] = item;
        tail = item;
    };
    while (a != 0 && b != 0) {
        if (v[b - 1] < v[a - 1]) {
            const int next = links[b];
            append(b);
            b = next;
        } else {
            const int next = links[a];
            append(a);
            a = next;
        }
    }
    const int rest = a != 0 ? a : b;
    if (tail == 0) return rest;
    links[tail] = rest;
    return head;
}

// Sorts the items lo..hi into a list; returns its first item.
int sortItems(const float v[], int lo, int hi, int links[]) {
    if (lo == hi) {
        links[lo] = 0;
        return lo;
    }
    const int mid = lo + (hi - lo) / 2;
    const int a = sortItems(v, lo, mid, links);
    const int b = sortItems(v, mid + 1, hi, links);
    return mergeLists(v, a, b, links);
}

// Drops neighbouring pairs of equal crossings (a vertex between a rising and a
// falling edge crosses twice at one point): of a run of k equal values, k mod 2
// stay. Returns the number left.
int dropEqualPairs(const float xs[], int links[]) {
    int kept = 0;
    int tail = 0; // slot 0 holds the first item
    for (int item = links[0]; item != 0;) {
        int end = item;
        int run = 1;
        while (links[end] != 0 && xs[links[end] - 1] == xs[item - 1]) {
            end = links[end];
            ++run;
        }
        const int after = links[end];
        if (run % 2 == 1) {
            links[tail] = item;
            tail = item;
            ++kept;
        }
        item = after;
    }
    links[tail] = 0;
    return kept;
}

// Sends the span between the crossings a and b of scan line y.
void sendSpan(GlobalRecord &rec, ScanSpanCallback draw, float a, float b, float y, bool forward) {
    const float xs[2] = {forward ? a : b, forward ? b : a};
    const float ys[2] = {y, y};
    draw(rec, xs, ys);
}

} // namespace

void gksort(const float v[], int n, int links[]) {
    links[0] = n > 0 ? sortItems(v, 1, n, links) : 0;
}

ScanRange seenScanLines(const GlobalRecord &rec, float dx, float dy, float s, float c) {
    const float every = std::numeric_limits<float>::infinity();
    if (rec.view3d.ipln3d == 1 || rec.trf.itrfon != 0) return {-every, every};
    const ClipState &clip = rec.clip;
    float low[2], high[2];
    if (clip.iclpcrc == 1) {
        for (int i = 0; i < 2; ++i) {
            low[i] = clip.xclpcir[i] - clip.xclpcir[2];
            high[i] = clip.xclpcir[i] + clip.xclpcir[2];
        }
    } else {
        for (int i = 0; i < 2; ++i) {
            low[i] = float(clip.nclpwin[i]);
            high[i] = float(clip.nclpwin[i + 2]);
        }
    }
    const float reach = 1.0f + float(std::abs(rec.line.nlinwid)) +
                        float(std::max(rec.page.nxpage, rec.page.nypage));
    float x[4] = {low[0] - reach - dx, high[0] + reach - dx, high[0] + reach - dx,
                  low[0] - reach - dx};
    float y[4] = {low[1] - reach - dy, low[1] - reach - dy, high[1] + reach - dy,
                  high[1] + reach - dy};
    trfro2(x, y, 4, s, c);
    return {*std::min_element(y, y + 4), *std::max_element(y, y + 4)};
}

void gkwfa(GlobalRecord &rec, int n, const float x[], const float y[], float spacing,
           int vertexLinks[], int capacity, float crossings[], int crossingLinks[],
           ScanSpanCallback draw, ScanRange seen) {
    // No scan lines without a polygon or without a distance between them.
    if (n < 1 || !(spacing > 0.0f)) return;
    for (int pass = 1;; ++pass) {
        gksort(y, n, vertexLinks);
        int last = vertexLinks[0];
        while (vertexLinks[last] != 0)
            last = vertexLinks[last];
        const float ymin = y[vertexLinks[0] - 1];
        const float yend = y[last - 1] + spacing / 2.0f;
        int most = 0;        // crossings of the fullest scan line
        bool forward = true; // direction of the span on this scan line
        float line = std::trunc(ymin / spacing - 0.5f) * spacing;
        // Scan lines far before the clip region are passed over at once.
        if (line < seen.low) line = std::floor(seen.low / spacing) * spacing;
        for (; line <= yend && line <= seen.high;) {
            // The crossings of this scan line.
            int m = 0;
            int before = 0; // the item before v, 0 for the list head
            for (int v = vertexLinks[0]; v != 0 && y[v - 1] <= line;) {
                const int after = vertexLinks[v];
                const int next = v % n + 1;
                const int prev = (v + n - 2) % n + 1;
                const float yv = y[v - 1], yn = y[next - 1], yp = y[prev - 1];
                if ((yn <= yv && yp <= yv) || (yn <= line && yp <= line)) {
                    vertexLinks[before] = after; // both edges lie above: done with v
                } else {
                    for (const int other : {next, prev}) {
                        if (!(line < y[other - 1])) continue;
                        if (m == capacity) {
                            warni1(Warning::tooManyIntersections, m + 1);
                            return;
                        }
                        crossings[m++] = x[v - 1] + (line - yv) / (y[other - 1] - yv) *
                                                        (x[other - 1] - x[v - 1]);
                    }
                    before = v;
                }
                v = after;
            }
            gksort(crossings, m, crossingLinks);
            const int kept = dropEqualPairs(crossings, crossingLinks);
            if (kept > most) most = kept;

            // The spans of this pass: span p alone, or from pass 5 on all from p.
            const int lastSpan = pass <= kSingleSpanPasses ? pass : kept / 2;
            int item = crossingLinks[0];
            for (int skip = 0; skip < 2 * (pass - 1) && item != 0; ++skip)
                item = crossingLinks[item];
            for (int span = pass; span <= lastSpan && item != 0 && crossingLinks[item] != 0;
                 ++span) {
                const int end = crossingLinks[item];
                sendSpan(rec, draw, crossings[item - 1], crossings[end - 1], line,
                         forward || pass > kSingleSpanPasses);
                item = crossingLinks[end];
            }
            forward = !forward;

            // A spacing too small to move the scan line on ends the fill.
            const float next = line + spacing;
            if (!(next > line)) return;
            line = next;
        }
        if (pass > kSingleSpanPasses || most <= 2 * pass) return;
    }
}
