// Thin wrappers of the standard controls the pages bind by subclassing.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include "Wnd.h"

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
};

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
};

class CSliderCtrl : public CWnd {
    DECLARE_DYNAMIC(CSliderCtrl)
public:
    int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
    void SetPos(int nPos) { SendMessage(TBM_SETPOS, TRUE, nPos); }
};
