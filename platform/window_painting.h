// Sending client images to the X windows, and the background of windows
// (painting.cpp).
#pragma once
#include "platform/thread_windows.h"

// Sends what changed in the window's image to its X window, when the window
// belongs to the calling thread.
void showWindowImage(HWND window);
// The same for every window of the thread, then hands the requests to the server.
void showWindowImages(ThreadWindows &tw);
// Sends the part r of an image to an X window, band pixels down. The caller
// holds the drawing lock.
void putImage(const XConnection &x, Window xid, WindowImage &image, const RECT &r, int band);
// Adds a rectangle of the client area (null: all of it) to what needs painting.
void invalidate(WindowObject &w, const RECT *rect, bool erase);
// Makes the window's image its client size, filled with the class background.
void sizeWindowImage(WindowObject &w);
// Reads a foreign window's picture into its image.
void readForeignPicture(ThreadWindows &tw, WindowObject &w);
