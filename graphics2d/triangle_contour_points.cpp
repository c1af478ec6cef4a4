// tripts: the contour lines of one level over a triangulation, returned as
// point arrays. Each triangle the level crosses gives a segment whose ends
// carry the edge (or vertex) they lie on; segments are then chained end to
// end into lines through those keys.
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
    bool meets(Key o) const { return (a == o.a && b == o.b) || (a == o.b && b == o.a); }
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

// Chains the segments into lines: from the first free segment both ways,
// each time taking the first free segment with an end on the current key.
void chain(const Segment *s, bool *taken, int count, End *line, Output &out) {
    for (int first = 0; first < count; ++first) {
        if (taken[first]) continue;
        taken[first] = true;
        int n = 0;
        line[n++] = s[first].second;
        Key current = s[first].second.key;
        bool turned = false;
        for (;;) {
            int found = -1;
            bool byFirst = false;
            for (int i = 0; i < count && found < 0; ++i) {
                if (taken[i]) continue;
                if (s[i].first.key.meets(current)) {
                    found = i;
                    byFirst = true;
                } else if (s[i].second.key.meets(current)) {
                    found = i;
                }
            }
            if (found >= 0) {
                taken[found] = true;
                const End &next = byFirst ? s[found].second : s[found].first;
                line[n++] = next;
                current = next.key;
            } else if (!turned) {
                std::reverse(line, line + n);
                line[n++] = s[first].first;
                current = s[first].first.key;
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

    // An edge on the level belongs to both its triangles: keep it once.
    if (onEdges) {
        for (int i = 0; i < count; ++i) {
            const Segment &a = segments[i];
            if (taken[i] || !a.first.key.vertex() || !a.second.key.vertex()) continue;
            for (int j = 0; j < count; ++j) {
                const Segment &b = segments[j];
                if (j == i || taken[j]) continue;
                const bool same =
                    (b.first.key.a == a.first.key.a && b.second.key.a == a.second.key.a) ||
                    (b.first.key.a == a.second.key.a && b.second.key.a == a.first.key.a);
                if (same && b.first.key.vertex() && b.second.key.vertex()) taken[j] = true;
            }
        }
    }
    Output out(xpts, ypts, maxpts, nray, maxray, nlins);
    chain(segments.get(), taken.get(), count, line.get(), out);
}
