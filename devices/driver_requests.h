// Requests from the kernel and the 3-D routines to the pixel drivers.
#pragma once

struct GlobalRecord;

// The requests that qqwext passes on.
enum class DriverRequest : int {
    Lighting = 3,            // the lighting flag of the rasterisers = value
    FineDepthTolerance = 17, // depth tolerance 1e-5 (zbflin's own line)
    DepthTolerance = 18,     // depth tolerance back to 0.001
};

// Passes request code with value to the drivers; the DriverRecord is made
// when missing. The requests on screen windows (0, 1, 2, clip 11..14, cursor
// 20 and 30) are the screen driver's and come with it; until then they change
// nothing.
void qqwext(GlobalRecord &rec, int code, int value);
