// The pen moves and draws of an HPGL file written by the library on the
// default page, back in plot units (HPGL counts four steps per plot unit, y
// upwards), for tests that follow strokes point by point.
#pragma once
#include <ostream>
#include <string>
#include <vector>

struct PenOp {
    bool draw; // false: move
    float x, y;
    bool operator==(const PenOp &) const = default;
};

// The pen operations of a whole file, but for the final move to (0, 0) that
// closes every HPGL plot.
std::vector<PenOp> hpglPenOps(const std::string &hpgl, int pageHeight = 2099);

// "M(x,y)" and "D(x,y)" per operation, for readable failure messages.
std::string describe(const std::vector<PenOp> &ops);

// How GoogleTest prints a pen operation.
void PrintTo(const PenOp &op, std::ostream *os);
