// The depth-sort buffer: its storage (bounds, rounding, order of retrieval)
// and faces drawn through it, read back as the order of the fill records of
// PostScript and SVG files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "graphics3d/depth_sort.h"
#include "kavlor.h"
#include "tests/graphics2d/axis_fixture.h"
#include "tests/support/address_space_limit.h"
#include "tests/support/svg_events.h"

namespace {

// ---- Storage -----------------------------------------------------------------

class DepthSortStore : public FreshRecord {};

// A buffer opened for two polygons takes a third: it grows, and every
// polygon comes back in order of depth.
TEST_F(DepthSortStore, AFullBufferGrowsAndKeepsEveryPolygon) {
    GlobalRecord &rec = currentRecord();
    int status = -1;
    dbfini(rec, 3, 2, status);
    ASSERT_EQ(status, 0);
    const float depths[3] = {0.5f, 0.25f, 0.1f};
    for (int i = 0; i < 3; ++i) {
        const float x[3] = {1, 2, float(i)}, y[3] = {4, 5, 6};
        qqsput(rec, x, y, depths[i], 10 + i, status);
        EXPECT_EQ(status, 0) << i;
    }
    int count = -1;
    qqsini(rec, 3, 3, 0, count);
    EXPECT_EQ(count, 3);
    qqsini(rec, 2, 3, 0, status);
    EXPECT_EQ(status, 0);
    for (int i = 0; i < 3; ++i) {
        float gx[3], gy[3];
        int colour = -1;
        qqsget(rec, gx, gy, i, colour, status);
        EXPECT_EQ(status, 0) << i;
        EXPECT_EQ(colour, 12 - i) << i;
        EXPECT_EQ(gx[2], float(2 - i)) << i;
        EXPECT_EQ(gy[2], 6.0f) << i;
    }
    for (const int i : {3, -1}) {
        float gx[3], gy[3];
        int colour = -1;
        qqsget(rec, gx, gy, i, colour, status);
        EXPECT_EQ(status, 1) << i;
        EXPECT_EQ(colour, -1) << i;
    }
    qqsini(rec, 1, 3, 0, status);
    EXPECT_EQ(rec.dsort.pdsort, nullptr);
}

// A full buffer that cannot have the memory to grow drops the polygon with
// warning 53, once for the buffer, and keeps what it holds.
TEST_F(DepthSortStore, ABufferThatCannotGrowWarnsOnce) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "a sanitizer's shadow memory does not fit an address-space limit";
#endif
    GlobalRecord &rec = currentRecord();
    int status = -1;
    constexpr int kCapacity = 1 << 22; // 16 bytes a corner: 112 MB for quadrilaterals
    dbfini(rec, 4, kCapacity, status);
    ASSERT_EQ(status, 0);
    rec.dsort.pdsort->count = kCapacity; // filled (with zeros)
    const float x[4] = {}, y[4] = {};
    int results[2] = {-1, -1};
    std::string out;
    {
        const AddressSpaceLimit limit(64 << 20); // far less than twice the buffer
        ASSERT_TRUE(limit.active());
        out = captureStdout([&] {
            for (int &r : results)
                qqsput(rec, x, y, 0, 0, r);
        });
    }
    EXPECT_EQ(out,
              " <<<< Warning  53: Not enough memory in " + std::string(rec.core.cfunc) + "!\n");
    EXPECT_EQ(results[0], 1);
    EXPECT_EQ(results[1], 1);
    EXPECT_EQ(rec.dsort.pdsort->count, kCapacity);
    qqsini(rec, 1, 4, 0, status);
}

