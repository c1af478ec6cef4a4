// Quick plots: each writes the same file as a program that makes its calls
// one by one, ends with the library closed, and reports its bad counts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "kernel/record.h"
#include "tests/support/plot_fixture.h"

namespace {

class QuickPlots : public PlotTest {
  protected:
    // The PNG file that draw writes after the device and file are chosen;
    // and what it printed.
    std::string pngOf(const std::function<void()> &draw, std::string *printed = nullptr) {
        const std::string out = captureStdout([&] {
            metafl("PNG");
            setfil("plot.png");
            filmod("DELE");
            draw();
        });
        if (printed != nullptr) *printed = out;
        EXPECT_EQ(currentRecord().core.ilevel, 0);
        return readFile(dir.file("plot.png"));
    }
};

// The frame every quick plot draws round its plot, by hand.
void byHand(const std::function<void()> &plot) {
    kavini();
    pagera();
    hwfont();
    plot();
    title();
    kavfin();
}

void scaleMatrix(const float *z, int nx, int ny, bool values) {
    const float xr[2] = {1, float(nx)}, yr[2] = {1, float(ny)};
    setscl(xr, 2, "x");
    setscl(yr, 2, "y");
    if (values) setscl(z, nx * ny, "z");
}

TEST_F(QuickPlots, EachDrawsWhatItsCallsDraw) {
    std::vector<float> x(40), y(40), z(12 * 9);
    for (int i = 0; i < 40; ++i) {
        x[i] = float(i) * 0.25f;
        y[i] = std::sin(x[i]) * 3.0f + 1.0f;
    }
    for (int i = 0; i < 12; ++i)
        for (int j = 0; j < 9; ++j)
            z[std::size_t(i * 9 + j)] = std::sin(float(i) * 0.5f) * std::cos(float(j) * 0.4f);
    const float *px = x.data(), *py = y.data(), *pz = z.data();
    struct Case {
        const char *name;
        std::function<void()> quick, calls;
    };
    const Case cases[] = {
        {"qplot", [=] { qplot(px, py, 40); },
         [=] {
             byHand([=] {
                 setscl(px, 40, "x");
                 setscl(py, 40, "y");
                 graf(0, 0, 0, 0, 0, 0, 0, 0);
                 curve(px, py, 40);
             });
         }},
        {"qplsca", [=] { qplsca(px, py, 40); },
         [=] {
             byHand([=] {
                 incmrk(-1);
                 setscl(px, 40, "x");
                 setscl(py, 40, "y");
                 graf(0, 0, 0, 0, 0, 0, 0, 0);
                 curve(px, py, 40);
             });
         }},
        {"qplbar", [=] { qplbar(py, 12); },
         [=] {
             byHand([=] {
                 float bx[12], base[12] = {}, top = 0;
                 for (int i = 0; i < 12; ++i) {
                     bx[i] = float(i + 1);
                     top = std::fmax(top, py[i]);
                 }
                 const float xr[2] = {0.5f, 12.5f}, yr[2] = {0, 1.5f * top};
                 setscl(xr, 2, "x");
                 setscl(yr, 2, "y");
                 graf(0, 0, 0, 0, 0, 0, 0, 0);
                 shdpat(16);
                 labpos("outside", "bars");
                 labels("second", "bars");
                 bars(bx, base, py, 12);
                 color("fore");
             });
         }},
        {"qplpie", [=] { qplpie(py + 2, 5); },
         [=] {
             byHand([=] {
                 chnpie("both");
                 for (int i = 1; i <= 30; ++i)
                     patcyc(i, 16);
                 labels("none", "pie");
                 piegrf(" ", 0, py + 2, 5);
                 endgrf();
                 shdpat(0);
                 color("fore");
                 chnpie("none");
                 labels("data", "pie");
                 labpos("external", "pie");
                 piegrf(" ", 0, py + 2, 5);
             });
         }},
        {"qplcon", [=] { qplcon(pz, 12, 9, 4); },
         [=] {
             byHand([=] {
                 float lo = pz[0], hi = pz[0];
                 for (int i = 0; i < 12 * 9; ++i) {
                     lo = std::fmin(lo, pz[i]);
                     hi = std::fmax(hi, pz[i]);
                 }
                 scaleMatrix(pz, 12, 9, false);
                 labels("float", "contour");
                 graf(0, 0, 0, 0, 0, 0, 0, 0);
                 height(25);
                 for (int i = 0; i < 4; ++i)
                     conmat(pz, 12, 9, lo + float(i) * (hi - lo) / 3);
                 height(36);
             });
         }},
        {"qplclr", [=] { qplclr(pz, 12, 9); },
         [=] {
             byHand([=] {
                 scaleMatrix(pz, 12, 9, true);
                 autres(12, 9);
                 graf3(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
                 crvmat(pz, 12, 9, 1, 1);
             });
         }},
        {"qplsur", [=] { qplsur(pz, 12, 9); },
         [=] {
             byHand([=] {
                 scaleMatrix(pz, 12, 9, true);
                 graf3d(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
                 surmat(pz, 12, 9, 1, 1);
             });
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string quick = pngOf(c.quick);
        EXPECT_FALSE(quick.empty());
        EXPECT_EQ(quick, pngOf(c.calls));
    }
}

TEST_F(QuickPlots, CountsOutOfRangeAreReported) {
    std::vector<float> y(150, 1.0f), z(4 * 4);
    for (int i = 0; i < 16; ++i)
        z[std::size_t(i)] = float(i % 5);
    std::string printed;
    const std::string many = pngOf([&] { qplbar(y.data(), 150); }, &printed);
    EXPECT_NE(printed.find(" <<<< Warning 101: too many points in qplbar in qplbar!"),
              std::string::npos);
    EXPECT_EQ(many, pngOf([&] { qplbar(y.data(), 100); }));

    const std::string eight = pngOf([&] { qplcon(z.data(), 4, 4, 0); }, &printed);
    EXPECT_NE(printed.find(" <<<< Warning 101: bad number of levels in qplcon in qplcon!"),
              std::string::npos);
    EXPECT_EQ(eight, pngOf([&] { qplcon(z.data(), 4, 4, 8); }));

    EXPECT_EQ(captureStdout([] { qplot(nullptr, nullptr, 3); }),
              " <<<< Warning   2: Incorrect parameter in qplot!\n");
    EXPECT_EQ(captureStdout([&] { qplsur(z.data(), 0, 4); }),
              " <<<< Warning   2: Incorrect parameter in qplsur!   (   0)\n");
    EXPECT_EQ(currentRecord().core.ilevel, 0);
}

// An open plot is used as it is, and closed.
TEST_F(QuickPlots, AnOpenPlotIsUsedAndClosed) {
    const float x[3] = {1, 2, 3}, y[3] = {2, 1, 3};
    const std::string fresh = pngOf([&] { qplot(x, y, 3); });
    EXPECT_EQ(fresh, pngOf([&] {
                  kavini();
                  qplot(x, y, 3);
              }));
}

// Without a device chosen a quick plot goes to the screen; with no display
// there it ends at once, leaves no file behind and closes the library.
TEST_F(QuickPlots, TheScreenIsTheDefault) {
    const char *display = std::getenv("DISPLAY");
    const std::string saved = display != nullptr ? display : "";
    unsetenv("DISPLAY");
    const float x[3] = {1, 2, 3}, y[3] = {2, 1, 3};
    captureStdout([&] { qplot(x, y, 3); });
    if (display != nullptr) setenv("DISPLAY", saved.c_str(), 1);
    EXPECT_EQ(currentRecord().core.ilevel, 0);
    EXPECT_EQ(currentRecord().core.idevice, 80); // the screen window of CONS
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

} // namespace
