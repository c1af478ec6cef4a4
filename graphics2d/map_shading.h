// Shaded map areas: the continents of the library's world file.
#pragma once

struct GlobalRecord;

// Outlines (while inoarln is 1) and fills (while the pattern fills) the
// polygons of area `wanted` of the world file (0 every area; 5 also takes
// area 3), in every copy the map shows.
void shadeWorld(GlobalRecord &rec, int wanted);
