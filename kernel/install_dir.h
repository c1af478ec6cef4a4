// The installation directory of the library's data (map files, fonts, logo
// images): the environment variable KAVLOR, else the registry value "Path" of
// the key SOFTWARE\Kavlor, else the data folder of the prefix the library was
// loaded from, else the data folder of the installation prefix it was built for.
#pragma once
#include <string>

// Value of the environment variable name; for "KAVLOR" when it is unset, the
// registry value, the data folder beside the loaded library or the built-in
// folder. A variable that is set but empty gives an empty text.
std::string qqgenv(const char *name);

// The registry value "Path" of HKEY_LOCAL_MACHINE\SOFTWARE\Kavlor into out;
// 0 done, 1 on any failure.
int qqgetreg(std::string &out);

// The data folder of the prefix the library was loaded from (share/kavlor
// beside its lib folder, also when the prefix was moved or copied after
// installation), when that folder exists; empty otherwise.
std::string dataFolderBesideLibrary();
