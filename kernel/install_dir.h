// The installation directory of the library's data (map files, fonts, logo
// images): the environment variable KAVLOR, else the registry value "Path" of
// the key SOFTWARE\Kavlor, else the data folder of the installation prefix.
#pragma once
#include <string>

// Value of the environment variable name; for "KAVLOR" when it is unset, the
// registry value or the built-in folder. A variable that is set but empty
// gives an empty text.
std::string qqgenv(const char *name);

// The registry value "Path" of HKEY_LOCAL_MACHINE\SOFTWARE\Kavlor into out;
// 0 done, 1 on any failure.
int qqgetreg(std::string &out);
