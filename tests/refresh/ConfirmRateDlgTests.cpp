// The ten-second confirmation dialog, run for real from its template: every way it can end.
#include <gtest/gtest.h>
#include <vector>
#include "DialogDriver.h"
#include "ImportPatch.h"
#include "page/ConfirmRateDlg.h"

namespace {

// Records the timers the dialog starts and stops, passing the calls on.
struct TimerSpy {
    std::vector<std::pair<UINT_PTR, UINT>> started;
    std::vector<UINT_PTR> killed;
    bool startedWithCallback = false;
    ImportHook<decltype(&::SetTimer)> set{ ::GetModuleHandleA(nullptr), "USER32.dll", "SetTimer",
                                           [this](auto real, HWND hWnd, UINT_PTR id, UINT ms, TIMERPROC proc) {
                                               started.push_back({ id, ms });
                                               startedWithCallback |= proc != nullptr;
                                               return real(hWnd, id, ms, proc);
                                           } };
    ImportHook<decltype(&::KillTimer)> kill{ ::GetModuleHandleA(nullptr), "USER32.dll", "KillTimer",
                                             [this](auto real, HWND hWnd, UINT_PTR id) {
                                                 killed.push_back(id);
                                                 return real(hWnd, id);
                                             } };
};

// Looks at the dialog from inside its modal loop; DWLP_USER says where to report.
void CALLBACK NoteFocusThenDecline(HWND hDlg, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(hDlg, id);
    HWND focus = ::GetFocus();
    *reinterpret_cast<int*>(::GetWindowLongPtrA(hDlg, DWLP_USER)) = ::IsChild(hDlg, focus) ? ::GetDlgCtrlID(focus) : -1;
    ::PostMessageA(::GetDlgItem(hDlg, IDCANCEL), BM_CLICK, 0, 0);
}

class ConfirmRateDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        HWND hOwner = ::CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE | WS_CAPTION, 100, 80, 600, 400,
                                        nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(owner.SubclassWindow(hOwner));
    }
    INT_PTR Run() {
        CConfirmRateDlg dlg(&owner);
        return dlg.DoModal();
    }
    CWnd owner;
    TimerSpy timers;
    DialogDriver driver;
};

TEST_F(ConfirmRateDlgTest, YesKeepsTheRateAndStartsOneTimer) {
    driver.Then(DialogDriver::Click(IDOK));
    EXPECT_EQ(Run(), IDOK);
    ASSERT_EQ(timers.started.size(), 1u) << "confirming must not start a second timer";
    EXPECT_EQ(timers.started[0], (std::pair<UINT_PTR, UINT>{ 1, 10000 }));
    EXPECT_FALSE(timers.startedWithCallback) << "ticks arrive as WM_TIMER";
}

TEST_F(ConfirmRateDlgTest, EnterRightAwayIsYes) {
    driver.Then(DialogDriver::PressKey(VK_RETURN));
    EXPECT_EQ(Run(), IDOK);
}

// The ways of declining, each the same answer to the page: No.
TEST_F(ConfirmRateDlgTest, NoEscAndTheCloseBoxAllDecline) {
    driver.Then(DialogDriver::Click(IDCANCEL)).Then(DialogDriver::PressKey(VK_ESCAPE)).Then(DialogDriver::Close());
    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_EQ(driver.DialogsSeen(), 3);
}

TEST_F(ConfirmRateDlgTest, ItsOwnTimerEndsItAndIsKilled) {
    driver.Then(DialogDriver::PostTimer(1));
    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_EQ(timers.killed, (std::vector<UINT_PTR>{ 1 }));
}

TEST_F(ConfirmRateDlgTest, AnotherTimerDoesNotEndIt) {
    driver.Then([](HWND hDlg) {
        DialogDriver::PostTimer(2)(hDlg);
        DialogDriver::Click(IDOK)(hDlg);
    });
    EXPECT_EQ(Run(), IDOK);
    EXPECT_TRUE(timers.killed.empty());
}

TEST_F(ConfirmRateDlgTest, OpensCentredOverItsOwnerWithYesFocused) {
    RECT rcDlg = {}, rcOwner = {};
    char caption[64] = {}, text[128] = {}, yes[8] = {}, no[8] = {};
    int focused = 0;
    HICON icon = nullptr;
    driver.Then([&](HWND hDlg) {
        ::GetWindowRect(hDlg, &rcDlg);
        ::GetWindowRect(::GetParent(hDlg) ? ::GetParent(hDlg) : ::GetWindow(hDlg, GW_OWNER), &rcOwner);
        ::GetWindowTextA(hDlg, caption, sizeof caption);
        ::GetDlgItemTextA(hDlg, IDOK, yes, sizeof yes);
        ::GetDlgItemTextA(hDlg, IDCANCEL, no, sizeof no);
        for (HWND child = ::GetWindow(hDlg, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            const LONG style = ::GetWindowLongA(child, GWL_STYLE);
            if ((style & SS_TYPEMASK) == SS_ICON) icon = reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0));
            else if ((style & SS_TYPEMASK) == SS_CENTER) ::GetWindowTextA(child, text, sizeof text);
        }
        // Focus is given once initialisation is over; look at it from the modal loop.
        ::SetWindowLongPtrA(hDlg, DWLP_USER, reinterpret_cast<LONG_PTR>(&focused));
        ::SetTimer(hDlg, 77, 0, &NoteFocusThenDecline);
    });
    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_STREQ(caption, "Display Properties");
    EXPECT_STREQ(text, "You changed your desktop Refresh Rate.\r\n\r\nDo you want to keep this Refresh Rate?");
    EXPECT_STREQ(yes, "Yes");
    EXPECT_STREQ(no, "No");
    EXPECT_NE(icon, nullptr);
    EXPECT_EQ(focused, IDOK);
    const int dx = (rcDlg.left + rcDlg.right) / 2 - (rcOwner.left + rcOwner.right) / 2;
    const int dy = (rcDlg.top + rcDlg.bottom) / 2 - (rcOwner.top + rcOwner.bottom) / 2;
    EXPECT_LE(std::abs(dx), 1);
    EXPECT_LE(std::abs(dy), 1);
}

// A sheet dragged past an edge of the screen: the dialog opens wholly on the work area, Yes and
// No within reach.
TEST_F(ConfirmRateDlgTest, StaysOnTheWorkAreaWhereverItsOwnerIs) {
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const POINT corners[] = { { work.right - 120, work.bottom - 60 }, { work.left - 500, work.top - 350 } };
    for (const POINT& at : corners) {
        ::SetWindowPos(owner.m_hWnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        RECT rcDlg = {};
        driver.Then([&](HWND hDlg) {
            ::GetWindowRect(hDlg, &rcDlg);
            DialogDriver::Click(IDCANCEL)(hDlg);
        });
        EXPECT_EQ(Run(), IDCANCEL);
        EXPECT_GE(rcDlg.left, work.left);
        EXPECT_GE(rcDlg.top, work.top);
        EXPECT_LE(rcDlg.right, work.right);
        EXPECT_LE(rcDlg.bottom, work.bottom);
    }
}

}  // namespace
