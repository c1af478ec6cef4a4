// Naming and opening the files of the raster file and BitmapFile routines.
#include "devices/named_output.h"

#include "kernel/file_versions.h"
#include "kernel/record_table.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

FILE *openNamedOutput(GlobalRecord &rec, const char *name) {
    char path[257];
    qqcopy(path, name != nullptr ? name : "");
    FILE *file = nullptr;
    bool named = false;
    {
        LibraryLock lock;
        named = gfilnn(rec, path, sizeof path);
        if (named) file = std::fopen(path, "wb");
    }
    if (!named)
        warnin(Warning::incorrectFilename);
    else if (file == nullptr)
        warnin(Warning::fileError);
    return file;
}
