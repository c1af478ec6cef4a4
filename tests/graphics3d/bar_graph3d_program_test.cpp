// bars3d seen from a C program whose address space is too small for the
// faces of its bars: the warning, the state it leaves, and the plot after it.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/c_program.h"
#include "tests/support/temp_dir.h"

namespace {

// 2000000 bars need room for 6000000 faces (well over 100 MB); the address
// space may grow by only 16 MB once the bars' arrays are made. With the limit
// lifted again, two bars are drawn.
constexpr const char *kStarvedProgram = R"(
#include <kavlor.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
int main(void) {
    enum { N = 2000000 };
    float *x = malloc(N * sizeof(float)), *y = malloc(N * sizeof(float));
    float *z1 = malloc(N * sizeof(float)), *z2 = malloc(N * sizeof(float));
    float *w = malloc(N * sizeof(float));
    int *ic = malloc(N * sizeof(int));
    long pages = 0;
    int i;
    FILE *statm;
    struct rlimit r, saved;
    if (!x || !y || !z1 || !z2 || !w || !ic) return 2;
    for (i = 0; i < N; ++i) {
        x[i] = y[i] = 5.0f;
        z1[i] = 0.0f;
        z2[i] = 5.0f;
        w[i] = 1.0f;
        ic[i] = -1;
    }
    metafl("SVG");
    setfil("bars.svg");
    kavini();
    nograf();
    graf3d(0.0f, 10.0f, 0.0f, 2.0f, 0.0f, 10.0f, 0.0f, 2.0f, 0.0f, 10.0f, 0.0f, 2.0f);
    setclr(3);
    shdpat(5);
    statm = fopen("/proc/self/statm", "r");
    if (statm == NULL || fscanf(statm, "%ld", &pages) != 1) return 3;
    fclose(statm);
    if (getrlimit(RLIMIT_AS, &saved) != 0) return 4;
    r = saved;
    r.rlim_cur = (rlim_t)pages * 4096 + (16 << 20);
    if (setrlimit(RLIMIT_AS, &r) != 0) return 5;
    bars3d(x, y, z1, z2, w, w, ic, N);
    if (setrlimit(RLIMIT_AS, &saved) != 0) return 6;
    printf("colour %d pattern %d\n", getclr(), getpat());
    fflush(stdout);
    bars3d(x, y, z1, z2, w, w, ic, 2);
    kavfin();
    return 0;
}
)";

TEST(Bars3dProgram, NoRoomForTheFacesIsAWarningAndChangesNothing) {
    if (testCFlags().find("sanitize") != std::string::npos)
        GTEST_SKIP() << "a sanitizer's shadow memory does not fit an address-space limit";
    TempDir dir;
    const ProgramRun run = runC(kStarvedProgram, dir.path());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find(" <<<< Warning  53: Not enough memory in bars3d!\n"
                           "colour 3 pattern 5\n"),
              0u)
        << run.out;
    // The two bars after it: three faces each, filled and outlined.
    const std::string svg = readFile(dir.file("bars.svg"));
    std::size_t polygons = 0;
    for (std::size_t at = svg.find("<polygon"); at != std::string::npos;
         at = svg.find("<polygon", at + 1))
        ++polygons;
    EXPECT_EQ(polygons, 6u);
    const ProgramRun lint = runShell("xmllint --nonet --noout '" + dir.file("bars.svg") + "'");
    EXPECT_EQ(lint.status, 0) << lint.err;
}

} // namespace
