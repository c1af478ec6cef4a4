// The 3-D layer's part of resall and reset: the view, the surfaces and the
// plane of grfini, and the reset keywords of their settings.
#pragma once

#include "kernel/layer_resets.h"

extern const LayerResets kGraphics3dResets;
