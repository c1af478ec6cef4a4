// Turning points about the origin.
#pragma once

// Turns n points in place: x' = c x - s y, y' = s x + c y.
void trfro2(float x[], float y[], int n, float s, float c);
