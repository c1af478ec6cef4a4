// Renders an HPGL file written by the library with hp2xx at 254 dots per inch
// and true size, so that one pixel is one plot unit of the default page (0.1
// mm), and answers whether ink lies at a point given in plot units. The
// picture's first ink must lie at the page's top-left corner, as the page
// border (pagera) or a short line from the corner puts it: it fixes where the
// page lies.
#pragma once
#include <string>
#include <vector>

class HpglRaster {
  public:
    // Renders the file; an empty raster when hp2xx fails.
    explicit HpglRaster(const std::string &hpglFile);

    bool valid() const { return width_ > 0; }
    // True when the pixel at (x, y) in plot units (y down) is black.
    bool ink(int x, int y) const;
    // Number of black pixels on the column through x between y1 and y2.
    int inkCountColumn(int x, int y1, int y2) const;

  private:
    bool pixel(int px, int py) const;
    int width_ = 0, height_ = 0;
    int offsetX_ = 0, offsetY_ = 0;
    std::vector<unsigned char> bits_;
};
