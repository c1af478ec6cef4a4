// The widgets without a display: item strings, dialogs that end at once with
// their values, and every refusal with its message (message boxes print on
// standard error then).
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "kavlor.h"
#include "platform/windows.h"
#include "tests/support/fresh_record.h"

namespace {

// What the routines print on standard error while body runs.
std::string messages(const std::function<void()> &body) {
    testing::internal::CaptureStderr();
    body();
    return testing::internal::GetCapturedStderr();
}

std::string shown(const char *routine, const char *text) {
    return std::string("[") + routine + "]\n>>>> " + text + "!\n";
}

std::string item(const char *items, int n) {
    char *s = itmstr(items, n);
    if (s == nullptr) return "(null)";
    std::string copy = s;
    std::free(s);
    return copy;
}

using Widgets = FreshRecord;

TEST_F(Widgets, ItemStringsCountPickAndAppend) {
    EXPECT_EQ(itmcnt(""), 1);
    EXPECT_EQ(itmcnt("a|b|c"), 3);
    EXPECT_EQ(itmcnt("||"), 3);
    EXPECT_EQ(item("a|bb|c", 2), "bb");
    EXPECT_EQ(item("a|bb|", 3), "");
    EXPECT_EQ(item("", 1), "");
    for (const int bad : {0, 2, -1})
        EXPECT_EQ(messages([&] { EXPECT_EQ(item("", bad), "(null)"); }),
                  shown("itmstr", "Not allowed index"));

    struct Case {
        const char *items, *item, *result;
    };
    for (const Case &c : {Case{"", "x", "x"}, Case{"a  ", "b ", "a|b"},
                          Case{"a|b    ", "c", "a|b|c"}, Case{"a", "", "a|"}}) {
        char buffer[32];
        std::strcpy(buffer, c.items);
        itmcat(buffer, c.item);
        EXPECT_STREQ(buffer, c.result) << c.items << " + " << c.item;
    }

    swgmix("#", "SEP");
    EXPECT_EQ(itmcnt("a#b|c"), 2);
    EXPECT_EQ(item("a#b|c", 2), "b|c");
    EXPECT_EQ(messages([] { swgmix("%", "sep"); }), ""); // upper-cased
    EXPECT_EQ(itmcnt("a%b"), 2);
    EXPECT_EQ(messages([] { swgmix("#", "sp"); }), shown("swgmix", "Not allowed parameter sp"));
}

TEST_F(Widgets, WithoutADisplayADialogEndsAtOnceWithItsValues) {
    const int ip = wgini("VERT");
    EXPECT_EQ(ip, 1);
    EXPECT_EQ(wglab(ip, "Label"), 2);
    const int check = wgbut(ip, "Check", 1);
    const int list = wglis(ip, "a|b|c", 2);
    const int box = wgbox(ip, "x|y|z", 3);
    const int text = wgtxt(ip, "typed");
    const int file = wgfil(ip, "File", "data.dat", "*.dat");
    const int scale = wgscl(ip, "Scale", 0.0f, 10.0f, 2.5f, 1);
    EXPECT_EQ(box, 5); // its three buttons are 5, 6 and 7
    EXPECT_EQ(text, 8);
    EXPECT_EQ(messages([] { wgfin(); }),
              "[wgfin]\n>>>> No display: the dialog ends at once with its values as they are!\n");
    char buffer[257];
    EXPECT_EQ(gwgbut(check), 1);
    EXPECT_EQ(gwglis(list), 2);
    EXPECT_EQ(gwgbox(box), 3);
    gwgtxt(text, buffer);
    EXPECT_STREQ(buffer, "typed");
    gwgfil(file, buffer);
    EXPECT_STREQ(buffer, "data.dat");
    EXPECT_FLOAT_EQ(gwgscl(scale), 2.5f);
    EXPECT_EQ(messages([&] { EXPECT_EQ(gwgatt(check, "STAT"), -1); }),
              shown("gwgatt", "Routine must be used between wgini and wgfin"));
    // The next dialog starts again at id 1.
    EXPECT_EQ(wgini("HORI"), 1);
    EXPECT_EQ(messages([] { wgfin(); }).substr(0, 8), "[wgfin]\n");
    // The ready-made dialogs answer their defaults.
    EXPECT_EQ(messages([] { EXPECT_EQ(dwglis("Pick", "a|b|c", 2), 2); }).find("[wgfin]"),
              std::string::npos);
    char *typed = dwgtxt("Name", "start");
    EXPECT_STREQ(typed, "start");
    std::free(typed);
    char *chosen = dwgfil("File", "given.dat", "*.dat");
    EXPECT_STREQ(chosen, "given.dat");
    std::free(chosen);
    EXPECT_EQ(messages([] { EXPECT_EQ(dwgbut("Sure?", 0), 0); }), "[]\nSure?\n");
    EXPECT_EQ(messages([] { EXPECT_EQ(dwgbut("Sure?", 1), 1); }), "[]\nSure?\n");
    swgtit("Note");
    EXPECT_EQ(messages([] { msgbox("two|lines"); }), "[Note]\ntwo\nlines\n");
}

TEST_F(Widgets, BadInputIsRefusedWithItsMessage) {
    struct Case {
        std::function<void()> call;
        std::string printed;
    };
    int ip = 0, label = 0, list = 0, scale = 0;
    const Case before[] = {
        {[] { EXPECT_EQ(wglab(1, "x"), -1); }, shown("wglab", "No call to wgini before")},
        {[] { wgfin(); }, shown("wgfin", "No call to wgini before")},
        {[] { EXPECT_EQ(gwgbut(1), -1); }, shown("gwgbut", "No call to wgini before")},
        // A wrong keyword changes nothing: the next wgini makes id 1.
        {[] { EXPECT_EQ(wgini("DIAG"), -1); }, shown("wgini", "Not allowed parameter DIAG")},
        {[&] { EXPECT_EQ(ip = wgini("VERT"), 1); }, ""},
    };
    for (const Case &c : before)
        EXPECT_EQ(messages(c.call), c.printed);
    label = wglab(ip, "Label");
    list = wglis(ip, "a|b|c", 1);
    const std::string longText(300, 'x');
    const Case during[] = {
        {[&] { EXPECT_EQ(wglab(99, "x"), -1); }, shown("wglab", "Not allowed parent ID")},
        {[&] { EXPECT_EQ(wglab(label, "x"), -1); }, shown("wglab", "Not allowed parent ID")},
        // The extreme IDs are refused like the others, none taken one below its range.
        {[&] { EXPECT_EQ(wgbut(INT_MIN, "x", 0), -1); }, shown("wgbut", "Not allowed parent ID")},
        {[&] { EXPECT_EQ(wgbas(INT_MIN, "VERT"), -1); }, shown("wgbas", "Not allowed parent ID")},
        {[&] { EXPECT_EQ(wgbox(INT_MIN, "a|b", 1), -1); }, shown("wgbox", "Not allowed parent ID")},
        {[&] { EXPECT_EQ(wgbas(ip, "DIAG"), -1); }, shown("wgbas", "Not allowed parameter DIAG")},
        {[&] { EXPECT_EQ(gwgbut(77), -1); }, shown("gwgbut", "Not allowed ID")},
        {[&] { EXPECT_EQ(gwgbut(list), -1); }, shown("gwgbut", "Not allowed ID")},
        {[&] { EXPECT_EQ(gwgxid(0), -1); }, shown("gwgxid", "Not allowed widget ID")},
        {[&] { swgtxt(label, "x"); }, shown("swgtxt", "Not allowed ID")},
        {[&] { swgcbk(ip, nullptr); },
         shown("swgcbk", "Callbacks cannot be defined for parent widgets")},
        {[&] { swgcb(label, nullptr, 1); },
         shown("swgcb", "Callbacks cannot be defined for label widgets")},
        {[&] { swgcbk(500, nullptr); }, shown("swgcbk", "Not allowed widget ID")},
        {[&] { EXPECT_EQ(wglis(ip, "a|b", 3), list + 1); },
         shown("wglis", "Selected list element out of range")},
        {[&] { EXPECT_EQ(wgstxt(ip, 0, 10), -1); }, shown("wgstxt", "Non positive paramter")},
        {[&] { EXPECT_EQ(wgscl(ip, "", 0, 10, 11, 1), -1); }, shown("wgscl", "Value out of range")},
        {[&] { swgstp(0.0001f); }, ""},
        {[&] { EXPECT_GT(scale = wgscl(ip, "", 0, 10, 5, 1), 0); },
         shown("wgscl", "Too small step size")},
        {[&] { swgscl(scale, 11); }, shown("swgscl", "Value is out of range")},
        // NaN lies in no range, and limits that are not finite make no scale.
        {[&] { swgscl(scale, NAN); }, shown("swgscl", "Value is out of range")},
        {[&] { EXPECT_EQ(wgscl(ip, "", 0, 10, NAN, 1), -1); },
         shown("wgscl", "Value out of range")},
        {[&] { EXPECT_EQ(wgscl(ip, "", -INFINITY, 10, 5, 1), -1); },
         shown("wgscl", "Value out of range")},
        {[&] { EXPECT_EQ(wgscl(ip, "", 0, INFINITY, 5, 1), -1); },
         shown("wgscl", "Value out of range")},
        {[] { swgclr(NAN, 0, 0, "BACK"); }, shown("swgclr", "Not allowed parameter")},
        // The ends of an int: a selection past any list, a scrolled text
        // higher than a window can be (UBSan checks their sums).
        {[&] { swglis(list, INT_MIN); }, ""},
        {[&] { EXPECT_GT(wgstxt(ip, INT_MAX, 10), 0); }, ""},
        {[&] { swgstp(0); }, shown("swgstp", "Non positive paramter")},
        {[&] { EXPECT_EQ(wgpop(label, "Menu"), -1); }, shown("wgpop", "Not allowed parent ID")},
        {[&] { EXPECT_EQ(wgapp(ip, "Entry"), -1); }, shown("wgapp", "Not allowed parent ID")},
        {[&] { EXPECT_EQ(gwgatt(label, "STATE"), 0); }, ""},
        {[&] { EXPECT_EQ(gwgatt(label, "LIST"), -1); },
         shown("gwgatt", "Not allowed parameter LIST")},
        {[&] { swgatt(label, "GONE", "STAT"); }, shown("swgatt", "Not allowed parameter GONE")},
        {[] { swgwth(0); }, shown("swgwth", "Bad value")},
        {[] { swgwth(-101); }, shown("swgwth", "Bad value")},
        {[] { swgoff(5, 4); }, shown("swgoff", "Bad value")},
        {[] { swgspc(-101.0f, 1.0f); }, shown("swgspc", "Bad value")},
        {[] { swgclr(1.1f, 0, 0, "BACK"); }, shown("swgclr", "Not allowed parameter")},
        {[] { swgopt("CENT", "PLACE"); }, shown("swgopt", "Not allowed parameter PLACE")},
        {[] { swgtyp("DIAG", "BOX"); }, shown("swgtyp", "Not allowed parameter DIAG")},
        {[] { swgjus("LEFT", "TITLE"); }, shown("swgjus", "Not allowed parameter TITLE")},
    };
    for (const Case &c : during)
        EXPECT_EQ(messages(c.call), c.printed);

    // Texts longer than their fields are cut; the scale of a too small step
    // has 100 positions and its value.
    char buffer[257];
    const int text = wgtxt(ip, longText.c_str());
    gwgtxt(text, buffer);
    EXPECT_EQ(std::string(buffer), longText.substr(0, 256));
    EXPECT_FLOAT_EQ(gwgscl(scale), 5.0f);
    int low = 0, high = 0;
    GetScrollRange(HWND(gwgxid(scale)), SB_CTL, &low, &high);
    EXPECT_EQ(high, 100);
    // An inactive scale is left alone, silently.
    swgatt(scale, "INAC", "STAT");
    EXPECT_EQ(gwgatt(scale, "STAT"), 1);
    EXPECT_EQ(messages([&] { swgscl(scale, 11); }), "");
    EXPECT_FLOAT_EQ(gwgscl(scale), 5.0f);
    // A scale of one value has it always.
    const int flat = wgscl(ip, "", 3, 3, 3, 1);
    swgscl(flat, 3);
    EXPECT_FLOAT_EQ(gwgscl(flat), 3.0f);
    // More widgets than the first table holds: it grows.
    int last = 0;
    for (int i = 0; i < 250; ++i)
        last = wglab(ip, "many");
    EXPECT_EQ(last, flat + 1 + 250); // behind the scale's value label
    EXPECT_EQ(gwgatt(last, "STAT"), 0);
    // A list's items are replaced; a selection beyond them becomes 1.
    swglis(list, 3);
    swgatt(list, "x|y", "LIST");
    EXPECT_EQ(gwglis(list), 1);
    EXPECT_EQ(SendMessageA(HWND(gwgxid(list)), LB_GETCOUNT, 0, 0), 2);
    // A title longer than its field is cut to 132 characters.
    swgtit(longText.c_str());
    // Eight dialog levels stack; a ninth is refused.
    int main = 0;
    for (int level = 2; level <= 8; ++level)
        EXPECT_GT(main = wgini("VERT"), 0);
    EXPECT_EQ(messages([] { EXPECT_EQ(wgini("VERT"), -1); }),
              shown("wgini", "Too many nested widgets"));
    char title[300];
    GetWindowTextA(HWND(gwgxid(main)), title, sizeof title);
    EXPECT_EQ(std::string(title), longText.substr(0, 132));
}

// Settings at the far ends that the layout of later widgets uses: margins,
// positions, widths, spacings and ratios are held within the largest window,
// and a scale's thumb is placed on a range wider than a float (the sanitizer
// run checks every sum and conversion on the way).
TEST_F(Widgets, FarSettingsAreHeldInTheLayout) {
    const float big = FLT_MAX;
    int thumb = -1, moved = -1;
    struct Case {
        const char *what;
        std::function<void()> setting;
        const char *layout;
        std::function<void(int ip)> widgets;
    };
    const auto labels = [](int ip) {
        wglab(ip, "one");
        wglab(ip, "two");
    };
    const Case cases[] = {
        {"margins INT_MAX", [] { swgmrg(INT_MAX, "LEFT"); }, "VERT", labels},
        {"margins INT_MIN", [] { swgoff(INT_MIN, 1); }, "VERT", labels},
        {"width INT_MAX", [] { swgwth(INT_MAX); }, "HORI", labels},
        {"spacing FLT_MAX", [&] { swgspc(big, 0.5f); }, "HORI", labels},
        {"draw widget ratio FLT_MAX", [&] { swgdrw(big); }, "VERT", [](int ip) { wgdraw(ip); }},
        {"position at the ends of an int", [] { swgpos(INT_MAX, INT_MIN); }, "VERT", labels},
        {"scales from -FLT_MAX", [] {}, "VERT",
         [&](int ip) {
             const HWND bar = HWND(gwgxid(wgscl(ip, "", -big, 1, 0, 2)));
             thumb = GetScrollPos(bar, SB_CTL);
             const int across = wgscl(ip, "", -big, big, 0, 2);
             swgscl(across, big);
             moved = GetScrollPos(HWND(gwgxid(across)), SB_CTL);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        messages([&] {
            c.setting();
            c.widgets(wgini(c.layout));
            wgfin();
        });
        // The next case starts from the defaults.
        swgmrg(0, "LEFT");
        swgoff(0, 1);
        swgwth(20);
        swgspc(4.0f, 0.5f);
        swgdrw(1.0f);
    }
    // 0 lies at the top of -FLT_MAX .. 1, FLT_MAX at the top of -FLT_MAX ..
    // FLT_MAX: both thumbs at the last of 100 places.
    EXPECT_EQ(thumb, 100);
    EXPECT_EQ(moved, 100);
    // Spacings that are no numbers are refused as bad ones.
    EXPECT_EQ(messages([] { swgspc(NAN, 0.5f); }), shown("swgspc", "Bad value"));
}

} // namespace
