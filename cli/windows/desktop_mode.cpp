#include "desktop_mode.h"

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string_view>
#include <utility>

#include "clipboard_session.h"
#include "desktop_texts.h"
#include "drop_session.h"

namespace {

Cancellation g_cancellation;

// Ctrl+C stops the session between two reads; when the window closes the process
// ends anyway; from Vista on, the system then deletes a half-written result (see
// dropped_file.cpp).
BOOL WINAPI OnControlEvent(DWORD)
{
    g_cancellation.requested = true;
    return TRUE;
}

class WindowsConsole : public Console {
public:
    void Write(std::wstring_view text) override
    {
        DWORD written = 0;
        WriteConsoleW(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }

    bool ReadLine(std::wstring& line) override
    {
        const bool read = ReadTypedLine(line);
        answeredAt_ = GetTickCount();
        return read;
    }

    // An Enter pressed twice after an answer must not close the summary unread: what
    // arrives within half a second of the answer is discarded with the rest.
    void DiscardTypedAhead() override
    {
        const DWORD since = GetTickCount() - answeredAt_;
        if (since < kDoubleEnterMs) Sleep(kDoubleEnterMs - since);
        FlushConsoleInputBuffer(GetStdHandle(STD_INPUT_HANDLE));
    }

private:
    static constexpr DWORD kDoubleEnterMs = 500;

    static bool ReadTypedLine(std::wstring& line)
    {
        line.clear();
        wchar_t typed[256];
        for (;;) {
            DWORD count = 0;
            if (!ReadConsoleW(GetStdHandle(STD_INPUT_HANDLE), typed, 256, &count, nullptr) || count == 0) return false;
            line.append(typed, count);
            const std::size_t end = line.find(L'\n');
            if (end != std::wstring::npos) {
                line.resize(end > 0 && line[end - 1] == L'\r' ? end - 1 : end);
                return true;
            }
        }
    }

    DWORD answeredAt_ = 0;
};

// Keeps the window until the user has read it: keys pressed meanwhile do not count.
int KeepUntilEnter(int status, Console& console)
{
    console.DiscardTypedAhead();
    console.Write(kPressEnterText);
    std::wstring ignored;
    console.ReadLine(ignored);
    return status;
}

}   // namespace

bool StartedFromExplorer(int argc, char** argv)
{
    if (argc > 1) {
        const std::string_view first = argv[1];
        if (first == "to13" || first == "to10" || first == "--help" || first == "--version") return false;
    }
    DWORD processes[2];
    DWORD mode = 0;
    return GetConsoleProcessList(processes, 2) == 1 && GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) &&
           GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode);
}

int RunFromExplorer()
{
    SetConsoleCtrlHandler(OnControlEvent, TRUE);
    WindowsConsole console;
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::wstring> paths;
    if (argv != nullptr && argc > 1) paths.assign(argv + 1, argv + argc);
    LocalFree(argv);
    return RunDesktopSession(std::move(paths), console, g_cancellation);
}

int RunDesktopSession(std::vector<std::wstring> paths, Console& console, Cancellation& cancellation)
{
    const wchar_t* note = nullptr;
    if (paths.empty()) {
        ClipboardSessionEnd end = RunClipboardSession(console, cancellation);
        if (end.status) return KeepUntilEnter(*end.status, console);
        if (end.closed) return 0;
        note = end.refusal;
        paths = std::move(end.paths);
        if (!paths.empty()) console.Write(L"\n");
    }
    const std::optional<int> status = RunDropSession(std::move(paths), note, console, cancellation);
    return status ? KeepUntilEnter(*status, console) : 0;
}
