#include "DialogDlg.h"
#include <new>
#include "driver/DriverEscape.h"
#include "framework/WinApp.h"
#include "page/RateList.h"
#include "framework/ResourceText.h"
#include "res/resource.h"
#include "settings/AdapterSettings.h"
#include "settings/RegistryKey.h"
#include "settings/SavedValue.h"
#include "settings/ScreenFormat.h"

IMPLEMENT_DYNCREATE(CDialogDlg, CPropertyPage)

BEGIN_MESSAGE_MAP(CDialogDlg, CPropertyPage)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_NORMAL, IDC_FAST, CDialogDlg::OnSettingClicked)
    ON_WM_PAINT()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_QUERYDRAGICON()
    ON_WM_HSCROLL()
    ON_CONTROL_RANGE(BN_CLICKED, IDC_ENHPER, IDC_ENHPER, CDialogDlg::OnSettingClicked)
    ON_BN_CLICKED(IDC_REFRESH_TEST, CDialogDlg::OnRefreshTest)
END_MESSAGE_MAP()

int CDialogDlg::s_nPages = 0;

CDialogDlg::CDialogDlg()
    : CPropertyPage(IDD_SETTINGS_PAGE),
      m_logo(IDB_LOGO),
      m_slider(IDC_RATE_LABEL),
      m_bEnhPer(0),
      m_nClockSpeed(-1),
      m_hIcon(nullptr),
      m_currentMode(0, 0, 0, 0),
      m_bRateChosen(FALSE),
      m_nUntouchedPos(0),
      m_bTestRunning(FALSE),
      m_bCancelledInTest(FALSE),
      m_bRestartChosen(FALSE),
      m_bDriverLookedUp(FALSE) {
    ++s_nPages;
}

CDialogDlg::~CDialogDlg() {
    // Two pages can be open at once and share the settings object; it goes with the last page.
    if (--s_nPages == 0) {
        delete g_pAdapterSettings;
        g_pAdapterSettings = nullptr;
    }
}

void CDialogDlg::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_NORMAL, m_nClockSpeed);
    DDX_Check(pDX, IDC_ENHPER, m_bEnhPer);
    DDX_Control(pDX, IDC_REFRESH_SLIDER, m_slider);
    DDX_Control(pDX, IDC_REFRESH_TEST, m_btnRefreshTest);
    DDX_Control(pDX, IDC_LOGO, m_logo);
}

BOOL CDialogDlg::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_PAGE_ICON));
    // A page's window shows no icon of its own; it is set as a stand-alone dialog's would be.
    // The small one first: a window given only a big icon gets a small copy made of it, which
    // the small icon would replace at once.
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    InitSettings();
    return TRUE;
}

void CDialogDlg::InitSettings() {
    m_logo.FitToBitmap();
    // Each initialisation searches the device list afresh. The old object goes only once the
    // new one exists: a test running on another page goes on with whichever is there.
    if (CAdapterSettings* pNew = new (std::nothrow) CAdapterSettings(64)) {
        delete g_pAdapterSettings;
        g_pAdapterSettings = pNew;
    }
    if (!g_pAdapterSettings) return;
    // Both values come from the one key, looked up and opened once for the two.
    CRegistryKey values;
    m_bDriverLookedUp = TRUE;
    if (!g_pAdapterSettings->OpenValueKey(values, KEY_READ)) return;
    int nEnhPer;
    if (g_pAdapterSettings->GetEnhPer(values, &nEnhPer)) m_bEnhPer = nEnhPer != 0;
    g_pAdapterSettings->GetMclkFast(values, &m_nClockSpeed);
}

BOOL CDialogDlg::OnSetActive() {
    QueryDriverRates();
    return CPropertyPage::OnSetActive();
}

