// The pen moves and draws of a text metafile, back in plot units, so that a
// test can say what was drawn: "M 100 200" (move), "D 299.5 200" (draw) and
// "C 3" (colour 3). Coordinates are rounded to 0.1 plot units.
#pragma once
#include <string>
#include <vector>

#include "kernel/record.h"

// The trace of a GKSL file written on a page of nxpage x nypage plot units,
// after the colour records that kavini writes.
std::vector<std::string> penTrace(const std::string &file, int nxpage, int nypage);

// The trace of the plot just closed on the record's page.
inline std::vector<std::string> penTrace(const std::string &file, const GlobalRecord &rec) {
    return penTrace(file, rec.page.nxpage, rec.page.nypage);
}

// Only the moves and draws of a trace (colours left out).
std::vector<std::string> pensOnly(const std::vector<std::string> &trace);
