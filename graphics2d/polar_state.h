// PolarState: where angle 0 of polar axis systems lies and which way angles
// grow, as polmod stores them for polar, its curves and its angle axis.
#pragma once

// Angle origins of polmod, in the order of its keyword list.
enum class PolarOrigin { right = 0, top, left, bottom };
// Directions of polmod.
enum class PolarDirection { anticlockwise = 0, clockwise };

struct PolarState {
    int ipolmod[2] = {0, 0}; // PolarOrigin, PolarDirection
};
