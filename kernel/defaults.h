// Defaults of the plot parameters: resall at every kavini and reset("ALL"),
// and reset of one group by keyword.
#pragma once

struct GlobalRecord;

// Gives every plot parameter its default. The settings made before kavini
// (device, page, units, file, file modes) and the first-use defaults stay.
void resall(GlobalRecord &rec);
