// Device keywords, codes and families. All dispatch in the library is by the
// family of the device code kept in the record.
#pragma once

struct GlobalRecord;

// Device codes that dispatch tests by value.
namespace device {
constexpr int kScreenDefault = 80; // the default screen window (CONS, MET1..MET9, XWND)
constexpr int kGksl = 201;
constexpr int kCgm = 211;
constexpr int kWmf = 221;
constexpr int kPost = 501;
constexpr int kPscl = 502;
constexpr int kEps = 503;
constexpr int kPs = 504;
constexpr int kPdf = 511;
constexpr int kTiff = 601;
constexpr int kImag = 602;
constexpr int kVirt = 603;
constexpr int kPng = 604;
constexpr int kPpm = 605;
constexpr int kBmp = 606;
constexpr int kGif = 607;
constexpr int kJava = 701;
constexpr int kSvg = 801;
} // namespace device

// The ranges of device codes.
enum class DeviceFamily {
    None,       // no device, or a code outside every range
    Screen,     // 1..100: screen windows (72..79 windows 1..8, 80 the default window)
    Terminal,   // 101..200: terminal formats, a text file without a driver
    Gksl,       // 201: the library's text metafile
    Cgm,        // 211: binary CGM
    Wmf,        // 221: Windows metafile
    Kyocera,    // 301..400: Kyocera printer language
    Hpgl,       // 401..500: HPGL plotters
    PostScript, // 501..600 but 511: POST, PSCL, EPS, PS
    Pdf,        // 511
    Raster,     // 601..700: raster files and the memory raster
    Java,       // 701: Java applet source
    Svg,        // 801
};

constexpr DeviceFamily deviceFamily(int code) {
    if (code >= 1 && code <= 100) return DeviceFamily::Screen;
    if (code >= 101 && code <= 200) return DeviceFamily::Terminal;
    if (code == device::kGksl) return DeviceFamily::Gksl;
    if (code == device::kCgm) return DeviceFamily::Cgm;
    if (code == device::kWmf) return DeviceFamily::Wmf;
    if (code >= 301 && code <= 400) return DeviceFamily::Kyocera;
    if (code >= 401 && code <= 500) return DeviceFamily::Hpgl;
    if (code == device::kPdf) return DeviceFamily::Pdf;
    if (code >= 501 && code <= 600) return DeviceFamily::PostScript;
    if (code >= 601 && code <= 700) return DeviceFamily::Raster;
    if (code == device::kJava) return DeviceFamily::Java;
    if (code == device::kSvg) return DeviceFamily::Svg;
    return DeviceFamily::None;
}

// A code above 100 writes a file; up to 100 opens a screen window.
constexpr bool isFileDevice(int code) {
    return code > 100;
}

// Code of a device keyword (first four characters, upper-cased, blank-padded);
// "MET1".."MET9" give the default screen window. Unknown: warning 2, 0.
int qqgdnr(const char *keyword);

// Extension of the default file name of a device code into ext (at least 5
// bytes); returns its length. Codes without an extension get three blanks.
int qqgfxt(int code, char *ext);
