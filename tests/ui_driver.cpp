#include "ui_driver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "dialog_controls.h"
#include "resource_ids.h"

namespace {

constexpr UINT kTickMs = 15;
constexpr UINT kWatchdogMs = 10000;
constexpr int kBoxIconId = 1088;   // the icon control of the system's message box

struct ScriptState {
    DialogScript* script;
    std::vector<HWND> dialogs;   // the program's dialogs, in order of first activation
    HWND box = nullptr;          // the message box last seen
    bool inStep = false;
    bool abandoned = false;
    UINT_PTR watchdog = 0;
};
ScriptState* g_state = nullptr;

bool HasClass(HWND window, const char* name)
{
    char text[64] = {};
    GetClassNameA(window, text, sizeof text);
    return lstrcmpiA(text, name) == 0;
}

HWND TopDialog()
{
    for (auto it = g_state->dialogs.rbegin(); it != g_state->dialogs.rend(); ++it) {
        if (IsWindow(*it)) return *it;
    }
    return nullptr;
}

void RecordAndCloseBox(HWND box)
{
    BoxSeen seen;
    seen.caption = NarrowCaption(box);
    seen.text = ItemText(box, 0xFFFF);
    // The box always has its icon control; only the image tells the error box apart.
    const auto icon = reinterpret_cast<HICON>(SendDlgItemMessageA(box, kBoxIconId, STM_GETICON, 0, 0));
    seen.anyIcon = icon != nullptr;
    seen.errorIcon = icon != nullptr && icon == LoadIconA(nullptr, IDI_HAND);
    const HWND owner = GetWindow(box, GW_OWNER);
    seen.input = ItemText(owner, IDC_INPUT);
    seen.isbn = ItemText(owner, IDC_ISBN);
    seen.asin = ItemText(owner, IDC_ASIN);
    g_state->script->run.boxes.push_back(seen);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam)
{
    const auto window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && g_state != nullptr && window != nullptr && HasClass(window, "#32770")) {
        std::vector<HWND>& dialogs = g_state->dialogs;
        if (GetWindowLongPtrA(window, GWLP_HINSTANCE) == reinterpret_cast<LONG_PTR>(g_hInstance)) {
            if (std::find(dialogs.begin(), dialogs.end(), window) == dialogs.end()) {
                dialogs.push_back(window);
                g_state->script->run.opened.push_back(Caption(window));
            }
        } else if (window != g_state->box) {
            g_state->box = window;
            RecordAndCloseBox(window);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_state == nullptr || g_state->inStep || IsWindow(g_state->box)) return;
    const HWND top = TopDialog();
    if (top == nullptr) return;
    ScriptRun& run = g_state->script->run;
    const auto& steps = g_state->script->steps;
    if (g_state->abandoned || run.stepsDone == steps.size()) {
        EndDialog(top, kEndedByScript);
        return;
    }
    // Without a window manager, Wine may hand the foreground to the desktop when a
    // message box's X window goes away; keys sent then would be lost.
    if (GetForegroundWindow() != top) {
        SetForegroundWindow(top);
        return;
    }
    if (!IsChild(top, GetFocus())) return;
    g_state->inStep = true;
    const auto& step = steps[run.stepsDone++];
    if (!step(top)) --run.stepsDone;
    g_state->inStep = false;
}

void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_state == nullptr) return;
    if (!g_state->abandoned) {
        ADD_FAILURE() << "the dialog script hung after step " << g_state->script->run.stepsDone;
        g_state->abandoned = true;
        g_state->watchdog = SetTimer(nullptr, g_state->watchdog, 500, Watchdog);
    }
    if (IsWindow(g_state->box)) {
        PostMessageA(g_state->box, WM_COMMAND, IDOK, 0);
    } else if (const HWND top = TopDialog()) {
        EndDialog(top, kEndedByScript);
    }
}

BOOL CALLBACK CollectHint(HWND window, LPARAM lParam)
{
    auto* found = reinterpret_cast<std::pair<HWND, std::vector<HWND>>*>(lParam);
    if (GetWindow(window, GW_OWNER) == found->first && HasClass(window, TOOLTIPS_CLASSA)) {
        found->second.push_back(window);
    }
    return TRUE;
}

