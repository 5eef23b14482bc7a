// The two conversion dialogs as rows: everything a test needs to know about a direction.
#pragma once

#include <windows.h>

#include <string>

#include "conversion_dialog.h"
#include "dialog_controls.h"

struct Direction {
    const char* name;
    const char* templateName;
    DLGPROC proc;
    const DialogControls* controls;
    std::wstring caption;
    const char* narrowCaption;   // code page 932
    int inputLimit;
    const char* sample;          // an input that converts, and what it gives
    const char* sampleIsbn;
    const char* sampleAsin;
    bool noticeAfterSuccess;
};

inline const Direction kOld2New = {
    "old2new", "IDD_OLD2NEW", Old2NewDialogProc, &g_old2NewControls, L"10\u6841\u219213\u6841",
    "10\x8c\x85\x81\xa8" "13\x8c\x85", 13, "0-306-40615-2", "978-0-306-40615-7", "0306406152", true};

inline const Direction kNew2Old = {
    "new2old", "IDD_NEW2OLD", New2OldDialogProc, &g_new2OldControls, L"13\u6841\u219210\u6841",
    "13\x8c\x85\x81\xa8" "10\x8c\x85", 17, "978-0-8044-2957-3", "0-8044-2957-X", "080442957X", false};
