// What a program asks of the screen: getbpp, getscr, getdsp, getxid.
#include "devices/driver_requests.h"
#include "devices/screen_driver.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "platform/windows.h"

namespace {

// The display check: 2 when the thread reaches an X display, else 0.
int qqwchk() {
    return DisplayPresent() ? 2 : 0;
}

} // namespace

extern "C" int getbpp(void) {
    GlobalRecord *rec = jqqlev(0, 3, "getbpp");
    if (rec == nullptr) return 0;
    if (rec->core.ilevel != 0) return rec->page.nbitpix;
    if (qqwchk() == 0) return 8;
    int width = 0, height = 0, depth = 0, spare = 0;
    qqwscr(*rec, width, height, depth, spare);
    return depth;
}

extern "C" void getscr(int *nw, int *nh) {
    GlobalRecord *rec = jqqlev(0, 3, "getscr");
    if (rec == nullptr) return;
    int width = 0, height = 0, depth = 0, spare = 0;
    if (qqwchk() != 0) qqwscr(*rec, width, height, depth, spare);
    if (nw != nullptr) *nw = width;
    if (nh != nullptr) *nh = height;
}

extern "C" const char *getdsp(void) {
    thread_local char kind[5];
    const char *answer = qqwchk() == 2 ? "WIND" : "NONE";
    for (int i = 0; i < 5; ++i)
        kind[i] = answer[i];
    return kind;
}

extern "C" int getxid(const char *keyword) {
    GlobalRecord *rec = jqqlev(1, 3, "getxid");
    if (rec == nullptr) return 0;
    const int i = jqqind("WIND+SCRE+PIXM", 3, keyword);
    if (i == 0) return -1;
    return qqwxid(*rec, i - 1);
}
