// A reader of binary CGM files for tests: it walks the elements from the
// first byte to END METAFILE and checks, as it goes, that every header's
// length fits the file and that odd parameter lists are padded; after END
// METAFILE only blank padding may follow, up to a whole 80-byte record.
#pragma once
#include <string>
#include <vector>

struct CgmElement {
    int elementClass = 0;
    int id = 0;
    std::string params; // the parameter bytes, without the pad byte
};

struct CgmFile {
    std::vector<CgmElement> elements; // BEGIN METAFILE .. END METAFILE
    std::string error;                // empty when the file is well formed
};

CgmFile readCgm(const std::string &bytes);

// A string parameter at offset at of params (short or long form); at moves past it.
std::string cgmString(const std::string &params, std::size_t &at);

// 16-bit big-endian signed integer at offset at.
int cgmInt16(const std::string &params, std::size_t at);
