// Drives the program's modal dialogs from inside their own modal loops. A timer runs
// each dialog's script once the dialog is up with the focus on one of its controls;
// keys and typed characters go to the focused control through the dialog manager, as
// the loop passes them; message boxes are recorded and closed as they appear. A
// dialog still open after its script is ended with -1.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "dialog_controls.h"
#include "resource_ids.h"

using Script = std::function<void(HWND dialog)>;
struct BoxSeen { std::string text, caption, isbn; HICON icon; };   // isbn: the owner's field while it was up

inline std::vector<BoxSeen> g_boxes;   // every box of the current run
inline std::deque<Script> g_scripts;
inline std::map<HWND, bool> g_scriptDone;   // for each dialog whose script has started
inline std::vector<HWND> g_dialogs, g_boxWindows;

inline std::string WindowText(HWND window)
{
    char text[256] = {};
    return window != nullptr ? std::string(text, static_cast<std::size_t>(GetWindowTextA(window, text, sizeof text))) : "";
}

inline std::string Text(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

// Tells the program's dialogs from message boxes, which are recorded and closed.
inline LRESULT CALLBACK OnActivate(int code, WPARAM wParam, LPARAM lParam)
{
    const auto window = reinterpret_cast<HWND>(wParam);
    const bool ours = GetWindowLongPtrA(window, GWLP_HINSTANCE) == reinterpret_cast<LONG_PTR>(g_hInstance);
    std::vector<HWND>& seen = ours ? g_dialogs : g_boxWindows;
    if (code == HCBT_ACTIVATE && std::count(seen.begin(), seen.end(), window) == 0) {
        seen.push_back(window);
        if (!ours) {
            g_boxes.push_back({Text(window, 0xFFFF), WindowText(window), Text(GetWindow(window, GW_OWNER), IDC_ISBN),
                               reinterpret_cast<HICON>(SendDlgItemMessageA(window, 0x440, STM_GETICON, 0, 0))});
            PostMessageA(window, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

inline void CALLBACK RunNextScript(HWND, UINT, UINT_PTR, DWORD)
{
    HWND top = nullptr;
    for (const HWND dialog : g_dialogs) top = IsWindowVisible(dialog) ? dialog : top;   // an ending dialog is hidden
    if (top == nullptr || std::any_of(g_boxWindows.begin(), g_boxWindows.end(), IsWindow)) return;
    const auto script = g_scriptDone.find(top);
    if (script == g_scriptDone.end() && !g_scripts.empty() && IsChild(top, GetFocus())) {
        g_scriptDone[top] = false;
        const Script next = std::move(g_scripts.front());
        g_scripts.pop_front();
        next(top);
        g_scriptDone[top] = true;
    } else if (script == g_scriptDone.end() ? g_scripts.empty() : script->second) {
        EndDialog(top, -1);
    }
}

// Runs a dialog of the program modally with its script, and the dialogs it opens with
// the scripts that follow, in order of opening; returns what DialogBoxParamA returned.
inline INT_PTR RunDialog(const char* templateName, DLGPROC proc, std::deque<Script> scripts)
{
    g_hInstance = GetModuleHandleA(nullptr);   // the test executable carries the program's resources
    g_scripts = std::move(scripts);
    g_scriptDone.clear(), g_dialogs.clear(), g_boxWindows.clear(), g_boxes.clear();
    const HHOOK hook = SetWindowsHookExA(WH_CBT, OnActivate, nullptr, GetCurrentThreadId());
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, RunNextScript);
    const INT_PTR result = DialogBoxParamA(g_hInstance, templateName, nullptr, proc, 0);
    KillTimer(nullptr, timer);
    UnhookWindowsHookEx(hook);
    EXPECT_TRUE(g_scripts.empty()) << "a script waited for a dialog that never opened";
    return result;
}

// A key or a typed character for the focused control, as the modal loop would pass it on.
inline void Key(HWND dialog, WPARAM key, UINT message = WM_KEYDOWN, bool shift = false)
{
    BYTE keyboard[256] = {};
    keyboard[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keyboard);
    MSG msg = {GetFocus(), message, key, 0};
    IsDialogMessageA(dialog, &msg);
}

inline void Type(HWND dialog, const std::string& text)
{
    for (const char c : text) Key(dialog, static_cast<unsigned char>(c), WM_CHAR);
}

inline std::string ClipboardText()
{
    OpenClipboard(nullptr);
    const HANDLE data = GetClipboardData(CF_TEXT);
    const std::string text = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : "";
    GlobalUnlock(data);
    CloseClipboard();
    return text;
}
