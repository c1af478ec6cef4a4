// MessageState: warning switches, the message stream and the message file.
#pragma once
#include <cstdio>

struct MessageState {
    int noutpag = 0;      // warnings (and out-of-page texts and symbols) in this plot
    int iunit = 6;        // 0 no messages, 6 standard output, 1 a caller's stream, 17 message file
    FILE *fpmsg = stdout; // where messages go now
    FILE *fpmsgdf = stdout; // default stream chosen at kavini; the message file once open
    int iwarn = 1;          // warnings on (1) or off (0)
    int ichkpnt = 0;        // reports of points outside the axis scaling; resall sets 1
    int iprotfl = 0;        // end-of-run protocol on (1) or off (0); resall sets 1
    int ierrdev = 0;        // message device: 0 CONS, 1 FILE
    int iwinapp = 0;        // application kind: 0 CONS, 1 WIND (messages into the message file)
    int ierrfil = 0;        // 1 when errfil gave a name
    int ierrop = 0;         // 1 while the message file is open
    char cerrfil[257] = ""; // message-file name, at most 256 characters
    char cmsgbuf[81] = "";  // text of the warning being printed

    // The message file belongs to the record: kavfin closes it, and so does
    // freeing the record (delglb, thrfin) when it is still open.
    MessageState() = default;
    MessageState(const MessageState &) = delete;
    MessageState &operator=(const MessageState &) = delete;
    ~MessageState() {
        if (ierrop == 1 && fpmsgdf != nullptr && fpmsgdf != stdout) std::fclose(fpmsgdf);
    }
};
