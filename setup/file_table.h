// The package's files: where each lies on the installation medium (a name
// in the current folder, plain or compressed), where it goes below the
// installation folder, and its size (as text), which weights the progress
// bar and tells a short copy. The build writes the rows (make_medium.cmake).
#pragma once

struct InstFile {
    const char *source;
    const char *destination;
    const char *size;
};

extern const InstFile instfiles[];
extern const int instfileCount;
