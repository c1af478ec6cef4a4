// The fill records of an SVG file written by the library: rectangles and
// polygons with their colours, read back for the tests of filled areas.
#pragma once
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

// A fill record of an SVG file: its colour, corners in device units.
struct FillRecord {
    std::string colour;
    bool polygon;
    std::vector<float> x, y;
    double area() const {
        double a = 0;
        for (std::size_t k = 0; k < x.size(); ++k) {
            const std::size_t n = (k + 1) % x.size();
            a += double(x[k]) * y[n] - double(x[n]) * y[k];
        }
        return std::fabs(a) / 2;
    }
};

// The rect and polygon fills of the SVG text, in file order.
std::vector<FillRecord> fillRecords(const std::string &svg);
