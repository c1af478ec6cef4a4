// Opening the map and shoreline files of the installation directory.
#include "kernel/map_files.h"

#include <string>

#include "kernel/install_dir.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

FILE *sopnfl(GlobalRecord &rec, int n) {
    std::string path = qqgenv("KAVLOR");
    static constexpr const char *kShorelines[4] = {"gshhs_l.b", "gshhs_i.b", "gshhs_h.b",
                                                   "gshhs_f.b"};
    const char *mode = "rb";
    if (n >= 1 && n <= 17) {
        path += "/map/map" + std::to_string(n) + ".dat";
    } else if (n >= 21 && n <= 24) {
        path += std::string("/map/") + kShorelines[n - 21];
    } else if (n == kCallersMapFile && rec.map.imapfil != 0) {
        // The file of mapfil: GSHHS shorelines (binary) or a text map.
        path = rec.map.cmapfil;
        if (rec.map.imapfil == 2) mode = "r";
    } else {
        warnc1(Warning::fileError, path.c_str());
        return nullptr;
    }
    FILE *stream = std::fopen(path.c_str(), mode);
    if (stream == nullptr) warnc1(Warning::fileError, path.c_str());
    return stream;
}

int qqgmap(int *buffer, int n, FILE *stream) {
    const std::size_t read = std::fread(buffer, sizeof(int), std::size_t(n), stream);
    return read < std::size_t(n) || std::feof(stream) ? 1 : 0;
}
