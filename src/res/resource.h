// Resource identifiers of tavrolin.dll, shared by the resource script and the code.
#pragma once

// Dialog templates
#define IDD_SETTINGS_PAGE       148
#define IDD_CONFIRM_RATE        153

// Bitmaps and icons
#define IDI_PAGE_ICON           128
#define IDB_LOGO                152
#define IDI_CONFIRM            156

// String table
#define IDS_CAPTION             1
#define IDS_RESTART             2
#define IDS_REFRESH_WARNING     3
#define IDS_REFRESH_RESTORED    4
#define IDS_HZ                  5
#define IDS_SINGLE_RATE         6

// Controls of the settings page
#define IDC_REFRESH_SLIDER      1005
#define IDC_RATE_LABEL          1008
#define IDC_LOGO                1026
#define IDC_REFRESH_TEST        1027
#define IDC_ENHPER              1028
#define IDC_NORMAL              1029
#define IDC_FAST                1030
