#include "ui_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "dialog_controls.h"
#include "resource_ids.h"

std::vector<BoxSeen> g_boxes;

namespace {

std::deque<Script> g_scripts;
std::map<HWND, bool> g_scriptDone;       // for each dialog whose script has started
std::vector<HWND> g_dialogs, g_boxWindows;

// Tells the program's dialogs from message boxes, which are recorded and closed.
LRESULT CALLBACK OnActivate(int code, WPARAM wParam, LPARAM lParam)
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

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
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

}  // namespace

INT_PTR RunDialog(const char* templateName, DLGPROC proc, std::deque<Script> scripts)
{
    g_hInstance = GetModuleHandleA(nullptr);   // the test executable carries the program's resources
    g_scripts = std::move(scripts);
    g_scriptDone.clear(), g_dialogs.clear(), g_boxWindows.clear();
    g_boxes.clear();
    const HHOOK hook = SetWindowsHookExA(WH_CBT, OnActivate, nullptr, GetCurrentThreadId());
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, Tick);
    const INT_PTR result = DialogBoxParamA(g_hInstance, templateName, nullptr, proc, 0);
    KillTimer(nullptr, timer);
    UnhookWindowsHookEx(hook);
    EXPECT_TRUE(g_scripts.empty()) << "a script waited for a dialog that never opened";
    return result;
}

void Key(HWND dialog, WPARAM key, UINT message, bool shift)
{
    BYTE keyboard[256] = {};
    keyboard[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keyboard);
    MSG msg = {GetFocus(), message, key, 0};
    if (!IsDialogMessageA(dialog, &msg)) DispatchMessageA(&msg);
}

void Type(HWND dialog, const std::string& text)
{
    for (const char c : text) Key(dialog, static_cast<unsigned char>(c), WM_CHAR);
}

std::string WindowText(HWND window)
{
    char text[256] = {};
    return window != nullptr ? std::string(text, static_cast<std::size_t>(GetWindowTextA(window, text, sizeof text))) : "";
}

std::string ClipboardText()
{
    OpenClipboard(nullptr);
    const HANDLE data = GetClipboardData(CF_TEXT);
    const std::string text = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : "";
    GlobalUnlock(data);
    CloseClipboard();
    return text;
}
