// The steps that put the package on the disk: its folders, its files, its
// program group and its registry values.
#pragma once
#include <string>

#include "platform/windows.h"

// The folders, each below the installation folder (the first is the folder
// itself); 0 done, -1 to stop the setup.
int instmkdirs();
// The copy window and the copy of every row of the file table; 0 when every
// file was copied, -1 when any was not (each shown in its own box).
int instcopyfiles();
LRESULT instcopyproc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The progress after a row: truncate((100 / total) * running), never outside
// 0..100, 100 after the last row and when there is nothing to weigh.
int copyPercent(long long total, long long running, bool lastRow);
// The program group through a conversation with the program manager; 0.
int instgroup();
LRESULT instddeproc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The group's commands for the installation folder. Each item that would
// not fit the 1000-byte block is left out, and cannotAdd is called for it.
std::string groupCommands(const std::string &folder, void (*cannotAdd)());
// The registry values "Path" and "Version"; 0 all written, 1 on any failure.
int instregistry(const char *path, const char *version);
