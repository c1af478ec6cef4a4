// Device header and scale at kavini.
#pragma once

struct GlobalRecord;

// Sets the bits per pixel and the device scale of a file device and writes the
// head of its file.
void kavi03(GlobalRecord &rec);
