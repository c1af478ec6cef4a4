#include <gtest/gtest.h>

#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "tests/support/capture.h"
#include "tests/support/fresh_record.h"

using Levels = FreshRecord;

TEST_F(Levels, KeywordLookup) {
    struct Case {
        const char *keyword;
        int index;
    };
    const Case cases[] = {{"cm", 1},   {"CM", 1}, {"INCHES", 2}, {"poin", 3},
                          {"TwIp", 4}, {"C", 0},  {"", 0},       {"XYZW", 0}};
    for (const Case &c : cases) {
        std::string out = captureStdout(
            [&] { EXPECT_EQ(jqqind("CM  +INCH+POIN+TWIP", 4, c.keyword), c.index) << c.keyword; });
        if (c.index == 0)
            EXPECT_NE(out.find("Incorrect parameter"), std::string::npos) << c.keyword;
        else
            EXPECT_EQ(out, "") << c.keyword;
    }
}

TEST_F(Levels, KeywordWarningQuotesTheKeywordAsGiven) {
    currentRecord().core.ilevel = 1;
    jqqlev(1, 3, "units");
    EXPECT_EQ(captureStdout([] { jqqind("CM  +INCH+POIN+TWIP", 4, "C"); }),
              " <<<< Warning   2: Incorrect parameter in units!   (C)\n");
}

TEST_F(Levels, RangeCheck) {
    jqqlev(0, 3, "window");
    std::string out = captureStdout([] {
        EXPECT_EQ(jqqval(5, 1, 0), 0); // max below min: no upper bound
        EXPECT_EQ(jqqval(1, 1, 3), 0);
        EXPECT_EQ(jqqval(3, 1, 3), 0);
        EXPECT_EQ(jqqval(4, 1, 3), 1);
        EXPECT_EQ(jqqval(0, 1, 0), 1);
    });
    EXPECT_EQ(out, " <<<< Warning   2: Incorrect parameter in window!   (   4)\n"
                   " <<<< Warning   2: Incorrect parameter in window!   (   0)\n");
}

TEST_F(Levels, LevelOutsideRangeWarnsAndReturnsNull) {
    std::string out = captureStdout([] {
        EXPECT_NE(jqqlev(0, 0, "setpag"), nullptr);
        EXPECT_EQ(jqqlev(1, 3, "kavfin"), nullptr);
        currentRecord().core.ilevel = 2;
        EXPECT_EQ(jqqlev(0, 1, "graf"), nullptr);
        EXPECT_NE(jqqlev(2, 3, "curve"), nullptr);
    });
    EXPECT_EQ(out, " <<<< Warning   3: Incorrect level in kavfin!   (   0)\n"
                   " <<<< Warning   3: Incorrect level in graf!   (   2)\n");
    EXPECT_STREQ(currentRecord().core.cfunc, "curve");
}

TEST_F(Levels, LenientCheckCreatesTheRecordAndStillReturnsIt) {
    ASSERT_EQ(qqgglb(), nullptr);
    GlobalRecord *rec = nullptr;
    std::string out = captureStdout([&] { rec = &chkini("height"); });
    EXPECT_EQ(rec, qqgglb());
    EXPECT_EQ(out, " <<<< Warning   3: Incorrect level in height!   (   0)\n");
    // First-use defaults are in place.
    EXPECT_FLOAT_EQ(rec->core.xpi, 3.1415927f);
    EXPECT_EQ(rec->msg.iunit, 6);
    EXPECT_EQ(rec->msg.fpmsg, stdout);
}

TEST_F(Levels, WarningBeforeKavfinIsPrintedEvenWhenMessagesAreOff) {
    currentRecord().msg.iunit = 0;
    EXPECT_EQ(captureStdout([] { jqqlev(1, 3, "sendbf"); }),
              " <<<< Warning   3: Incorrect level in sendbf!   (   0)\n");
    EXPECT_EQ(currentRecord().msg.iunit, 6);
}
