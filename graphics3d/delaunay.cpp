// qqdlau and the public triang: the Delaunay triangulation by incremental
// insertion. The points are taken in ascending x; a triangle whose circle
// lies wholly left of the current point can never change again and is marked
// complete, so that each insertion looks only at the triangles near the sweep.
#include "graphics3d/delaunay.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <new>

#include "graphics3d/index_sort.h"
#include "graphics3d/zeroed_array.h"
#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/levels.h"
#include "kernel/warnings.h"

namespace {

// Two coordinates closer than this are the same.
constexpr float kSamePoint = 1e-35f;
// A triangle whose doubled area is below this has no circle.
constexpr double kNoArea = 1e-35;
// The three edges of one removed triangle.
constexpr int kEdgesPerTriangle = 3;

// A triangle that is not complete yet, with its circumcircle, so that each
// test of a new point against it costs a few multiplications.
struct OpenTriangle {
    double cx, cy, r2; // centre and squared radius; r2 < 0: the triangle has no area
    int slot;          // its position in the triangle list
};

// The working storage of one triangulation and the triangle list, which
// lives in the caller's arrays. The triangles that are not complete are kept
// apart in a dense list, so that an insertion reads only those, one after the
// other; the list itself changes exactly as a scan of its slots in ascending
// order would change it.
class Triangulation {
  public:
    Triangulation(float *x, float *y, int n, int *i1, int *i2, int *i3, int nmax)
        : x_(x), y_(y), n_(n), i1_(i1), i2_(i2), i3_(i3), slots_(slotsFor(n, nmax)),
          edgeRoom_(std::max(n, 100)) {}

    bool allocate() {
        const std::size_t slots = std::size_t(slots_) + 1;
        order_ = zeroedArray<int>(std::size_t(n_));
        open_ = zeroedArray<OpenTriangle>(slots);
        openPos_ = zeroedArray<int>(slots);
        inCavity_ = zeroedArray<unsigned char>(slots);
        cavity_ = zeroedArray<int>(slots);
        edgeStart_ = zeroedArray<int>(std::size_t(edgeRoom_));
        edgeEnd_ = zeroedArray<int>(std::size_t(edgeRoom_));
        return order_ && open_ && openPos_ && inCavity_ && cavity_ && edgeStart_ && edgeEnd_;
    }

    DelaunayStatus run(int &ntri) {
        for (int k = 0; k < n_; ++k)
            order_[k] = k;
        qquick(x_, order_.get(), n_);
        placeSuperTriangle();
        if (!append(n_ + 1, n_ + 2, n_ + 3)) return DelaunayStatus::TooManyTriangles;
        for (int k = 0; k < n_; ++k) {
            if (isDuplicate(k)) continue;
            const DelaunayStatus s = insert(order_[k]);
            if (s != DelaunayStatus::Ok) return s;
        }
        removeSuperCorners();
        // No triangle of the points alone: they lie on one line, or there are
        // fewer than three different ones.
        if (count_ == 0) return DelaunayStatus::Collinear;
        ntri = count_;
        return DelaunayStatus::Ok;
    }

  private:
    static constexpr int kComplete = -1; // openPos_ of a complete triangle

    // The list holds 2n + 1 triangles at most (each insertion replaces k
    // triangles by k + 2); twice that leaves room for rounding without taking
    // working storage for all of a large nmax.
    static int slotsFor(int n, int nmax) {
        return int(std::min<int64_t>(nmax, 4 * int64_t(n) + 2));
    }

    float *x_, *y_;
    int n_;
    int *i1_, *i2_, *i3_;
    int slots_;         // room in the triangle list
    int count_ = 0;     // triangles in the list
    int openCount_ = 0; // triangles in open_
    int edgeRoom_;
    int edges_ = 0;
    std::unique_ptr<int[]> order_; // point numbers by ascending x
    std::unique_ptr<OpenTriangle[]> open_;
    std::unique_ptr<int[]> openPos_;             // per slot: its place in open_, or kComplete
    std::unique_ptr<unsigned char[]> inCavity_;  // per slot: its circle holds the new point
    std::unique_ptr<int[]> cavity_;              // the slots so marked, ascending
    std::unique_ptr<int[]> edgeStart_, edgeEnd_; // 1-based point numbers, 0 for a cancelled edge

