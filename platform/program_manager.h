// The program manager of the stand-in: a hidden window of the thread that
// answers conversations for the application and topic "PROGMAN" and carries
// out their commands (program_groups.h). It is made when a thread first
// broadcasts WM_DDE_INITIATE, and ends with the conversation. Commands it
// cannot carry out it reports in a message box ("Program Manager"). With
// KAVLOR_PROGMAN=off in the environment there is none, and nobody answers.
#pragma once

// Makes the calling thread's program manager window, unless it is there.
void startProgramManager();
