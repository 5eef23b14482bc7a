#include "ui_driver.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "dialog_controls.h"
#include "resource_ids.h"

namespace {

struct Session {
    Ui ui;
    const std::function<void(Ui&)>* body;
    void *driver, *fiber;
    bool done = false;
    std::vector<HWND> dialogs = {}, boxes = {};
} * g_session;

void CALLBACK RunBody(void*)
{
    (*g_session->body)(g_session->ui);
    g_session->done = true;
    for (;;) g_session->ui.Wait();
}

// Tells the program's dialogs from message boxes, which are recorded and closed.
LRESULT CALLBACK OnActivate(int code, WPARAM wParam, LPARAM lParam)
{
    Session& s = *g_session;
    const auto window = reinterpret_cast<HWND>(wParam);
    const bool ours = GetWindowLongPtrA(window, GWLP_HINSTANCE) == reinterpret_cast<LONG_PTR>(g_hInstance);
    std::vector<HWND>& seen = ours ? s.dialogs : s.boxes;
    if (code == HCBT_ACTIVATE && std::count(seen.begin(), seen.end(), window) == 0) {
        seen.push_back(window);
        if (!ours) {
            s.ui.boxes.push_back({NarrowText(GetDlgItem(window, 0xFFFF)), NarrowText(window),
                                  NarrowText(GetDlgItem(GetWindow(window, GW_OWNER), IDC_ISBN)),
                                  reinterpret_cast<HICON>(SendDlgItemMessageA(window, 0x440, STM_GETICON, 0, 0))});
            PostMessageA(window, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
{
    Session& s = *g_session;
    HWND top = nullptr;
    for (const HWND dialog : s.dialogs) top = IsWindowVisible(dialog) ? dialog : top;   // an ending dialog is hidden
    if (top == nullptr || std::any_of(s.boxes.begin(), s.boxes.end(), IsWindow)) return;
    if (s.done) {
        EndDialog(top, -1);
    } else if (GetForegroundWindow() != top) {
        SetForegroundWindow(top);   // without a window manager, Wine may leave it elsewhere when a box goes
    } else if (IsChild(top, GetFocus())) {
        s.ui.top = top;
        SwitchToFiber(s.fiber);
    }
}

void Send(std::vector<INPUT> keys, Ui& ui)
{
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
    ui.Wait();
}

INPUT Key(WORD key, DWORD flags, WORD unit = 0)
{
    INPUT input = {INPUT_KEYBOARD};
    input.ki = {key, unit, flags};
    return input;
}

}  // namespace

INT_PTR RunDialog(const char* templateName, DLGPROC proc, const std::function<void(Ui&)>& body)
{
    static void* const driver = ConvertThreadToFiber(nullptr);
    g_hInstance = GetModuleHandleA(nullptr);   // the test executable carries the program's resources
    Session session{{}, &body, driver, CreateFiber(0, RunBody, nullptr)};
    g_session = &session;
    const HHOOK hook = SetWindowsHookExA(WH_CBT, OnActivate, nullptr, GetCurrentThreadId());
    const UINT_PTR timer = SetTimer(nullptr, 0, 15, Tick);
    const INT_PTR result = DialogBoxParamA(g_hInstance, templateName, nullptr, proc, 0);
    KillTimer(nullptr, timer);
    UnhookWindowsHookEx(hook);
    DeleteFiber(session.fiber);
    EXPECT_TRUE(session.done || session.ui.closing) << templateName << " closed before the test was done";
    return result;
}

void Ui::Wait()
{
    SwitchToFiber(g_session->driver);
}

void Ui::Press(WORD key, WORD modifier)
{
    if (modifier == 0) return Send({Key(key, 0), Key(key, KEYEVENTF_KEYUP)}, *this);
    Send({Key(modifier, 0), Key(key, 0), Key(key, KEYEVENTF_KEYUP), Key(modifier, KEYEVENTF_KEYUP)}, *this);
}

void Ui::Type(const std::string& text)
{
    std::vector<INPUT> keys;
    for (const char c : text) {
        keys.insert(keys.end(), {Key(0, KEYEVENTF_UNICODE, static_cast<WORD>(c)), Key(0, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP, static_cast<WORD>(c))});
    }
    Send(keys, *this);
}

std::string NarrowText(HWND window)
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
