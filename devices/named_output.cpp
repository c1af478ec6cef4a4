// Naming and opening the files of the raster file and BitmapFile routines.
#include "devices/named_output.h"

#include "kernel/file_versions.h"
#include "kernel/record_table.h"
#include "kernel/text_utils.h"

FILE *openNamedOutput(GlobalRecord &rec, const char *name) {
    char path[257];
    qqcopy(path, name != nullptr ? name : "");
    LibraryLock lock;
    gfilnn(rec, path, sizeof path);
    return std::fopen(path, "wb");
}
