// The file table, whose rows the build writes when it makes the medium.
#include "setup/file_table.h"

const InstFile instfiles[] = {
#include "instfiles.inc"
};
const int instfileCount = int(sizeof instfiles / sizeof instfiles[0]);
