// The gridding of scattered data: the defaults of resall.
#pragma once

struct GlobalRecord;

// Reach 2 and 2 intervals, weight exponent 2.
void resetGriddingDefaults(GlobalRecord &rec);
