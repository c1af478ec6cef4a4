// The few conditions that end the process (no memory for the state, no free
// thread slot, a forbidden overwrite, too many file versions) print their line
// on the standard output and end it with status 1: a failure is never reported
// as success.
#pragma once

[[noreturn]] void endProcess(const char *line);

// The same after a numbered warning that already said why.
[[noreturn]] void endProcessAfterWarning();
