// The few conditions that end the process (no memory for the state, no free
// thread slot, a forbidden overwrite, too many file versions) print their line
// on the standard output and end it with status 1: a failure is never reported
// as success.
#pragma once

[[noreturn]] void endProcess(const char *line);

// Ends the process with status 1 after the warning that says why was printed.
[[noreturn]] void endProcessAfterWarning();
