#include "DialogDlg.h"
#include <new>
#include "res/resource.h"

IMPLEMENT_DYNCREATE(CDialogDlg, CPropertyPage)

CDialogDlg::CDialogDlg() : CPropertyPage(IDD_SETTINGS_PAGE) {}

CDialogDlg::~CDialogDlg() = default;
