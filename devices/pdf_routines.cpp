// The public PDF routines pdfmod and pdfbuf, the copy out of the PdfBuffer and
// the freeing of the writer.
#include <cstring>

#include "devices/pdf_writer.h"
#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/devices.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

constexpr int kCompress = 1; // COMP: compress the streams
constexpr int kBuffer = 2;   // BUFF: write into the PdfBuffer

// Statuses of qqpdf6.
enum { kCopied = 0, kLost = 1, kEmpty = 2, kTooSmall = 3 };

void message(const char *text) {
    qqserr(text);
    warnin(Warning::ownText);
}

} // namespace

int qqpdf6(GlobalRecord &rec, char *buffer, int size, int &status) {
    status = kCopied;
    PdfWriter *w = rec.vec.ppdfwr.get();
    if (size == 0) return w != nullptr ? int(w->finishedLength) : 0;
    const bool hasData = w != nullptr && w->sink.inMemory() && w->sink.position() > 0;
    const int length = hasData ? int(w->sink.position()) : 0;
    if (hasData && w->sink.lost()) {
        status = kLost;
        return 0;
    }
    if (!hasData || w->sink.data() == nullptr) {
        status = kEmpty;
        return 0;
    }
    if (size < length) {
        status = kTooSmall;
        return 0;
    }
    std::memcpy(buffer, w->sink.data(), std::size_t(length));
    w->sink.release();
    return length;
}

void qqpfree(GlobalRecord &rec) {
    rec.vec.ppdfwr.reset();
}

extern "C" void pdfmod(const char *value, const char *option) {
    GlobalRecord *rec = jqqlev(0, 0, "pdfmod");
    if (rec == nullptr) return;
    const int which = jqqind("COMP+BUFF", 2, option);
    if (which == 0) return;
    const int on = jqqind("OFF +ON  ", 2, value);
    if (on == 0) return;
    const int bit = which == 1 ? kCompress : kBuffer;
    if (on == 2)
        rec->format.ipdfmod |= bit;
    else
        rec->format.ipdfmod &= ~bit;
}

extern "C" int pdfbuf(char *buffer, int size) {
    GlobalRecord *rec = jqqlev(0, 0, "pdfbuf");
    if (rec == nullptr) return 0;
    if (deviceFamily(rec->core.idevice) != DeviceFamily::Pdf) {
        message("Output format is not PDF");
        return 0;
    }
    if ((rec->format.ipdfmod & kBuffer) == 0) {
        message("Buffer output is not enabled for PDF");
        return 0;
    }
    // A size of 0 asks for the length alone; any other needs the buffer.
    if (size != 0 && !arraysGiven(buffer)) return 0;
    int status = 0;
    const int length = qqpdf6(*rec, buffer, size, status);
    switch (status) {
    case kLost: warnin(Warning::noMemory); break;
    case kEmpty: message("Internal PDF buffer is empty"); break;
    case kTooSmall: message("Buffer too small for PDF file"); break;
    default: break;
    }
    return length;
}
