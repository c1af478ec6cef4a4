// The painter's method: dbfini opens the depth-sort buffer, qqds3d projects
// a face into it, dbffin sorts the faces and draws them farthest first.
#include "graphics3d/depth_sort.h"

#include "graphics3d/lines3d.h"
#include "graphics3d/projection.h"
#include "kernel/area_fill.h"
#include "kernel/dispatch.h"
#include "kernel/flat_triangle.h"
#include "kernel/polyline.h"
#include "kernel/record.h"

namespace {

constexpr int kClipWorld = 0; // a corner outside the box fails
constexpr int kClipEye = 1;   // a corner outside the view volume fails
// A face of four corners whose depth key the caller gives (the faces of bars).
constexpr int kFaceWithKey = 5;

// The projection of one corner: its page point and its depth z/w.
struct ProjectedCorner {
    float x, y, depth;
};

ProjectedCorner project(const GlobalRecord &rec, float bx, float by, float bz) {
    float hx = 0, hy = 0, hz = 0, hw = 0;
    qqgsc3(rec, bx, by, bz, hx, hy, hz, hw);
    ProjectedCorner c{};
    homogeneousToPage(rec, hx, hy, hw, c.x, c.y);
    c.depth = hz / hw;
    return c;
}

bool cornerVisible(const GlobalRecord &rec, float bx, float by, float bz) {
    switch (rec.view3d.iclip3d) {
    case kClipWorld: {
        int cx = 0, cy = 0, cz = 0;
        return chkvl3(rec, bx, by, bz, cx, cy, cz) == 0;
    }
    case kClipEye: {
        float hx = 0, hy = 0, hz = 0, hw = 0;
        qqgsc3(rec, bx, by, bz, hx, hy, hz, hw);
        return qqcsc3(hx, hy, hz, hw) == 0;
    }
    default: return true; // lit iso-surfaces draw without a test
    }
}

// The closed outline of a stored polygon through the line pipeline.
void outline(GlobalRecord &rec, const float x[], const float y[], int n) {
    strtqq(rec, x[0], y[0]);
    for (int j = 1; j < n; ++j)
        connqq(rec, x[j], y[j]);
    connqq(rec, x[0], y[0]);
}

} // namespace

void dbfini(GlobalRecord &rec, int corners, int capacity, int &status) {
    qqsini(rec, 0, corners, capacity, status);
}

void qqds3d(GlobalRecord &rec, const float x[], const float y[], const float z[], int n,
            int colour) {
    const DepthSortBuffer *b = rec.dsort.pdsort.get();
    if (b == nullptr || (n != 3 && n != 4 && n != kFaceWithKey)) return;
    const int corners = n == kFaceWithKey ? 4 : n;
    if (corners != b->corners) return; // a face that does not fit the buffer
    if (n != kFaceWithKey)
        for (int j = 0; j < n; ++j)
            if (!cornerVisible(rec, x[j], y[j], z[j])) return;

    float px[4], py[4], depthSum = 0;
    for (int j = 0; j < corners; ++j) {
        const ProjectedCorner c = project(rec, x[j], y[j], z[j]);
        px[j] = c.x;
        py[j] = c.y;
        depthSum += c.depth;
    }
    float depth = 0;
    if (n == kFaceWithKey)
        depth = z[4];
    else
        depth = n == 4 ? depthSum * 0.25f : depthSum / 3.0f;
    int lost = 0;
    qqsput(rec, px, py, depth, colour, lost); // lost only when the buffer could not grow
}

void dbffin(GlobalRecord &rec, int /*corners*/) {
    // The buffer knows its own corner count; a different one from the caller
    // would read the polygons out of step.
    const DepthSortBuffer *b = rec.dsort.pdsort.get();
    if (b == nullptr) return;
    const int corners = b->corners;
    const int meshColour = rec.colour.ncolor;
    int status = 0, count = 0;
    qqsini(rec, 2, corners, 0, status);
    qqsini(rec, 3, corners, 0, count);
    qqstrk(rec);
    const bool mesh = rec.surface.isurmsh != 0;
    for (int i = 0; i < count; ++i) {
        float x[4], y[4];
        int colour = 0;
        qqsget(rec, x, y, count - 1 - i, colour, status);
        if (corners == 3) {
            qqftri(rec, x, y, colour);
            if (mesh) {
                qqsclr(rec, meshColour);
                outline(rec, x, y, 3);
                qqstrk(rec);
            }
        } else {
            qqsclr(rec, colour);
            dareaf(rec, x, y, 4);
            if (mesh) {
                qqsclr(rec, meshColour);
                outline(rec, x, y, 4);
            }
        }
    }
    qqsini(rec, 1, corners, 0, status);
}
