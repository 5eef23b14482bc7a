// Control identifiers shared by the resource script and the dialog code. The
// dialog and icon names are strings, not numbers, and are not defined here.
#pragma once

#define IDC_OLD2NEW   100
#define IDC_NEW2OLD   101
#define IDC_INPUT     102
#define IDC_ISBN      103
#define IDC_COPY_ISBN 104
#define IDC_ASIN      105
#define IDC_COPY_ASIN 106
#define IDC_CLEAR     107
