// qqchkfil: what kind of file is to be included.
#include <cstdint>
#include <cstring>

#include "devices/file_inclusion.h"

namespace {

std::int32_t le32(const unsigned char *p) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) | p[1] << 8 | p[2] << 16 |
                                     static_cast<std::uint32_t>(p[3]) << 24);
}
int le16(const unsigned char *p) {
    return p[0] | p[1] << 8;
}

bool startsWith(const char *text, const char *prefix) {
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

} // namespace

int qqchkfil(GlobalRecord &, const char *name, int &width, int &height) {
    width = height = 0;
    FILE *file = name != nullptr ? std::fopen(name, "rb") : nullptr;
    if (file == nullptr) return kNoFile;
    unsigned char head[26];
    const std::size_t n = std::fread(head, 1, sizeof head, file);
    std::fclose(file);
    if (n >= 2 && head[0] == 'B' && head[1] == 'M') {
        if (n >= 26) { // the info header's width and height
            width = le32(head + 18);
            height = le32(head + 22);
        }
        return kBmpFile;
    }
    if (n >= 4 && std::memcmp(head, "GIF8", 4) == 0) {
        if (n >= 10) { // the logical screen
            width = le16(head + 6);
            height = le16(head + 8);
        }
        return kGifFile;
    }
    if (n >= 2) {
        const int word = head[0] << 8 | head[1]; // a CGM element header, big-endian
        if ((word >> 12) == 0 && ((word >> 5) & 0x7F) == 1) return kCgmFile;
    }
    file = std::fopen(name, "r");
    if (file == nullptr) return kNoFile;
    char line[82] = {};
    int length = 0;
    for (int c; length < 81 && (c = std::fgetc(file)) != EOF && c != '\n';)
        line[length++] = static_cast<char>(c);
    const bool empty = length == 0 && std::feof(file);
    std::fclose(file);
    if (empty) return kNoFile;
    if (startsWith(line, "!R!")) return kPrinterFile;
    if (startsWith(line, " SP1")) return kHpglFile;
    if (startsWith(line, "%!PS-Adobe")) return kPostScriptFile;
    return kGkslFile;
}
