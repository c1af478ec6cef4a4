// Small helpers that several parts of the kernel share.
#include "kernel/small_utils.h"

#include <cstring>

int jindex(const char *text, const char *part) {
    if (text == nullptr || part == nullptr) return 0;
    const char *found = std::strstr(text, part);
    return found != nullptr ? int(found - text) + 1 : 0;
}
