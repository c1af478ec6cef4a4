// paghdr: a line with a text, the date, the time and the version in a corner
// of the page.
#include <string>

#include "kavlor.h"
#include "kernel/c_format.h"
#include "kernel/date_time.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text.h"
#include "kernel/version.h"

namespace {

constexpr std::size_t kFirstText = 100;  // characters kept of the first text
constexpr std::size_t kLineLength = 131; // the line stays below 132 characters

} // namespace

extern "C" void paghdr(const char *text1, const char *text2, int corner, int direction) {
    GlobalRecord *recp = jqqlev(1, 3, "paghdr");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    if (jqqval(corner, 1, 4) != 0) corner = 1;
    if (jqqval(direction, 0, 1) != 0) direction = 1;

    std::string line(text1 != nullptr ? text1 : "");
    if (line.size() > kFirstText) line.resize(kFirstText);
    char version[16];
    formatC(version, sizeof version, "KAVLOR %3.1f ", double(kLibraryVersion));
    line += std::string(" ") + dddate() + ", " + ddtime() + ", " + version;
    line += text2 != nullptr ? text2 : "";
    if (line.size() > kLineLength) line.resize(kLineLength);

    TextState &t = rec.text;
    const int angle0 = t.nangle, height0 = t.nhchar;
    int angle = 0;
    if (direction == 1) angle = corner == 1 || corner == 4 ? 90 : 270;
    const int h = truncToInt(0.6f * float(height0));
    setTextAngle(rec, angle);
    setTextHeight(rec, h);
    const int n = measureText(rec, line.c_str());
    const int w = rec.page.nxpage, H = rec.page.nypage;
    int x = 100, y = 15;
    if (direction == 0) {
        x = corner == 1 || corner == 4 ? 100 : w - 100 - n;
        y = corner == 1 || corner == 2 ? H - 15 - h : 15;
    } else {
        x = corner == 1 || corner == 4 ? 15 : w - 15;
        switch (corner) {
        case 1: y = H - 100; break;
        case 2: y = H - n - 100; break;
        case 3: y = 100; break;
        default: y = n + 100; break;
        }
    }
    qqmess(rec, line.c_str(), x, y);
    setTextHeight(rec, height0);
    setTextAngle(rec, angle0);
}
