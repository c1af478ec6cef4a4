// Drawing stopped after a callback failed. A binding module calls the
// caller's function for the library (a surface function, the user
// projection, a widget callback); when that function fails (a Python
// exception, a Perl die), the library routine that called it runs on to its
// end, and nothing more may reach the page from it. The module stops the
// drawing of the calling thread's record, and lets it go on once it has raised
// the failure, when the routine has returned. libkavlor.so exports the two
// controls beside the public routines; kavlor.h does not declare them.
#pragma once

#include "kavlor.h"

#ifdef __cplusplus
extern "C" {
#endif

// From now on the calling thread's record sends no marks to its device: no
// lines, fills, symbols, characters or pixels. Settings (colours, widths,
// fonts) still reach it, so that the device and the record agree afterwards.
KAVLOR_API void kavlor_stop_drawing(void);
// The calling thread's record draws again.
KAVLOR_API void kavlor_resume_drawing(void);

#ifdef __cplusplus
}
#endif
