// What the binding modules read of the calling thread's record, to size the
// buffers they hand the library. libkavlor.so exports these beside the public
// routines; kavlor.h does not declare them, as no program needs them. A thread
// without a record reads the values of a fresh one.
#pragma once

#include "kavlor.h"

#ifdef __cplusplus
extern "C" {
#endif

// The number of points spline writes with the splmod settings in force.
KAVLOR_API int kavlor_spline_points(void);
// The bytes of one pixel of the pixel routines: 3 in the RGB pixel mode of
// imgmod, else 1.
KAVLOR_API int kavlor_pixel_bytes(void);
// The most pixels the pixel routines read (rpixls, rpxrow): the picture's
// width times height while image mode is on, else 0 (they refuse then).
KAVLOR_API long long kavlor_readable_pixels(void);
// The bytes of the legend buffer that legini set up (lines times line length,
// and a NUL); 0 before legini.
KAVLOR_API int kavlor_legend_size(void);

#ifdef __cplusplus
}
#endif
