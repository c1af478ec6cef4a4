// The device dispatch: every primitive that reaches a device passes through
// here, converted from page coordinates (plot units, origin top left, y down)
// to the device's units, and routed by the device family.
#pragma once

#include "kernel/driver.h"

struct GlobalRecord;

// One pen operation of the driver contract at a page point (or, for the
// drivers whose pen takes values, with a value in plot units); counts the
// vectors of the plot.
void xjdraw(GlobalRecord &rec, float x, float y, int op);

// Colour change: a colour-table index (taken modulo 256) or an explicit RGB
// value 0x01BBGGRR. The pending stroke is flushed first unless a flush is
// running.
void qqsclr(GlobalRecord &rec, int colour);

// Index of the colour-table entry nearest to (r, g, b), components 0..255.
int qqgidx(const GlobalRecord &rec, int r, int g, int b);

// The components 0..255 of a colour value as the device gets them: an explicit
// value's own bytes, or an index's table entry.
void colourComponents(const GlobalRecord &rec, int colour, int &r, int &g, int &b);

// Filled box between two page corners in a colour.
void dbox(GlobalRecord &rec, int x1, int y1, int x2, int y2, int colour);
// The same, after which the colour in force before is sent again: devices
// that fill with lines make the box's colour current.
void colourBox(GlobalRecord &rec, int x1, int y1, int x2, int y2, int colour);

// A solid polygon of page points (without the origin shift) filled by the
// device in the current colour.
void xjpoly(GlobalRecord &rec, const float x[], const float y[], int n);

// Shows the colour table on devices with a palette (screen, memory raster).
void shwvlt(GlobalRecord &rec);

// Device point of a page point: rounded, truncated or kept as floats by the
// device's axes.
DevicePoint toDevice(const GlobalRecord &rec, float x, float y);

// Device pixels of n page points with the origin shift added, truncated to
// ints: the corners that the devices' own fills take.
void toDevicePixels(const GlobalRecord &rec, const float x[], const float y[], int n, int px[],
                    int py[]);

// Marker symbol n (0..23, or the user symbol of mysymb) centred on the page
// point (x, y), nhsymb high and turned by xsymrot; the origin shift is added.
void dsymbl(GlobalRecord &rec, int n, int x, int y);

// A frame of |thickness| rings round the rectangle from (x, y), width by
// height, turned by angle degrees about (x, y): outwards for a positive,
// inwards for a negative thickness; the origin shift is added.
void dframe(GlobalRecord &rec, int x, int y, int width, int height, int thickness, float angle);
