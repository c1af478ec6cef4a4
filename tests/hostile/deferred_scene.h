// The scene of the deferred-state pass: one plot small enough to be drawn
// for every hostile value of every setter, but with each part whose drawing
// reads a setting: axes with names and labels, a title, a legend in a frame,
// grids, a colour bar, a labelled pie, a map, a polar and a 3-D axis system
// and a formula.
#pragma once

// The steps of harmless_calls.txt that the scene itself takes before the
// setter is called: a setter of the legend finds the legend started.
inline constexpr const char *kStepsOfScene[] = {"legend"};

// The scene's own texts and legend, set once the plot has begun and before
// the setter is called, so that a setter that sets them replaces them.
void startScene();

// Draws the scene with the settings in force.
void drawScene();