// Page points are rounded as trunc(v + 0.5) into 16 bits; a point projected
// far off the page is held at the 16-bit limit rather than wrapped round to
// the other side.
TEST_F(DepthSortStore, CornersAreRoundedAndHeldInSixteenBits) {
    GlobalRecord &rec = currentRecord();
    int status = -1;
    dbfini(rec, 4, 1, status);
    const float x[4] = {10.4f, 10.5f, 40000.0f, -1.0e6f}, y[4] = {-0.4f, 32767.0f, 1.0e6f, 2.49f};
    qqsput(rec, x, y, 0.0f, 1, status);
    qqsini(rec, 2, 4, 0, status);
    float gx[4], gy[4];
    int colour = 0;
    qqsget(rec, gx, gy, 0, colour, status);
    ASSERT_EQ(status, 0);
    const float wantX[4] = {10, 11, 32767, -32768}, wantY[4] = {0, 32767, 32767, 2};
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(gx[j], wantX[j]) << j;
        EXPECT_EQ(gy[j], wantY[j]) << j;
    }
    dbffin(rec, 4);
}

// A second dbfini starts a new, empty buffer; the old one is freed (the
// sanitizer build sees a leak otherwise).
TEST_F(DepthSortStore, ASecondOpenStartsAnEmptyBuffer) {
    GlobalRecord &rec = currentRecord();
    int status = -1;
    dbfini(rec, 3, 5, status);
    const float x[3] = {}, y[3] = {};
    qqsput(rec, x, y, 0, 0, status);
    dbfini(rec, 4, 7, status);
    ASSERT_NE(rec.dsort.pdsort, nullptr);
    EXPECT_EQ(rec.dsort.pdsort->count, 0);
    EXPECT_EQ(rec.dsort.pdsort->capacity, 7);
    EXPECT_EQ(rec.dsort.pdsort->corners, 4);
    qqsini(rec, 1, 4, 0, status);
}

// Without an open buffer nothing is touched.
TEST_F(DepthSortStore, WithoutABufferNothingHappens) {
    GlobalRecord &rec = currentRecord();
    const float x[4] = {}, y[4] = {}, z[4] = {};
    qqds3d(rec, x, y, z, 4, 1);
    dbffin(rec, 4);
    int status = 0;
    qqsput(rec, x, y, 0, 0, status);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(rec.dsort.pdsort, nullptr);
}

} // namespace

