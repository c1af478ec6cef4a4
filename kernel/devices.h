// The table of device facts: one row per output device, read through the
// small queries below. Nothing else in the library knows a device by its code:
// a new device is one row here (and, for a new family, its driver in devices/).
#pragma once

#include <array>
#include <string_view>

struct GlobalRecord;

// Device codes that the library chooses itself or that tests name.
namespace device {
constexpr int kScreenDefault = 80; // the default screen window (CONS, MET1..MET9, XWND)
constexpr int kGksl = 201;         // the device of a plot that chose none
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

// The families of devices: one driver serves each (kernel/driver.h).
enum class DeviceFamily {
    None,       // no device yet, or a code of no row
    Screen,     // screen windows
    Terminal,   // terminal formats: a text file without a driver
    Gksl,       // the library's text metafile
    Cgm,        // binary CGM
    Wmf,        // Windows metafile
    Kyocera,    // Kyocera printer language
    Hpgl,       // HPGL plotters
    PostScript, // PostScript and EPS
    Pdf,        //
    Raster,     // raster files and the memory raster
    Java,       // Java applet source
    Svg,        //
};

// How page points (plot units, origin top left, y down) become device points.
enum class DeviceAxes : unsigned char {
    none,
    pixels,          // rounded; a portrait page (ipagmod 1) turned
    truncatedPixels, // the same, truncated (SVG)
    metafile,        // unrounded, y up; a portrait page turned (GKSL, CGM)
    printer,         // rounded, never turned (Kyocera)
    plotter,         // rounded, y up; a portrait page turned (HPGL)
    plotterSheet,    // rounded on the sheet: a wide page y up, a high one turned (HPA4 .. HPA1)
    paper,           // truncated points, y up; a wide page turned on the paper (PostScript, PDF)
};

// Who opens and writes the plot file.
enum class PlotFile : unsigned char {
    none,       // no file: the screen, the virtual raster
    ownWriter,  // the device's writer opens and writes it (WMF, PDF)
    textLines,  // text in lines through the record buffer (qpsbuf, qqsbuf)
    cgmRecords, // binary records of 80 bytes through the record buffer
    text,       // text the writer writes itself (Java, SVG)
    binary,     // a binary file the writer writes whole (raster files)
};

// The fonts a device draws itself, beside the stroke fonts.
enum class DeviceFonts : unsigned char {
    none,
    postScript, // the 35 standard PostScript fonts (psfont)
    window,     // Windows fonts (winfnt, hwfont)
};

struct DeviceFacts {
    int code = 0;
    std::string_view keyword; // the metafl keyword, four characters, blank-padded
    DeviceFamily family = DeviceFamily::None;
    std::string_view extension; // of the default file name; empty: three blanks
    DeviceAxes axes = DeviceAxes::none;
    PlotFile file = PlotFile::none;
    DeviceFonts fonts = DeviceFonts::none;
    bool pixels = false;        // draws into pixels: a screen window, the memory raster
    bool images = false;        // image mode runs: pixels, or a raster put into the file
    bool fillsPolygons = false; // fills solid polygons itself
    int maxPolygon = 0;         // the most points of such a polygon; 0 no limit
    bool fineFills = false;     // solid fills need finer scan lines to close (WMF)
    bool vectorsOnly = false;   // a vector or printer format: no smooth shading, no TIFF images
    // The page and its colours.
    bool whitePage = false;         // white paper: the colour tables' background is white
    bool whiteNamedBlack = false;   // the named colour WHITE draws as explicit black
    bool lightBackground = false;   // foreground 0 on background 255 for the scales
    bool greyTable = false;         // the default colour table is the reversed grey scale
    bool smallTable = false;        // only the small table of nine colours (setvlt takes no other)
    bool reversible = false;        // revscr and background mode 2 exchange the background
    bool whiteByDefault = false;    // background mode 4 makes the page white (mode 2)
    bool paintsPage = false;        // the black page is painted as a box, on each new page too
    bool encapsulated = false;      // one page to be placed into other documents (EPS): no newpag
    int rasterType = 0;             // the raster file type (qqrfil): 1 TIFF .. 7 GIF
    bool trueColour = false;        // its raster is RGB whatever imgfmt says
    int sheet[2] = {0, 0};          // plotter sheet: plotter units of its long and short side
    std::string_view driverProgram; // the program symfil runs on the finished file
    bool driverFile = false;        // symfil can hand its file to a driver program
};

namespace device_table {

constexpr DeviceFacts screenWindow(int code, std::string_view keyword) {
    return {.code = code,
            .keyword = keyword,
            .family = DeviceFamily::Screen,
            .axes = DeviceAxes::pixels,
            .fonts = DeviceFonts::window,
            .pixels = true,
            .images = true,
            .fillsPolygons = true,
            .reversible = true};
}

constexpr DeviceFacts terminal(int code, std::string_view keyword, std::string_view extension,
                               bool driverFile) {
    return {.code = code,
            .keyword = keyword,
            .family = DeviceFamily::Terminal,
            .extension = extension,
            .axes = DeviceAxes::pixels,
            .file = PlotFile::textLines,
            .vectorsOnly = true,
            .driverProgram = "kavdrv",
            .driverFile = driverFile};
}

constexpr DeviceFacts plotter(int code, std::string_view keyword, int longSide, int shortSide) {
    return {.code = code,
            .keyword = keyword,
            .family = DeviceFamily::Hpgl,
            .extension = "hpg",
            .axes = longSide == 0 ? DeviceAxes::plotter : DeviceAxes::plotterSheet,
            .file = PlotFile::textLines,
            .vectorsOnly = true,
            .sheet = {longSide, shortSide},
            .driverProgram = "kavdrv",
            .driverFile = true};
}

constexpr DeviceFacts postScript(int code, std::string_view keyword, std::string_view extension) {
    const bool colour = code != device::kPost;
    return {.code = code,
            .keyword = keyword,
            .family = DeviceFamily::PostScript,
            .extension = extension,
            .axes = DeviceAxes::paper,
            .file = PlotFile::textLines,
            .fonts = DeviceFonts::postScript,
            .images = true,
            .fillsPolygons = true,
            .vectorsOnly = true,
            .whitePage = !colour,
            .lightBackground = !colour,
            .greyTable = !colour,
            .reversible = colour,
            .whiteByDefault = code == device::kEps || code == device::kPs,
            .paintsPage = colour,
            .encapsulated = code == device::kEps,
            .driverProgram = "kavdrv",
            .driverFile = true};
}

constexpr DeviceFacts raster(int code, std::string_view keyword, std::string_view extension,
                             PlotFile file) {
    return {.code = code,
            .keyword = keyword,
            .family = DeviceFamily::Raster,
            .extension = extension,
            .axes = DeviceAxes::pixels,
            .file = file,
            .pixels = true,
            .images = true,
            .reversible = true,
            .rasterType = code - 600,
            .trueColour = code == device::kPpm,
            .driverProgram = "kavhpj",
            .driverFile = true};
}

// One copy for the whole library (inline): a copy per file that includes this
// header would put each into writable data, with relocations for its names
// that every process start pays for.
inline constexpr std::array kDevices = {
    screenWindow(72, "XWI1"),
    screenWindow(73, "XWI2"),
    screenWindow(74, "XWI3"),
    screenWindow(75, "XWI4"),
    screenWindow(76, "XWI5"),
    screenWindow(77, "XWI6"),
    screenWindow(78, "XWI7"),
    screenWindow(79, "XWI8"),
    screenWindow(device::kScreenDefault, "XWND"),
    terminal(103, "VT34", "", false),
    terminal(151, "TEKT", "tek", true),
    terminal(161, "LN03", "ln3", true),
    DeviceFacts{.code = device::kGksl,
                .keyword = "GKSL",
                .family = DeviceFamily::Gksl,
                .extension = "met",
                .axes = DeviceAxes::metafile,
                .file = PlotFile::textLines,
                .vectorsOnly = true,
                .driverProgram = "kavdrv",
                .driverFile = true},
    DeviceFacts{.code = device::kCgm,
                .keyword = "CGM ",
                .family = DeviceFamily::Cgm,
                .extension = "cgm",
                .axes = DeviceAxes::metafile,
                .file = PlotFile::cgmRecords,
                .vectorsOnly = true,
                .whitePage = true,
                .whiteNamedBlack = true,
                .lightBackground = true,
                .driverProgram = "kavdrv",
                .driverFile = true},
    DeviceFacts{.code = device::kWmf,
                .keyword = "WMF ",
                .family = DeviceFamily::Wmf,
                .extension = "wmf",
                .axes = DeviceAxes::pixels,
                .file = PlotFile::ownWriter,
                .fonts = DeviceFonts::window,
                .fillsPolygons = true,
                .maxPolygon = 32767,
                .fineFills = true,
                .vectorsOnly = true,
                .whitePage = true,
                .whiteNamedBlack = true,
                .lightBackground = true,
                .driverProgram = "kavdrv",
                .driverFile = true},
    DeviceFacts{.code = 301,
                .keyword = "KYOC",
                .family = DeviceFamily::Kyocera,
                .extension = "kyo",
                .axes = DeviceAxes::printer,
                .file = PlotFile::textLines,
                .vectorsOnly = true,
                .smallTable = true,
                .driverProgram = "kavdrv",
                .driverFile = true},
    plotter(401, "HPGL", 0, 0),
    plotter(402, "HPA4", 10870, 7600),
    plotter(403, "HPA3", 15970, 10870),
    plotter(404, "HPA2", 21360, 13440),
    plotter(405, "HPA1", 30280, 21360),
    postScript(device::kPost, "POST", "psc"),
    postScript(device::kPscl, "PSCL", "psc"),
    postScript(device::kEps, "EPS ", "eps"),
    postScript(device::kPs, "PS  ", "ps"),
    DeviceFacts{.code = device::kPdf,
                .keyword = "PDF ",
                .family = DeviceFamily::Pdf,
                .extension = "pdf",
                .axes = DeviceAxes::paper,
                .file = PlotFile::ownWriter,
                .fonts = DeviceFonts::postScript,
                .images = true,
                .fillsPolygons = true,
                .vectorsOnly = true,
                .reversible = true,
                .whiteByDefault = true,
                .driverProgram = "kavdrv",
                .driverFile = true},
    raster(device::kTiff, "TIFF", "tif", PlotFile::binary),
    raster(device::kImag, "IMAG", "img", PlotFile::binary),
    raster(device::kVirt, "VIRT", "", PlotFile::none),
    raster(device::kPng, "PNG ", "png", PlotFile::binary),
    raster(device::kPpm, "PPM ", "ppm", PlotFile::binary),
    raster(device::kBmp, "BMP ", "bmp", PlotFile::binary),
    raster(device::kGif, "GIF ", "gif", PlotFile::binary),
    DeviceFacts{.code = device::kJava,
                .keyword = "JAVA",
                .family = DeviceFamily::Java,
                .extension = "java",
                .axes = DeviceAxes::pixels,
                .file = PlotFile::text,
                .lightBackground = true,
                .reversible = true,
                .driverProgram = "kavdot",
                .driverFile = true},
    DeviceFacts{.code = device::kSvg,
                .keyword = "SVG ",
                .family = DeviceFamily::Svg,
                .extension = "svg",
                .axes = DeviceAxes::truncatedPixels,
                .file = PlotFile::text,
                .fonts = DeviceFonts::postScript,
                .fillsPolygons = true,
                .reversible = true,
                .whiteByDefault = true,
                .driverFile = true},
};

// Every code and every keyword names one row.
constexpr bool rowsDistinct() {
    for (std::size_t i = 0; i < kDevices.size(); ++i)
        for (std::size_t j = i + 1; j < kDevices.size(); ++j)
            if (kDevices[i].code == kDevices[j].code || kDevices[i].keyword == kDevices[j].keyword)
                return false;
    return true;
}
static_assert(rowsDistinct(), "two rows of the device table share a code or a keyword");

// The row of each code 0..kLastCode, or the one past the table for none.
constexpr int kLastCode = 801;
inline constexpr auto kRowOfCode = [] {
    std::array<unsigned char, kLastCode + 1> rows{};
    rows.fill(static_cast<unsigned char>(kDevices.size()));
    for (std::size_t i = 0; i < kDevices.size(); ++i)
        rows[static_cast<std::size_t>(kDevices[i].code)] = static_cast<unsigned char>(i);
    return rows;
}();
inline constexpr DeviceFacts kNoDevice{};

} // namespace device_table

// The facts of a device code; a code of no row has the facts of no device.
constexpr const DeviceFacts &deviceFacts(int code) {
    using namespace device_table;
    if (code < 0 || code > kLastCode) return kNoDevice;
    const std::size_t row = kRowOfCode[static_cast<std::size_t>(code)];
    return row < kDevices.size() ? kDevices[row] : kNoDevice;
}

// ---- The queries ------------------------------------------------------------

constexpr DeviceFamily deviceFamily(int code) {
    return deviceFacts(code).family;
}
// Every device but the screen writes a file (or, the virtual raster, keeps
// its raster in memory) and is set up at kavini.
constexpr bool isFileDevice(int code) {
    const DeviceFamily family = deviceFamily(code);
    return family != DeviceFamily::Screen && family != DeviceFamily::None;
}
// A screen window or the memory raster: the devices that draw into pixels.
constexpr bool drawsPixels(int code) {
    return deviceFacts(code).pixels;
}
// The devices image mode runs on, and so the ones that BMP and GIF files and
// the logo images can be included into: pixel devices, PostScript and PDF.
constexpr bool holdsImages(int code) {
    return deviceFacts(code).images;
}
// PostScript and PDF: the page laid on a sheet of paper in points.
constexpr bool onPaper(int code) {
    return deviceFacts(code).axes == DeviceAxes::paper;
}
constexpr bool takesPostScriptFonts(int code) {
    return deviceFacts(code).fonts == DeviceFonts::postScript;
}
constexpr bool takesWindowFonts(int code) {
    return deviceFacts(code).fonts == DeviceFonts::window;
}
// A solid polygon of n points filled by the device itself.
constexpr bool fillsPolygon(int code, int n) {
    const DeviceFacts &d = deviceFacts(code);
    return d.fillsPolygons && (d.maxPolygon == 0 || n <= d.maxPolygon);
}

// The spacing factor of the scan lines of solid fills: the given one, or the
// finer one of devices whose fills would not close with it (WMF).
constexpr float kFineFillSpacing = 0.3999f;
constexpr float solidFillSpacing(int code, float normal) {
    return deviceFacts(code).fineFills ? kFineFillSpacing : normal;
}

// Code of a device keyword (first four characters, upper-cased, blank-padded);
// "XWIN", "CONS" and "MET1".."MET9" give screen windows. Unknown: warning 2, 0.
int qqgdnr(const char *keyword);

// Extension of the default file name of a device code into ext (at least 5
// bytes); returns its length. Codes without an extension get three blanks.
int qqgfxt(int code, char *ext);
