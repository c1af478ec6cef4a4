// Small text routines.
#include "kernel/text_utils.h"

#include "kavlor.h"

int qqcopy(char *dst, const char *src, int n) {
    int i = 0;
    if (src != nullptr)
        for (; i < n && src[i] != '\0'; ++i)
            dst[i] = src[i];
    dst[i] = '\0';
    return i;
}

int dsblnk(char *string, int n) {
    int out = 0;
    for (int i = 0; i < n && string[i] != '\0'; ++i)
        if (string[i] != ' ') string[out++] = string[i];
    string[out] = '\0';
    return out;
}

extern "C" void upstr(char *text) {
    if (text == nullptr) return;
    for (; *text != '\0'; ++text)
        *text = upperAscii(*text);
}

extern "C" int trmlen(const char *text) {
    if (text == nullptr) return 0;
    int last = 0;
    for (int i = 0; text[i] != '\0'; ++i)
        if (text[i] != ' ') last = i + 1;
    return last;
}
