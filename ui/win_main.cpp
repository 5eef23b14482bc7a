// Entry point: runs the mode-selection dialog as the process's only ownerless
// window; the process ends, with exit code 0, when it closes.
#include <windows.h>

#include "dialog_controls.h"
#include "main_dialog.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    g_hInstance = hInstance;
    DialogBoxParamA(g_hInstance, "IDD_DIALOG", nullptr, MainDialogProc, 0);
    return 0;
}
