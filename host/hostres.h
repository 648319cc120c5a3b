// Resource identifiers of display-properties.exe.
#pragma once
#define IDD_HOST_SETTINGS   100
#define IDC_HOST_AREA       102
#define IDC_HOST_COLORS     103
