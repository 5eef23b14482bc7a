// Drives the program's modal dialogs from inside their own modal loops. A timer runs
// each dialog's script once the dialog is up with the focus on one of its controls;
// keys and typed characters go to the focused control through the dialog manager, as
// the loop passes them; message boxes are recorded and closed as they appear. A
// dialog still open after its script is ended with -1.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

using Script = std::function<void(HWND dialog)>;

struct BoxSeen {
    std::string text, caption, isbn;   // isbn: the owner's ISBN field while the box was up
    HICON icon;
};
extern std::vector<BoxSeen> g_boxes;   // every box of the current run

// Runs a dialog of the program modally with its script, and the dialogs it opens with
// the scripts that follow, in order of opening; returns what DialogBoxParamA returned.
INT_PTR RunDialog(const char* templateName, DLGPROC proc, std::deque<Script> scripts);

void Key(HWND dialog, WPARAM key, UINT message = WM_KEYDOWN, bool shift = false);
void Type(HWND dialog, const std::string& text);
std::string WindowText(HWND window);
inline std::string Text(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }
std::string ClipboardText();
