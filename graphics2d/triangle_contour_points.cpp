// tripts: the contour lines of one level over a triangulation, returned as
// point arrays. Each triangle the level crosses gives a segment whose ends
// carry the edge (or vertex) they lie on; segments are then chained end to
// end into lines through those keys, found among the ends sorted by key (so
// the chaining takes n log n, not n squared, for n segments).
#include <algorithm>
#include <memory>
#include <new>

#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

// The edge (a, b) or vertex (a, a) a segment end lies on.
struct Key {
    int a, b;
    bool vertex() const { return a == b; }
};

struct End {
    float x, y;
    Key key;
};

struct Segment {
    End first, second;
};

struct Triangulation {
    const float *x, *y, *z;
    float level;
};

// The point of edge (from, to) at the level, interpolated from `from`.
End crossing(const Triangulation &t, int from, int to) {
    const int i = from - 1, j = to - 1;
    const float f = (t.z[i] - t.level) / (t.z[i] - t.z[j]);
    return {t.x[i] - (t.x[i] - t.x[j]) * f, t.y[i] - (t.y[i] - t.y[j]) * f, {from, to}};
}

End vertex(const Triangulation &t, int v) {
    return {t.x[v - 1], t.y[v - 1], {v, v}};
}

// The segment of one triangle, if the level crosses it; onEdge is set when
// the segment is an edge of the triangle lying on the level.
bool triangleSegment(const Triangulation &t, const int v[3], Segment &s, bool &onEdge) {
    int below[3], on[3], above[3];
    int nb = 0, ne = 0, na = 0;
    for (int k = 0; k < 3; ++k) {
        const float z = t.z[v[k] - 1];
        if (z < t.level)
            below[nb++] = v[k];
        else if (z == t.level)
            on[ne++] = v[k];
        else
            above[na++] = v[k];
    }
    if (ne == 2) {
        s = {vertex(t, on[0]), vertex(t, on[1])};
        onEdge = true;
        return true;
    }
    if (ne == 0 && nb == 1 && na == 2) {
        s = {crossing(t, below[0], above[0]), crossing(t, below[0], above[1])};
        return true;
    }
    if (ne == 0 && nb == 2 && na == 1) {
        s = {crossing(t, above[0], below[0]), crossing(t, above[0], below[1])};
        return true;
    }
    if (ne == 1 && nb == 1 && na == 1) {
        s = {vertex(t, on[0]), crossing(t, above[0], below[0])};
        return true;
    }
    return false;
}

// The triangle's vertex numbers, false when one lies outside 1..n (such a
// triangle is left out: its points are not in the arrays).
bool triangleVertices(const int *i1, const int *i2, const int *i3, int k, int n, int v[3]) {
    v[0] = i1[k];
    v[1] = i2[k];
    v[2] = i3[k];
    for (int i = 0; i < 3; ++i)
        if (v[i] < 1 || v[i] > n) return false;
    return true;
}

// What tripts hands back, bounded by the room of the caller's arrays.
class Output {
  public:
    Output(float *x, float *y, int maxpts, int *nray, int maxray, int *nlins)
        : x_(x), y_(y), maxpts_(maxpts), nray_(nray), maxray_(maxray), nlins_(nlins) {}
    void point(const End &e) {
        if (points_ < maxpts_) {
            x_[points_] = e.x;
            y_[points_] = e.y;
            ++points_;
        } else {
            qqserr("Overflow - Too many contour points");
            warnin(Warning::ownText);
        }
    }
    void line(int count) {
        if (*nlins_ < maxray_) {
            nray_[*nlins_] = count;
            ++*nlins_;
        } else {
            qqserr("Overflow - Too many contour lines");
            warnin(Warning::ownText);
        }
    }

  private:
    float *x_, *y_;
    int maxpts_;
    int *nray_;
    int maxray_;
    int *nlins_;
    int points_ = 0;
};

// The unordered pair of a key: an edge is met from either of its ends.
struct PairKey {
    int low, high;
    static PairKey of(Key k) { return {std::min(k.a, k.b), std::max(k.a, k.b)}; }
    bool operator<(PairKey o) const { return low != o.low ? low < o.low : high < o.high; }
    bool operator==(PairKey o) const { return low == o.low && high == o.high; }
};

// A segment end among all ends sorted by key; the ends on one edge or vertex
// then lie together, in segment order, the first end before the second.
struct EndRef {
    PairKey key;
    int segment, end; // end 0: the segment's first end, 1: its second
    bool operator<(const EndRef &o) const {
        if (!(key == o.key)) return key < o.key;
        return segment != o.segment ? segment < o.segment : end < o.end;
    }
};

