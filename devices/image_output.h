// The picture of PostScript and PDF image mode, put into the plot file at imgfin.
#pragma once

struct GlobalRecord;

// Writes the memory raster of image mode into the PostScript or PDF file at
// the image box (or over the whole page).
void writeImageIntoPlotFile(GlobalRecord &rec);
