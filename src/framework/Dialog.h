// CDialog: a dialog box from a template in the module's resources, run modally by DoModal or
// created by a property sheet as a page (CPropertyPage).
#pragma once
#include "DataExchange.h"
#include "Wnd.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Runs the dialog modally; returns the code passed to EndDialog, or -1 when it cannot be made.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }
    // Runs the data exchange: bSaveAndValidate TRUE reads the controls, FALSE fills them.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    // The first exchange's binding of the controls to member objects alone, moving no values.
    void BindControls();

    // Arranges that the next dialog window this thread creates is attached to this object.
    void PrepareToAttach();
    // Withdraws that arrangement if the window was never created.
    void CancelAttach();

    LPCSTR m_lpszTemplateName;
    CWnd* m_pParentWnd;

    friend INT_PTR CALLBACK FrameworkDialogProc(HWND, UINT, WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    bool m_bModal = false;
    bool m_bControlsBound = false;  // the first exchange, which binds the controls, has run
};

// The dialog procedure of every framework dialog and page.
INT_PTR CALLBACK FrameworkDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
