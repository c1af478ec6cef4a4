// The contexts of windows, made and removed by the window side (painting.cpp).
#pragma once
#include <memory>

#include "platform/win_types.h"
#include "platform/window_image.h"

namespace gdi {

// A context drawing into a window's image; with no image, a screen context
// (GetDC(0)) that draws nothing.
HDC makeWindowContext(HWND window, std::shared_ptr<WindowImage> image);
// Removes a window or screen context; returns its window, -1 for another context.
HWND removeWindowContext(HDC dc);

} // namespace gdi
