// Drives the program's modal dialogs as a user would. The test body runs as a fiber
// that a timer resumes inside whatever modal loop is running, whenever the program's
// topmost dialog is in the foreground with the focus on one of its controls and no
// box is up: each key is followed by such a wait, so it has been handled before the
// body looks. Message boxes are recorded and closed as they appear.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

std::string NarrowText(HWND window);
std::string ClipboardText();

struct Ui {
    struct Box {
        std::string text, caption, isbn;   // isbn: the owner's ISBN field while the box was up
        HICON icon;
    };
    HWND top = nullptr;          // the program's topmost dialog
    std::vector<Box> boxes;      // every box so far
    bool closing = false;        // set before an action that ends the dialog

    void Wait();
    void Press(WORD key, WORD modifier = 0);
    void Type(const std::string& text);
    void Click(int id) { SendMessageA(top, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(top, id)), TRUE), Press(VK_SPACE); }
    std::string Text(int id) const { return NarrowText(GetDlgItem(top, id)); }
};

// Runs a dialog of the program modally with the body driving it, and returns what
// DialogBoxParamA returned: -1 when the driver ended it after the body.
INT_PTR RunDialog(const char* templateName, DLGPROC proc, const std::function<void(Ui&)>& body);
