#include "Ui.h"
#include <commctrl.h>
#include "Require.h"

HWND CreateSheet(HPROPSHEETPAGE hPage) {
    PROPSHEETHEADERA psh = {};
    psh.dwSize = PROPSHEETHEADERA_V1_SIZE;
    psh.dwFlags = PSH_MODELESS;
    psh.pszCaption = "Display Properties";
    psh.nPages = 1;
    psh.phpage = &hPage;
    const INT_PTR result = ::PropertySheetA(&psh);
    Require(result > 0, "PropertySheetA failed");
    return reinterpret_cast<HWND>(result);
}
