// The map options: their defaults at resall and the groups of reset.
#pragma once

struct GlobalRecord;

// Line mode, level filter, base, standard parallels, centre and cap radius
// of maps back to their defaults.
void resetMapDefaults(GlobalRecord &rec);
void resetMapLineMode(GlobalRecord &rec);
void resetMapCentre(GlobalRecord &rec);
void resetMapParallels(GlobalRecord &rec);
void resetMapCap(GlobalRecord &rec);
// The linear projection of projct.
void resetMapProjection(GlobalRecord &rec);