void CDialogDlg::QueryDriverRates() {
    CAdapterSettings* pSettings = g_pAdapterSettings;
    // The driver reads "RefreshRate" while it answers; -1 asks it for what it really offers.
    // Whatever was stored before, or nothing, is put back afterwards, all through the key the
    // saved value holds.
    CSavedValue saved;
    if (pSettings && pSettings->SaveRefreshRate(saved, !m_bDriverLookedUp)) pSettings->SetRefreshRate(saved.Key(), -1);
    m_bDriverLookedUp = FALSE;
    CDriverEscape escape(nullptr);
    escape.QueryRefresh();
    if (pSettings) pSettings->RestoreRefreshRate(saved);

    int nBitsPerPixel = 0, nWidth = 0, nHeight = 0;
    GetScreenFormat(escape.GetDeviceContext(), &nBitsPerPixel, &nWidth, &nHeight);
    const RefreshEscapeRecord& reply = escape.Reply();
    m_currentMode = DisplayMode(nBitsPerPixel, nWidth, nHeight, reply.wRefreshRate);

    // Nothing reads the mode table back; it is kept filled as the settings object's own.
    if (pSettings) pSettings->ClearModes();
    CRateList rates(MAX_LISTED_RATES);
    const int nOffered = CountOfferedRates(reply);
    for (int i = 0; i < nOffered; ++i) {
        const int nRate = escape.GetListedRate(i);
        if (pSettings) pSettings->AddMode(DisplayMode(nBitsPerPixel, nWidth, nHeight, nRate));
        rates.Append(nRate);
    }
    m_slider.SetList(rates);
    SyncSliderToMode();
    EnableControl(m_slider, rates.GetCount() > 1);
    // The thumb now shows the rate in force, or, when that rate is not offered, wherever the
    // trackbar left it: neither is a rate the user asked to try.
    MarkThumbUntouched();
    EnableControl(m_btnRefreshTest, FALSE);
}

void CDialogDlg::MarkThumbUntouched() {
    m_nUntouchedPos = m_slider.GetPos();
    m_bRateChosen = FALSE;
}

void CDialogDlg::EnableControl(CWnd& control, BOOL bEnable) {
    // A control that is already so is left alone: disabling one, even a disabled one, sends it
    // a cancel-mode message and a new style, and neither the page nor the dialog manager ever
    // gives the focus to a disabled control.
    if (!control.IsWindowEnabled() == !bEnable) return;
    // A disabled window keeps the focus but takes no keys: Tab, Enter and Esc would be dead.
    // The sheet's dialog manager moves it, to the slider or else to the next control in turn.
    if (!bEnable && ::GetFocus() == control.m_hWnd) {
        const bool toSlider = &control != &m_slider && m_slider.IsWindowEnabled();
        ::SendMessageA(GetParent(), WM_NEXTDLGCTL, toSlider ? reinterpret_cast<WPARAM>(m_slider.m_hWnd) : 0, toSlider);
    }
    control.EnableWindow(bEnable);
}

BOOL CDialogDlg::OnKillActive() { return TRUE; }

// While a refresh test is under way the sheet's Cancel, OK and Apply are refused: its boxes
// have no owner, so they can be pressed behind them.
BOOL CDialogDlg::OnQueryCancel() { return !m_bTestRunning; }

BOOL CDialogDlg::OnApply() { return m_bTestRunning ? FALSE : CPropertyPage::OnApply(); }

// Cancel writes nothing of its own and undoes nothing: the clock speed and Enhanced Performance
// are written only by OK and Apply, but a refresh test has stored its mode changes with the
// display settings already, and each activation has written "RefreshRate" for a moment and put
// it back. The sheet asks only its current page, so a cancel can still arrive during a test, from
// another page: behind the warning the test then tries nothing, and the sheet's OK that started
// the test writes nothing.
void CDialogDlg::OnCancel() {
    if (m_bTestRunning) m_bCancelledInTest = TRUE;
}

DisplayMode CDialogDlg::GetSelectedMode() const {
    return DisplayMode(m_currentMode.bitsPerPixel, m_currentMode.width, m_currentMode.height,
                       m_slider.GetSelectedValue());
}

