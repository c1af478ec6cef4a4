// The 2-D layer's part of resall and reset: the defaults of axes, axis
// systems, titles, curves, legends, contours, bars, pies and maps, and the
// reset keywords of their settings.
#pragma once

#include "kernel/layer_resets.h"

extern const LayerResets kGraphics2dResets;