namespace {

// ---- Faces drawn through the buffer -------------------------------------------

class DepthSortFaces : public AxisTest {
  protected:
    // A 3-D axis system with 0..10 on each axis, drawn by nothing but the
    // test, seen from the front without perspective: page x is box x, page up
    // is box z, the depth is box y and w is 1. The box centre lies at (1000,
    // 1000), 100 plot units per box unit.
    GlobalRecord &openFrontView(const char *device, const char *file) {
        GlobalRecord &rec = open(device, file);
        captureStdout([] {
            axspos(300, 1800);
            axslen(1400, 1400);
            nograf();
            graf3d(0, 10, 0, 2, 0, 10, 0, 2, 0, 10, 0, 2);
        });
        const float m[16] = {1, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1};
        std::copy(m, m + 16, rec.view3d.xmat3d);
        rec.view3d.xprjscl = 100;
        rec.view3d.xprjcen[0] = 1000;
        rec.view3d.xprjcen[1] = 1000;
        return rec;
    }
};

// What a file shows of the faces, in file order: "fill r g b" for a filled
// face, "stroke r g b" for lines, each with the colour it is drawn in.
// PostScript after the prologue: "r g b f" sets the colour, "... tri" fills a
// triangle, "p" strokes the path.
Events postScriptEvents(const std::string &ps) {
    Events events;
    std::istringstream in(ps.substr(ps.find(" scale")));
    std::vector<std::string> words;
    std::string word, colour;
    while (in >> word) {
        const std::size_t n = words.size();
        if (word == "f" && n >= 3) colour = words[n - 3] + " " + words[n - 2] + " " + words[n - 1];
        if (word == "tri") events.push_back("fill " + colour);
        if (word == "p") events.push_back("stroke " + colour);
        words.push_back(word);
    }
    return events;
}

constexpr int kRed = 0x10000ff, kGreen = 0x100ff00, kBlue = 0x1ff0000; // explicit RGB values
const std::string kRedFill = "fill 255 0 0", kGreenFill = "fill 0 255 0",
                  kBlueFill = "fill 0 0 255";

// A square face of the box at depth (box y) d, a little to the right for each
// later one so that none hides another completely.
struct Face {
    float x[5], y[5], z[5];
};
Face squareAt(float d, float shift, int corners) {
    Face f{};
    const float px[4] = {-0.5f, 0.5f, 0.5f, -0.5f}, pz[4] = {-0.5f, -0.5f, 0.5f, 0.5f};
    for (int j = 0; j < corners; ++j) {
        f.x[j] = px[j] + shift;
        f.y[j] = d;
        f.z[j] = pz[j];
    }
    return f;
}

// Faces added near, far, middle come out far, middle, near; with the mesh on
// each is outlined in the colour current when the buffer is drawn, the
// triangle right after its fill, the quadrilateral before the next fill.
TEST_F(DepthSortFaces, FarthestFaceIsDrawnFirstAndTheMeshFollowsEachFill) {
    struct Case {
        const char *device, *file;
        int corners;
        bool mesh;
    };
    const Case cases[] = {
        {"PS", "plot.ps", 3, false},
        {"PS", "plot.ps", 3, true},
        {"SVG", "plot.svg", 4, false},
        {"SVG", "plot.svg", 4, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.device) + (c.mesh ? " mesh" : ""));
        GlobalRecord &rec = openFrontView(c.device, c.file);
        captureStdout([&] {
            shdpat(16);
            surmsh(c.mesh ? "ON" : "OFF");
            setrgb(1.0f, 0.0f, 1.0f); // the mesh colour
        });
        int status = -1;
        dbfini(rec, c.corners, 3, status);
        ASSERT_EQ(status, 0);
        const float depths[3] = {0.2f, 0.8f, 0.5f};
        const int colours[3] = {kRed, kGreen, kBlue};
        for (int k = 0; k < 3; ++k) {
            const Face f = squareAt(depths[k], 0.1f * float(k), c.corners);
            qqds3d(rec, f.x, f.y, f.z, c.corners, colours[k]);
        }
        dbffin(rec, c.corners);
        EXPECT_EQ(rec.dsort.pdsort, nullptr);
        const std::string bytes = close(c.file);
        const Events got = c.corners == 3 ? postScriptEvents(bytes) : svgEvents(bytes);
        Events want;
        for (const std::string &fill : {kGreenFill, kBlueFill, kRedFill}) {
            want.push_back(fill);
            if (c.mesh) want.push_back("stroke 255 0 255");
        }
        EXPECT_EQ(got, want);
    }
}

// Which faces the buffer keeps: a corner outside the box (WORL) or outside
// the view volume (EYE) drops the face, no test (-1) keeps it; a face of five
// values keeps its four corners anywhere and its own depth key; a buffer
// opened for too few faces grows.
TEST_F(DepthSortFaces, FacesFailingTheClipTestAreDroppedAndNoOtherFace) {
    constexpr int kNoTest = -1, kWorld = 0, kEye = 1;
    struct Case {
        const char *what;
        int clip, corners;
        float depth, shift; // box y and x shift of the square
        int capacity;
        bool kept;
    };
    const Case cases[] = {
        {"inside, WORL", kWorld, 4, 0.5f, 0, 1, true},
        {"off the box side, WORL", kWorld, 4, 0.5f, 0.8f, 1, false},
        {"off the box side, EYE", kEye, 4, 0.5f, 0.8f, 1, false},
        {"in front of the box, WORL", kWorld, 3, -1.2f, 0, 1, false},
        {"behind the front plane, in the box, WORL", kWorld, 3, -0.5f, 0, 1, true},
        {"behind the front plane, in the box, EYE", kEye, 3, -0.5f, 0, 1, false},
        {"off the box side, no test", kNoTest, 4, 0.5f, 0.8f, 1, true},
        {"off the box side, five values, WORL", kWorld, 5, 0.5f, 0.8f, 1, true},
        {"inside, in a buffer opened for no face", kWorld, 4, 0.5f, 0, 0, true},
    };
    GlobalRecord &rec = openFrontView("PS", "plot.ps");
    for (const Case &c : cases) {
        rec.view3d.iclip3d = c.clip;
        int status = -1, count = -1;
        const int stored = c.corners == 5 ? 4 : c.corners;
        dbfini(rec, stored, c.capacity, status);
        Face f = squareAt(c.depth, c.shift, stored);
        f.z[4] = 0.3f;
        qqds3d(rec, f.x, f.y, f.z, c.corners, kRed);
        qqsini(rec, 3, stored, 0, count);
        EXPECT_EQ(count, c.kept ? 1 : 0) << c.what;
        qqsini(rec, 1, stored, 0, status);
    }
    close("plot.ps");
}

