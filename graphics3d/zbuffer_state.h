// ZBufferState: whether the caller has a z-buffer open. The depths
// themselves hang from the DriverRecord (pzbuf), one per pixel of the
// picture they were opened for.
#pragma once

struct ZBufferState {
    // izbuf: 1 between a successful zbfini and zbffin, else 0. The shaded
    // surfaces read it to know whether they open and close a z-buffer
    // themselves or draw into the caller's.
    int izbuf = 0;
};
