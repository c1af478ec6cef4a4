// Settings of axes, axis systems, titles and curves: what each stores, the
// warnings of bad values and levels, the defaults of a plot and the groups of
// reset.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "graphics2d/axis_system.h"
#include "tests/graphics2d/axis_fixture.h"

namespace {

class AxisSettings : public AxisTest {};

std::string warning(int n, const char *text, const char *routine, const std::string &tail = "") {
    char line[160];
    std::snprintf(line, sizeof line, " <<<< Warning %3d: %s in %s!%s\n", n, text, routine,
                  tail.c_str());
    return line;
}
std::string withValue(int v) {
    char tail[16];
    std::snprintf(tail, sizeof tail, "   (%4d)", v);
    return tail;
}
std::string withText(const char *t) {
    return std::string("   (") + t + ")";
}

const char *kBad = "Incorrect parameter";

std::array<int, 3> getter(void (*get)(int *, int *, int *)) {
    std::array<int, 3> v{};
    get(&v[0], &v[1], &v[2]);
    return v;
}

TEST_F(AxisSettings, SettersStoreTheirValuesOrWarn) {
    struct Case {
        std::function<void()> call;
        std::string output;
        std::function<void(const GlobalRecord &)> check;
    };
    const Case cases[] = {
        {[] { labels("EXP", "xz"); }, "",
         [](const GlobalRecord &) {
             char x[8], y[8], z[8];
             getlab(x, y, z);
             EXPECT_STREQ(x, "EXP");
             EXPECT_STREQ(y, "FLOAT");
             EXPECT_STREQ(z, "EXP");
         }},
        {[] { labels("CLOG", "Y"); }, "",
         [](const GlobalRecord &r) {
             EXPECT_EQ(r.axes.ilabcls[1], 1); // powers of ten
             EXPECT_EQ(r.axes.ilabexp[1], 1);
             EXPECT_EQ(r.axes.ilabkin[1], 0);
         }},
        {[] { labels("SECO", "X"); }, "",
         [](const GlobalRecord &r) { EXPECT_EQ(r.axes.ilabkin[0], 1); }},
        {[] { labels("XXXX", "X"); }, warning(2, kBad, "labels", withText("XXXX")),
         [](const GlobalRecord &r) { EXPECT_EQ(r.axes.ilabels[0], 1); }},
        // Object names take their own keywords and leave the axes alone.
        {[] { labels("CONL", "CON"); }, "",
         [](const GlobalRecord &r) { EXPECT_EQ(r.axes.ilabels[0], 1); }},
        {[] { labels("MAXI", "bars"); }, "", {}},
        {[] { digits(101, "X"); }, warning(2, kBad, "digits", withValue(101)),
         [](const GlobalRecord &) {
             EXPECT_EQ(getter(getdig), (std::array<int, 3>{1, 1, 1}));
         }},
        {[] { digits(-1, "y"); }, "",
         [](const GlobalRecord &) {
             EXPECT_EQ(getter(getdig), (std::array<int, 3>{1, -1, 1}));
         }},
        {[] { labdig(2, "bars"); }, "",
         [](const GlobalRecord &) {
             EXPECT_EQ(getter(getdig), (std::array<int, 3>{1, 1, 1}));
         }},
        {[] { ticks(3, "Y"); }, "",
         [](const GlobalRecord &) {
             EXPECT_EQ(getter(gettic), (std::array<int, 3>{2, 3, 2}));
         }},
        {[] { ticks(1001, "X"); }, warning(2, kBad, "ticks", withValue(1001)), {}},
        {[] { ticlen(0, 5); }, warning(2, kBad, "ticlen", withValue(0)),
         [](const GlobalRecord &) {
             int major = 0, minor = 0;
             gettcl(&major, &minor);
             EXPECT_EQ(major, 24);
             EXPECT_EQ(minor, 16);
         }},
        {[] { mylab("A", 21, "X"); }, warning(2, kBad, "mylab", withValue(21)), {}},
        {[] {
             mylab("First", 5, "XY");
             mylab("Second", 5, "X");
         },
         warning(6, "Same tick number as in a call before", "mylab", withValue(5)),
         [](const GlobalRecord &r) {
             EXPECT_STREQ(r.axes.cmylab[0][4], "Second");
             EXPECT_STREQ(r.axes.cmylab[1][4], "First");
             EXPECT_EQ(r.axes.nmylab[0], 5);
         }},
        // Only the first three characters of a selector count.
        {[] { name("Distance", "xyzw"); }, "",
         [](const GlobalRecord &r) { EXPECT_STREQ(r.axes.caxname[2], "Distance"); }},
        {[] { name("Time", "wz"); }, "",
         [](const GlobalRecord &r) { EXPECT_STREQ(r.axes.caxname[0], ""); }},
        {[] { neglog(0.0f); }, warning(2, kBad, "neglog"),
         [](const GlobalRecord &r) { EXPECT_EQ(r.axes.ineglog, 0); }},
        {[] { neglog(0.01f); }, "",
         [](const GlobalRecord &r) { EXPECT_FLOAT_EQ(r.axes.xneglog, -2.0f); }},
        {[] {
             patcyc(31, 5);
             patcyc(1, -1);
         },
         warning(2, kBad, "patcyc", withValue(31)) + warning(2, kBad, "patcyc", withValue(-1)),
         {}},
        {[] { lincyc(3, 8); }, warning(2, kBad, "lincyc", withValue(8)), {}},
        {[] {
             marker(24);
             marker(5);
         },
         warning(2, kBad, "marker", withValue(24)),
         [](const GlobalRecord &) {
             int nsym = 0, nh = 0;
             getsym(&nsym, &nh);
             EXPECT_EQ(nsym, 5);
             EXPECT_EQ(nh, 36);
         }},
        {[] {
             axclrs(3, "TICK", "Y");
             axclrs(-2, "LINE", "X");
             axclrs(1, "XXXX", "X");
             axclrs(4, "ALL", "Z");
         },
         warning(2, kBad, "axclrs", withValue(-2)) + warning(2, kBad, "axclrs", withText("XXXX")),
         [](const GlobalRecord &r) {
             EXPECT_EQ(r.axes.naxclr[4 + 1], 3);
             EXPECT_EQ(r.axes.naxclr[0], -1);
             EXPECT_EQ(r.axes.naxclr[8], 4);
             EXPECT_EQ(r.axes.naxclr[11], 4);
         }},
        {[] {
             labmod("MONTH", "FULL", "X");
             labmod("LANG", "GERM", "X");
             labmod("SEP", "/", "Y");
             labmod("XYZ", "NAME", "X");
             labmod("DAY", "LATE", "X");
         },
         warning(2, kBad, "labmod", withText("XYZ")) + warning(2, kBad, "labmod", withText("LATE")),
         [](const GlobalRecord &r) {
             EXPECT_EQ(r.axes.ilmdmon[0], 3);
             EXPECT_EQ(r.axes.ilmdlan[0], 1);
             EXPECT_EQ(r.axes.ilmdsep[1], '/');
             EXPECT_EQ(r.axes.ilmdday[0], 1);
         }},
        {[] { setgrf("NONE", "XXXX", "TICK", "LINE"); },
         warning(2, kBad, "setgrf", withText("XXXX")),
         [](const GlobalRecord &r) {
             // Words: bottom, right, top, left.
             EXPECT_EQ(r.axsys.isetgrf[0], 0);
             EXPECT_EQ(r.axsys.isetgrf[1], 1);
             EXPECT_EQ(r.axsys.isetgrf[2], 2);
             EXPECT_EQ(r.axsys.isetgrf[3], 4);
         }},
        {[] { titlin("X", 5); }, warning(2, kBad, "titlin", withValue(5)), {}},
        {[] { titlin("Under", -2); }, "",
         [](const GlobalRecord &r) {
             EXPECT_STREQ(r.title.ctitle[1], "Under");
             EXPECT_EQ(r.title.ititflg[1], '1');
         }},
        {[] {
             splmod(1, 100);
             splmod(3, 4);
             splmod(10, 30000);
         },
         warning(2, kBad, "splmod", withValue(1)) + warning(2, kBad, "splmod", withValue(4)),
         [](const GlobalRecord &r) { EXPECT_EQ(r.spline.nsplmod[1], 30000); }},
        {[] {
             inccrv(0);
             thkcrv(10001);
             hname(0);
             htitle(10001);
             frmclr(-2);
             axslen(1, 100);
         },
         warning(2, kBad, "inccrv", withValue(0)) + warning(2, kBad, "thkcrv", withValue(10001)) +
             warning(2, kBad, "hname", withValue(0)) +
             warning(2, kBad, "htitle", withValue(10001)) +
             warning(2, kBad, "frmclr", withValue(-2)) + warning(2, kBad, "axslen", withValue(1)),
         {}},
        {[] { basdat(29, 2, 2021); }, warning(2, kBad, "basdat", withValue(29)), {}},
        {[] { basdat(1, 3, 2020); }, "",
         [](const GlobalRecord &r) {
             EXPECT_EQ(r.date.nbasdat[3], 61); // 31 January + 29 February + 1
             EXPECT_EQ(r.date.nbasdat[4], 1);
         }},
        {[] { polcrv("BARZ"); }, warning(2, kBad, "polcrv", withText("BARZ")), {}},
        {[] { scale("LOG", "Y"); }, "",
         [](const GlobalRecord &) {
             EXPECT_EQ(getter(getscl), (std::array<int, 3>{0, 1, 0}));
         }},
    };
    for (const Case &c : cases) {
        open();
        EXPECT_EQ(captureStdout(c.call), c.output);
        if (c.check) c.check(currentRecord());
        close();
    }
}

TEST_F(AxisSettings, LevelsOfTheSetters) {
    // Before kavini a setter warns and stores all the same.
    EXPECT_EQ(captureStdout([] { axends("NOFI", "X"); }),
              warning(3, "Incorrect level", "axends", withValue(0)));
    EXPECT_EQ(currentRecord().axes.iaxends[0], 1);
    // Inside an axis system the axis-system settings are refused.
    open();
    captureStdout([] { graf(0, 10, 0, 2, 0, 10, 0, 2); });
    int nx = 0, ny = 0;
    getpos(&nx, &ny);
    EXPECT_EQ(captureStdout([] { axspos(100, 100); }),
              warning(3, "Incorrect level", "axspos", withValue(2)));
    int mx = 0, my = 0;
    getpos(&mx, &my);
    EXPECT_EQ(mx, nx);
    EXPECT_EQ(my, ny);
    EXPECT_EQ(captureStdout([] { setscl(nullptr, 0, "X"); }),
              warning(3, "Incorrect level", "setscl", withValue(2)));
    captureStdout([] { endgrf(); });
    EXPECT_EQ(captureStdout([] { title(); }), warning(3, "Incorrect level", "title", withValue(1)));
    close();
}

TEST_F(AxisSettings, APlotStartsFromTheDefaults) {
    captureStdout([] {
        units("INCH");
        labels("LOG", "X");
        ticks(5, "X");
    });
    open();
    EXPECT_EQ(getter(gettic), (std::array<int, 3>{2, 2, 2}));
    const GlobalRecord &r = currentRecord();
    EXPECT_EQ(r.axes.ilabels[0], 1);
    EXPECT_EQ(r.axes.ilabcls[0], 2); // the derived words follow the kind
    // Lengths in tenths of a millimetre, here in inches: trunc(n / 2.54 + 0.5).
    int major = 0, minor = 0;
    gettcl(&major, &minor);
    EXPECT_EQ(major, 9);
    EXPECT_EQ(minor, 6);
    EXPECT_EQ(getter(getsp1), (std::array<int, 3>{9, 9, 9}));
    EXPECT_EQ(getter(getsp2), (std::array<int, 3>{12, 12, 12}));
    EXPECT_EQ(gethnm(), 14);
    EXPECT_EQ(getwid(), 33);
    int nw = 0, nh = 0;
    getres(&nw, &nh);
    EXPECT_EQ(nw, 1);
    int len[3] = {};
    getlen(&len[0], &len[1], &len[2]);
    EXPECT_EQ(len[0], r.page.naxslen0[0]);
    EXPECT_EQ(len[1], r.page.naxslen0[1]);
    close();
}

TEST_F(AxisSettings, ResetRestoresOneGroup) {
    struct Case {
        const char *key;
        std::function<void()> set;
        std::function<bool(const GlobalRecord &)> restored;
    };
    const Case cases[] = {
        {"LINC", [] { lincyc(30, 1); },
         [](const GlobalRecord &r) { return r.curve.nlincyc[29] == 5; }},
        {"PATC", [] { patcyc(20, 3); },
         [](const GlobalRecord &r) { return r.curve.npatcyc[19] == 1; }},
        {"LABE", [] { labels("ELOG", "XYZ"); },
         [](const GlobalRecord &r) { return r.axes.ilabels[2] == 1 && r.axes.ilabcls[2] == 2; }},
        {"AX3L", [] { axslen(100, 200); },
         [](const GlobalRecord &r) { return r.axsys.naxslen[2] == r.page.naxslen0[1]; }},
        {"SETG", [] { setgrf("NONE", "NONE", "NONE", "NONE"); },
         [](const GlobalRecord &r) { return r.axsys.isetgrf[1] == 2 && r.axsys.isetgrf[3] == 4; }},
        {"TITL", [] { titlin("Gone", 3); },
         [](const GlobalRecord &r) { return r.title.ctitle[2][0] == 0; }},
        {"TICL", [] { ticlen(50, 40); },
         [](const GlobalRecord &r) { return r.axes.nticmaj == 24; }},
        {"NEGL", [] { neglog(1.0f); }, [](const GlobalRecord &r) { return r.axes.ineglog == 0; }},
        {"SETS", [] {}, [](const GlobalRecord &r) { return r.axes.isetscl[0] == 0; }},
    };
    for (const Case &c : cases) {
        open();
        captureStdout(c.set);
        EXPECT_EQ(captureStdout([&] { reset(c.key); }), "") << c.key;
        EXPECT_TRUE(c.restored(currentRecord())) << c.key;
        close();
    }
}

TEST_F(AxisSettings, SwappingTwiceRestoresTheAxes) {
    GlobalRecord &rec = open();
    captureStdout([] {
        labels("MYLA", "X");
        mylab("one", 1, "X");
        mylab("two", 2, "X");
        ticks(7, "Y");
        axclrs(5, "NAME", "X");
        name("Kept", "X");
    });
    swapxy(rec, 1, 2);
    EXPECT_EQ(rec.axes.ilabels[1], int(LabelKind::myla));
    EXPECT_STREQ(rec.axes.cmylab[1][1], "two");
    EXPECT_EQ(rec.axes.nticks[0], 7);
    EXPECT_EQ(rec.axes.naxclr[4 + 3], 5);
    EXPECT_STREQ(rec.axes.caxname[0], "Kept"); // names stay with their axis
    swapxy(rec, 2, 1);
    EXPECT_EQ(rec.axes.ilabels[0], int(LabelKind::myla));
    EXPECT_STREQ(rec.axes.cmylab[0][0], "one");
    EXPECT_EQ(rec.axes.nticks[1], 7);
    close();
}

} // namespace
