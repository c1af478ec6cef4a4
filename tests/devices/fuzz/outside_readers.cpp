#include "tests/devices/fuzz/outside_readers.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "kavlor.h"
#include "kernel/bdf_font.h"
#include "kernel/bitmap_fonts.h"
#include "kernel/install_dir.h"
#include "platform/windows.h"

namespace {

// A folder of the process's own for the input files and the plots.
const std::string &scratch() {
    static const std::string folder = [] {
        char name[] = "/tmp/kavlor-readers-XXXXXX";
        return std::string(mkdtemp(name) != nullptr ? name : "/tmp");
    }();
    return folder;
}

std::string writeInput(const char *name, const std::uint8_t *data, std::size_t size) {
    const std::string path = scratch() + "/" + name;
    FILE *file = std::fopen(path.c_str(), "wb");
    if (file != nullptr) {
        if (size > 0) std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    return path;
}

long fileSize(const std::string &path) {
    struct stat s {};
    return stat(path.c_str(), &s) == 0 ? long(s.st_size) : 0;
}

// The library's warnings and protocols go to standard output; a fuzz run
// would drown in them.
class QuietOutput {
  public:
    QuietOutput() {
        std::fflush(stdout);
        saved_ = dup(1);
        FILE *null = std::fopen("/dev/null", "w");
        if (null != nullptr) {
            dup2(fileno(null), 1);
            std::fclose(null);
        }
    }
    ~QuietOutput() {
        std::fflush(stdout);
        if (saved_ >= 0) {
            dup2(saved_, 1);
            close(saved_);
        }
    }
    QuietOutput(const QuietOutput &) = delete;
    QuietOutput &operator=(const QuietOutput &) = delete;

  private:
    int saved_ = -1;
};

void ignorePixel(void *context, int, int) {
    ++*static_cast<long *>(context);
}

} // namespace

bool readBdfBytes(const std::uint8_t *data, std::size_t size) {
    const std::string path = writeInput("font.bdf", data, size);
    BdfFont font;
    if (qqgetbdf(font, path.c_str()) != kBdfOk) return font.nglyphs == 0 && font.glyphs == nullptr;
    if (font.nglyphs > font.nchars) return false;
    long pixels = 0;
    for (int i = 0; i < font.nglyphs; ++i)
        for (const int angle : {0, 90, 30})
            qqbdf2(font, 0, font.glyphs[i].encoding, 100, 100, angle, ignorePixel, &pixels);
    return true;
}

bool readRegistryBytes(const std::uint8_t *data, std::size_t size) {
    const std::string path = writeInput("registry", data, size);
    setenv("KAVLOR_REGISTRY", path.c_str(), 1);
    std::string folder;
    qqgetreg(folder);
    // A value written into whatever the file held reads back unchanged.
    HKEY key = 0;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Kavlor", 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return true; // the file cannot be replaced: nothing written, nothing to read back
    const char value[] = "/opt/kavlor";
    bool same = true;
    if (RegSetValueExA(key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE *>(value),
                       sizeof value) == ERROR_SUCCESS) {
        same = qqgetreg(folder) == 0 && folder == value;
    }
    RegCloseKey(key);
    return same;
}

bool readUnitFileBytes(const std::uint8_t *data, std::size_t size) {
    const std::string path = writeInput("unit.bin", data, size);
    constexpr int kUnit = 42;
    if (openfl(path.c_str(), kUnit, 0) != 0) return false;
    bool inside = true;
    char buffer[512];
    // Each operation takes five bytes of the input: its kind and a count.
    for (std::size_t at = 0; at + 5 <= size && at < 5 * 64; at += 5) {
        std::int32_t n = 0;
        std::memcpy(&n, data + at + 1, sizeof n);
        switch (data[at] % 4) {
        case 0: {
            const int wanted = n < 0 ? n : int(unsigned(n) % sizeof buffer);
            const int got = readfl(kUnit, buffer, wanted);
            inside = inside && got <= (wanted < 0 ? 0 : wanted);
            break;
        }
        case 1: skipfl(kUnit, n); break;
        case 2: posifl(kUnit, n); break;
        default: break;
        }
        const int position = tellfl(kUnit);
        inside = inside && position >= 0;
    }
    return closfl(kUnit) == 0 && inside;
}

bool readColourTableBytes(const std::uint8_t *data, std::size_t size) {
    const std::string path = writeInput("table.vlt", data, size);
    QuietOutput quiet;
    metafl("VIRT");
    kavini();
    vltfil(path.c_str(), "LOAD");
    kavfin();
    return true;
}

bool includeIntoEachDevice(const std::uint8_t *data, std::size_t size) {
    const std::string input = writeInput("included", data, size);
    QuietOutput quiet;
    bool bounded = true;
    for (const char *device : {"PS", "PDF", "SVG", "WMF", "CGM", "HPGL", "GKSL", "PNG", "GIF",
                               "BMP", "TIFF", "PPM", "VIRT"}) {
        metafl(device);
        setfil((scratch() + "/plot").c_str());
        filmod("DELE");
        page(1000, 800);
        kavini();
        const char *name = getfil(); // with the device's extension
        const std::string output = name != nullptr ? name : "";
        filbox(100, 100, 600, 500);
        incfil(input.c_str());
        kavfin();
        if (!output.empty() && fileSize(output) > kIncludeOutputBound) bounded = false;
    }
    return bounded;
}