// The caller's key orders a face of five values; faces of equal depth are
// both drawn; a face of the wrong corner count is not stored.
TEST_F(DepthSortFaces, KeysOfTheCallerAndEqualDepths) {
    GlobalRecord &rec = openFrontView("PS", "plot.ps");
    captureStdout([] { shdpat(16); });
    int status = -1;
    dbfini(rec, 4, 4, status);
    Face near = squareAt(0.1f, 0, 4), far = squareAt(0.9f, 0.1f, 4);
    near.z[4] = 5.0f; // its own key puts it behind everything
    qqds3d(rec, near.x, near.y, near.z, 5, kRed);
    qqds3d(rec, far.x, far.y, far.z, 4, kGreen);
    qqds3d(rec, far.x, far.y, far.z, 4, kBlue);
    qqds3d(rec, far.x, far.y, far.z, 3, kBlue); // three corners in a buffer of four
    int count = -1;
    qqsini(rec, 3, 4, 0, count);
    EXPECT_EQ(count, 3);
    dbffin(rec, 4);
    close("plot.ps");
    // The fill of a quadrilateral on PostScript is a path; its colour is the
    // last one set before it. Red comes first, green and blue in either order.
    const std::string ps = readFile(dir.file("plot.ps"));
    const std::size_t red = ps.find("255 0 0 f"), green = ps.find("0 255 0 f"),
                      blue = ps.find("0 0 255 f");
    ASSERT_NE(red, std::string::npos);
    ASSERT_NE(green, std::string::npos);
    ASSERT_NE(blue, std::string::npos);
    EXPECT_LT(red, std::min(green, blue));
}

TEST_F(DepthSortFaces, AnEmptyBufferDrawsNothing) {
    GlobalRecord &rec = openFrontView("PS", "plot.ps");
    int status = -1;
    dbfini(rec, 3, 10, status);
    dbffin(rec, 3);
    EXPECT_EQ(rec.dsort.pdsort, nullptr);
    EXPECT_EQ(postScriptEvents(close("plot.ps")), Events{});
}

// The buffer draws its polygons with the corner count it was opened with,
// whatever count the caller names at the end.
TEST_F(DepthSortFaces, TheBufferKeepsItsOwnCornerCount) {
    GlobalRecord &rec = openFrontView("PS", "plot.ps");
    int status = -1;
    dbfini(rec, 3, 2, status);
    const Face a = squareAt(0.3f, 0, 3), b = squareAt(0.6f, 0.2f, 3);
    qqds3d(rec, a.x, a.y, a.z, 3, kRed);
    qqds3d(rec, b.x, b.y, b.z, 3, kBlue);
    dbffin(rec, 4);
    EXPECT_EQ(postScriptEvents(close("plot.ps")), (Events{kBlueFill, kRedFill}));
}

} // namespace
