// The mode-selection dialog: two radio buttons choose the direction, execute
// opens that direction's conversion dialog on top of it.
#pragma once

#include <windows.h>

#include "dialog_controls.h"

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void InitMainDialog(HWND dialog, DialogControls* controls);
void OpenSelectedDialog(HWND dialog);
