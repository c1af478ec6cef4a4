// OutputState: the plot output file, its name and the existing-file rule.
#pragma once
#include <cstdio>

struct OutputState {
    char cfilnam[257] = "";     // name of the output file, at most 256 characters
    char cfilusr[257] = "";     // name given by setfil, kept for later plots
    int ifilset = 0;            // 0 no name given, 1 setfil called, 2 user name saved in cfilusr
    int ifilmod = 0;            // existing-file rule: 0 COUN (new version), 1 DELE, 2 BREA
    FILE *fpout = nullptr;      // the open output file
};
