// Resource identifiers of display-properties.exe.
#pragma once
#define IDD_HOST_SETTINGS   100
#define IDC_HOST_AREA       102
#define IDC_HOST_COLORS     103
// The options text, kept in usage.txt so that tools/demo can list it without running this program
#define IDR_HOST_USAGE      104
// Strings, kept clear of the product's string table, which the test programs link beside them.
#define IDS_HOST_CAPTION    200
#define IDS_HOST_AREA       201
#define IDS_HOST_TRUE_COLOR 202
#define IDS_HOST_COLORS     203
