// Building and entering a comma-decimal locale.
#include "tests/support/comma_locale.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>

#include "tests/support/rendered_image.h"

bool buildCommaLocale(const std::string &dir) {
    // localedef exits with 1 when it only warns.
    return runCommand("localedef -i de_DE -f UTF-8 '" + dir + "/de_DE.UTF-8'") <= 1;
}

ScopedCommaLocale::ScopedCommaLocale(int category) : category_(category) {
    if (!buildCommaLocale(dir_.path())) return;
    setenv("LOCPATH", dir_.path().c_str(), 1);
    if (std::setlocale(category_, "de_DE.UTF-8") == nullptr) return;
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", 1.5);
    active_ = std::string(text) == "1,5";
}

ScopedCommaLocale::~ScopedCommaLocale() {
    std::setlocale(category_, "C");
    unsetenv("LOCPATH");
}
