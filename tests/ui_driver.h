// Drives the program's modal dialogs as a user would. The test body runs as a fiber
// that a timer resumes inside whatever modal loop is running, whenever the program's
// topmost dialog is in the foreground with the focus on one of its controls and no
// box is up: each key is followed by such a wait, so it has been handled before the
// body looks. Message boxes are recorded and closed as they appear.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct BoxSeen {
    std::string caption, text;
    bool errorIcon, anyIcon;
    std::string isbn;   // the owner's ISBN field while the box was up
};

struct Ui {
    HWND top = nullptr;           // the program's topmost dialog
    std::vector<BoxSeen> boxes;   // every box so far
    bool closing = false;         // set before an action that ends the dialog

    void Wait();
    void Press(WORD key, WORD modifier = 0);
    void Type(std::string_view text);
    void Click(int id);           // focus a button as Tab would, then Space
    std::string Text(int id) const;
};

// Runs a dialog of the program modally with the body driving it, and returns what
// DialogBoxParamA returned: -1 when the body ended and the driver closed the dialog.
INT_PTR RunDialog(const char* templateName, DLGPROC proc, const std::function<void(Ui&)>& body);

std::string NarrowText(HWND window);
std::string ClipboardText();
