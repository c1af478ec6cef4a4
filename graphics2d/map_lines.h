// Lines on maps: between points given in longitude and latitude a line
// follows the projection, straight, interpolated in degrees or along the
// great circle as mapmod chooses, and azimuthal maps cut it at their cap.
#pragma once

struct GlobalRecord;

// Starts a new line at a map point.
void movemp(GlobalRecord &rec, float x, float y);
// Draws from the last map point to (x, y) in the line mode of mapmod.
void drawmp(GlobalRecord &rec, float x, float y);
// Projects (x, y) and draws one step to it; on azimuthal maps the step is
// cut at the visible cap, or dropped when both ends lie beyond it; where the
// projection tears the step (mapLineTorn) a new line starts at (x, y).
void pjdraw(GlobalRecord &rec, float x, float y);