// The dialog code loads templates and icon from g_hInstance: here the test
// executable, which carries the program's resources.
class ProgramInstance : public ::testing::Environment {
    void SetUp() override { g_hInstance = GetModuleHandleA(nullptr); }
};
[[maybe_unused]] ::testing::Environment* const kProgramInstance =
    ::testing::AddGlobalTestEnvironment(new ProgramInstance);

}  // namespace

DialogScript& DialogScript::Then(std::function<void(HWND)> step)
{
    steps.push_back([step = std::move(step)](HWND top) {
        step(top);
        return true;
    });
    return *this;
}

DialogScript& DialogScript::Until(std::function<bool(HWND)> step)
{
    steps.push_back(std::move(step));
    return *this;
}

const ScriptRun& DialogScript::Run(const char* templateName, DLGPROC proc)
{
    run = ScriptRun{};
    ScriptState state{this, {}};
    g_state = &state;
    const HHOOK hook = SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
    const UINT_PTR tick = SetTimer(nullptr, 0, kTickMs, Tick);
    state.watchdog = SetTimer(nullptr, 0, kWatchdogMs, Watchdog);
    run.returned = DialogBoxParamA(g_hInstance, templateName, nullptr, proc, 0);
    KillTimer(nullptr, tick);
    KillTimer(nullptr, state.watchdog);
    UnhookWindowsHookEx(hook);
    g_state = nullptr;
    EXPECT_EQ(run.stepsDone, steps.size()) << templateName << " closed before its script ended";
    return run;
}

std::vector<BoxSeen> DialogScript::TakeBoxes()
{
    std::vector<BoxSeen> taken;
    taken.swap(run.boxes);
    return taken;
}

void PressKey(WORD virtualKey, WORD modifier)
{
    std::vector<INPUT> inputs;
    const auto add = [&inputs](WORD key, DWORD flags) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    if (modifier != 0) add(modifier, 0);
    add(virtualKey, 0);
    add(virtualKey, KEYEVENTF_KEYUP);
    if (modifier != 0) add(modifier, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void TypeText(std::string_view ascii)
{
    std::wstring wide;
    for (const char c : ascii) wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
    TypeText(wide);
}

void TypeText(std::wstring_view text)
{
    std::vector<INPUT> inputs;
    for (const wchar_t c : text) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = static_cast<WORD>(c);
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(input);
        input.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::string NarrowCaption(HWND window)
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring Caption(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string ItemText(HWND dialog, int id)
{
    const HWND item = GetDlgItem(dialog, id);
    return item != nullptr ? NarrowCaption(item) : std::string();
}

int FocusedId()
{
    return GetDlgCtrlID(GetFocus());
}

void FocusItem(HWND dialog, int id)
{
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
}

bool IsChecked(HWND dialog, int id)
{
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::vector<HintSeen> OwnedHints(HWND dialog)
{
    std::pair<HWND, std::vector<HWND>> found{dialog, {}};
    EnumWindows(CollectHint, reinterpret_cast<LPARAM>(&found));
    std::vector<HintSeen> hints;
    for (const HWND tooltip : found.second) {
        HintSeen hint{tooltip, SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), nullptr, {}};
        char text[1024] = {};
        TTTOOLINFOA tool = {};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.lpszText = text;
        if (SendMessageA(tooltip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool)) != 0) {
            hint.control = reinterpret_cast<HWND>(tool.uId);
            text[0] = '\0';
            tool.lpszText = text;
            SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
            hint.text = text;
        }
        hints.push_back(hint);
    }
    return hints;
}

std::string ClipboardText()
{
    std::string text;
    if (!OpenClipboard(nullptr)) return "(clipboard busy)";
    if (const HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = bytes;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void SetClipboardText(const std::string& text)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

std::string ProgramPath()
{
    char path[MAX_PATH] = {};
    const std::string self(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return self.substr(0, self.find_last_of('\\') + 1) + "Quenzel.exe";
}
