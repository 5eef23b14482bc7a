// Drives the program's modal dialogs from inside their own message loops: scripted
// steps run one per timer tick, keys are real input (SendInput), and every message
// box is recorded and closed as it appears.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// What a message box showed, and what its owner's fields held while it was up.
struct BoxSeen {
    std::string caption, text;
    bool errorIcon = false;
    bool anyIcon = false;
    std::string input, isbn, asin;
};

struct ScriptRun {
    INT_PTR returned = -1;
    std::size_t stepsDone = 0;
    std::vector<BoxSeen> boxes;         // those that no step took
    std::vector<std::wstring> opened;   // captions of the program's dialogs, in order of opening
};

// What DialogBoxParam returns when the script, not the dialog, ended it.
inline constexpr INT_PTR kEndedByScript = 0x5C;

class DialogScript {
public:
    // A step runs against the topmost dialog of the program, once that dialog is
    // the foreground window with the focus on one of its controls.
    DialogScript& Then(std::function<void(HWND top)> step);
    // A step that runs again on every tick until it returns true; the steps after it wait.
    DialogScript& Until(std::function<bool(HWND top)> step);
    // Opens the dialog and runs the steps; ends the dialog itself if it is still open after them.
    const ScriptRun& Run(const char* templateName, DLGPROC proc);
    // The boxes seen since the last call.
    std::vector<BoxSeen> TakeBoxes();

    std::vector<std::function<bool(HWND)>> steps;
    ScriptRun run;
};

// Real keyboard input for the foreground window, with a modifier key held if given.
void PressKey(WORD virtualKey, WORD modifier = 0);
void TypeText(std::string_view ascii);
// Any text, one UTF-16 unit per key; an ANSI control receives it in its code page.
void TypeText(std::wstring_view text);

std::string ItemText(HWND dialog, int id);
std::string NarrowCaption(HWND window);
std::wstring Caption(HWND window);
int FocusedId();
// Moves the focus as the dialog manager does, default button included.
void FocusItem(HWND dialog, int id);
bool IsChecked(HWND dialog, int id);

// The tooltip windows owned by a dialog, each with its tool count and what its first tool says.
struct HintSeen {
    HWND tooltip = nullptr;
    LRESULT toolCount = 0;
    HWND control = nullptr;
    std::string text;
};
std::vector<HintSeen> OwnedHints(HWND dialog);

std::string ClipboardText();
void SetClipboardText(const std::string& text);

// The built program, next to the test executable.
std::string ProgramPath();
