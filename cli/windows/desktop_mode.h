// isbnconv.exe started from Explorer, in a console window of its own: double-clicked
// it explains itself, with files dropped onto it it converts them; either way the
// window stays open until the user presses Enter. Windows only.
#pragma once

// True only without a command word (Explorer passes none: only the dropped files'
// paths), when no other program shares the console and both standard streams are
// that console. A command prompt, a program that shares its console and redirected
// streams never see this mode; a script or task that starts isbnconv.exe in a new
// console without to13 or to10 does, and it then waits for the user.
bool StartedFromExplorer(int argc, char** argv);

// Runs the mode with the program's own (UTF-16) arguments; returns the exit status.
int RunFromExplorer();
