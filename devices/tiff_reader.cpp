// Reader of the TIFF files this library writes (tiff_layout.h). The layout is
// taken step by step as the writer makes it, and every field of the directory
// is checked against it: other TIFF files are refused, not misread.
#include <algorithm>
#include <iterator>

#include "devices/byte_reader.h"
#include "devices/image_readers.h"
#include "devices/tiff_layout.h"

namespace {

struct Entry {
    std::uint32_t tag = 0;
    std::uint32_t type = 0;
    std::uint32_t count = 0;
    std::uint32_t value = 0;
};

// The one-value SHORT or LONG of an entry.
bool singleValue(const Entry &e, std::uint32_t &value) {
    if (e.count != 1 || (e.type != tiff::Short && e.type != tiff::Long)) return false;
    value = e.type == tiff::Short ? (e.value & 0xFFFF) : e.value;
    return true;
}

bool seekTo(FILE *file, long long offset) {
    return std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0;
}

long long fileLength(FILE *file) {
    if (std::fseek(file, 0, SEEK_END) != 0) return -1;
    return std::ftell(file);
}

} // namespace

int readTiffHeader(FILE *file, TiffImage &image) {
    image = TiffImage();
    const long long length = fileLength(file);
    if (length < 0 || !seekTo(file, 0)) return kImageSyntaxError;
    ByteReader in;
    in.file = file;
    std::uint32_t magic = 0, first = 0, count = 0;
    if (qqgbyt(in) != 'I' || qqgbyt(in) != 'I' || !readU16le(in, magic) || magic != 42 ||
        !readU32le(in, first) || first != tiff::kDirectoryOffset || !readU16le(in, count))
        return kImageSyntaxError;
    if (count != 14 && count != 13 && count != 11 && count != 10) return kImageSyntaxError;
    Entry entries[14];
    std::uint32_t previousTag = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        Entry &e = entries[i];
        if (!readU16le(in, e.tag) || !readU16le(in, e.type) || !readU32le(in, e.count) ||
            !readU32le(in, e.value))
            return kImageSyntaxError;
        if (e.tag <= previousTag) return kImageSyntaxError; // tags ascend, each once
        previousTag = e.tag;
    }
    std::uint32_t nextDirectory = 1;
    if (!readU32le(in, nextDirectory) || nextDirectory != 0) return kImageSyntaxError;

    auto find = [&](std::uint32_t tag) -> const Entry * {
        for (std::uint32_t i = 0; i < count; ++i)
            if (entries[i].tag == tag) return &entries[i];
        return nullptr;
    };
    static constexpr std::uint32_t kKnown[] = {
        tiff::NewSubfileType,  tiff::ImageWidth,      tiff::ImageLength,
        tiff::BitsPerSample,   tiff::Compression,     tiff::PhotometricInterpretation,
        tiff::StripOffsets,    tiff::SamplesPerPixel, tiff::RowsPerStrip,
        tiff::StripByteCounts, tiff::XResolution,     tiff::YResolution,
        tiff::ResolutionUnit,  tiff::ColorMap};
    for (std::uint32_t i = 0; i < count; ++i)
        if (std::find(std::begin(kKnown), std::end(kKnown), entries[i].tag) == std::end(kKnown))
            return kImageSyntaxError;

    std::uint32_t width = 0, height = 0, compression = 0, photometric = 0, samples = 0;
    const Entry *w = find(tiff::ImageWidth), *h = find(tiff::ImageLength),
                *c = find(tiff::Compression), *p = find(tiff::PhotometricInterpretation),
                *s = find(tiff::SamplesPerPixel), *bits = find(tiff::BitsPerSample),
                *offsets = find(tiff::StripOffsets), *counts = find(tiff::StripByteCounts),
                *map = find(tiff::ColorMap);
    if (w == nullptr || h == nullptr || c == nullptr || p == nullptr || s == nullptr ||
        bits == nullptr || offsets == nullptr || counts == nullptr ||
        find(tiff::RowsPerStrip) == nullptr || !singleValue(*w, width) ||
        !singleValue(*h, height) || !singleValue(*c, compression) ||
        !singleValue(*p, photometric) || !singleValue(*s, samples))
        return kImageSyntaxError;
    const bool palette = photometric == tiff::Palette && samples == 1 && map != nullptr &&
                         (count == 14 || count == 11) && bits->count == 1 &&
                         (bits->value & 0xFFFF) == 8 && map->type == tiff::Short &&
                         map->count == 768;
    const bool rgb = photometric == tiff::Rgb && samples == 3 && map == nullptr &&
                     (count == 13 || count == 10) && bits->count == 3 && bits->type == tiff::Short;
    const bool resolutions =
        find(tiff::XResolution) != nullptr && find(tiff::YResolution) != nullptr;
    if ((!palette && !rgb) || compression != 1 || width < 1 || height < 1 || width > 0x7FFFFFFF ||
        height > 0x7FFFFFFF || offsets->count != height || counts->count != height ||
        (counts->type != tiff::Short && counts->type != tiff::Long) ||
        resolutions != (find(tiff::XResolution) != nullptr || find(tiff::YResolution) != nullptr))
        return kImageSyntaxError;

    // After the directory: strip offsets, byte counts, resolutions, then the
    // bits per sample or the colour map, then the rows.
    const long long offsetsAt = tiff::afterDirectory(static_cast<int>(count));
    long long at = offsetsAt + 4ll * height + (counts->type == tiff::Long ? 4ll : 2ll) * height +
                   (resolutions ? 16 : 0);
    if (at > length || !seekTo(file, at)) return kImageSyntaxError;
    in = ByteReader();
    in.file = file;
    if (rgb) {
        for (int i = 0; i < 3; ++i) {
            std::uint32_t sampleBits = 0;
            if (!readU16le(in, sampleBits) || sampleBits != 8) return kImageSyntaxError;
        }
        at += 6;
    } else {
        for (std::uint16_t &v : image.colourMap) {
            std::uint32_t value = 0;
            if (!readU16le(in, value)) return kImageSyntaxError;
            v = static_cast<std::uint16_t>(value);
        }
        at += tiff::kColourMapBytes;
    }
    // The first strip offset must name that place.
    std::uint32_t firstStrip = 0;
    in = ByteReader();
    in.file = file;
    if (!seekTo(file, offsetsAt) || !readU32le(in, firstStrip) || firstStrip != at)
        return kImageSyntaxError;
    const long long rowBytes = static_cast<long long>(width) * (rgb ? 3 : 1);
    if (at + rowBytes * height > length) return kImageSyntaxError; // too short for its rows
    image.entries = static_cast<int>(count);
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.rgb = rgb;
    image.dataOffset = at;
    return kImageDone;
}

int readTiffRow(FILE *file, const TiffImage &image, int row, int x, int n, std::uint8_t *out) {
    const int size = image.bytesPerPixel();
    const long long at = image.dataOffset + (static_cast<long long>(row) * image.width + x) * size;
    if (n <= 0) return kImageDone;
    if (!seekTo(file, at) ||
        std::fread(out, static_cast<std::size_t>(size), static_cast<std::size_t>(n), file) !=
            static_cast<std::size_t>(n))
        return kImageSyntaxError;
    return kImageDone;
}
