// OutputState: the plot output file, its name, the existing-file rule and the
// 80-byte record buffer of the text formats and CGM.
#pragma once
#include <cstdio>
#include <memory>

struct OutputState {
    char cfilnam[257] = ""; // name of the output file, at most 256 characters
    char cfilusr[257] = ""; // name given by setfil, kept for later plots
    int ifilset = 0;        // 0 no name given, 1 setfil called, 2 user name saved in cfilusr
    int ifilmod = 0;        // existing-file rule: 0 COUN (new version), 1 DELE, 2 BREA
    FILE *fpout = nullptr;  // the open output file; null when none (or it could not be opened)
    std::unique_ptr<char[]> fileBuffer; // fpout's buffer, kept from plot to plot
    bool writeFailed = false; // a write to fpout or its close failed since kavini (sticky)
    bool fileOpened = false;  // the plot's file was opened: kavfin closes a written file

    // The last finished plot as symfil sees it: its device and the file it
    // wrote and closed ("" when it wrote none). Kept apart from cfilnam and
    // the device code, which setfil and metafl may change for the next plot.
    int finishedDevice = 0;
    char finishedFile[257] = "";

    // The record buffer: up to 80 bytes of the current record plus room for the
    // newline and NUL of text records. plinbuf points at linbuf while the plot
    // writes through it (file devices 101..600 but WMF and PDF).
    char linbuf[82] = {};
    char *plinbuf = nullptr;
    int nreclen = 80; // record length
    int nrecpos = 0;  // bytes in the buffer

    int igksop = 0;          // last pen operation written to the text metafile
    int nlastpx[2] = {0, 0}; // last device point of the raster and Java line output
    int npage = 0;           // page number, counted by newpag; resall sets 1

    OutputState() = default;
    OutputState(const OutputState &) = delete;
    OutputState &operator=(const OutputState &) = delete;
    ~OutputState() {
        if (fpout != nullptr && fpout != stdout) std::fclose(fpout);
    }
};
