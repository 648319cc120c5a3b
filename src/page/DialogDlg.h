// CDialogDlg: the adapter's settings page in the Display Properties sheet. It shows the video
// clock speed and Enhanced Performance stored under the adapter's driver key, and the refresh
// rates the display driver offers, and tries a new rate live with the refresh test.
//
// DialogDlg.cpp holds the page itself; RefreshTest.cpp holds the refresh test (RunRefreshTest
// and SwitchTo), the one part with a sequence of its own: the mode change, the ten seconds to
// keep it, and the way back.
#pragma once
#include "framework/Controls.h"
#include "framework/PropertyPage.h"
#include "page/BitmapStatic.h"
#include "page/RefreshSlider.h"
#include "settings/DisplayMode.h"


class CDialogDlg : public CPropertyPage {
    DECLARE_DYNCREATE(CDialogDlg)
public:
    CDialogDlg();
    ~CDialogDlg() override;

private:
    // The members in their declared order. Public are only the controls the benchmarks time the
    // painting of, and the mode the page takes as in force, which the hostile-input test holds the
    // driver and the display to after every refresh test.
    CButton m_btnRefreshTest;

public:
    CTransparentBitmapStatic m_logo;
    CRefreshSlider m_slider;

private:
    int m_bEnhPer;
    int m_nClockSpeed;  // 0 Normal, 1 Fast, -1 neither
    HICON m_hIcon;

public:
    DisplayMode m_currentMode;

private:
    // The user moved the thumb away from where the page last marked it untouched (on activation
    // or after a test); only then do OK and Apply try the slider's rate.
    BOOL m_bRateChosen;
    // Where the thumb stood when the page last marked it untouched.
    int m_nUntouchedPos;
    // A refresh test is under way; its message boxes have no owner, so the page stays usable.
    BOOL m_bTestRunning;
    // The sheet was cancelled (from another page) while the last test ran: it keeps nothing.
    BOOL m_bCancelledInTest;
    // The user chose to restart into a rate the last test could not try: Windows is restarting.
    BOOL m_bRestartChosen;
    // The page's initialisation has just looked the driver key up: the activation that follows
    // it at once takes that lookup instead of making it again.
    BOOL m_bDriverLookedUp;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnApply() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    BOOL OnQueryCancel() override;

    // A clock-speed button or Enhanced Performance was clicked.
    void OnSettingClicked(UINT nID);
    void OnPaint();
    void OnSysColorChange();
    HICON OnQueryDragIcon();
    void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    void OnRefreshTest();

    DECLARE_MESSAGE_MAP()

private:
    // The mode in force with the slider's rate (0 when the thumb is off the list).
    DisplayMode GetSelectedMode() const;
    // Moves the slider back to the rate in force.
    void SyncSliderToMode();
    // Puts the slider's rate in force, asks whether to keep it, and puts the old one back if not.
    void RunRefreshTest();
    void InitSettings();
    // Reads the driver's current and offered rates into m_currentMode, the mode table and the slider.
    void QueryDriverRates();
    // Writes the clock speed and Enhanced Performance where they differ from what is stored;
    // TRUE when anything was written.
    BOOL WriteChangedSettings();
    // The slider shows a rate other than the one in force: there is a rate to try.
    BOOL HasRateToTry() const;
    void UpdateRefreshTestButton();
    // Switches the display to mode through the settings object; DISP_CHANGE_FAILED without one.
    LONG SwitchTo(const DisplayMode& mode, const DisplayMode& from, BOOL bOfferRestart = TRUE);
    // Records the thumb where it stands as untouched: no rate on the slider is the user's choice.
    void MarkThumbUntouched();
    // Enables or disables a control; a control losing the keyboard focus hands it on first.
    void EnableControl(CWnd& control, BOOL bEnable);

    // Pages alive in the module; the last one to go ends the shared settings object.
    static int s_nPages;
};
