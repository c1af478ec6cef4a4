// The plot output file and the record buffer: setfil, filmod, sendbf, winupd.
#include "kernel/output_file.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "kavlor.h"
#include "kernel/devices.h"
#include "kernel/driver.h"
#include "kernel/file_versions.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

namespace {

constexpr std::size_t kOutputFileBuffer = 1 << 16;

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
    // Lines of 81 bytes go out in large writes, as the other writers' bytes
    // do (without memory for the buffer, in the C library's small ones).
    if (out.fpout != nullptr) {
        if (!out.fileBuffer) out.fileBuffer.reset(new (std::nothrow) char[kOutputFileBuffer]);
        if (out.fileBuffer)
            std::setvbuf(out.fpout, out.fileBuffer.get(), _IOFBF, kOutputFileBuffer);
    }
    out.fileOpened = out.fpout != nullptr;
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
    // The text goes out in pieces that end at a blank, the blank included
    // (the last piece ends with the text). A piece that begins with a blank
    // is that blank alone, and is dropped unless it ends the text. The line
    // position stays in a local: stores of characters could alias it.
    char *const line = out.linbuf;
    const int limit = out.nreclen;
    int position = out.nrecpos;
    const char *piece = text;
    const char *const last = text + n - 1;
    while (piece <= last) {
        if (*piece == ' ' && piece < last) {
            ++piece;
            continue;
        }
        const char *blank = piece;
        while (blank < last && *blank != ' ')
            ++blank;
        const int length = int(blank - piece) + 1;
        if (position + length > limit && position > 0) {
            out.nrecpos = position;
            flushTextLine(rec);
            position = 0;
        }
        if (length > limit) {
            // A word longer than a line is written whole on a line of its
            // own: splitting it could change a PostScript string.
            writeOutputBytes(rec, piece, std::size_t(length));
            writeOutputBytes(rec, "\n", 1);
        } else {
            std::memcpy(line + position, piece, std::size_t(length));
            position += length;
        }
        piece = blank + 1;
    }
    out.nrecpos = position;
}

void appendWords(GlobalRecord &rec, const char *text, int n) {
    OutputState &out = rec.out;
    if (n <= 0 || out.plinbuf == nullptr) return;
    // Every piece is kept, so the pieces that fit the line go in at once: up
    // to the last blank within the room, or all that is left.
    const char *const end = text + n;
    while (text < end) {
        const int room = out.nreclen - out.nrecpos;
        const char *take = end;
        if (end - text > room) {
            take = text + room;
            while (take > text && take[-1] != ' ')
                --take;
        }
        if (take == text) {
            // Not one piece fits: a new line, or a word longer than a line.
            if (out.nrecpos > 0) {
                flushTextLine(rec);
                continue;
            }
            const auto *blank =
                static_cast<const char *>(std::memchr(text, ' ', std::size_t(end - text)));
            take = blank != nullptr ? blank + 1 : end;
            writeOutputBytes(rec, text, std::size_t(take - text));
            writeOutputBytes(rec, "\n", 1);
            text = take;
            continue;
        }
        appendToBuffer(rec, text, int(take - text));
        text = take;
        if (text < end) flushTextLine(rec); // the next piece does not fit
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
    setFromKeyword(rec->out.ifilmod, "COUN+DELE+BREA", 3, mode);
}

extern "C" void sendbf(void) {
    GlobalRecord *rec = jqqlev(1, 3, "sendbf");
    if (rec == nullptr) return;
    qqstrk(*rec);
    currentDriver(*rec).flush(*rec);
}

extern "C" void winupd(void) {
    GlobalRecord *rec = jqqlev(0, 3, "winupd");
    if (rec == nullptr) return;
    currentDriver(*rec).flush(*rec);
}
