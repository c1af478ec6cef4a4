// The file the library's code was loaded from: libkavlor.so, wherever its
// prefix lies, or the program it was linked into statically.
#pragma once
#include <string>

// The path the dynamic loader opened that file by, as it knows it (a folder of
// the library's run path may stand in it, not resolved); empty when the
// loader cannot tell.
std::string libraryFile();
