// The mode-selection dialog, driven with real keys, and the program as a process.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conversion_test_support.h"
#include "main_dialog.h"
#include "messages.h"
#include "resource_ids.h"
#include "ui_conversion_test_support.h"
#include "ui_driver.h"

namespace {

const std::wstring kMainCaption = L"Dovrant";
const std::wstring& kOld2NewCaption = kOld2New.caption;
const std::wstring& kNew2OldCaption = kNew2Old.caption;

TEST(Environment, AnsiCodePageIs932)
{
    // Every narrow text is compared byte for byte as Shift-JIS; any other code page
    // would turn the comparisons into noise.
    ASSERT_EQ(GetACP(), 932u) << "run the tests with LC_ALL=ja_JP.UTF-8 (cmake/wine-run.sh does)";
}

TEST(MainDialog, StartsOnOld2NewAndEnterOpensTheCheckedDirection)
{
    const auto expectTop = [](const std::wstring& caption) {
        return [caption](HWND top) { EXPECT_EQ(Caption(top), caption); };
    };
    DialogScript script;
    script
        .Then([](HWND main) {
            EXPECT_TRUE(IsChecked(main, IDC_OLD2NEW));
            EXPECT_FALSE(IsChecked(main, IDC_NEW2OLD));
            EXPECT_EQ(FocusedId(), IDC_OLD2NEW);
            PressKey(VK_RETURN);
        })
        .Then(expectTop(kOld2NewCaption))
        .Then([](HWND) { PressKey(VK_ESCAPE); })
        .Then(expectTop(kMainCaption))
        .Then([](HWND) { PressKey(VK_DOWN); })   // the arrow moves through the radio group and checks
        .Then([](HWND main) {
            EXPECT_FALSE(IsChecked(main, IDC_OLD2NEW));
            EXPECT_TRUE(IsChecked(main, IDC_NEW2OLD));
            PressKey(VK_RETURN);
        })
        .Then(expectTop(kNew2OldCaption))
        .Then([](HWND) { PressKey(VK_ESCAPE); })
        .Then([](HWND) { PressKey(VK_RETURN); })
        .Then(expectTop(kNew2OldCaption))
        .Then([](HWND) { PressKey(VK_ESCAPE); })
        .Then(expectTop(kMainCaption));
    const ScriptRun& run = script.Run("IDD_DIALOG", MainDialogProc);
    EXPECT_EQ(run.opened, (std::vector<std::wstring>{kMainCaption, kOld2NewCaption, kNew2OldCaption, kNew2OldCaption}));
    EXPECT_TRUE(run.boxes.empty());
}

TEST(MainDialog, NeitherDirectionCheckedShowsTheUnexpectedErrorAndOpensNothing)
{
    DialogScript script;
    script.Then([](HWND main) {
        SendDlgItemMessageA(main, IDC_OLD2NEW, BM_SETCHECK, BST_UNCHECKED, 0);
        PressKey(VK_RETURN);
    });
    const ScriptRun& run = script.Run("IDD_DIALOG", MainDialogProc);
    EXPECT_EQ(run.opened, std::vector<std::wstring>{kMainCaption});
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(Printable(run.boxes[0].caption), Printable(ErrorCaption));
    EXPECT_EQ(Printable(run.boxes[0].text), Printable(UnexpectedErrorMessage));
    EXPECT_TRUE(run.boxes[0].errorIcon);
}

TEST(MainDialog, EveryWayOfClosingEndsWithZero)
{
    struct Row {
        const char* way;
        void (*close)(HWND);
    };
    const Row kRows[] = {
        {"Esc", [](HWND) { PressKey(VK_ESCAPE); }},
        {"Alt+F4", [](HWND) { PressKey(VK_F4, VK_MENU); }},
        {"space on the quit button",
         [](HWND main) {
             FocusItem(main, IDCANCEL);
             PressKey(VK_SPACE);
         }},
        {"system menu close", [](HWND main) { PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.way);
        DialogScript script;
        script.Then(row.close);
        const ScriptRun& run = script.Run("IDD_DIALOG", MainDialogProc);
        EXPECT_EQ(run.returned, 0);
        EXPECT_TRUE(run.boxes.empty());
    }
}

// The real executable: its dialog must be the process's one visible ownerless
// window, and closing it must end the process with exit code 0.
struct ProgramWindow {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectProgramWindow(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<ProgramWindow*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == search->processId && IsWindowVisible(window) && GetWindow(window, GW_OWNER) == nullptr) {
        search->found.push_back(window);
    }
    return TRUE;
}

TEST(ProgramProcess, ClosingTheDialogEndsTheProgramWithZero)
{
    struct Row {
        const char* way;
        UINT message;
        WPARAM command;
    };
    const Row kRows[] = {
        {"quit command", WM_COMMAND, IDCANCEL},
        {"system menu close", WM_SYSCOMMAND, SC_CLOSE},
    };
    std::string program = ProgramPath();
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.way);
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        ASSERT_TRUE(CreateProcessA(program.c_str(), program.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &startup, &process))
            << program;
        ProgramWindow search{process.dwProcessId, {}};
        for (int tries = 0; tries < 200 && search.found.empty(); ++tries) {
            Sleep(50);
            EnumWindows(CollectProgramWindow, reinterpret_cast<LPARAM>(&search));
        }
        EXPECT_EQ(search.found.size(), 1u);
        if (!search.found.empty()) {
            EXPECT_EQ(Caption(search.found[0]), kMainCaption);
            PostMessageA(search.found[0], row.message, row.command, 0);
        }
        const bool ended = WaitForSingleObject(process.hProcess, 5000) == WAIT_OBJECT_0;
        EXPECT_TRUE(ended) << "the program did not end; killed";
        if (!ended) TerminateProcess(process.hProcess, 1);
        DWORD exitCode = 1;
        GetExitCodeProcess(process.hProcess, &exitCode);
        if (ended) {
            EXPECT_EQ(exitCode, 0u);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

}  // namespace
