// The module's application object and the module-wide framework state.
#pragma once
#include <windows.h>

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Runs when the module is loaded; FALSE fails the load.
    virtual BOOL InitInstance();
    // Runs when the module is unloaded; returns the exit code.
    virtual int ExitInstance();

    int m_nExitCode = 0;
};

// The module's one application object, or nullptr before it is constructed.
CWinApp* AfxGetApp();
// The module whose resources (templates, strings, bitmaps, icons) the framework loads from:
// the module this code is linked into.
HINSTANCE AfxGetResourceHandle();
