// The data files of the installation directory by number: the map files
// map1.dat..map17.dat and the four shoreline databases, read by the map
// routines.
#pragma once
#include <cstdio>

struct GlobalRecord;

// The number of the caller's map file (mapfil).
constexpr int kCallersMapFile = 25;

// Opens data file number n (1..17 map<n>.dat, 21..24 the shoreline files of
// low, intermediate, high and full resolution, 25 the file of mapfil); null
// after warning 36 with the path when it cannot be opened or the number has
// no file.
FILE *sopnfl(GlobalRecord &rec, int n);

// Reads n 32-bit integers; 1 when the end of the file has been reached.
int qqgmap(int *buffer, int n, FILE *stream);
