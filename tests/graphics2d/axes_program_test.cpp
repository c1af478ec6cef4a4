// Axis systems and curves seen from a C program: the exact lines it prints
// (out-of-scaling reports and warnings) and the count in the end protocol.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/c_program.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(AxesProgram, ReportsWarningsAndTheProtocol) {
    TempDir dir;
    const ProgramRun run = runC(R"(
#include <kavlor.h>
int main(void) {
    float x[5] = {-1.0e-7f, 12.0f, 5.0f, 2.0e7f, 3.0f}, y[5] = {1.0f, 3.0f, -1.0f, 4.0f, 2.0f};
    metafl("PDF");
    setfil("curve.pdf");
    kavini();
    graf(0.0f, 10.0f, 0.0f, 2.0f, 0.0f, 5.0f, 0.0f, 1.0f);
    curve(x, y, 5);
    labels("XXXX", "X");
    titlin("too far", 5);
    polcrv("SPLI");
    curve(x, y, 4);
    endgrf();
    graf(1.0f, 1.0f, 1.0f, 1.0f, 0.0f, 5.0f, 0.0f, 1.0f);
    kavfin();
    return 0;
}
)",
                                dir.path());
    EXPECT_EQ(run.status, 0);
    const std::string out = maskDateTime(run.out);
    const std::size_t protocol = out.find("\n <<<<<<<<");
    ASSERT_NE(protocol, std::string::npos) << out;
    EXPECT_EQ(out.substr(0, protocol),
              " <<<< ( -1.0000e-07 / 1.000000) out of axis scaling!\n"
              " <<<< (12.000000 / 3.000000) out of axis scaling!\n"
              " <<<< (5.000000 / -1.000000) out of axis scaling!\n"
              " <<<< (  2.0000e+07 / 4.000000) out of axis scaling!\n"
              " <<<< Warning   2: Incorrect parameter in labels!   (XXXX)\n"
              " <<<< Warning   2: Incorrect parameter in titlin!   (   5)\n"
              " <<<< Warning  32: No increasing x coordinates for spline interpolation in curve!\n"
              " <<<< Warning  10: Begin and end of scaling are equal in graf!\n"
              " <<<< Warning  50: Incorrect sign for step in graf!\n");
    // The warnings are counted; the reports are not.
    EXPECT_NE(out.find("Warnings: 5 "), std::string::npos) << out;
}

} // namespace
