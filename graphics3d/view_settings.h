// Defaults of the settings of the 3-D axis system and its view, for resall
// and reset.
#pragma once

struct GlobalRecord;

// Box lengths 2 x 2 x 2 (reset "AXIS").
void resetBoxLengths(GlobalRecord &rec);

// The box lengths, the default view point and focus, no up angle, the view
// angle whose half has the tangent 0.25, front distance 1 without a back
// plane, and first labels left to the box layout.
void resetViewDefaults(GlobalRecord &rec);
