// Switching the display mode, and telling the user what came of it.
#include <cstring>
#include "framework/ResourceText.h"
#include "res/resource.h"
#include "settings/AdapterSettings.h"
#include "settings/MessageStream.h"

namespace {

// What the user is told when the change did not work, by ChangeDisplaySettingsA's result.
UINT FailureTextId(LONG nResult) {
    switch (nResult) {
    case DISP_CHANGE_FAILED: return IDS_MODE_FAILED;
    case DISP_CHANGE_BADMODE: return IDS_MODE_BADMODE;
    case DISP_CHANGE_NOTUPDATED: return IDS_MODE_NOTUPDATED;
    case DISP_CHANGE_BADFLAGS: return IDS_MODE_BADFLAGS;
    default: return IDS_MODE_UNHANDLED;
    }
}

}  // namespace

LONG CAdapterSettings::SwitchMode(const DisplayMode* pNew, const DisplayMode* pOld, BOOL bOfferRestart) {
    std::memset(&m_devMode, 0, sizeof m_devMode);
    m_devMode.dmSize = kDevModeSize95;
    m_devMode.dmBitsPerPel = pNew->bitsPerPixel;
    m_devMode.dmPelsWidth = pNew->width;
    m_devMode.dmPelsHeight = pNew->height;
    m_devMode.dmDisplayFrequency = pNew->refreshRate;
    if (pNew->bitsPerPixel != pOld->bitsPerPixel) m_devMode.dmFields |= DM_BITSPERPEL;
    // The resolution is asked for as a pair, by the widths alone.
    if (pNew->width != pOld->width) m_devMode.dmFields |= DM_PELSWIDTH | DM_PELSHEIGHT;
    if (pNew->refreshRate != pOld->refreshRate) m_devMode.dmFields |= DM_DISPLAYFREQUENCY;

    const LONG nResult = ChangeDisplaySettingsA(&m_devMode, CDS_UPDATEREGISTRY);
    if (nResult == DISP_CHANGE_SUCCESSFUL || (nResult == DISP_CHANGE_RESTART && !bOfferRestart)) return nResult;

    CMessageStream stream(nullptr);
    if (nResult == DISP_CHANGE_RESTART) {
        // One text: the reason, a line break, the question.
        stream << CResourceText(IDS_MODE_RESTART);
        if (ShowMessage(stream, CResourceText(IDS_CONFIRM), MB_YESNO) == IDYES) ExitWindowsEx(EWX_REBOOT, 0);
    } else {
        stream << CResourceText(FailureTextId(nResult));
        ShowMessage(stream, CResourceText(IDS_MESSAGE), MB_OK);
    }
    return nResult;
}
