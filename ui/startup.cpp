// The program's own start-up, in place of the C runtime's: nothing in the program
// uses the runtime, so there is nothing of it to set up. WinMain gets what the
// runtime's start-up would give it, and its result becomes the exit code.
#include <windows.h>

namespace {

// The command line after the program's name (quoted or not) and the blanks that
// follow it, as the runtime hands it to WinMain.
char* CommandLineTail()
{
    auto* line = reinterpret_cast<unsigned char*>(GetCommandLineA());
    if (*line == '"') {
        ++line;
        while (*line != '\0' && *line != '"') ++line;
        if (*line == '"') ++line;
    } else {
        while (*line > ' ') ++line;
    }
    while (*line != '\0' && *line <= ' ') ++line;
    return reinterpret_cast<char*>(line);
}

// How the starting process asked for the first window to be shown.
int ShowState()
{
    STARTUPINFOA startup;
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : SW_SHOWDEFAULT;
}

}   // namespace

extern "C" [[noreturn]] void QuenzelStart()
{
    ExitProcess(static_cast<UINT>(WinMain(GetModuleHandleA(nullptr), nullptr, CommandLineTail(), ShowState())));
}