// The ends grouped by key. The first free end of a group is the lowest free
// segment meeting that key (by its first end when both meet it); as taken
// segments stay taken, each group's cursor only moves forward.
class EndIndex {
  public:
    bool build(const Segment *s, int count) {
        const std::size_t ends = 2 * std::size_t(count);
        refs_.reset(new (std::nothrow) EndRef[ends]);
        groupOf_.reset(new (std::nothrow) int[ends]);
        cursor_.reset(new (std::nothrow) int[ends + 1]);
        groupEnd_.reset(new (std::nothrow) int[ends + 1]);
        if (refs_ == nullptr || groupOf_ == nullptr || cursor_ == nullptr || groupEnd_ == nullptr)
            return false;
        for (int i = 0; i < count; ++i) {
            refs_[2 * std::size_t(i)] = {PairKey::of(s[i].first.key), i, 0};
            refs_[2 * std::size_t(i) + 1] = {PairKey::of(s[i].second.key), i, 1};
        }
        std::sort(refs_.get(), refs_.get() + ends);
        int groups = 0;
        for (std::size_t r = 0; r < ends; ++r) {
            if (r == 0 || !(refs_[r].key == refs_[r - 1].key)) cursor_[groups++] = int(r);
            groupEnd_[groups - 1] = int(r) + 1;
            groupOf_[2 * std::size_t(refs_[r].segment) + std::size_t(refs_[r].end)] = groups - 1;
        }
        return true;
    }
    int group(int segment, int end) const {
        return groupOf_[2 * std::size_t(segment) + std::size_t(end)];
    }
    // The first end of the group whose segment is free, or null.
    const EndRef *firstFree(int group, const bool *taken) {
        int &c = cursor_[group];
        while (c < groupEnd_[group] && taken[refs_[c].segment])
            ++c;
        return c < groupEnd_[group] ? &refs_[c] : nullptr;
    }

  private:
    std::unique_ptr<EndRef[]> refs_;
    std::unique_ptr<int[]> groupOf_, cursor_, groupEnd_;
};

// An edge on the level belongs to both its triangles: of the segments lying
// on one edge, the first is kept.
bool dropRepeatedEdges(const Segment *s, bool *taken, int count) {
    std::unique_ptr<EndRef[]> edges(new (std::nothrow) EndRef[std::size_t(count)]);
    if (edges == nullptr) return false;
    int n = 0;
    for (int i = 0; i < count; ++i)
        if (s[i].first.key.vertex() && s[i].second.key.vertex())
            edges[n++] = {PairKey::of({s[i].first.key.a, s[i].second.key.a}), i, 0};
    std::sort(edges.get(), edges.get() + n);
    for (int r = 1; r < n; ++r)
        if (edges[r].key == edges[r - 1].key) taken[edges[r].segment] = true;
    return true;
}

// Chains the segments into lines: from the first free segment both ways,
// each time taking the first free segment with an end on the current key.
void chain(const Segment *s, bool *taken, int count, EndIndex &index, End *line, Output &out) {
    for (int first = 0; first < count; ++first) {
        if (taken[first]) continue;
        taken[first] = true;
        int n = 0;
        line[n++] = s[first].second;
        int current = index.group(first, 1);
        bool turned = false;
        for (;;) {
            if (const EndRef *found = index.firstFree(current, taken)) {
                taken[found->segment] = true;
                const Segment &next = s[found->segment];
                line[n++] = found->end == 0 ? next.second : next.first;
                current = index.group(found->segment, 1 - found->end);
            } else if (!turned) {
                std::reverse(line, line + n);
                line[n++] = s[first].first;
                current = index.group(first, 0);
                turned = true;
            } else {
                break;
            }
        }
        for (int i = 0; i < n; ++i)
            out.point(line[i]);
        out.line(n);
    }
}

} // namespace

extern "C" void tripts(const float *xray, const float *yray, const float *zray, int n,
                       const int *i1ray, const int *i2ray, const int *i3ray, int ntri, float zlev,
                       float *xpts, float *ypts, int maxpts, int *nray, int maxray, int *nlins) {
    GlobalRecord *rec = jqqlev(0, 3, "tripts");
    if (rec == nullptr || nlins == nullptr) return;
    *nlins = 0;
    const bool arrays = xray != nullptr && yray != nullptr && zray != nullptr && i1ray != nullptr &&
                        i2ray != nullptr && i3ray != nullptr &&
                        (maxpts <= 0 || (xpts != nullptr && ypts != nullptr)) &&
                        (maxray <= 0 || nray != nullptr);
    if (n < 1 || ntri < 1 || !arrays) {
        warnin(Warning::incorrectParameter);
        return;
    }
    const Triangulation t{xray, yray, zray, zlev};
    int v[3];
    Segment s;
    bool onEdges = false;
    int count = 0;
    for (int k = 0; k < ntri; ++k)
        if (triangleVertices(i1ray, i2ray, i3ray, k, n, v) && triangleSegment(t, v, s, onEdges))
            ++count;
    if (count == 0) return;

    std::unique_ptr<Segment[]> segments(new (std::nothrow) Segment[std::size_t(count)]);
    std::unique_ptr<bool[]> taken(new (std::nothrow) bool[std::size_t(count)]());
    std::unique_ptr<End[]> line(new (std::nothrow) End[2 * std::size_t(count) + 2]);
    if (segments == nullptr || taken == nullptr || line == nullptr) {
        warnin(Warning::noMemory);
        return;
    }
    int m = 0;
    for (int k = 0; k < ntri; ++k)
        if (triangleVertices(i1ray, i2ray, i3ray, k, n, v) && triangleSegment(t, v, s, onEdges))
            segments[m++] = s;

    EndIndex index;
    if ((onEdges && !dropRepeatedEdges(segments.get(), taken.get(), count)) ||
        !index.build(segments.get(), count)) {
        warnin(Warning::noMemory);
        return;
    }
    Output out(xpts, ypts, maxpts, nray, maxray, nlins);
    chain(segments.get(), taken.get(), count, index, line.get(), out);
}
