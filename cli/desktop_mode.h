// isbnconv.exe started from Explorer, in a console window of its own: double-clicked
// it explains itself, with files dropped onto it it converts them; either way the
// window stays open until the user presses Enter. Windows only.
#pragma once

// True only without a command word (Explorer passes none: only the dropped files'
// paths), when no other program shares the console and both standard streams are
// that console: a command prompt, a script or a redirection never sees this mode.
bool StartedFromExplorer(int argc, char** argv);

// Runs the mode with the program's own (UTF-16) arguments; returns the exit status.
int RunFromExplorer();
