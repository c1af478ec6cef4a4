// The local date and time as the protocol and the file headers print them.
#pragma once

// "dd.mm.yyyy" of today; the text belongs to the calling thread and is
// overwritten by its next call.
const char *dddate();
// "hh:mm:ss" now; likewise.
const char *ddtime();
