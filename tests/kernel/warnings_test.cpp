#include <gtest/gtest.h>

#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"
#include "tests/support/capture.h"
#include "tests/support/fresh_record.h"
#include "tests/support/temp_dir.h"

namespace {

class Warnings : public FreshRecord {
  protected:
    // A plot is open (level 1) and the public routine "curve" is running.
    GlobalRecord &openPlot() {
        GlobalRecord &rec = currentRecord();
        rec.core.ilevel = 1;
        jqqlev(1, 3, "curve");
        return rec;
    }
};

TEST_F(Warnings, ThreeFormats) {
    openPlot();
    EXPECT_EQ(captureStdout([] {
                  warnin(Warning::xOutOfPage);
                  warni1(Warning::incorrectPointCount, -12345);
                  warnc1(Warning::incorrectParameter, "DA5L");
                  warnin(Warning::arrayOutOfScreen);
              }),
              " <<<< Warning   4: X coordinate out of page in curve!\n"
              " <<<< Warning  30: Incorrect number of points in curve!   (-12345)\n"
              " <<<< Warning   2: Incorrect parameter in curve!   (DA5L)\n"
              " <<<< Warning  58: Array is out of screen in curve!\n");
}

TEST_F(Warnings, NumberOutsideTheTablePrintsABlankText) {
    openPlot();
    EXPECT_EQ(captureStdout([] { warnin(Warning(77)); }),
              "<<<< Incorrect parameter in errmes! (  77)\n"
              " <<<< Warning  77:   in curve!\n");
    EXPECT_EQ(captureStdout([] { warnin(Warning(0)); }),
              "<<<< Incorrect parameter in errmes! (   0)\n"
              " <<<< Warning   0:   in curve!\n");
}

TEST_F(Warnings, NumbersAbove100CarryTheirOwnText) {
    openPlot();
    jqqlev(1, 3, "kavini");
    EXPECT_EQ(captureStdout([] {
                  qqserr("Open error");
                  warnin(Warning::ownText);
              }),
              " <<<< Warning 101: Open error in kavini!\n");
    // Longer texts are cut to the 80 characters of the message buffer.
    const std::string longText(120, 'x');
    EXPECT_EQ(captureStdout([&] {
                  qqserr(longText.c_str());
                  warnin(Warning(102));
              }),
              " <<<< Warning 102: " + std::string(80, 'x') + " in kavini!\n");
}

TEST_F(Warnings, SilencedWarningsAreStillCounted) {
    GlobalRecord &rec = openPlot();
    errmod("ALL", "OFF");
    EXPECT_EQ(rec.msg.iwarn, 0);
    EXPECT_EQ(rec.msg.ichkpnt, 0);
    EXPECT_EQ(rec.msg.iprotfl, 0);
    const int before = rec.msg.noutpag;
    EXPECT_EQ(captureStdout([] {
                  warnin(Warning::xOutOfPage);
                  errmod("XYZ", "ON");
              }),
              "");
    EXPECT_EQ(rec.msg.noutpag, before + 2);
    errmod("WARN", "ON");
    EXPECT_EQ(rec.msg.iwarn, 1);
    EXPECT_EQ(rec.msg.iprotfl, 0);
}

TEST_F(Warnings, BadKeywordOfErrmodChangesNothing) {
    GlobalRecord &rec = openPlot();
    EXPECT_EQ(captureStdout([] { errmod("XYZ", "OFF"); }),
              " <<<< Warning   2: Incorrect parameter in errmod!   (XYZ)\n");
    EXPECT_EQ(captureStdout([] { errmod("WARN", "MAYBE"); }),
              " <<<< Warning   2: Incorrect parameter in errmod!   (MAYBE)\n");
    EXPECT_EQ(rec.msg.iwarn, 1);
}

TEST_F(Warnings, UnitChoosesTheMessageStream) {
    GlobalRecord &rec = openPlot();
    unit(nullptr);
    EXPECT_EQ(captureStdout([] { warnin(Warning::xOutOfPage); }), "");
    EXPECT_EQ(rec.msg.iunit, 0);

    TempDir dir;
    FILE *fp = fopen(dir.file("messages.txt").c_str(), "w");
    unit(fp);
    EXPECT_EQ(rec.msg.iunit, 1);
    EXPECT_EQ(captureStdout([] { warnin(Warning::yOutOfPage); }), "");
    fclose(fp);
    EXPECT_EQ(readFile(dir.file("messages.txt")),
              " <<<< Warning   5: Y coordinate out of page in unit!\n");

    unit(stdout);
    EXPECT_EQ(rec.msg.iunit, 6);
    EXPECT_EQ(captureStdout([] { warnin(Warning::yOutOfPage); }),
              " <<<< Warning   5: Y coordinate out of page in unit!\n");
}

TEST_F(Warnings, MessageFileIsOpenedAtTheFirstWarningWithAVersionedName) {
    TempDir dir;
    ScopedCwd cwd(dir.path());
    writeFile(dir.file("kavlor.err"), "older messages\n");
    winapp("WIND");
    EXPECT_EQ(captureStdout([] { errmod("XYZ", "ON"); }), "");
    GlobalRecord &rec = currentRecord();
    EXPECT_EQ(rec.msg.ierrop, 1);
    fflush(rec.msg.fpmsg);
    EXPECT_EQ(readFile(dir.file("kavlor.err")), "older messages\n");
    EXPECT_EQ(readFile(dir.file("kavlor_1.err")),
              " <<<< Warning   3: Incorrect level in errmod!   (   0)\n"
              " <<<< Warning   2: Incorrect parameter in errmod!   (XYZ)\n");
}

TEST_F(Warnings, ErrdevFileUsesTheNameOfErrfil) {
    TempDir dir;
    ScopedCwd cwd(dir.path());
    errdev("FILE");
    errfil("run.log");
    EXPECT_EQ(captureStdout([] { errmod("ALL", "SOMETIMES"); }), "");
    fflush(currentRecord().msg.fpmsg);
    EXPECT_EQ(readFile(dir.file("run.log")),
              " <<<< Warning   3: Incorrect level in errmod!   (   0)\n"
              " <<<< Warning   2: Incorrect parameter in errmod!   (SOMETIMES)\n");
}

// A message file opened before any plot belongs to the record: freeing the
// record (delglb, thrfin) closes it, and what it holds reaches the disk.
TEST_F(Warnings, FreeingTheRecordClosesItsMessageFile) {
    TempDir dir;
    ScopedCwd cwd(dir.path());
    errdev("FILE");
    EXPECT_EQ(captureStdout([] { errmod("ALL", "SOMETIMES"); }), "");
    ASSERT_EQ(currentRecord().msg.ierrop, 1);
    delglb();
    EXPECT_EQ(qqgglb(), nullptr);
    EXPECT_EQ(readFile(dir.file("kavlor.err")),
              " <<<< Warning   3: Incorrect level in errmod!   (   0)\n"
              " <<<< Warning   2: Incorrect parameter in errmod!   (SOMETIMES)\n");
}

TEST_F(Warnings, LevelZeroSettersRefuseAnOpenPlot) {
    GlobalRecord &rec = openPlot();
    EXPECT_EQ(captureStdout([] {
                  winapp("WIND");
                  errdev("FILE");
                  errfil("x.err");
                  winini();
              }),
              " <<<< Warning   3: Incorrect level in winapp!   (   1)\n"
              " <<<< Warning   3: Incorrect level in errdev!   (   1)\n"
              " <<<< Warning   3: Incorrect level in errfil!   (   1)\n"
              " <<<< Warning   3: Incorrect level in winini!   (   1)\n");
    EXPECT_EQ(rec.msg.iwinapp, 0);
    EXPECT_EQ(rec.msg.ierrdev, 0);
    EXPECT_EQ(rec.msg.ierrfil, 0);
}

} // namespace
