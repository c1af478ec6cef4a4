// The library's version and patch level: what getver and getplv return, and
// what the end-of-run protocol, the page header and the headers of the
// PostScript, CGM, SVG and Java files print.
#pragma once

constexpr float kLibraryVersion = 9.1f;
constexpr int kPatchLevel = 0; // 0, or 1.. for the letters A..
