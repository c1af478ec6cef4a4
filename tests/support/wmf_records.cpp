// The metafile reader of the tests.
#include "tests/support/wmf_records.h"

#include <algorithm>
#include <optional>

namespace {

std::uint16_t u16(const std::string &b, std::size_t at) {
    return std::uint16_t(std::uint8_t(b[at]) | (std::uint8_t(b[at + 1]) << 8));
}
std::uint32_t u32(const std::string &b, std::size_t at) {
    return u16(b, at) | (std::uint32_t(u16(b, at + 2)) << 16);
}

std::uint32_t colourOf(const std::vector<std::int16_t> &p, std::size_t at) {
    return std::uint16_t(p[at]) | (std::uint32_t(std::uint16_t(p[at + 1])) << 16);
}

} // namespace

WmfFile parseWmf(const std::string &bytes) {
    WmfFile f;
    std::size_t at = 0;
    if (bytes.size() >= 22 && u32(bytes, 0) == 0x9AC6CDD7) {
        f.placeable = true;
        for (int i = 0; i < 4; ++i)
            f.bounds[i] = std::int16_t(u16(bytes, 6 + 2 * i));
        f.unitsPerInch = u16(bytes, 14);
        f.checksum = u16(bytes, 20);
        at = 22;
    }
    if (bytes.size() < at + 18) {
        f.problem = "no header";
        return f;
    }
    f.type = u16(bytes, at);
    f.headerWords = u16(bytes, at + 2);
    f.version = u16(bytes, at + 4);
    f.fileWords = u32(bytes, at + 6);
    f.objects = u16(bytes, at + 10);
    f.largestRecord = u32(bytes, at + 12);
    at += 18;
    while (at + 6 <= bytes.size()) {
        WmfRecord r;
        r.words = u32(bytes, at);
        r.function = u16(bytes, at + 4);
        if (r.words < 3 || at + 2 * std::size_t(r.words) > bytes.size()) {
            f.problem = "record at " + std::to_string(at) + " runs past the end";
            return f;
        }
        for (std::size_t i = 6; i < 2 * std::size_t(r.words); i += 2)
            r.params.push_back(std::int16_t(u16(bytes, at + i)));
        at += 2 * std::size_t(r.words);
        f.records.push_back(r);
        if (r.function == wmf::kEof) break;
    }
    if (f.records.empty() || f.records.back().function != wmf::kEof)
        f.problem = "no end record";
    else if (at != bytes.size())
        f.problem = "bytes after the end record";
    return f;
}

std::vector<WmfDrawing> replayWmf(const WmfFile &file, std::string &problems) {
    std::vector<std::optional<WmfObject>> slots;
    const WmfObject defaultPen{true, -1, 0, 0}, defaultBrush{false, -1, 0, 0};
    const WmfObject noFont{false, 0, 0, 0, true};
    std::optional<int> pen, brush, font; // selected slots
    std::vector<WmfDrawing> drawings;
    auto selected = [&](const std::optional<int> &slot, const WmfObject &fallback) {
        return slot ? *slots[std::size_t(*slot)] : fallback;
    };
    for (const WmfRecord &r : file.records) {
        switch (r.function) {
        case wmf::kCreatePen:
        case wmf::kCreateBrush: {
            WmfObject o;
            o.pen = r.function == wmf::kCreatePen;
            o.style = r.params[0];
            o.width = o.pen ? r.params[1] : 0;
            o.colour = colourOf(r.params, o.pen ? 3 : 1);
            auto free = std::find(slots.begin(), slots.end(), std::nullopt);
            if (free == slots.end()) free = slots.insert(slots.end(), std::nullopt);
            *free = o;
            break;
        }
        case wmf::kCreateFont: {
            WmfObject o;
            o.font = true;
            o.height = r.params[0];
            o.escapement = r.params[2];
            o.weight = r.params[4];
            o.italic = r.params[5] & 0xFF;
            for (std::size_t i = 9; i < r.params.size(); ++i) {
                const auto w = std::uint16_t(r.params[i]);
                for (const char c : {char(w & 0xFF), char(w >> 8)}) {
                    if (c == '\0') {
                        i = r.params.size();
                        break;
                    }
                    o.face += c;
                }
            }
            auto free = std::find(slots.begin(), slots.end(), std::nullopt);
            if (free == slots.end()) free = slots.insert(slots.end(), std::nullopt);
            *free = o;
            break;
        }
        case wmf::kSelectObject:
        case wmf::kDeleteObject: {
            const int slot = r.params[0];
            if (slot < 0 || std::size_t(slot) >= slots.size() || !slots[std::size_t(slot)]) {
                problems += "record names the empty slot " + std::to_string(slot) + "\n";
                break;
            }
            const WmfObject &o = *slots[std::size_t(slot)];
            std::optional<int> &kind = o.font ? font : o.pen ? pen : brush;
            if (r.function == wmf::kSelectObject) {
                kind = slot;
            } else {
                if (kind == slot)
                    problems +=
                        "the selected object in slot " + std::to_string(slot) + " is removed\n";
                slots[std::size_t(slot)].reset();
            }
            break;
        }
        case wmf::kMoveTo:
        case wmf::kLineTo:
        case wmf::kRectangle:
        case wmf::kPolygon:
        case wmf::kTextOut:
            drawings.push_back({r.function, r.params, selected(pen, defaultPen),
                                selected(brush, defaultBrush), selected(font, noFont)});
            break;
        default: break;
        }
    }
    if (slots.size() > file.objects)
        problems += "the header declares " + std::to_string(file.objects) +
                    " objects, the records use " + std::to_string(slots.size()) + "\n";
    return drawings;
}

WmfText textOf(const WmfDrawing &d) {
    WmfText t;
    if (d.function != wmf::kTextOut || d.params.empty()) return t;
    const int count = d.params[0];
    const std::size_t words = std::size_t(count + 1) / 2;
    if (count < 0 || d.params.size() < 1 + words + 2) return t;
    for (int i = 0; i < count; ++i) {
        const auto w = std::uint16_t(d.params[1 + std::size_t(i / 2)]);
        t.text += char(i % 2 == 0 ? w & 0xFF : w >> 8);
    }
    t.y = d.params[1 + words];
    t.x = d.params[2 + words];
    return t;
}
