// Menus as the window side sees them (menus.cpp): which handles are menus,
// the band of a window's menu bar, and what opens a menu.
#pragma once
#include "platform/thread_windows.h"

bool isMenu(HMENU menu);
bool isMenuBar(HMENU menu);
// EnableMenuItem on an entry of a menu: its previous state, -1 when none has the id.
BOOL enableMenuEntry(HMENU menu, UINT id, UINT flags);
// Draws the menu bar of a window into its band.
void paintMenuBar(WindowObject &window);
// Opens the pop-up of the bar's title at a point of the screen.
void openMenuBarAt(HWND window, int screenX, int screenY);
// Opens the pop-up of the bar's title whose "&" letter is c.
void openMenuBarByLetter(HWND window, char c);
