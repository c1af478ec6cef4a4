// The plot output file and the record buffer: setfil, filmod, sendbf, winupd.
#include "kernel/output_file.h"

#include <cstring>

#include "kavlor.h"
#include "kernel/devices.h"
#include "kernel/file_versions.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

namespace {

bool isCgm(const GlobalRecord &rec) {
    return deviceFacts(rec.core.idevice).file == PlotFile::cgmRecords;
}

// A text record line: the buffer and a newline.
void flushTextLine(GlobalRecord &rec) {
    OutputState &out = rec.out;
    out.linbuf[out.nrecpos] = '\n';
    writeOutputBytes(rec, out.linbuf, std::size_t(out.nrecpos) + 1);
    out.nrecpos = 0;
}

// One full CGM record of nreclen bytes.
void flushCgmRecord(GlobalRecord &rec) {
    writeOutputBytes(rec, rec.out.linbuf, std::size_t(rec.out.nreclen));
    rec.out.nrecpos = 0;
}

void appendToBuffer(GlobalRecord &rec, const char *bytes, int n) {
    std::memcpy(rec.out.linbuf + rec.out.nrecpos, bytes, std::size_t(n));
    rec.out.nrecpos += n;
}

} // namespace

void writeOutput(GlobalRecord &rec, const char *text) {
    writeOutputBytes(rec, text, std::strlen(text));
}

void writeOutputBytes(GlobalRecord &rec, const void *bytes, std::size_t n) {
    OutputState &out = rec.out;
    if (out.fpout != nullptr && std::fwrite(bytes, 1, n, out.fpout) != n) out.writeFailed = true;
}

void openOutputFile(GlobalRecord &rec) {
    OutputState &out = rec.out;
    const int code = rec.core.idevice;
    out.writeFailed = false;
    if (out.ifilset == 1) {
        qqcopy(out.cfilusr, out.cfilnam);
        out.ifilset = 2;
    } else if (out.ifilset == 2) {
        qqcopy(out.cfilnam, out.cfilusr);
    } else {
        char ext[5];
        qqgfxt(code, ext);
        const int n = qqcopy(out.cfilnam, "kavlor.");
        qqcopy(out.cfilnam + n, ext, 4);
    }
    out.nreclen = 80;
    out.nrecpos = 0;
    const PlotFile file = deviceFacts(code).file;
    if (file == PlotFile::ownWriter || file == PlotFile::none) return;

    if (file == PlotFile::textLines || file == PlotFile::cgmRecords) out.plinbuf = out.linbuf;
    const bool binary = file == PlotFile::cgmRecords || file == PlotFile::binary;
    bool named = false;
    {
        LibraryLock lock;
        named = gfilnn(rec, out.cfilnam, sizeof out.cfilnam);
        if (named) out.fpout = std::fopen(out.cfilnam, binary ? "wb" : "w");
    }
    if (!named) {
        warnin(Warning::incorrectFilename); // the plot goes on without a file
    } else if (out.fpout == nullptr) {
        qqserr("Open error");
        warnin(Warning::ownText);
    }
}

void closeOutputFile(GlobalRecord &rec) {
    OutputState &out = rec.out;
    if (out.plinbuf != nullptr && out.nrecpos > 0) {
        if (isCgm(rec)) {
            std::memset(out.linbuf + out.nrecpos, ' ', std::size_t(out.nreclen - out.nrecpos));
            flushCgmRecord(rec);
        } else {
            flushTextLine(rec);
        }
    }
    out.plinbuf = nullptr;
    out.nrecpos = 0;
    // Bytes still buffered by the C library go out at the close, so a full
    // disk may show only there.
    if (out.fpout != nullptr && out.fpout != stdout && std::fclose(out.fpout) != 0)
        out.writeFailed = true;
    out.fpout = nullptr;
}

void qpsbuf(GlobalRecord &rec, const char *text, int n) {
    OutputState &out = rec.out;
    if (n == -1) {
        flushTextLine(rec);
        return;
    }
    if (n <= 0 || out.plinbuf == nullptr) return;
    int start = 0;
    while (start < n) {
        int end = start;
        while (end < n - 1 && text[end] != ' ')
            ++end;
        const int length = end - start + 1; // the blank belongs to the piece
        const bool loneBlank = length == 1 && text[start] == ' ' && end != n - 1;
        if (!loneBlank) {
            if (out.nrecpos + length > out.nreclen && out.nrecpos > 0) flushTextLine(rec);
            if (length > out.nreclen) {
                // A word longer than a line is written whole on a line of its
                // own: splitting it could change a PostScript string.
                writeOutputBytes(rec, text + start, std::size_t(length));
                writeOutputBytes(rec, "\n", 1);
            } else {
                appendToBuffer(rec, text + start, length);
            }
        }
        start = end + 1;
    }
}

void qqsbuf(GlobalRecord &rec, const char *bytes, int n) {
    OutputState &out = rec.out;
    if (n <= 0 || out.plinbuf == nullptr) return;
    if (isCgm(rec)) {
        // CGM data runs on through records of exactly nreclen bytes.
        while (out.nrecpos + n > out.nreclen) {
            const int fits = out.nreclen - out.nrecpos;
            appendToBuffer(rec, bytes, fits);
            flushCgmRecord(rec);
            bytes += fits;
            n -= fits;
        }
        appendToBuffer(rec, bytes, n);
        return;
    }
    if (out.nrecpos + n > out.nreclen && out.nrecpos > 0) flushTextLine(rec);
    if (n > out.nreclen) {
        writeOutputBytes(rec, bytes, std::size_t(n)); // a record longer than a line stays whole
        writeOutputBytes(rec, "\n", 1);
        return;
    }
    appendToBuffer(rec, bytes, n);
}

extern "C" void setfil(const char *filename) {
    GlobalRecord *rec = jqqlev(0, 0, "setfil");
    if (rec == nullptr) return;
    qqcopy(rec->out.cfilnam, filename, 256);
    rec->out.ifilset = 1;
}

extern "C" void filmod(const char *mode) {
    GlobalRecord *rec = jqqlev(0, 3, "filmod");
    if (rec == nullptr) return;
    const int i = jqqind("COUN+DELE+BREA", 3, mode);
    if (i != 0) rec->out.ifilmod = i - 1;
}

extern "C" void sendbf(void) {
    GlobalRecord *rec = jqqlev(1, 3, "sendbf");
    if (rec == nullptr) return;
    qqstrk(*rec);
}
