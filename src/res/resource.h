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
// What a display-mode change came to, and the captions of those boxes
#define IDS_MESSAGE             7
#define IDS_CONFIRM             8
#define IDS_MODE_RESTART        9
#define IDS_MODE_FAILED         10
#define IDS_MODE_BADMODE        11
#define IDS_MODE_NOTUPDATED     12
#define IDS_MODE_BADFLAGS       13
#define IDS_MODE_UNHANDLED      14
// A refresh test whose rate can only take effect after a restart
#define IDS_TEST_NEEDS_RESTART  15

// Controls of the settings page
#define IDC_REFRESH_SLIDER      1005
#define IDC_RATE_LABEL          1008
#define IDC_LOGO                1026
#define IDC_REFRESH_TEST        1027
#define IDC_ENHPER              1028
#define IDC_NORMAL              1029
#define IDC_FAST                1030
