#include "kernel/visible_counts.h"

#include <algorithm>

#include "kernel/page_state.h"
#include "kernel/page_sums.h"
#include "kernel/warnings.h"

void warnNotSeen(const char *text) {
    qqserr(text);
    warnin(Warning::ownText);
}

int ringsSeen(const PageState &page, std::int64_t extent) {
    const std::int64_t across =
        std::min<std::int64_t>(extent < 0 ? -extent : extent, std::max(page.nxpage, page.nypage));
    return pageSum(page.nxpage, page.nypage, across);
}

int ringsShown(const PageState &page, std::int64_t extent, std::int64_t wanted) {
    const int seen = ringsSeen(page, extent);
    if (wanted <= seen) return int(wanted);
    warnNotSeen("Frame thicker than the page");
    return seen;
}
