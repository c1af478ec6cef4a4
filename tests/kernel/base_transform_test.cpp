#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

#include "kernel/base_transform.h"
#include "tests/support/pen_ops.h"
#include "tests/support/plot_fixture.h"

namespace {

using BaseTransform = PlotTest;

TEST_F(BaseTransform, SettersComposeAndMoveWhatIsDrawnAfterwards) {
    GlobalRecord &rec = open("HPGL", "plot.hpg");
    captureStdout([] {
        line(0, 0, 100, 0); // before the transformation
        trfshf(10, 20);
        trfscl(2, 2); // the shift is scaled too
        line(0, 0, 100, 0);
    });
    EXPECT_FLOAT_EQ(rec.trf.xtrfmat[2], 20);
    EXPECT_FLOAT_EQ(rec.trf.xtrfmat[5], 40);
    captureStdout([] {
        trfres();
        trfrot(90, 1000, 1000); // a quarter turn about (1000, 1000)
        line(1000, 1000, 1100, 1000);
    });
    const std::vector<PenOp> expected = {
        {false, 0, 0},   {true, 100, 0},      {false, 20, 40},
        {true, 220, 40}, {false, 1000, 1000}, {true, 1000, 900},
    };
    const std::vector<PenOp> ops = hpglPenOps(close("plot.hpg"));
    EXPECT_EQ(ops, expected) << describe(ops);
}

TEST_F(BaseTransform, CoordinateConversions) {
    float x[2] = {-1, 0}, y[2] = {1, 0}, z[2] = {0, 5};
    trfco3(x, y, z, 2, "RECT", "SPHE");
    EXPECT_NEAR(x[0], 135, 1e-4);
    EXPECT_NEAR(y[0], 0, 1e-6);
    EXPECT_NEAR(z[0], std::sqrt(2.0f), 1e-6);
    EXPECT_FLOAT_EQ(x[1], 0); // straight up: longitude and latitude 0
    EXPECT_FLOAT_EQ(y[1], 0);
    EXPECT_FLOAT_EQ(z[1], 5);
    trfco3(x, y, z, 1, "SPHE", "RECT");
    EXPECT_NEAR(x[0], -1, 1e-5);
    EXPECT_NEAR(y[0], 1, 1e-5);

    float a[1] = {90}, r[1] = {2};
    trfco2(a, r, 1, "POLA", "RECT");
    EXPECT_NEAR(a[0], 0, 1e-6);
    EXPECT_NEAR(r[0], 2, 1e-6);
    float d[1] = {180};
    trfco1(d, 1, "DEGR", "RADI");
    EXPECT_FLOAT_EQ(d[0], 180 * 0.017453292f);
    EXPECT_EQ(captureStdout([&] { trfco2(a, r, 1, "RECT", "rect"); }),
              " <<<< Warning 101: No conversion necessary in trfco2!\n");
}

TEST_F(BaseTransform, MatrixResampling) {
    const float z[6] = {0, 1, 2, 3, 4, 5}; // 2 by 3, row after row
    float same[6];
    trfmat(z, 2, 3, same, 2, 3);
    for (int i = 0; i < 6; ++i)
        EXPECT_FLOAT_EQ(same[i], z[i]);
    float finer[15];
    trfmat(z, 2, 3, finer, 3, 5);
    EXPECT_FLOAT_EQ(finer[5 + 2], 2.5f); // the middle of the 2 by 3 grid
    EXPECT_FLOAT_EQ(finer[14], 5);
    EXPECT_EQ(captureStdout([&] { trfmat(z, 1, 3, finer, 3, 5); }),
              " <<<< Warning   2: Incorrect parameter in trfmat!\n");
}

} // namespace

namespace {

TEST_F(BaseTransform, DayNumbersBecomeDates) {
    int d = 0, m = 0, y = 0;
    EXPECT_EQ(captureStdout([&] { trfdat(5, &d, &m, &y); }),
              " <<<< Warning 101: no base date is defined with basdat in trfdat!\n");
    EXPECT_EQ(y, 0);
    const int base[5] = {1, 1, 2000, 1, 1}; // 1 January 2000, set
    std::copy(base, base + 5, currentRecord().date.nbasdat);
    struct Case {
        int days, day, month, year;
    };
    const Case cases[] = {
        {0, 1, 1, 2000},     {59, 29, 2, 2000},    {60, 1, 3, 2000},
        {365, 31, 12, 2000}, {366, 1, 1, 2001},    {-1, 31, 12, 1999},
        {-365, 1, 1, 1999},  {-366, 31, 12, 1998}, {36524, 31, 12, 2099},
    };
    for (const Case &c : cases) {
        trfdat(c.days, &d, &m, &y);
        EXPECT_EQ(d, c.day) << c.days;
        EXPECT_EQ(m, c.month) << c.days;
        EXPECT_EQ(y, c.year) << c.days;
        // incdat counts the same days back.
        EXPECT_EQ(incdat(d, m, y), c.days);
    }
}

} // namespace
