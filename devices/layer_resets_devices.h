// The devices' part of resall and reset: the defaults of image mode and of
// included files, and the reset keywords of their settings.
#pragma once

#include "kernel/layer_resets.h"

extern const LayerResets kDevicesResets;
