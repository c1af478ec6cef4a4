// External image readers for the tests.
#include "tests/devices/image_tools.h"

#include <cctype>
#include <gtest/gtest.h>
#include <ostream>

#include "tests/support/temp_dir.h"

CommandRun runCommand(const std::string &command) {
    const TempDir scratch;
    const std::string outFile = scratch.file("out");
    const std::string errFile = scratch.file("err");
    CommandRun run;
    const int status = std::system((command + " >'" + outFile + "' 2>'" + errFile + "'").c_str());
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readFile(outFile);
    run.err = readFile(errFile);
    return run;
}

namespace {

// The next header number, skipping blanks and comments.
bool headerNumber(const std::string &bytes, std::size_t &pos, int &value) {
    for (;;) {
        while (pos < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[pos])))
            ++pos;
        if (pos < bytes.size() && bytes[pos] == '#') {
            while (pos < bytes.size() && bytes[pos] != '\n')
                ++pos;
            continue;
        }
        break;
    }
    if (pos >= bytes.size() || !std::isdigit(static_cast<unsigned char>(bytes[pos]))) return false;
    value = 0;
    while (pos < bytes.size() && std::isdigit(static_cast<unsigned char>(bytes[pos])))
        value = value * 10 + (bytes[pos++] - '0');
    return true;
}

} // namespace

bool parsePnm(const std::string &bytes, RgbImage &image) {
    if (bytes.size() < 2 || bytes[0] != 'P') return false;
    const char kind = bytes[1];
    std::size_t pos = 2;
    int maxval = 1;
    if (!headerNumber(bytes, pos, image.width) || !headerNumber(bytes, pos, image.height))
        return false;
    if (kind != '4' && (!headerNumber(bytes, pos, maxval) || maxval != 255)) return false;
    ++pos; // the single blank after the header
    const std::size_t pixels = static_cast<std::size_t>(image.width) * image.height;
    image.rgb.assign(pixels * 3, 0);
    const auto *data = reinterpret_cast<const std::uint8_t *>(bytes.data()) + pos;
    const std::size_t available = bytes.size() - pos;
    if (kind == '6') {
        if (available < pixels * 3) return false;
        std::copy(data, data + pixels * 3, image.rgb.begin());
    } else if (kind == '5') {
        if (available < pixels) return false;
        for (std::size_t i = 0; i < pixels; ++i)
            image.rgb[3 * i] = image.rgb[3 * i + 1] = image.rgb[3 * i + 2] = data[i];
    } else if (kind == '4') {
        const std::size_t rowBytes = (static_cast<std::size_t>(image.width) + 7) / 8;
        if (available < rowBytes * image.height) return false;
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x) {
                const bool black = data[y * rowBytes + x / 8] & (0x80 >> (x % 8));
                const std::size_t i = 3 * (static_cast<std::size_t>(y) * image.width + x);
                image.rgb[i] = image.rgb[i + 1] = image.rgb[i + 2] = black ? 0 : 255;
            }
    } else {
        return false;
    }
    return true;
}

void PrintTo(const RgbImage &image, std::ostream *os) {
    *os << image.width << "x" << image.height << " image";
    for (std::size_t i = 0; i < image.rgb.size() && i < 24; i += 3)
        *os << " (" << int(image.rgb[i]) << "," << int(image.rgb[i + 1]) << ","
            << int(image.rgb[i + 2]) << ")";
}

RgbImage decodeWith(const std::string &command, const std::string &file, const std::string &after) {
    const CommandRun run = runCommand(command + " '" + file + "' " + after);
    EXPECT_EQ(run.status, 0) << command << " " << file << ": " << run.err;
    RgbImage image;
    EXPECT_TRUE(parsePnm(run.out, image)) << command << " " << file << " gave no PNM";
    return image;
}

std::string differences(const RgbImage &a, const RgbImage &b) {
    if (a.width != b.width || a.height != b.height)
        return "sizes " + std::to_string(a.width) + "x" + std::to_string(a.height) + " and " +
               std::to_string(b.width) + "x" + std::to_string(b.height);
    std::string list;
    int count = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            const std::size_t i = 3 * (std::size_t(y) * a.width + x);
            if (a.rgb[i] == b.rgb[i] && a.rgb[i + 1] == b.rgb[i + 1] &&
                a.rgb[i + 2] == b.rgb[i + 2])
                continue;
            if (++count <= 8)
                list += " " + std::to_string(x) + "," + std::to_string(y) + ": " +
                        std::to_string(a.rgb[i]) + " " + std::to_string(a.rgb[i + 1]) + " " +
                        std::to_string(a.rgb[i + 2]) + " / " + std::to_string(b.rgb[i]) + " " +
                        std::to_string(b.rgb[i + 1]) + " " + std::to_string(b.rgb[i + 2]);
        }
    return count == 0 ? "" : std::to_string(count) + " pixels differ:" + list;
}
