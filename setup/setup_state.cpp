// The shared state of the setup program.
#include "setup/setup_state.h"

char instpath[instpathSize];
SetupState setup;

void setupError(const char *text, const char *caption) {
    ++setup.failures;
    MessageBoxA(0, text, caption, MB_OK);
}
