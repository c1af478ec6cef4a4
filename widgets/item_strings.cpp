// Item strings: lists of items separated by one character (the vertical bar
// unless swgmix chose another), and texts whose separators are line breaks.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "kavlor.h"
#include "kernel/number_text.h"
#include "widgets/widget_routines.h"

int itemCount(const WidgetContext &c, const char *items) {
    int n = 1;
    for (const char *p = items != nullptr ? items : ""; *p != '\0'; ++p)
        n += *p == char(c.separator) ? 1 : 0;
    return n;
}

std::string itemAt(const WidgetContext &c, const char *items, int n) {
    const char *p = items != nullptr ? items : "";
    for (int k = 1; k < n; ++k) {
        p = std::strchr(p, c.separator);
        if (p == nullptr) return "";
        ++p;
    }
    const char *end = std::strchr(p, c.separator);
    return end != nullptr ? std::string(p, std::size_t(end - p)) : std::string(p);
}

std::string preparedText(const WidgetContext &c, const char *text) {
    std::string prepared = text != nullptr ? text : "";
    for (char &ch : prepared)
        if (ch == char(c.separator)) ch = '\n';
    return prepared;
}

std::string scaleText(float value, int digits) {
    char text[kNumberTextSize];
    fcha(value, std::min(digits, 100), text);
    return text;
}

int itmcnt(const char *items) {
    const WidgetContext *c = qqdglb("itmcnt");
    return c != nullptr ? itemCount(*c, items) : 0;
}

char *itmstr(const char *items, int n) {
    WidgetContext *c = qqdglb("itmstr");
    if (c == nullptr) return nullptr;
    if (n < 1 || n > itemCount(*c, items)) {
        qqderr(*c, "Not allowed index");
        return nullptr;
    }
    const std::string item = itemAt(*c, items, n);
    char *copy = static_cast<char *>(std::malloc(item.size() + 1));
    if (copy == nullptr) {
        qqderr(*c, "Not enough memory");
        return nullptr;
    }
    std::memcpy(copy, item.c_str(), item.size() + 1);
    return copy;
}

void itmcat(char *items, const char *item) {
    const WidgetContext *c = qqdglb("itmcat");
    if (c == nullptr || items == nullptr) return;
    int n = trmlen(items);
    const int m = item != nullptr ? trmlen(item) : 0;
    if (n > 0) items[n++] = char(c->separator);
    if (m > 0) std::memmove(items + n, item, std::size_t(m));
    items[n + m] = '\0';
}
