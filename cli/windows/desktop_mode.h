// isbnconv.exe started from Explorer, in a console window of its own: with files
// dropped onto it, it converts them; double-clicked, it converts the rows on the
// clipboard, or explains itself and takes files dragged onto its window. Either way
// the window stays open until the user has read it and pressed Enter. Windows only.
#pragma once

#include <string>
#include <vector>

#include "console.h"
#include "dropped_file.h"

// True only without a command word (Explorer passes none: only the dropped files'
// paths), when no other program shares the console and both standard streams are
// that console. A command prompt, a program that shares its console and redirected
// streams never see this mode; a script or task that starts isbnconv.exe in a new
// console without to13 or to10 does, and it then waits for the user.
bool StartedFromExplorer(int argc, char** argv);

// Runs the mode with the program's own (UTF-16) arguments; returns the exit status.
int RunFromExplorer();

// The session for what Explorer gave: the dropped files, or without them the rows
// on the clipboard, or the guide. Returns 0 when everything converted, or when
// the guide was only read; 1 otherwise.
int RunDesktopSession(std::vector<std::wstring> paths, Console& console, Cancellation& cancellation);