void CDialogDlg::SyncSliderToMode() {
    // A rate found on the slider has told the companion of the thumb's new place already; one
    // that is not leaves the thumb where it was, and the companion is told of that. (The page
    // has no companion label, IDC_RATE_LABEL being no control of it: this changes nothing.)
    m_slider.SelectValue(m_currentMode.refreshRate);
    if (!m_slider.Offers(m_currentMode.refreshRate)) m_slider.UpdateCompanion();
}

BOOL CDialogDlg::HasRateToTry() const {
    // A thumb off the list stands for no rate (0): there is nothing to try then.
    const DisplayMode selected = GetSelectedMode();
    return selected != m_currentMode && selected.refreshRate != 0;
}

void CDialogDlg::UpdateRefreshTestButton() { EnableControl(m_btnRefreshTest, HasRateToTry()); }

void CDialogDlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
    if (pScrollBar == &m_slider && m_slider.GetCount() > 1) {
        SetModified(TRUE);
        // A click or key that leaves the thumb where the page put it chooses nothing.
        if (m_slider.GetPos() != m_nUntouchedPos) m_bRateChosen = TRUE;
        if (m_bRateChosen) UpdateRefreshTestButton();
    }
    CPropertyPage::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CDialogDlg::OnSettingClicked(UINT) {
    UpdateData(TRUE);
    SetModified(TRUE);
}

void CDialogDlg::OnRefreshTest() { RunRefreshTest(); }

void CDialogDlg::OnOK() {
    if (m_bRateChosen && HasRateToTry()) {
        RunRefreshTest();
        // Cancelled from another page behind the test's boxes: the sheet keeps and asks nothing.
        if (m_bCancelledInTest) return;
    }
    // Written for the restart the test has started already: asking would offer a second one.
    if (!WriteChangedSettings() || m_bRestartChosen) return;
    const CResourceText caption(IDS_CAPTION), question(IDS_RESTART);
    if (::MessageBoxA(nullptr, question, caption, MB_YESNO | MB_ICONQUESTION) == IDYES) ::ExitWindowsEx(EWX_REBOOT, 0);
}

BOOL CDialogDlg::WriteChangedSettings() {
    CAdapterSettings* pSettings = g_pAdapterSettings;
    if (!pSettings) return FALSE;
    BOOL bWritten = FALSE;
    // Only values that could be read are compared and written; with no radio button checked
    // there is no clock-speed choice to write.
    int nStoredFast;
    if (pSettings->GetMclkFast(&nStoredFast) && m_nClockSpeed != -1 && nStoredFast != m_nClockSpeed) {
        pSettings->SetMclkFast(m_nClockSpeed);
        bWritten = TRUE;
    }
    int nStoredEnhPer;
    if (pSettings->GetEnhPer(&nStoredEnhPer) && nStoredEnhPer != m_bEnhPer) {
        pSettings->SetEnhPer(m_bEnhPer);
        bWritten = TRUE;
    }
    return bWritten;
}

// A page inside a sheet is never minimised: the icon painting and the drag icon only keep the
// behaviour of a stand-alone dialog.
void CDialogDlg::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(m_hWnd, &ps);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(hdc));
    RECT rc;
    GetClientRect(&rc);
    const int x = (rc.right - rc.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (rc.bottom - rc.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(hdc, x, y, m_hIcon);
    ::EndPaint(m_hWnd, &ps);
}

HICON CDialogDlg::OnQueryDragIcon() { return m_hIcon; }

void CDialogDlg::OnSysColorChange() {
    // Controls hear of a new colour scheme only from their parent: the trackbar and the logo
    // keep colours of the old one.
    m_slider.SendMessage(WM_SYSCOLORCHANGE);
    m_logo.SendMessage(WM_SYSCOLORCHANGE);
    Default();
}
