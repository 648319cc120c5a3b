// CDialogDlg: the adapter's settings page in the Display Properties sheet.
#pragma once
#include "framework/PropertyPage.h"

class CDialogDlg : public CPropertyPage {
    DECLARE_DYNCREATE(CDialogDlg)
public:
    CDialogDlg();
    ~CDialogDlg() override;
};
