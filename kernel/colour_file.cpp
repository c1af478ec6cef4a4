// Colour-table files: vltfil saves the 256 entries as lines of three fractions
// and loads them back.
#include <cstdio>

#include "kavlor.h"
#include "kernel/c_format.h"
#include "kernel/colour_value.h"
#include "kernel/file_versions.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

namespace {

void saveTable(GlobalRecord &rec, const char *name) {
    ColourState &c = rec.colour;
    qqcopy(c.cvltfil, name, 256);
    FILE *file = nullptr;
    bool named = false;
    {
        LibraryLock lock;
        named = gfilnn(rec, c.cvltfil, sizeof c.cvltfil);
        if (named) file = std::fopen(c.cvltfil, "w");
    }
    if (!named) {
        warnin(Warning::incorrectFilename);
        return;
    }
    if (file == nullptr) {
        warnin(Warning::fileError);
        return;
    }
    bool written = true;
    for (const int entry : c.nrgbtab)
        if (printC(file, "%10.6f%10.6f%10.6f\n", tableRed(entry) / 255.0, tableGreen(entry) / 255.0,
                   tableBlue(entry) / 255.0) < 0)
            written = false;
    if (std::fclose(file) != 0) written = false;
    // A table that did not reach the disk whole is not handed to the driver.
    if (!written) {
        warnin(Warning::fileError);
        return;
    }
    c.ivltfil = 1;
}

void loadTable(GlobalRecord &rec, const char *name) {
    FILE *file = std::fopen(name, "r");
    if (file == nullptr) {
        warnin(Warning::fileError);
        return;
    }
    // A short file sets the entries it has and leaves the others.
    const CLocaleScope numbers;
    float r, g, b;
    for (int i = 0; i < 256 && std::fscanf(file, "%f %f %f", &r, &g, &b) == 3; ++i)
        setind(i, r, g, b);
    std::fclose(file);
    qqcopy(rec.colour.cvltfil, name, 256);
    rec.colour.ivltfil = 1;
}

} // namespace

extern "C" void vltfil(const char *filename, const char *mode) {
    GlobalRecord *rec = jqqlev(1, 3, "VLTFIL");
    if (rec == nullptr) return;
    const int i = jqqind("SAVE+LOAD", 2, mode);
    if (i == 1) saveTable(*rec, filename);
    if (i == 2) loadTable(*rec, filename);
    qqcopy(rec->core.cfunc, "VLTFIL");
}