    // An equilateral triangle whose circle has radius 3 times the larger
    // extent of the points round the centre of their box.
    void placeSuperTriangle() {
        float xmin = x_[0], xmax = x_[0], ymin = y_[0], ymax = y_[0];
        for (int i = 1; i < n_; ++i) {
            xmin = std::min(xmin, x_[i]), xmax = std::max(xmax, x_[i]);
            ymin = std::min(ymin, y_[i]), ymax = std::max(ymax, y_[i]);
        }
        const float d = 3.0f * std::max(xmax - xmin, ymax - ymin);
        const float xm = (xmin + xmax) * 0.5f, ym = (ymin + ymax) * 0.5f;
        x_[n_] = xm - 0.866f * d;
        y_[n_] = ym - 0.5f * d;
        x_[n_ + 1] = xm + 0.866f * d;
        y_[n_ + 1] = ym - 0.5f * d;
        x_[n_ + 2] = xm;
        y_[n_ + 2] = ym + d;
    }

    // A point equal to one met before it in x order.
    bool isDuplicate(int k) const {
        const int p = order_[k];
        for (int m = k - 1; m >= 0; --m) {
            const int q = order_[m];
            if (!(std::fabs(x_[q] - x_[p]) < kSamePoint)) return false;
            if (std::fabs(y_[q] - y_[p]) < kSamePoint) return true;
        }
        return false;
    }

    OpenTriangle circleOf(int a, int b, int c, int slot) const {
        const double ax = x_[a - 1], ay = y_[a - 1];
        const double bx = x_[b - 1] - ax, by = y_[b - 1] - ay;
        const double cx = x_[c - 1] - ax, cy = y_[c - 1] - ay;
        const double d = bx * cy - by * cx;
        if (!(std::fabs(d) >= kNoArea)) return {0, 0, -1, slot};
        const double f = 0.5 / d;
        const double bb = bx * bx + by * by, cc = cx * cx + cy * cy;
        const double ux = (bb * cy - cc * by) * f, uy = (bx * cc - cx * bb) * f;
        return {ax + ux, ay + uy, ux * ux + uy * uy, slot};
    }

    // A new triangle at the end of the list, not complete.
    bool append(int a, int b, int c) {
        if (count_ >= slots_) return false;
        i1_[count_] = a;
        i2_[count_] = b;
        i3_[count_] = c;
        open_[openCount_] = circleOf(a, b, c, count_);
        openPos_[count_] = openCount_++;
        ++count_;
        return true;
    }

    // Takes the open triangle at place k out of open_.
    void closeAt(int k) {
        const int last = --openCount_;
        openPos_[open_[k].slot] = kComplete;
        if (k != last) {
            open_[k] = open_[last];
            openPos_[open_[k].slot] = k;
        }
    }

    // The last triangle moves into slot s, with its state.
    void removeSlot(int s) {
        const int last = count_ - 1;
        if (openPos_[s] != kComplete) closeAt(openPos_[s]);
        if (s != last) {
            i1_[s] = i1_[last];
            i2_[s] = i2_[last];
            i3_[s] = i3_[last];
            openPos_[s] = openPos_[last];
            if (openPos_[s] != kComplete) open_[openPos_[s]].slot = s;
            inCavity_[s] = inCavity_[last];
        }
        inCavity_[last] = 0;
        count_ = last;
    }

    // Marks the triangles whose circle holds p, closes those whose circle lies
    // left of it (no later point, being further right, can fall inside), and
    // returns the number marked.
    DelaunayStatus findCavity(double px, double py, int &marked) {
        marked = 0;
        int k = 0;
        while (k < openCount_) {
            const OpenTriangle &t = open_[k];
            if (t.r2 < 0) return DelaunayStatus::Collinear;
            const double dx = t.cx - px, dy = t.cy - py;
            if (dx * dx >= t.r2) {
                closeAt(k); // another open triangle comes to place k
                continue;
            }
            if (dx * dx + dy * dy < t.r2) {
                inCavity_[t.slot] = 1;
                cavity_[marked++] = t.slot;
            }
            ++k;
        }
        std::sort(cavity_.get(), cavity_.get() + marked);
        return DelaunayStatus::Ok;
    }

