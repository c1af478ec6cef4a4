// Reads the fill records of an SVG file back with a regular expression.
#include "tests/graphics2d/fill_records.h"

#include <regex>
#include <sstream>

std::vector<FillRecord> fillRecords(const std::string &svg) {
    std::vector<FillRecord> records;
    static const std::regex item(
        "<rect x=\"([-0-9.]+)\" y=\"([-0-9.]+)\" width=\"([-0-9.]+)\" height=\"([-0-9.]+)\"\\s+"
        "fill=\"(#[0-9a-f]{6})\"|<polygon fill=\"(#[0-9a-f]{6})\" points=\"([^\"]*)\"");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), item); it != std::sregex_iterator();
         ++it) {
        const std::smatch &m = *it;
        FillRecord r;
        if (m[5].matched) {
            const float x = std::stof(m[1]), y = std::stof(m[2]), w = std::stof(m[3]),
                        h = std::stof(m[4]);
            r = {m[5], false, {x, x + w, x + w, x}, {y, y, y + h, y + h}};
        } else {
            r.colour = m[6];
            r.polygon = true;
            std::string points = m[7];
            for (char &c : points)
                if (c == ',') c = ' ';
            std::istringstream in(points);
            float px, py;
            while (in >> px >> py) {
                r.x.push_back(px);
                r.y.push_back(py);
            }
        }
        records.push_back(r);
    }
    return records;
}
