// Axis and object selectors of the axis setters.
#include "graphics2d/axis_selectors.h"

#include <cstring>

#include "kernel/text_utils.h"

void upperKey(const char *text, int n, char *key) {
    int i = 0;
    for (; i < n && text != nullptr && text[i] != '\0'; ++i)
        key[i] = upperAscii(text[i]);
    key[i] = '\0';
}

bool selectsAxis(const char *cax, int i) {
    char key[4];
    upperKey(cax, 3, key);
    return std::strchr(key, "XYZ"[i]) != nullptr;
}

void gaxsop(const char *cax, int value, int &x, int &y, int &z) {
    if (selectsAxis(cax, 0)) x = value;
    if (selectsAxis(cax, 1)) y = value;
    if (selectsAxis(cax, 2)) z = value;
}

LabelObject labelObject(const char *cax, bool allowDigitObjects) {
    char key[4];
    upperKey(cax, 3, key);
    if (std::strcmp(key, "BAR") == 0) return LabelObject::bar;
    if (std::strcmp(key, "PIE") == 0) return LabelObject::pie;
    if (std::strcmp(key, "CON") == 0) return LabelObject::con;
    if (allowDigitObjects && std::strcmp(key, "DAT") == 0) return LabelObject::dat;
    if (allowDigitObjects && std::strcmp(key, "PER") == 0) return LabelObject::per;
    return LabelObject::axes;
}
