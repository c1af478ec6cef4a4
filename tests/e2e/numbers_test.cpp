// Numbers, dates, sorting and conversions, seen from a C program: texts that do
// not follow the caller's locale, and the exact warning lines.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/c_program.h"
#include "tests/support/comma_locale.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(Numbers, TextsIgnoreTheCallersLocale) {
    TempDir dir;
    TempDir locales;
    const bool built = buildCommaLocale(locales.path());
    ProgramRun run = runC(R"(
#include <kavlor.h>
#include <locale.h>
#include <stdio.h>
int main(void) {
    char text[64];
    int active = setlocale(LC_ALL, "de_DE.UTF-8") != NULL;
    printf("%d %.1f\n", active, 2.5);
    int n = fcha(3.14159f, 2, text);
    printf("[%s] %d\n", text, n);
    n = fcha(-1234.5f, 3, text);
    printf("[%s] %d %d\n", text, n, flen(-1234.5f, 3));
    n = intcha(-45, text);
    printf("[%s] %d %d\n", text, n, intlen(-45));
    return 0;
}
)",
                          dir.path(), {.env = {"LOCPATH=" + locales.path()}});
    EXPECT_EQ(run.status, 0);
    const std::string numbers = "[3.14] 4\n[-1234.500] 9 9\n[-45] 3 3\n";
    if (!built) {
        EXPECT_EQ(run.out, "0 2.5\n" + numbers);
        GTEST_SKIP() << "no locale with a decimal comma could be built (package locales)";
    }
    EXPECT_EQ(run.out, "1 2,5\n" + numbers);
}

TEST(Numbers, DatesSortingAndConversionsWithTheirWarnings) {
    TempDir dir;
    ProgramRun run = runC(R"(
#include <kavlor.h>
#include <stdio.h>
int main(void) {
    float x[3] = {3, 1, 2};
    float h = -1, s = -1, v = -1;
    printf("%d %d %d\n", nwkday(5, 7, 1999), nwkday(4, 7, 1999), nwkday(1, 1, 2000));
    printf("%d\n", incdat(1, 1, 2000));
    printf("%d\n", nwkday(29, 2, 1900));
    sortr1(x, 3, "X");
    sortr1(x, 3, "d");
    printf("%g %g %g\n", x[0], x[1], x[2]);
    hsvrgb(360.001f, 1, 1, &h, &s, &v);
    rgbhsv(1, 1, 0, &h, &s, &v);
    printf("%g %g %g\n", h, s, v);
    printf("%g\n", moment(x, 1, "MEAN"));
    return 0;
}
)",
                          dir.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "1 7 6\n"
                       " <<<< Warning 101: no base date is defined with basdat in incdat!\n"
                       "0\n"
                       " <<<< Warning   2: Incorrect parameter in nwkday!   (  29)\n"
                       "0\n"
                       " <<<< Warning   2: Incorrect parameter in sortr1!   (X)\n"
                       "3 2 1\n"
                       " <<<< Warning   2: Incorrect parameter in hsvrgb!\n"
                       "60 1 1\n"
                       " <<<< Warning 101: n must be greater than 1 in moment!\n"
                       "0\n");
}

TEST(Numbers, SplineNeedsAnOpenPlot) {
    TempDir dir;
    ProgramRun run = runC(R"(
#include <kavlor.h>
#include <stdio.h>
int main(void) {
    float x[4] = {0, 1, 2, 3}, y[4] = {0, 1, 8, 27}, xs[201], ys[201];
    int n = -1;
    spline(x, y, 4, xs, ys, &n);
    printf("%d\n", n);
    return 0;
}
)",
                          dir.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, " <<<< Warning   3: Incorrect level in spline!   (   0)\n-1\n");
}

} // namespace
