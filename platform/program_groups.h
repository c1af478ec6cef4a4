// The program manager's groups as desktop menu entries (freedesktop.org):
// a group is a submenu of the applications menu, its items are desktop
// entries. The commands are those a conversation with the program manager
// executes, in brackets one after the other:
//
//   [CreateGroup(name,group file)]  makes the group (an existing one stays as
//                                    it is) and makes it the current group
//   [DeleteGroup(name)]              removes the group, its items, its file
//   [AddItem(command line,label,icon file,icon index)]  adds an item to the
//                                    current group
//   [ShowGroup(...)]                 nothing to do: menus show themselves
//
// Where the files go: $XDG_DATA_HOME (else ~/.local/share)
// desktop-directories/kavlor-<group>.directory and applications/
// kavlor-<group>-<n>.desktop; $XDG_CONFIG_HOME (else ~/.config)
// menus/applications-merged/kavlor-<group>.menu; the group file, a text
// listing the group's entries, at the path CreateGroup names. Paths in the
// commands may use '\' or '/'. An item's command line is its program, two
// blanks and its argument; items are run by the shell ("sh program
// argument"), as programs copied onto a disk carry no permission to run.
#pragma once
#include <string>

struct ProgramGroupsState {
    std::string currentGroup; // the group AddItem adds to
    std::string groupFile;    // of the current group
};

// Runs the commands of a block; false when any was unknown, malformed or
// could not be carried out (the others still run).
bool runProgramManagerCommands(const std::string &block, ProgramGroupsState &state);
