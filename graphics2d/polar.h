// The internal routines of polar axis systems.
#pragma once

struct GlobalRecord;

// The angle axis of a polar system: circle, ticks, labels and name round the
// centre (cx, cy) at radius r, for angles a..e degrees with labels from orig
// by step; drawn with the options of the Y axis.
void qqypax(GlobalRecord &rec, float a, float e, float orig, float step, int cx, int cy, int r,
            const char *name);
