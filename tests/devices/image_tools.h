// Running the image readers of netpbm and ImageMagick on files the writers
// made, and reading their PNM output back as R, G, B pixels.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct CommandRun {
    int status = -1;
    std::string out; // standard output, bytes as they came
    std::string err;
};

// Runs a shell command line; standard output and standard error are captured.
CommandRun runCommand(const std::string &command);

// A picture as R, G, B bytes, rows top first.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
    bool operator==(const RgbImage &) const = default;
};

// Parses binary PBM (P4, bit 1 black), PGM (P5) or PPM (P6) with maxval 255;
// false when the bytes are none of them.
bool parsePnm(const std::string &bytes, RgbImage &image);

// Shown by GoogleTest as the size and the first pixels.
void PrintTo(const RgbImage &image, std::ostream *os);

// The picture a command decodes a file into (the command writes PNM on its
// standard output; the file name follows the command, then after); fails the test when
// the command fails or writes no PNM.
RgbImage decodeWith(const std::string &command, const std::string &file,
                    const std::string &after = "");

// Where two pictures of the same size differ: the count of pixels and the
// first few, as "x,y: r g b / r g b"; empty when they are equal.
std::string differences(const RgbImage &a, const RgbImage &b);
