// Handing a finished plot file to an external driver program (symfil).
#pragma once
#include <string>
#include <vector>

struct GlobalRecord;

// The driver's command line for a plot device, target keyword (upper case, at
// most 4 characters) and option (KEEP or DELE): its words go into args (the
// program first), and the text the command line reads as comes back. Empty
// when no driver program serves the plot device.
std::string symfilCommand(const GlobalRecord &rec, const char *target, const char *option,
                          std::vector<std::string> &args);
