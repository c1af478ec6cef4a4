// Statistics and point geometry: moments, the circle through three points and
// Bezier curves, against values computed independently in double precision.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "kavlor.h"
#include "tests/support/capture.h"
#include "tests/support/fresh_record.h"

namespace {

using Statistics = FreshRecord;

struct Reference {
    double mean, aver, vari, stan, thir, four;
};

Reference reference(const std::vector<float> &x) {
    const double n = double(x.size());
    double mean = 0;
    for (float v : x)
        mean += v;
    mean /= n;
    Reference r{mean, 0, 0, 0, 0, 0};
    for (float v : x) {
        r.aver += std::fabs(v - mean) / n;
        r.vari += (v - mean) * (v - mean) / (n - 1);
    }
    r.stan = std::sqrt(r.vari);
    for (float v : x) {
        const double z = (v - mean) / r.stan;
        r.thir += z * z * z / n;
        r.four += z * z * z * z / n;
    }
    r.four -= 3;
    return r;
}

TEST_F(Statistics, MomentsOfSmallSets) {
    const float x[] = {1, 2, 3, 4};
    EXPECT_FLOAT_EQ(moment(x, 4, "MEAN"), 2.5f);
    EXPECT_FLOAT_EQ(moment(x, 4, "aver"), 1.0f);
    EXPECT_NEAR(moment(x, 4, "VARI"), 1.6667f, 1e-4);
    EXPECT_NEAR(moment(x, 4, "STANDARD"), 1.2910f, 1e-4);
    EXPECT_NEAR(moment(x, 4, "THIR"), 0.0f, 1e-6);

    const std::vector<float> skewed = {1, 2, 2, 3, 7, 9, 12, 0.5f, -4};
    const Reference r = reference(skewed);
    const int n = int(skewed.size());
    EXPECT_NEAR(moment(skewed.data(), n, "MEAN"), r.mean, 1e-5);
    EXPECT_NEAR(moment(skewed.data(), n, "AVER"), r.aver, 1e-5);
    EXPECT_NEAR(moment(skewed.data(), n, "VARI"), r.vari, 1e-4);
    EXPECT_NEAR(moment(skewed.data(), n, "STAN"), r.stan, 1e-5);
    EXPECT_NEAR(moment(skewed.data(), n, "THIR"), r.thir, 1e-5);
    EXPECT_NEAR(moment(skewed.data(), n, "FOUR"), r.four, 1e-5);
}

TEST_F(Statistics, MomentsOfALargeSetKeepTheirPrecision) {
    // A large offset and many values: sums in extended precision keep the
    // deviations that a float sum would lose.
    std::mt19937 random(7);
    std::normal_distribution<float> normal(10000.0f, 2.0f);
    std::vector<float> x(100000);
    for (float &v : x)
        v = normal(random);
    const Reference r = reference(x);
    const int n = int(x.size());
    EXPECT_NEAR(moment(x.data(), n, "MEAN"), r.mean, 1e-3);
    EXPECT_NEAR(moment(x.data(), n, "STAN"), r.stan, 1e-3 * r.stan);
    EXPECT_NEAR(moment(x.data(), n, "FOUR"), r.four, 1e-2);
}

TEST_F(Statistics, MomentFailures) {
    const float same[] = {2, 2, 2};
    float result = -1;
    EXPECT_EQ(captureStdout([&] { result = moment(same, 3, "THIR"); }),
              " <<<< Warning 101: Variance = 0. Value cannot be calculated in moment!\n");
    EXPECT_EQ(result, 0.0f);
    EXPECT_EQ(captureStdout([&] { result = moment(same, 3, "FOUR"); }),
              " <<<< Warning 101: Variance = 0. Value cannot be calculated in moment!\n");
    EXPECT_EQ(captureStdout([&] { result = moment(same, 1, "MEAN"); }),
              " <<<< Warning 101: n must be greater than 1 in moment!\n");
    EXPECT_EQ(result, 0.0f);
    EXPECT_EQ(captureStdout([&] { result = moment(same, 3, "MEDI"); }),
              " <<<< Warning   2: Incorrect parameter in moment!   (MEDI)\n");
    EXPECT_EQ(result, 0.0f);
    // Zero variance is fine for the other statistics.
    EXPECT_EQ(captureStdout([&] { result = moment(same, 3, "STAN"); }), "");
    EXPECT_EQ(result, 0.0f);
}

TEST_F(Statistics, CircleThroughThreePoints) {
    float xm = 0, ym = 0, r = 0;
    circ3p(0, 0, 2, 0, 0, 2, &xm, &ym, &r);
    EXPECT_EQ(xm, 1.0f);
    EXPECT_EQ(ym, 1.0f);
    EXPECT_EQ(r, std::sqrt(2.0f));

    // Any triangle: the centre from the intersection of two perpendicular bisectors.
    std::mt19937 random(3);
    std::uniform_real_distribution<float> coordinate(-100.0f, 100.0f);
    for (int i = 0; i < 200; ++i) {
        float p[6];
        for (float &c : p)
            c = coordinate(random);
        const double ax = p[0], ay = p[1], bx = p[2], by = p[3], cx = p[4], cy = p[5];
        const double d = 2 * (ax * (by - cy) + bx * (cy - ay) + cx * (ay - by));
        if (std::fabs(d) < 100) continue; // nearly collinear: badly conditioned in floats
        const double ux = ((ax * ax + ay * ay) * (by - cy) + (bx * bx + by * by) * (cy - ay) +
                           (cx * cx + cy * cy) * (ay - by)) /
                          d;
        const double uy = ((ax * ax + ay * ay) * (cx - bx) + (bx * bx + by * by) * (ax - cx) +
                           (cx * cx + cy * cy) * (bx - ax)) /
                          d;
        circ3p(p[0], p[1], p[2], p[3], p[4], p[5], &xm, &ym, &r);
        const double scale = 1e-3 * (1 + std::fabs(std::hypot(ux - ax, uy - ay)));
        EXPECT_NEAR(xm, ux, scale);
        EXPECT_NEAR(ym, uy, scale);
        EXPECT_NEAR(r, std::hypot(ux - ax, uy - ay), scale);
    }
}

TEST_F(Statistics, CollinearPointsHaveNoCircle) {
    float xm = 7, ym = 8, r = 9;
    EXPECT_EQ(captureStdout([&] { circ3p(0, 0, 1, 1, 3, 3, &xm, &ym, &r); }),
              " <<<< Warning 101: Points are collinear in circ3p!\n");
    EXPECT_EQ(xm, 7.0f);
    EXPECT_EQ(ym, 8.0f);
    EXPECT_EQ(r, 9.0f);
}

TEST_F(Statistics, BezierCurves) {
    // Two control points: evenly spaced points on the segment.
    const float sx[] = {0, 1}, sy[] = {0, 2};
    float xp[5], yp[5];
    bezier(sx, sy, 2, xp, yp, 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_FLOAT_EQ(xp[i], 0.25f * float(i));
        EXPECT_FLOAT_EQ(yp[i], 0.5f * float(i));
    }

    // Five control points against the Bernstein form.
    const float cx[] = {0, 1, 3, 4, 6}, cy[] = {0, 5, -2, 3, 1};
    const int np = 33;
    std::vector<float> px(np), py(np);
    bezier(cx, cy, 5, px.data(), py.data(), np);
    const double binomial[] = {1, 4, 6, 4, 1};
    for (int i = 0; i < np; ++i) {
        const double t = double(i) / (np - 1);
        double bx = 0, by = 0;
        for (int j = 0; j < 5; ++j) {
            const double w = binomial[j] * std::pow(t, j) * std::pow(1 - t, 4 - j);
            bx += w * cx[j];
            by += w * cy[j];
        }
        EXPECT_NEAR(px[i], bx, 1e-5) << i;
        EXPECT_NEAR(py[i], by, 1e-5) << i;
    }
    EXPECT_EQ(px[np - 1], 6.0f);
    EXPECT_EQ(py[np - 1], 1.0f);
}

TEST_F(Statistics, BezierLimits) {
    std::vector<float> c(22, 1.0f);
    float xp[3] = {5, 5, 5}, yp[3] = {5, 5, 5};
    const char *line = " <<<< Warning   2: Incorrect parameter in bezier!\n";
    EXPECT_EQ(captureStdout([&] { bezier(c.data(), c.data(), 22, xp, yp, 3); }), line);
    EXPECT_EQ(captureStdout([&] { bezier(c.data(), c.data(), 1, xp, yp, 3); }), line);
    EXPECT_EQ(captureStdout([&] { bezier(c.data(), c.data(), 2, xp, yp, 1); }), line);
    EXPECT_EQ(captureStdout([&] { bezier(c.data(), c.data(), 2, xp, yp, 32001); }), line);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(xp[i], 5.0f);
    EXPECT_EQ(captureStdout([&] { bezier(c.data(), c.data(), 21, xp, yp, 3); }), "");
    EXPECT_EQ(xp[1], 1.0f);
}

} // namespace
