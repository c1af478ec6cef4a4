// Spline interpolation: polynomials up to the spline's degree are reproduced,
// the data are interpolated, and the counts and warnings of spline.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "kavlor.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "kernel/spline.h"
#include "tests/support/capture.h"
#include "tests/support/fresh_record.h"

namespace {

constexpr float kUntouched = -12345.0f;

double cubic(double x) {
    return x * x * x - 2.0 * x;
}

class Spline : public FreshRecord {
  protected:
    // An open plot with the default spline settings.
    GlobalRecord &openPlot() {
        GlobalRecord &rec = currentRecord();
        rec.core.ilevel = 1;
        resetSplineDefaults(rec);
        return rec;
    }
};

TEST_F(Spline, ReproducesACubic) {
    openPlot();
    // Unevenly spaced sites.
    const std::vector<float> x = {-2.0f, -1.7f, -1.0f, -0.4f, 0.1f, 0.3f, 1.0f, 1.2f, 2.0f, 2.5f};
    std::vector<float> y;
    for (float xi : x)
        y.push_back(float(cubic(xi)));
    std::vector<float> xs(201, kUntouched), ys(201, kUntouched);
    int ns = 0;
    EXPECT_EQ(captureStdout([&] { spline(x.data(), y.data(), 10, xs.data(), ys.data(), &ns); }),
              "");
    ASSERT_EQ(ns, 201);
    EXPECT_EQ(xs[0], x[0]);
    EXPECT_EQ(ys[0], y[0]);
    EXPECT_EQ(xs[200], x[9]);
    EXPECT_EQ(ys[200], y[9]);
    for (int i = 1; i < 200; ++i) {
        EXPECT_EQ(xs[i], x[0] + float(i) * (x[9] - x[0]) / 200.0f) << i;
        EXPECT_NEAR(ys[i], cubic(xs[i]), 2.0e-5 * (1.0 + std::fabs(cubic(xs[i])))) << xs[i];
    }
}

TEST(SplineCore, EachDegreeReproducesPolynomialsOfThatDegree) {
    for (int degree = 2; degree <= 10; ++degree) {
        // n points with (2 degree + 1) n <= 1000, on [0, 1].
        const int n = std::min(30, 1000 / (2 * degree + 1));
        std::vector<float> x(n), y(n);
        auto poly = [degree](double t) { return std::pow(t - 0.3, std::min(degree, 5)) + t; };
        for (int i = 0; i < n; ++i) {
            x[i] = float(i) / float(n - 1) + 0.05f * float(i % 3) / float(n);
            y[i] = float(poly(x[i]));
        }
        std::vector<float> xs(51), ys(51);
        ASSERT_EQ(interpolateSpline(x.data(), y.data(), n, degree, 50, {}, xs.data(), ys.data()),
                  SplineStatus::Done)
            << degree;
        for (int i = 1; i < 50; ++i)
            ASSERT_NEAR(ys[i], poly(xs[i]), 2.0e-5) << "degree " << degree << " x " << xs[i];
    }
}

TEST(SplineCore, InterpolatesTheData) {
    // A curve that no spline reproduces still passes through every data point.
    const int n = 12, k = 4;
    std::vector<float> tau(n), g(n), t(n + k), q((2 * k - 1) * n), coef(n);
    for (int i = 0; i < n; ++i) {
        tau[i] = 0.3f * float(i) + 0.01f * float(i * i);
        g[i] = std::sin(2.0f * tau[i]) + 0.1f * float(i % 2);
    }
    spnak(tau.data(), n, k, t.data());
    ASSERT_EQ(splint(tau.data(), g.data(), t.data(), n, k, q.data(), coef.data()), 1);
    int ilo = 1;
    for (int i = 0; i < n - 1; ++i)
        EXPECT_NEAR(bvalue(t.data(), coef.data(), n, k, tau[i], 0, ilo), g[i], 2.0e-5) << i;
    // Derivatives of order k and points outside the knots give 0.
    EXPECT_EQ(bvalue(t.data(), coef.data(), n, k, tau[3], k, ilo), 0.0f);
    EXPECT_EQ(bvalue(t.data(), coef.data(), n, k, tau[0] - 1.0f, 0, ilo), 0.0f);
    EXPECT_EQ(bvalue(t.data(), coef.data(), n, k, tau[n - 1] + 1.0f, 0, ilo), 0.0f);
}

TEST(SplineCore, KnotIntervals) {
    const float xt[] = {0.0f, 1.0f, 1.0f, 2.0f, 5.0f};
    struct Case {
        float x;
        int left;
        int flag;
    };
    const Case cases[] = {{-1.0f, 1, -1}, {0.0f, 1, 0}, {0.5f, 1, 0}, {1.0f, 3, 0},
                          {4.9f, 4, 0},   {5.0f, 5, 1}, {9.0f, 5, 1}, {1.5f, 3, 0}};
    // The result does not depend on where the search starts.
    for (int start : {1, 2, 4, 5}) {
        for (const Case &c : cases) {
            int left = 0, ilo = start;
            EXPECT_EQ(interv(xt, 5, c.x, left, ilo), c.flag) << c.x << " from " << start;
            EXPECT_EQ(left, c.left) << c.x << " from " << start;
        }
    }
}

TEST(SplineCore, NotAKnotKnots) {
    const float tau[] = {0.0f, 1.0f, 2.0f, 4.0f, 8.0f, 9.0f};
    float t[10];
    spnak(tau, 6, 4, t); // even order: the sites but the two next to each end
    const float even[] = {0, 0, 0, 0, 2, 4, 9, 9, 9, 9};
    for (int i = 0; i < 10; ++i)
        EXPECT_FLOAT_EQ(t[i], i < 6 ? even[i] : 9.0f + 1.0e-7f) << i;
    spnak(tau, 6, 3, t); // odd order: midpoints
    const float odd[] = {0, 0, 0, 1.5f, 3.0f, 6.0f};
    for (int i = 0; i < 6; ++i)
        EXPECT_FLOAT_EQ(t[i], odd[i]) << i;
}

TEST(SplineCore, ParametricCurvesMayTurnBack) {
    // Twelve points on three quarters of the unit circle: x goes back and forth.
    const int n = 12;
    std::vector<float> x(n), y(n);
    for (int i = 0; i < n; ++i) {
        const double a = 4.712389 * i / (n - 1);
        x[i] = float(std::cos(a));
        y[i] = float(std::sin(a));
    }
    std::vector<float> xs(101), ys(101);
    SplineForm form;
    form.parametric = true;
    ASSERT_EQ(interpolateSpline(x.data(), y.data(), n, 3, 100, form, xs.data(), ys.data()),
              SplineStatus::Done);
    for (int i = 0; i <= 100; ++i)
        EXPECT_NEAR(std::hypot(xs[i], ys[i]), 1.0, 0.01) << i;
    EXPECT_EQ(xs[100], x[n - 1]);
    // The same points as y over x are refused.
    EXPECT_EQ(interpolateSpline(x.data(), y.data(), n, 3, 100, {}, xs.data(), ys.data()),
              SplineStatus::NotIncreasing);
}

TEST(SplineCore, RepeatedPointsMakeTheParametricSystemSingular) {
    const float x[] = {0, 1, 1, 2, 3}, y[] = {0, 1, 1, 0, 1};
    std::vector<float> xs(11, kUntouched), ys(11, kUntouched);
    SplineForm form;
    form.parametric = true;
    EXPECT_EQ(interpolateSpline(x, y, 5, 3, 10, form, xs.data(), ys.data()),
              SplineStatus::Singular);
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(xs[i], kUntouched);
}

TEST(SplineCore, LogarithmicSpacing) {
    const float x[] = {1, 10, 100, 1000}, y[] = {0, 1, 2, 3};
    std::vector<float> xs(31), ys(31);
    SplineForm form;
    form.logX = true;
    ASSERT_EQ(interpolateSpline(x, y, 4, 3, 30, form, xs.data(), ys.data()), SplineStatus::Done);
    for (int i = 0; i <= 30; ++i)
        EXPECT_NEAR(std::log10(xs[i]), 0.1 * i, 1.0e-5) << i;

    // A point that is not positive cannot be spaced in log10: nothing is written.
    const float bad[] = {0, 10, 100, 1000};
    std::vector<float> untouched(31, kUntouched);
    xs = untouched;
    EXPECT_EQ(interpolateSpline(bad, y, 4, 3, 30, form, xs.data(), ys.data()),
              SplineStatus::NonPositiveLog);
    EXPECT_EQ(xs, untouched);
}

TEST_F(Spline, NumberOfPoints) {
    GlobalRecord &rec = openPlot();
    struct Case {
        int degree, n;
        bool accepted;
    };
    const Case cases[] = {{3, 4, true},    {3, 3, false},   {3, 142, true},  {3, 143, false},
                          {10, 47, true},  {10, 48, false}, {10, 10, false}, {2, 200, true},
                          {2, 201, false}, {3, 0, false},   {3, -5, false}};
    for (const Case &c : cases) {
        rec.spline.nsplmod[0] = c.degree;
        rec.spline.nsplmod[1] = 5;
        std::vector<float> x, y;
        for (int i = 0; i < std::max(c.n, 0); ++i) {
            x.push_back(float(i));
            y.push_back(float(i % 5));
        }
        std::vector<float> xs(6, kUntouched), ys(6, kUntouched);
        int ns = -1;
        const std::string out =
            captureStdout([&] { spline(x.data(), y.data(), c.n, xs.data(), ys.data(), &ns); });
        if (c.accepted) {
            EXPECT_EQ(out, "") << c.degree << " " << c.n;
            EXPECT_EQ(ns, 6);
            EXPECT_EQ(xs[5], float(c.n - 1));
        } else {
            char expected[120];
            std::snprintf(expected, sizeof expected,
                          " <<<< Warning  31: Incorrect number of points for spline "
                          "interpolation in spline!   (%4d)\n",
                          c.n);
            EXPECT_EQ(out, expected) << c.degree;
            EXPECT_EQ(ns, -1);
            EXPECT_EQ(xs[0], kUntouched);
        }
    }
}

TEST_F(Spline, XMustIncreaseStrictly) {
    openPlot();
    const float x[] = {0, 1, 1, 2, 3}, y[] = {0, 1, 2, 3, 4};
    std::vector<float> xs(201, kUntouched), ys(201, kUntouched);
    int ns = -1;
    EXPECT_EQ(captureStdout([&] { spline(x, y, 5, xs.data(), ys.data(), &ns); }),
              " <<<< Warning  32: No increasing x coordinates for spline interpolation in "
              "spline!\n");
    EXPECT_EQ(ns, -1);
    EXPECT_EQ(xs[0], kUntouched);
    EXPECT_EQ(ys[200], kUntouched);
}

TEST_F(Spline, NeedsAnOpenPlot) {
    const float x[] = {0, 1, 2, 3}, y[] = {0, 1, 2, 3};
    std::vector<float> xs(201, kUntouched), ys(201, kUntouched);
    int ns = -1;
    EXPECT_EQ(captureStdout([&] { spline(x, y, 4, xs.data(), ys.data(), &ns); }),
              " <<<< Warning   3: Incorrect level in spline!   (   0)\n");
    EXPECT_EQ(ns, -1);
    EXPECT_EQ(xs[0], kUntouched);
}

TEST_F(Spline, OutputCountFollowsTheSettings) {
    GlobalRecord &rec = openPlot();
    rec.spline.nsplmod[1] = 30000;
    const float x[] = {0, 1, 2, 3, 4}, y[] = {1, 0, 1, 0, 1};
    std::vector<float> xs(30001), ys(30001);
    int ns = 0;
    spline(x, y, 5, xs.data(), ys.data(), &ns);
    EXPECT_EQ(ns, 30001);
    EXPECT_EQ(xs[30000], 4.0f);
    EXPECT_FALSE(std::isnan(ys[15000]));
}

} // namespace
