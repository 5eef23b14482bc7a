// Drives the program's modal dialogs from inside their own modal loops. Each dialog,
// once its loop runs, gets the next script in order of opening; keys and typed
// characters go to the focused control through the dialog manager, as the loop passes
// them; message boxes are recorded and closed as they appear. A dialog that its script
// left open, or that has no script, is ended with -1.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "dialog_controls.h"
#include "resource_ids.h"

using Script = std::function<void(HWND dialog)>;

// A message box as the user read it, with the owner's ISBN field while it was up.
struct BoxSeen {
    std::wstring text;
    std::wstring caption;
    std::string isbnField;
    HICON icon;
};

inline std::vector<BoxSeen> g_boxes;   // every box of the current run
inline std::deque<Script> g_scripts;

inline std::wstring WideText(HWND window)
{
    wchar_t text[256] = {};
    return std::wstring(text, static_cast<std::size_t>(GetWindowTextW(window, text, 256)));
}

inline std::string Text(HWND dialog, int id)
{
    char text[256] = {};
    return std::string(text, static_cast<std::size_t>(GetDlgItemTextA(dialog, id, text, sizeof text)));
}

inline void CALLBACK RunScript(HWND dialog, UINT, UINT_PTR timer, DWORD)
{
    if (!IsWindowVisible(dialog)) return;   // the modal loop shows it once it is idle
    KillTimer(dialog, timer);
    if (!g_scripts.empty()) {
        const Script script = std::move(g_scripts.front());
        g_scripts.pop_front();
        script(dialog);
    }
    if (IsWindowVisible(dialog)) EndDialog(dialog, -1);   // an ending dialog is hidden
}

// A dialog of the program gets its script once its modal loop runs; anything else
// that is activated is a message box, recorded and closed.
inline LRESULT CALLBACK OnActivate(int code, WPARAM wParam, LPARAM lParam)
{
    const auto window = reinterpret_cast<HWND>(wParam);
    const bool ours = GetWindowLongPtrA(window, GWLP_HINSTANCE) == reinterpret_cast<LONG_PTR>(g_hInstance);
    if (code == HCBT_ACTIVATE && ours && GetPropA(window, "scripted") == nullptr) {
        SetPropA(window, "scripted", window);   // activated again after each box: one script only
        SetTimer(window, 1, 10, RunScript);
    }
    if (code == HCBT_ACTIVATE && !ours) {
        const HWND owner = GetWindow(window, GW_OWNER);
        const auto icon = reinterpret_cast<HICON>(SendDlgItemMessageA(window, 0x440, STM_GETICON, 0, 0));
        g_boxes.push_back({WideText(GetDlgItem(window, 0xFFFF)), WideText(window), Text(owner, IDC_ISBN), icon});
        PostMessageA(window, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Runs a dialog of the program modally with its script, and the dialogs it opens with
// the scripts that follow; returns what DialogBoxParamA returned.
inline INT_PTR RunDialog(const char* templateName, DLGPROC proc, std::deque<Script> scripts)
{
    g_hInstance = GetModuleHandleA(nullptr);   // the test executable carries the program's resources
    g_scripts = std::move(scripts);
    g_boxes.clear();
    const HHOOK hook = SetWindowsHookExA(WH_CBT, OnActivate, nullptr, GetCurrentThreadId());
    const INT_PTR result = DialogBoxParamA(g_hInstance, templateName, nullptr, proc, 0);
    UnhookWindowsHookEx(hook);
    EXPECT_TRUE(g_scripts.empty()) << "a script waited for a dialog that never opened";
    return result;
}

// A key or a typed character for the focused control, as the modal loop would pass it on.
inline void Key(HWND dialog, WPARAM key, UINT message = WM_KEYDOWN)
{
    MSG msg = {GetFocus(), message, key, 0};
    IsDialogMessageA(dialog, &msg);
}

inline void Type(HWND dialog, const std::string& text)
{
    for (const char c : text) Key(dialog, static_cast<unsigned char>(c), WM_CHAR);
}

inline void Click(HWND dialog, int button) { SendDlgItemMessageA(dialog, button, BM_CLICK, 0, 0); }

inline int Focused() { return GetDlgCtrlID(GetFocus()); }

inline std::string ClipboardText()
{
    OpenClipboard(nullptr);
    const HANDLE data = GetClipboardData(CF_TEXT);
    const std::string text = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : "";
    GlobalUnlock(data);
    CloseClipboard();
    return text;
}
