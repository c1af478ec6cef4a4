// The internal routines the widget files share: the context, its checks and
// messages, the table, the layout, the creation of controls, callbacks and
// the end of dialogs.
#pragma once
#include <initializer_list>
#include <string>

#include "widgets/widget_context.h"

// ---- Context and checks (context.cpp) --------------------------------------------

// The calling thread's context, made on first use; null (after a message)
// when there is no memory. The routine's name is kept for messages.
WidgetContext *qqdglb(const char *routine);
// A message box titled with the routine: ">>>> " + text + "!".
void qqderr(const char *text, const char *routine);
void qqderr(const WidgetContext &c, const char *text);
// The checks; each shows its message and returns false when it fails.
bool qqdcip(WidgetContext &c, int parentId, int entriesNeeded = 1); // parent (its ID), room
bool qqdcid(WidgetContext &c, int id);                              // an existing widget
bool qqdctyp(WidgetContext &c, int id, std::initializer_list<WidgetKind> kinds);
bool qqdcini(WidgetContext &c);  // a wgini was made
bool qqdcheck(WidgetContext &c); // between wgini and the end of wgfin
// Room for n more entries: the table grows by 100 when full.
bool qqdalloc(WidgetContext &c, int n = 1);
// 1-based index of the argument in the keyword list, 0 after a message.
int jwgind(const char *list, int n, const char *argument, const char *routine);
// Ids are passed by value (1) or by address (0).
void qqdlang(const int *flag);

// ---- Windows and metrics (main_widget.cpp) ------------------------------------------------

// Registers the window classes once per process and reads the screen and
// font metrics at the context's first dialog.
void qqdmetrics(WidgetContext &c);
// The default width in pixels.
int defaultWidthPixels(const WidgetContext &c);
// Reads the character metrics of the current widget font.
void readCharacterMetrics(WidgetContext &c);
// The spacing in pixels from the spacing values and the metrics.
void computeSpacing(WidgetContext &c);
// Frees the heap data of the entries from index k on.
void qqdfwgt(WidgetContext &c, int k);
// The window procedure of main widgets and the dialogs.
LRESULT KavWidget(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT MyEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// ---- Entries and layout (layout.cpp) ---------------------------------------------------

// Fills entry count as a new widget of the kind under the parent, with the
// colours of swgclr, and returns its index (the count is not raised).
int qqdstruc(WidgetContext &c, WidgetKind kind, int parent);
// Where a new widget of height h goes under parent p: x, y, width, height.
void qqdgpos(WidgetContext &c, int p, int &x, int &y, int &w, int &h);
// A child control of the current main window for entry i, with the widget font.
HWND qqdcontrol(WidgetContext &c, int i, const char *className, const char *text, DWORD style,
                int x, int y, int w, int h);
// The entry's procedure replaced by MyEditProc; the keyboard focus to the
// first such widget.
void qqdsubclass(WidgetContext &c, int i, bool focus);
// The height of the kind's control when the parent is not FORM.
int oneAndHalf(const WidgetContext &c);

// ---- Callbacks and the end of dialogs (procedures.cpp) ----------------------------------

void qqdcbexe(WidgetContext &c, int i);
// Copies the texts of the live text and file fields into their entries.
void qqdcopytexts(WidgetContext &c);
// The OK action on a main window: texts copied, the window closed without
// ending the process.
void qqdok(WidgetContext &c, HWND main);
// A dialog window whose loop has ended while it stands (no display, or a quit
// posted by the program) goes, its texts copied, without ending anything else.
void closeQuietly(WidgetContext &c, HWND window);
// Ends the process with status 0 (Quit).
[[noreturn]] void qqdquit();

// ---- Scales (value_setters.cpp) -------------------------------------------------------

// The thumb's place, in steps from the scale's start, of the value x on a
// scale of steps steps from xmin to xmax (xmax > xmin); a vertical scale
// starts at xmax. Counted in double: limits far apart have a distance no
// float holds.
double scaleSteps(bool vertical, int steps, float x, float xmin, float xmax);

// ---- The file dialog (dialogs.cpp) ----------------------------------------------------

// The record's filter made from a mask as the mask option says; false after
// "Not enough memory".
bool fileDialogFilter(WidgetContext &c, const char *mask);
// The file dialog over a buffer of 257 bytes: nonzero when a file was chosen.
int Get_OpenFile(WidgetContext &c, HWND owner, char *file);

// ---- Texts (item_strings.cpp) ------------------------------------------------------------

// A copy of the text with every separator a line break.
std::string preparedText(const WidgetContext &c, const char *text);
// The items of an item string.
int itemCount(const WidgetContext &c, const char *items);
std::string itemAt(const WidgetContext &c, const char *items, int n);
// A scale's value as text with the digits given.
std::string scaleText(float value, int digits);