    DelaunayStatus insert(int p) {
        int marked = 0;
        const DelaunayStatus found = findCavity(x_[p], y_[p], marked);
        if (found != DelaunayStatus::Ok) return found;
        // The removals in ascending slot order: each removed triangle's place
        // is taken by the last one, which is looked at again in that place.
        edges_ = 0;
        for (int m = 0; m < marked; ++m) {
            const int s = cavity_[m];
            while (s < count_ && inCavity_[s]) {
                if (edges_ >= edgeRoom_ - kEdgesPerTriangle) {
                    for (int r = m; r < marked; ++r)
                        inCavity_[cavity_[r]] = 0;
                    return DelaunayStatus::TooManyEdges;
                }
                addEdge(i1_[s], i2_[s]);
                addEdge(i2_[s], i3_[s]);
                addEdge(i3_[s], i1_[s]);
                removeSlot(s);
            }
        }
        cancelSharedEdges();
        for (int e = 0; e < edges_; ++e)
            if (edgeStart_[e] != 0 && !append(edgeStart_[e], edgeEnd_[e], p + 1))
                return DelaunayStatus::TooManyTriangles;
        return DelaunayStatus::Ok;
    }

    void addEdge(int a, int b) {
        edgeStart_[edges_] = a;
        edgeEnd_[edges_] = b;
        ++edges_;
    }

    // An edge between two removed triangles is inside the cavity.
    void cancelSharedEdges() {
        for (int e = 0; e < edges_ - 1; ++e) {
            if (edgeStart_[e] == 0) continue;
            for (int f = e + 1; f < edges_; ++f)
                if (edgeStart_[e] == edgeEnd_[f] && edgeEnd_[e] == edgeStart_[f]) {
                    edgeStart_[e] = edgeEnd_[e] = 0;
                    edgeStart_[f] = edgeEnd_[f] = 0;
                    break;
                }
        }
    }

    void removeSuperCorners() {
        int s = 0;
        while (s < count_)
            if (i1_[s] > n_ || i2_[s] > n_ || i3_[s] > n_)
                removeSlot(s);
            else
                ++s;
    }
};

} // namespace

void qqdlau(float x[], float y[], int &n, int i1[], int i2[], int i3[], int &nmax, int &ntri,
            int &status) {
    ntri = 0;
    status = int(DelaunayStatus::Ok);
    if (n < 1 || int64_t(nmax) < 2 * int64_t(n) + 1) {
        status = int(DelaunayStatus::BadParameter);
        return;
    }
    Triangulation t(x, y, n, i1, i2, i3, nmax);
    if (!t.allocate()) {
        status = int(DelaunayStatus::NoMemory);
        return;
    }
    int count = 0;
    status = int(t.run(count));
    if (status == int(DelaunayStatus::Ok)) ntri = count;
}

extern "C" int triang(float *xray, float *yray, int n, int *i1ray, int *i2ray, int *i3ray,
                      int nmax) {
    if (jqqlev(0, 3, "triang") == nullptr) return 0;
    if (!arraysGiven(xray, yray, i1ray, i2ray, i3ray)) return 0;
    int ntri = 0, status = 0;
    qqdlau(xray, yray, n, i1ray, i2ray, i3ray, nmax, ntri, status);
    switch (DelaunayStatus(status)) {
    case DelaunayStatus::Ok: return ntri;
    case DelaunayStatus::BadParameter: warnin(Warning::incorrectParameter); break;
    case DelaunayStatus::NoMemory: warnin(Warning::noMemory); break;
    case DelaunayStatus::TooManyEdges:
        qqserr("Too many edges");
        warnin(Warning::ownText);
        break;
    case DelaunayStatus::Collinear:
        qqserr("Cannot calculate circle - points are collinear");
        warnin(Warning::ownText);
        break;
    case DelaunayStatus::TooManyTriangles:
        qqserr("Too many triangles");
        warnin(Warning::ownText);
        break;
    }
    return 0;
}
