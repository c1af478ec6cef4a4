// The layers above the kernel whose defaults resall and reset restore, from
// the lowest up: the top of the library lists them for the kernel.
#include "devices/layer_resets_devices.h"
#include "graphics2d/layer_resets2d.h"
#include "graphics3d/layer_resets3d.h"

namespace {
const LayerResets kLayers[] = {kDevicesResets, kGraphics2dResets, kGraphics3dResets};
} // namespace

std::span<const LayerResets> layerResets() {
    return kLayers;
}
