// The drawing of an SVG file as a list of events, in file order: "fill R G B"
// for each filled polygon, "stroke R G B" for each run of lines in the stroke
// colour of the group round them.
#pragma once
#include <string>
#include <vector>

using Events = std::vector<std::string>;

Events svgEvents(const std::string &svg);
