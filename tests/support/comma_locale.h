// A locale whose decimal point is a comma, for the tests that numbers in
// texts and files never follow the caller's locale. A machine need not have
// one generated: de_DE.UTF-8 is built from Debian's locale sources (package
// locales) into a folder of the test, where LOCPATH finds it.
#pragma once
#include <string>

#include "tests/support/temp_dir.h"

// Builds de_DE.UTF-8 into dir; false when it cannot be built.
bool buildCommaLocale(const std::string &dir);

// Switches a category of this process's locale to de_DE.UTF-8 for its
// lifetime; the category goes back to "C" and LOCPATH is unset at the end.
class ScopedCommaLocale {
  public:
    explicit ScopedCommaLocale(int category);
    ~ScopedCommaLocale();
    ScopedCommaLocale(const ScopedCommaLocale &) = delete;
    ScopedCommaLocale &operator=(const ScopedCommaLocale &) = delete;

    // True when printf now writes 1.5 as "1,5".
    bool active() const { return active_; }

  private:
    TempDir dir_;
    int category_;
    bool active_ = false;
};
