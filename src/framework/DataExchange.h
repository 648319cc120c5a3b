// Dialog data exchange: moves values between a dialog's controls and its members, in the
// direction m_bSaveAndValidate gives, and binds controls to member objects.
#pragma once
#include <windows.h>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate, BOOL bBindControls, BOOL bBindOnly = FALSE)
        : m_bSaveAndValidate(bSaveAndValidate), m_bBindControls(bBindControls), m_bBindOnly(bBindOnly),
          m_pDlgWnd(pDlgWnd) {}
    // The window of control nIDC in the dialog.
    HWND PrepareCtrl(int nIDC) const;

    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
    BOOL m_bBindControls;     // the dialog's first exchange, which binds its controls
    BOOL m_bBindOnly;         // binds the controls and moves no values
    CWnd* m_pDlgWnd;
};

// A group of radio buttons starting at nIDC, to the index of the checked one (-1 for none).
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// A check box to 0 (clear), 1 (checked) or 2 (indeterminate).
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Attaches control nIDC to rControl by subclassing, in the dialog's first exchange only: a
// control that could not be attached then stays a plain control for the dialog's life.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
