#include "ui_driver.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "dialog_controls.h"
#include "resource_ids.h"

namespace {

constexpr int kBoxIcon = 0x440;   // the icon control of the system's message box

struct Session {
    Ui ui;
    const std::function<void(Ui&)>* body;
    void* driver;
    void* fiber;
    bool done = false;
    int idleTicks = 0;
    std::vector<HWND> dialogs;
    HWND box = nullptr;
} * g_session;

void CALLBACK RunBody(void*)
{
    (*g_session->body)(g_session->ui);
    g_session->done = true;
    for (;;) g_session->ui.Wait();
}

LRESULT CALLBACK OnActivate(int code, WPARAM wParam, LPARAM lParam)
{
    Session& s = *g_session;
    const auto window = reinterpret_cast<HWND>(wParam);
    const bool seen = window == s.box || std::count(s.dialogs.begin(), s.dialogs.end(), window) > 0;
    if (code != HCBT_ACTIVATE || seen) return CallNextHookEx(nullptr, code, wParam, lParam);
    if (GetWindowLongPtrA(window, GWLP_HINSTANCE) == reinterpret_cast<LONG_PTR>(g_hInstance)) {
        s.dialogs.push_back(window);
    } else {   // a message box: recorded, then closed
        s.box = window;
        const auto icon = reinterpret_cast<HICON>(SendDlgItemMessageA(window, kBoxIcon, STM_GETICON, 0, 0));
        s.ui.boxes.push_back({NarrowText(window), NarrowText(GetDlgItem(window, 0xFFFF)), icon == LoadIconA(nullptr, IDI_HAND),
                              icon != nullptr, NarrowText(GetDlgItem(GetWindow(window, GW_OWNER), IDC_ISBN))});
        PostMessageA(window, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
{
    Session& s = *g_session;
    HWND top = nullptr;
    for (const HWND dialog : s.dialogs) top = IsWindowVisible(dialog) ? dialog : top;   // an ending dialog is hidden
    if (++s.idleTicks == 500) ADD_FAILURE() << "the dialogs stopped answering";
    if (IsWindow(s.box) || top == nullptr) return;
    if (s.done || s.idleTicks >= 500) {
        s.done = true;
        EndDialog(top, -1);
    } else if (GetForegroundWindow() != top) {
        SetForegroundWindow(top);   // without a window manager, Wine may leave it elsewhere when a box goes
    } else if (IsChild(top, GetFocus())) {
        s.idleTicks = 0;
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
    input.ki = {key, unit, flags, 0, 0};
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

void Ui::Type(std::string_view text)
{
    std::vector<INPUT> keys;
    for (const char c : text) {
        keys.push_back(Key(0, KEYEVENTF_UNICODE, static_cast<WORD>(c)));
        keys.push_back(Key(0, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP, static_cast<WORD>(c)));
    }
    Send(keys, *this);
}

void Ui::Click(int id)
{
    SendMessageA(top, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(top, id)), TRUE);
    Press(VK_SPACE);
}

std::string Ui::Text(int id) const
{
    return NarrowText(GetDlgItem(top, id));
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
    if (data != nullptr) GlobalUnlock(data);
    CloseClipboard();
    return text;
}
