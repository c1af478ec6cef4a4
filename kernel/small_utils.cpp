// Small helpers that several parts of the kernel share.
#include "kernel/small_utils.h"

#include <cstring>

#include "kernel/text_utils.h"

int jindex(const char *text, const char *part) {
    if (text == nullptr || part == nullptr) return 0;
    const char *found = std::strstr(text, part);
    return found != nullptr ? int(found - text) + 1 : 0;
}

const char *gusrid() {
    return "";
}

int qqdisk(char (&buffer)[9]) {
    qqcopy(buffer, "/       ");
    return 0;
}

void cmap() {}

void kavlog() {}
