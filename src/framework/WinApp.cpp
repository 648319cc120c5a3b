#include "WinApp.h"

// The image this code is linked into: the DLL in the product, the program in a test.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp::CWinApp() { g_pApp = this; }

CWinApp::~CWinApp() {
    if (g_pApp == this) g_pApp = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return m_nExitCode; }

CWinApp* AfxGetApp() { return g_pApp; }

HINSTANCE AfxGetResourceHandle() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }
