// Level checks, keyword lookup and range checks.
#include "kernel/levels.h"

#include "kernel/record.h"
#include "kernel/record_table.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

GlobalRecord *jqqlev(int min, int max, const char *name) {
    GlobalRecord &rec = currentRecord();
    qqcopy(rec.core.cfunc, name);
    const int level = rec.core.ilevel;
    if (min <= level && level <= max) return &rec;
    // Before kavini this warning is printed even after unit(0).
    if (level == 0) rec.msg.iunit = 6;
    warni1(Warning::incorrectLevel, level);
    return nullptr;
}

GlobalRecord &chkini(const char *name) {
    GlobalRecord *rec = qqgglb();
    if (rec == nullptr) {
        jqqlev(1, 3, name);
        return currentRecord();
    }
    qqcopy(rec->core.cfunc, name);
    if (rec->core.ilevel < 1 || rec->core.ilevel > 3)
        warni1(Warning::incorrectLevel, rec->core.ilevel);
    return *rec;
}

int jqqind(const char *list, int n, const char *keyword) {
    char key[4] = {' ', ' ', ' ', ' '};
    for (int i = 0; i < 4 && keyword != nullptr && keyword[i] != '\0'; ++i)
        key[i] = upperAscii(keyword[i]);
    for (int entry = 0; entry < n; ++entry) {
        const char *e = list + 5 * entry;
        bool equal = true;
        for (int i = 0; i < 4 && equal; ++i)
            equal = upperAscii(e[i]) == key[i];
        if (equal) return entry + 1;
    }
    warnc1(Warning::incorrectParameter, keyword != nullptr ? keyword : "");
    return 0;
}

void setFromKeyword(int &option, const char *list, int n, const char *keyword) {
    const int i = jqqind(list, n, keyword);
    if (i != 0) option = i - 1;
}

bool goodRectangle(int x, int y, int width, int height) {
    if (x < 0 || y < 0) {
        warni1(Warning::incorrectParameter, x < y ? x : y);
        return false;
    }
    if (width < 1 || height < 1) {
        warni1(Warning::incorrectParameter, width < height ? width : height);
        return false;
    }
    return true;
}

int jqqval(int value, int min, int max) {
    if (value < min || (min <= max && value > max)) {
        warni1(Warning::incorrectParameter, value);
        return 1;
    }
    return 0;
}
