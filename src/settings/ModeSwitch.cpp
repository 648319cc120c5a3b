// Switching the display mode, and telling the user what came of it.
#include <cstring>
#include "settings/AdapterSettings.h"
#include "settings/MessageStream.h"

namespace {

// What the user is told when the change did not work, by ChangeDisplaySettingsA's result.
const char* FailureText(LONG nResult) {
    switch (nResult) {
    case DISP_CHANGE_FAILED: return "The display driver failed the specified graphics mode.";
    case DISP_CHANGE_BADMODE: return "The graphics mode is not supported.";
    case DISP_CHANGE_NOTUPDATED: return "Windows NT only: Unable to write settings to the registry.";
    case DISP_CHANGE_BADFLAGS: return "An invalid set of flags was passed in.";
    default: return "Unhandled return code.";
    }
}

}  // namespace

BOOL CAdapterSettings::SwitchMode(const DisplayMode* pNew, const DisplayMode* pOld) {
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
    if (nResult == DISP_CHANGE_SUCCESSFUL) return TRUE;

    CMessageStream stream(nullptr);
    if (nResult == DISP_CHANGE_RESTART) {
        stream << "The Windows must be restarted in order for the video mode to work.\n"
               << "Do you want to restart Windows?";
        if (ShowMessage(stream, "Confirm", MB_YESNO) == IDYES) ExitWindowsEx(EWX_REBOOT, 0);
    } else {
        stream << FailureText(nResult);
        ShowMessage(stream, "Message", MB_OK);
    }
    return TRUE;
}
