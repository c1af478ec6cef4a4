// Walking the elements of a binary CGM file.
#include "tests/support/cgm_reader.h"

namespace {

int word(const std::string &b, std::size_t at) {
    return (static_cast<unsigned char>(b[at]) << 8) | static_cast<unsigned char>(b[at + 1]);
}

} // namespace

int cgmInt16(const std::string &params, std::size_t at) {
    const int v = word(params, at);
    return v >= 0x8000 ? v - 0x10000 : v;
}

std::string cgmString(const std::string &params, std::size_t &at) {
    int n = static_cast<unsigned char>(params.at(at));
    at += 1;
    if (n == 255) { // the long form: a 16-bit length follows
        n = word(params, at) & 0x7FFF;
        at += 2;
    }
    std::string text = params.substr(at, std::size_t(n));
    at += std::size_t(n);
    return text;
}

CgmFile readCgm(const std::string &bytes) {
    CgmFile file;
    std::size_t at = 0;
    const std::size_t size = bytes.size();
    if (size % 80 != 0) {
        file.error = "the file is not made of 80-byte records";
        return file;
    }
    while (true) {
        if (at + 2 > size) {
            file.error = "the file ends before END METAFILE";
            return file;
        }
        const int header = word(bytes, at);
        at += 2;
        CgmElement element;
        element.elementClass = header >> 12;
        element.id = (header >> 5) & 0x7F;
        std::size_t length = std::size_t(header & 0x1F);
        if (length == 31) {
            if (at + 2 > size) {
                file.error = "a long-form header without its length";
                return file;
            }
            const int longLength = word(bytes, at);
            at += 2;
            if (longLength & 0x8000) {
                file.error = "a partitioned parameter list";
                return file;
            }
            length = std::size_t(longLength);
        }
        if (at + length + (length % 2) > size) {
            file.error = "an element longer than the file";
            return file;
        }
        element.params = bytes.substr(at, length);
        at += length;
        if (length % 2 == 1) {
            if (bytes[at] != '\0') {
                file.error = "an odd parameter list without a zero pad byte";
                return file;
            }
            at += 1;
        }
        file.elements.push_back(element);
        if (element.elementClass == 0 && element.id == 2) break; // END METAFILE
    }
    for (; at < size; ++at) {
        if (bytes[at] != ' ') {
            file.error = "bytes other than blanks after END METAFILE";
            return file;
        }
    }
    return file;
}
