// The two conversion dialogs: ISBN-10 to ISBN-13 and ISBN-13 to ISBN-10. One
// implementation serves both; they differ in their record, input limit,
// conversion and the notice after a success.
#pragma once

#include <windows.h>

#include "dialog_controls.h"

INT_PTR CALLBACK Old2NewDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK New2OldDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

void InitConversionDialog(HWND dialog, DialogControls* controls, int inputLimit);
bool ColorResultField(HWND control, HDC dc, const DialogControls* controls);
void CopyFieldToClipboard(HWND field);
void ClearFields(const DialogControls* controls);
void ExecuteOld2New(HWND dialog, const DialogControls* controls);
void ExecuteNew2Old(HWND dialog, const DialogControls* controls);
