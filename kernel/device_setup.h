// Device header and scale at kavini.
#pragma once

struct GlobalRecord;

// Sets the bits per pixel and the device scale of a file device and writes the
// head of its file.
void kavi03(GlobalRecord &rec);

// Opens the screen window of a screen device and takes its size, position,
// colour depth and scale.
void kavi01(GlobalRecord &rec);
