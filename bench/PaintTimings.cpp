#include "PaintTimings.h"
#include <commctrl.h>
#include <vector>
#include "Require.h"
#include "Timing.h"
#include "MessagePump.h"
#include "Ui.h"
#include "res/resource.h"

namespace {

// Room to the right of the page's controls for their twins.
const int kTwinOffset = 400;

INT_PTR CALLBACK TemplateProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

double TimePaint(HWND hWnd) {
    Stopwatch watch;
    watch.Start();
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    watch.Stop();
    return watch.Microseconds();
}

// Alternates the two controls' paints, after a few unmeasured rounds.
PaintTimes TimePaints(HWND hOwn, HWND hPlain, int runs) {
    std::vector<double> own, plain;
    for (int i = -runs / 10; i < runs; ++i) {
        const double tOwn = TimePaint(hOwn), tPlain = TimePaint(hPlain);
        if (i < 0) continue;
        own.push_back(tOwn);
        plain.push_back(tPlain);
    }
    PumpPending();
    return { Median(own), Median(plain) };
}

}  // namespace

PaintBench::PaintBench() : m_slider(IDC_RATE_LABEL), m_logo(IDB_LOGO) {
    m_hHost = ::CreateWindowExA(0, "STATIC", "Tavrolin paint benchmark", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                kTwinOffset * 2, 400, nullptr, nullptr, nullptr, nullptr);
    m_hDialog = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SETTINGS_PAGE), m_hHost,
                                     &TemplateProc, 0);
    Require(m_hHost && m_hDialog, "the page's template could not be shown");
    ::MoveWindow(m_hDialog, 0, 0, kTwinOffset * 2, 400, FALSE);
    ::ShowWindow(m_hDialog, SW_SHOW);

    Require(m_slider.SubclassWindow(::GetDlgItem(m_hDialog, IDC_REFRESH_SLIDER)) != FALSE, "no slider to subclass");
    CRateList rates;
    for (int rate : { 60, 70, 72, 75, 85 }) rates.Append(rate);
    m_slider.SetList(rates);
    m_slider.SetPos(2);
    m_hPlainSlider = CreateTwin(m_slider.GetSafeHwnd(), TRACKBAR_CLASSA, 0);
    ::SendMessageA(m_hPlainSlider, TBM_SETRANGE, TRUE, MAKELPARAM(0, rates.GetCount() - 1));
    ::SendMessageA(m_hPlainSlider, TBM_SETPOS, TRUE, 2);

    Require(m_logo.SubclassWindow(::GetDlgItem(m_hDialog, IDC_LOGO)) != FALSE, "no logo to subclass");
    m_logo.FitToBitmap();
    m_hPlainStatic = CreateTwin(m_logo.GetSafeHwnd(), "STATIC", 0);
    // Below the plain one; centred, the bitmap keeps the control's size.
    m_hBitmapStatic = CreateTwin(m_logo.GetSafeHwnd(), "STATIC", SS_BITMAP | SS_CENTERIMAGE, 60);
    m_hLogoBitmap = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_LOGO));
    ::SendMessageA(m_hBitmapStatic, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_hLogoBitmap));
    PumpPending();
}

PaintBench::~PaintBench() {
    m_slider.UnsubclassWindow();
    m_logo.UnsubclassWindow();
    ::DestroyWindow(m_hHost);
    if (m_hLogoBitmap) ::DeleteObject(m_hLogoBitmap);
    PumpPending();
}

HWND PaintBench::CreateTwin(HWND hOriginal, const char* className, DWORD style, int dy) {
    RECT rc;
    ::GetWindowRect(hOriginal, &rc);
    ::MapWindowPoints(nullptr, m_hDialog, reinterpret_cast<POINT*>(&rc), 2);
    const DWORD originalStyle = static_cast<DWORD>(::GetWindowLongA(hOriginal, GWL_STYLE));
    HWND hTwin = ::CreateWindowExA(0, className, "", style ? WS_CHILD | WS_VISIBLE | style : originalStyle,
                                   rc.left + kTwinOffset, rc.top + dy, rc.right - rc.left, rc.bottom - rc.top, m_hDialog,
                                   nullptr, nullptr, nullptr);
    Require(hTwin != nullptr, "a plain control could not be created");
    return hTwin;
}

PaintTimes PaintBench::Slider(int runs) { return TimePaints(m_slider.GetSafeHwnd(), m_hPlainSlider, runs); }

PaintTimes PaintBench::Logo(int runs) { return TimePaints(m_logo.GetSafeHwnd(), m_hPlainStatic, runs); }

PaintTimes PaintBench::LogoAgainstBitmapStatic(int runs) {
    return TimePaints(m_logo.GetSafeHwnd(), m_hBitmapStatic, runs);
}

std::vector<CallCount> PaintBench::CountLogoPaintCalls() {
    CallCounter counter(::GetModuleHandleA(nullptr));
    counter.Arm(true);
    TimePaint(m_logo.GetSafeHwnd());
    counter.Arm(false);
    return counter.Counts();
}
