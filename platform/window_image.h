// The client image of a window: what the window shows, kept by us. Window
// contexts draw into it, and the changed part (the dirty rectangle) is sent to
// the X window later, by the thread that owns the window. Guarded by the
// drawing lock (gdi_table.h).
#pragma once
#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>

#include "platform/raster_core.h"
#include "platform/win_types.h"

struct WindowImage {
    int width = 0;
    int height = 0;
    std::unique_ptr<std::uint8_t[]> pixels; // 32 bits per pixel: blue, green, red, 0
    RECT dirty{0, 0, 0, 0}; // not yet sent to the X window; empty when right <= left

    int rowBytes() const { return width * 4; }
    PixelSurface surface() { return PixelSurface{pixels.get(), width, height, rowBytes(), 4}; }
    // A new size; the content is lost (black), as a resized window repaints
    // whole. Without memory the image is empty.
    void resize(int w, int h) {
        width = std::max(w, 0);
        height = std::max(h, 0);
        pixels.reset(new (std::nothrow)
                         std::uint8_t[std::size_t(width) * std::size_t(height) * 4]());
        if (!pixels) width = height = 0;
        dirty = RECT{0, 0, width, height};
    }
    // Adds a rectangle (right and bottom excluded), cut to the image.
    void touch(RECT r) {
        r.left = std::max(r.left, 0);
        r.top = std::max(r.top, 0);
        r.right = std::min(r.right, width);
        r.bottom = std::min(r.bottom, height);
        if (r.left >= r.right || r.top >= r.bottom) return;
        if (dirty.left >= dirty.right) {
            dirty = r;
            return;
        }
        dirty.left = std::min(dirty.left, r.left);
        dirty.top = std::min(dirty.top, r.top);
        dirty.right = std::max(dirty.right, r.right);
        dirty.bottom = std::max(dirty.bottom, r.bottom);
    }
};
