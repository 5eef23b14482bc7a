// What the three dialogs share: the instance handle, the per-dialog record of
// control, hint and brush handles, the application icon, and one-tool hints.
#pragma once

#include <windows.h>

struct DialogControls {
    HWND hInput;
    HWND hIsbn;
    HWND hAsin;
    HWND hTipOld2New;
    HWND hTipNew2Old;
    HWND hTipInput;
    HWND hTipIsbn;
    HWND hTipCopyIsbn;
    HWND hTipAsin;
    HWND hTipCopyAsin;
    HWND hTipOk;
    HWND hTipClear;
    HWND hTipCancel;
    HBRUSH hWhiteBrush;
};

extern HINSTANCE g_hInstance;
extern DialogControls g_mainControls;
extern DialogControls g_old2NewControls;
extern DialogControls g_new2OldControls;

// Puts the large and the small application icon on a dialog; an icon that does
// not load is left out.
void SetDialogIcons(HWND dialog);

// Takes the icons back from a dialog that is closing and destroys them, so that
// opening a dialog again and again does not pile up icons.
void ReleaseDialogIcons(HWND dialog);

// Ends the dialog on the system close command (close box, Alt+F4) and says whether
// it did; every other system command is left to the platform.
bool EndOnSystemClose(HWND dialog, WPARAM command);

// A tooltip window owned by the dialog (it ends with it), or null.
HWND CreateTooltipWindow(HWND dialog);

// Gives a tooltip window its one tool: the control, with its hint text.
void AddControlTool(HWND tooltip, HWND dialog, HWND control, const char* text);
