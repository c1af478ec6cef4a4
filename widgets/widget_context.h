// The widget state of a thread: the context with its table of widgets, the
// dialog levels stacked over that table, and the options that shape widgets
// made later. Every widget routine finds it through qqdglb.
#pragma once
#include <algorithm>
#include <cstdint>
#include <memory>

#include "platform/windows.h"
#include "widgets/widget_state.h"

struct GlobalRecord;

enum class WidgetKind : std::uint8_t {
    Main = 0,
    Container = 1,
    Label = 2,
    Check = 3,
    Push = 4,
    Command = 5,
    List = 6,
    DropDown = 7,
    Radio = 8,
    Text = 9,
    ScrolledText = 10,
    LabelledText = 11,
    File = 12,
    HorizontalScale = 15,
    VerticalScale = 16,
    Ok = 17,
    Quit = 18,
    Popup = 19,
    MenuEntry = 20,
    Draw = 21,
};

// Layouts of main widgets and containers.
enum : std::uint8_t { kHori = 0, kVert = 1, kForm = 2 };

// Where a main widget or container lies, in pixels; the cursor is where the
// next widget of a VERT or HORI layout goes.
struct WidgetGeometry {
    int x = 0, y = 0, width = 0, height = 0, cursorX = 0, cursorY = 0;
};

// Texts of text fields and file fields hold 256 characters; masks 132.
constexpr int kTextSize = 257;
constexpr int kMaskSize = 133;

using WidgetCallback = void (*)(int id);
using WidgetDataCallback = void (*)(int id, int data);

// One widget; its id is its index + 1.
struct WidgetEntry {
    WidgetKind kind = WidgetKind::Main;
    std::uint8_t layout = kVert; // main widgets and containers
    // Of widgets with callbacks: 1 = the last callback set was f(id); of main
    // widgets and containers: 1 = a fixed size from swgsiz.
    std::uint8_t formFlag = 0;
    std::uint8_t level = 0; // the dialog depth at creation
    int parent = 0;         // index of the main widget or container

    // The kind's data: the geometry (main widgets, containers); the check
    // state, selected element, lines kept, first-button index (value,
    // value2); the scale's value, the value label's minimum and maximum
    // (number, number2); the text of text and file fields or the command
    // (text); a file field's mask.
    std::unique_ptr<WidgetGeometry> geometry;
    int value = 0;
    int value2 = 0; // digits of a scale, first button of a radio box, maximum lines
    float number = 0, number2 = 0;
    std::unique_ptr<char[]> text;
    std::unique_ptr<char[]> mask;

    WidgetCallback callback = nullptr;
    WidgetDataCallback dataCallback = nullptr;
    int callbackData = 0;
    std::uint8_t state = 0;       // 0 active, 1 inactive, 2 invisible
    std::uint8_t colourFlags = 0; // bit 0 own brush and background, bit 1 own text colour

    HWND window = 0;            // a menu's handle for pop-ups and menu entries
    WNDPROC replaced = nullptr; // the procedure MyEditProc stands in for
    HBRUSH brush = 0;
    COLORREF background = 0, foreground = 0;
};

// The open-file dialog's settings kept for the file menus and dwgfil.
struct FileDialogRecord {
    HWND owner = 0;
    std::unique_ptr<char[]> filter;
    const char *title = nullptr;
    DWORD flags = 0;
};

constexpr int kMaxDepth = 8;
constexpr int kMaxFonts = 100;
constexpr int kTableStep = 100;
// The largest side of a window the X server makes; positions, sizes and
// margins a caller sets are held within it.
constexpr int kLargestWindow = 32767;
inline int heldInWindow(int v) {
    return std::clamp(v, -kLargestWindow, kLargestWindow);
}

struct WidgetContext {
    int count = 0;                 // entries in use
    int focusIndex = 0;            // 0 = none yet
    int margins[4] = {0, 0, 0, 0}; // left, top, right, bottom
    int separator = '|';
    int depth = 0; // the innermost open dialog level
    int capacity = 0;
    int defaultWidth = 20; // > 0: character widths; < 0: percent of the screen
    std::uint8_t mode = 0;
    std::uint8_t state = 0; // 0 fresh, 1 a dialog is open, 2 the outermost dialog ended
    std::uint8_t showMenu[3] = {1, 1, 1}; // OK, Quit, Help
    std::uint8_t titleGiven = 0;
    std::uint8_t idByValue = 1;
    std::uint8_t drawWidgetPresent = 0;
    std::uint8_t positionGiven = 0;
    std::uint8_t centreOption = 0;
    std::uint8_t centreThis = 0;
    std::uint8_t realised = 0;
    std::uint8_t sizeGiven = 0;
    std::uint8_t listScrolling = 0;  // AUTO, SCRO, NOSC
    std::uint8_t boxOrientation = 0; // VERT 0, HORI 1
    std::uint8_t scaleVertical = 0;
    std::uint8_t labelJustification = 0;
    std::uint8_t buttonJustification = 1;
    std::uint8_t fileMenuMade[kMaxDepth] = {};
    std::uint8_t maskOption = 0;
    std::uint8_t exitOnDestroy = 1;
    std::uint8_t fileDialogOption = 0;
    std::uint8_t textCallbackOption = 0; // RETU, CHAN, BOTH
    std::uint8_t closeOption = 0;        // QUIT, OK
    std::uint8_t fileRecordReady = 0;
    std::uint8_t marginsGiven = 0;
    std::uint8_t metricsRead = 0;    // the first wgini of the context has read them
    std::uint8_t closingQuietly = 0; // a window goes without ending a loop
    int runningLoops = 0;            // message loops of dialogs running now
    int position[2] = {0, 0};
    int size[2] = {0, 0};
    int charHeight = 0, charWidth = 0;
    int extent[2] = {0, 0};
    short verticalSpacing = 0, horizontalSpacing = 0;
    short verticalBorder = 0, horizontalBorder = 0;
    float spacing[2] = {4.0f, 0.5f};
    float scaleStep = -1.0f;
    float drawRatio = 1.0f;
    char title[136] = "";
    std::unique_ptr<char[]> help;
    char routine[12] = "";
    std::unique_ptr<WidgetEntry[]> entries;
    HWND mainWindow = 0;
    HMENU menuBar = 0;
    HMENU fileMenus[kMaxDepth] = {};
    HMENU menuBars[kMaxDepth] = {};
    FileDialogRecord fileRecord;
    COLORREF colours[4] = {0, 0, 0, 0}; // BACK, FORE, SCRO, LTEX
    std::uint8_t colourGiven[4] = {0, 0, 0, 0};
    HDC fontDc = 0;
    HFONT currentFont = 0;
    HFONT savedFont = 0;
    HFONT fonts[kMaxFonts] = {};
    std::unique_ptr<char[]> fontNames[kMaxFonts];
    short fontHeights[kMaxFonts] = {};
    int fontMode = 0; // 0 none, 1 a named font, 2 back to the system font
    int fontCount = 0;
    int mainIndex[kMaxDepth] = {};
    int levelStart[kMaxDepth] = {};
    // Screen metrics, read at the first wgini of the context.
    int nxres = 0, nyres = 0, nhtit = 0, nhframe = 0, nwframe = 0;

    WidgetEntry &entry(int index) { return entries[std::size_t(index)]; }
};
