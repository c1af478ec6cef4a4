#include "tests/support/svg_events.h"

#include <regex>

Events svgEvents(const std::string &svg) {
    Events events;
    const std::regex element(
        R"re(<(polygon fill="#|g fill="none" stroke="#|line |polyline |path )([0-9a-f]{6})?)re");
    std::string group;
    for (auto m = std::sregex_iterator(svg.begin(), svg.end(), element);
         m != std::sregex_iterator(); ++m) {
        const std::string kind = (*m)[1].str();
        std::string colour;
        if ((*m)[2].matched) {
            const int v = std::stoi((*m)[2].str(), nullptr, 16);
            colour = std::to_string(v >> 16) + " " + std::to_string((v >> 8) & 255) + " " +
                     std::to_string(v & 255);
        }
        if (kind.starts_with("polygon")) {
            events.push_back("fill " + colour);
        } else if (kind.starts_with("g ")) {
            group = colour;
        } else if (events.empty() || events.back() != "stroke " + group) {
            events.push_back("stroke " + group);
        }
    }
    return events;
}
