// CPropertyPage: one page of a property sheet. It keeps the page description the sheet is
// given (the 40-byte layout every version of the common controls accepts) and turns the
// sheet's notifications into virtual calls.
#pragma once
#include <windows.h>
#include <prsht.h>
#include "Dialog.h"

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    explicit CPropertyPage(UINT nIDTemplate);

    // Enables (TRUE) or disables the sheet's Apply button on behalf of this page.
    void SetModified(BOOL bChanged = TRUE);

    // The page is becoming active: fills the controls; FALSE keeps it from activating.
    virtual BOOL OnSetActive();
    // The page is losing activation: reads the controls; FALSE keeps it active.
    virtual BOOL OnKillActive();
    // OK or Apply was pressed: runs OnOK; FALSE keeps the sheet open on this page.
    virtual BOOL OnApply();
    // The sheet was cancelled: runs OnCancel.
    virtual void OnReset();
    // The user asks to cancel; FALSE refuses.
    virtual BOOL OnQueryCancel();

    // Makes the sheet's handle for this page. From then on the handle owns the page: releasing
    // it deletes the page. Null, with the page still the caller's, when it cannot be made.
    HPROPSHEETPAGE CreatePageHandle();

protected:
    // The page description the handle is made of; a derived page may adjust it before.
    PROPSHEETPAGEA_V1 m_psp;

    // Binds the controls. The sheet activates a page as soon as it has made it, and the
    // activation fills them: filling them here as well would only be undone.
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    static UINT CALLBACK PageCallback(HWND hWnd, UINT uMsg, LPPROPSHEETPAGEA ppsp);

    // The page object is deleted as the sheet releases its page handle.
    BOOL m_bAutoDelete = FALSE;
};
static_assert(sizeof(PROPSHEETPAGEA_V1) == 40, "the page description has the 40-byte layout");
