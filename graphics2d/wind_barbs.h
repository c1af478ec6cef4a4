// The wind symbol at a page point.
#pragma once

struct GlobalRecord;

// Draws the wind symbol of the speed at the station (nx, ny) (ny as the page
// origin has it), with a staff of length plot units pointing angle degrees.
// A speed beyond any wind's, either way, is refused with warning 2.
void windbr(GlobalRecord &rec, float speed, int nx, int ny, int length, float angle);
