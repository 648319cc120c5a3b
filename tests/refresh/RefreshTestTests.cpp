// The refresh test on the settings page, from the button and from Apply: what reaches the
// driver and the display, what the user is asked, and where the page is left.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>
#include "DialogDriver.h"
#include "EnglishTexts.h"
#include "PageHarness.h"
#include "page/ConfirmRateDlg.h"
#include "page/DialogDlg.h"
#include "res/resource.h"

namespace {

// Bounds the wait for the real time-out: ends the dialog and reports through DWLP_USER.
void CALLBACK GiveUp(HWND hDlg, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(hDlg, id);
    *reinterpret_cast<bool*>(::GetWindowLongPtrA(hDlg, DWLP_USER)) = true;
    ::EndDialog(hDlg, -2);
}

class RefreshTest : public ::testing::Test {
protected:
    void SetUp() override {
        h.adapterRegistry.Seed();
        h.adapter.currentRate = 60;
        h.Open();
        driver = std::make_unique<DialogDriver>();  // the dialogs from here on
    }
    // Rate-setting requests the driver got, in order.
    std::vector<RefreshEscapeRecord> Sets() const {
        std::vector<RefreshEscapeRecord> sets;
        for (const RefreshEscapeRecord& r : h.adapter.RefreshRequests())
            if (r.wFunction == REFRESH_SET) sets.push_back(r);
        return sets;
    }
    void ExpectFrequencyChange(const VirtualAdapter::ModeChange& change, DWORD rate) {
        EXPECT_EQ(change.mode.dmSize, 148);
        EXPECT_EQ(change.mode.dmFields, static_cast<DWORD>(DM_DISPLAYFREQUENCY));
        EXPECT_EQ(change.mode.dmDisplayFrequency, rate);
        EXPECT_EQ(change.flags, static_cast<DWORD>(CDS_UPDATEREGISTRY));
    }
    // One test that kept `rate`: the driver told once, the display switched once, the page's mode.
    void ExpectKept(int rate) {
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_EQ(Sets()[0].wRefreshRate, rate);
        ASSERT_EQ(h.adapter.modeChanges.size(), 1u);
        ExpectFrequencyChange(h.adapter.modeChanges[0], rate);
        EXPECT_EQ(h.Page().m_currentMode.refreshRate, rate);
    }
    PageHarness h;
    std::unique_ptr<DialogDriver> driver;
};

TEST_F(RefreshTest, CancelOnTheWarningChangesNothing) {
    h.MoveSlider(3);  // 75 Hz
    h.user->Answer(IDCANCEL);
    h.Click(IDC_REFRESH_TEST);
    ASSERT_EQ(h.user->boxes.size(), 1u);
    EXPECT_EQ(h.user->boxes[0].text, EnglishString(IDS_REFRESH_WARNING));
    EXPECT_EQ(h.user->boxes[0].caption, "Display Properties");
    EXPECT_EQ(h.user->boxes[0].type, static_cast<UINT>(MB_OKCANCEL | MB_ICONINFORMATION));
    EXPECT_EQ(h.user->boxes[0].owner, nullptr);
    EXPECT_TRUE(Sets().empty());
    EXPECT_TRUE(h.adapter.modeChanges.empty());
    EXPECT_EQ(driver->DialogsSeen(), 0);
    EXPECT_TRUE(h.IsEnabled(IDC_REFRESH_TEST));
}

TEST_F(RefreshTest, YesKeepsTheNewRate) {
    h.MoveSlider(3);
    h.user->Answer(IDOK);
    driver->Then(DialogDriver::Click(IDOK));
    h.Click(IDC_REFRESH_TEST);
    EXPECT_EQ(driver->DialogsSeen(), 1);
    ExpectKept(75);
    EXPECT_FALSE(h.IsEnabled(IDC_REFRESH_TEST));
    EXPECT_EQ(h.user->boxes.size(), 1u) << "only the warning";
    EXPECT_EQ(h.Value("RefreshRate"), "60") << "the registry is not written";
}

// Every way of declining is the dialog's No (ConfirmRateDlgTests); the page sees only that.
TEST_F(RefreshTest, DecliningBringsTheOldRateBack) {
    const std::pair<const char*, DialogDriver::Action> declines[] = {
        { "No", DialogDriver::Click(IDCANCEL) },
    };
    // The driver writes into every reply; the rate it is given back must travel on that record.
    h.adapter.onReply = [](RefreshEscapeRecord& r) { r.wReserved = 0x5A5A; };
    for (const auto& [name, action] : declines) {
        SCOPED_TRACE(name);
        h.adapter.escapes.clear();
        h.adapter.modeChanges.clear();
        h.user->boxes.clear();
        h.MoveSlider(4);  // 85 Hz
        h.user->Answer(IDOK).Answer(IDOK);
        driver->Then(action);
        h.Click(IDC_REFRESH_TEST);

        const std::vector<RefreshEscapeRecord> sets = Sets();
        ASSERT_EQ(sets.size(), 2u);
        EXPECT_EQ(sets[0].wRefreshRate, 85);
        RefreshEscapeRecord expected = sets[0];
        expected.wReserved = 0x5A5A;
        expected.wRefreshRate = 60;
        EXPECT_EQ(std::memcmp(&sets[1], &expected, sizeof expected), 0) << "the record as the driver left it";
        EXPECT_EQ(h.adapter.escapes.front().hdc, h.adapter.escapes.back().hdc) << "one device context";
        ASSERT_EQ(h.adapter.modeChanges.size(), 2u);
        ExpectFrequencyChange(h.adapter.modeChanges[0], 85);
        ExpectFrequencyChange(h.adapter.modeChanges[1], 60);
        EXPECT_EQ(h.SliderPos(), 0);
        EXPECT_EQ(h.Page().m_currentMode.refreshRate, 60);
        ASSERT_EQ(h.user->boxes.size(), 2u);
        EXPECT_EQ(h.user->boxes[1].text, EnglishString(IDS_REFRESH_RESTORED));
        EXPECT_EQ(h.user->boxes[1].type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
        EXPECT_FALSE(h.IsEnabled(IDC_REFRESH_TEST));
    }
}

// The one test that lets the real ten-second timer run out.
TEST_F(RefreshTest, NoAnswerForTenSecondsBringsTheOldRateBack) {
    h.MoveSlider(4);
    h.user->Answer(IDOK).Answer(IDOK);
    DWORD opened = 0;
    bool gaveUp = false;
    driver->Then([&](HWND hDlg) {
        opened = ::GetTickCount();
        ::SetWindowLongPtrA(hDlg, DWLP_USER, reinterpret_cast<LONG_PTR>(&gaveUp));
        ::SetTimer(hDlg, 99, 15000, &GiveUp);
    });
    h.Click(IDC_REFRESH_TEST);  // returns once the dialog is gone
    const DWORD elapsed = ::GetTickCount() - opened;
    EXPECT_FALSE(gaveUp) << "the dialog did not end by itself within 15 s";
    EXPECT_GE(elapsed, 9000u);
    EXPECT_LE(elapsed, 12000u);
    ASSERT_EQ(Sets().size(), 2u);
    EXPECT_EQ(Sets()[1].wRefreshRate, 60);
    EXPECT_EQ(h.user->boxes.back().text, EnglishString(IDS_REFRESH_RESTORED));
}

TEST_F(RefreshTest, OldRateMissingFromTheListLeavesTheTestedRate) {
    h.Close();
    h.adapter.currentRate = 65;  // in force, but not among the offered rates
    h.Open();
    h.MoveSlider(2);  // 72 Hz
    h.user->Answer(IDOK).Answer(IDOK);
    driver->Then(DialogDriver::Click(IDCANCEL));
    h.Click(IDC_REFRESH_TEST);
    EXPECT_EQ(Sets().back().wRefreshRate, 65);
    EXPECT_EQ(h.SliderPos(), 2);
    EXPECT_TRUE(h.IsEnabled(IDC_REFRESH_TEST));
}

TEST_F(RefreshTest, ApplyRunsTheTestFirstAndWritesSettingsWhateverTheAnswer) {
    for (int warningAnswer : { IDCANCEL, IDOK }) {
        SCOPED_TRACE(warningAnswer);
        h.Close();
        h.adapterRegistry.RemoveAll();
        h.adapterRegistry.Seed();
        h.user->boxes.clear();
        h.adapter.currentRate = 60;
        h.Open();
        h.MoveSlider(1);  // 70 Hz
        h.Click(IDC_FAST);
        h.user->Answer(warningAnswer);
        if (warningAnswer == IDOK) {
            driver->Then(DialogDriver::Click(IDCANCEL));
            h.user->Answer(IDOK);  // the notice
        }
        h.user->Answer(IDNO);  // the restart question
        h.sheet->Press(0x3021 /* Apply */);
        ASSERT_GE(h.user->boxes.size(), 2u);
        EXPECT_EQ(h.user->boxes.front().text, EnglishString(IDS_REFRESH_WARNING));
        EXPECT_EQ(h.user->boxes.back().caption, "Display Properties");
        EXPECT_EQ(h.Value("MCLK"), "77");
        EXPECT_EQ(h.user->Unanswered(), 0u);
    }
}

// Mode changes that fail, wait for a restart or are not recorded, a confirmation that cannot time
// itself out, a sheet cancelled behind the warning of the OK that started the test, and OK's test
// into a rate that needs a restart, chosen; the user
// goes to another tab and back behind the first box after the warning, while the driver already
// has the new rate. The test still returns to the rate it started from unless the user chose
// another, says only what happened, and restarts Windows only when asked to.
TEST_F(RefreshTest, FailuresRestartsAndCancelsEndAtTheRateTheUserChose) {
    const std::string warning = "Display Properties: " + EnglishString(IDS_REFRESH_WARNING);
    const std::string needsRestart = "Confirm: " + EnglishString(IDS_TEST_NEEDS_RESTART);
    const std::string notUpdated = "Message: " + EnglishString(IDS_MODE_NOTUPDATED);
    const std::string restored = "Display Properties: " + EnglishString(IDS_REFRESH_RESTORED);
    enum How { kAnswered, kTimerFails, kCancelledBehindOk, kByOk };
    struct Case {
        const char* what;
        LONG first, back;  // the results of the change to 85 Hz and of the change back
        How how;           // the confirmation answered No; or its time-out cannot start and nobody
                           // answers; or OK starts the test and the sheet is cancelled behind its warning;
                           // or OK starts it after a click on Fast
        int restartAnswer; // to the question whether to restart into the untested rate
        std::vector<std::string> events;
        int driverRate, screenRate, storedRate;  // the rate the driver reports, shows, and the next start's
        int lastChange;    // the rate the last mode change asked for; 0: none was made
        bool restarts;
    };
    const Case cases[] = {
        { "the change fails", DISP_CHANGE_BADMODE, DISP_CHANGE_SUCCESSFUL, kAnswered, 0,
          { warning, "Message: The graphics mode is not supported." }, 72, 72, 72, 85, false },
        { "a restart is needed, and refused", DISP_CHANGE_RESTART, DISP_CHANGE_RESTART, kAnswered, IDNO,
          { warning, needsRestart }, 72, 72, 72, 72, false },
        { "a restart is needed, and chosen", DISP_CHANGE_RESTART, DISP_CHANGE_RESTART, kAnswered, IDYES,
          { warning, needsRestart }, 85, 72, 85, 85, true },
        { "the change back fails", DISP_CHANGE_SUCCESSFUL, DISP_CHANGE_FAILED, kAnswered, 0,
          { warning, "confirmation dialog", "Message: The display driver failed the specified graphics mode." },
          85, 85, 85, 72, false },
        { "the change is in force but not recorded", DISP_CHANGE_NOTUPDATED, DISP_CHANGE_NOTUPDATED, kAnswered, 0,
          { warning, notUpdated, "confirmation dialog", notUpdated, restored }, 72, 72, 72, 72, false },
        { "the confirmation's time-out cannot start", DISP_CHANGE_SUCCESSFUL, DISP_CHANGE_SUCCESSFUL, kTimerFails, 0,
          { warning, "confirmation dialog", restored }, 72, 72, 72, 72, false },
        { "OK, and the sheet cancelled behind the warning", DISP_CHANGE_SUCCESSFUL, DISP_CHANGE_SUCCESSFUL,
          kCancelledBehindOk, 0, { warning }, 72, 72, 72, 0, false },
        { "OK, a restart needed and chosen: Fast kept for it, and no second question", DISP_CHANGE_RESTART,
          DISP_CHANGE_RESTART, kByOk, IDYES, { warning, needsRestart }, 85, 72, 85, 85, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        driver.reset();  // an answer left from the case before would go to the new sheet
        h.Close();
        h.adapterRegistry.RemoveAll();
        h.adapterRegistry.Seed();
        h.adapter.toldRate.reset();
        h.adapter.storedRate.reset();
        h.adapter.modeChanges.clear();
        h.adapter.currentRate = 72;
        h.adapter.modeChangeResult = c.first;
        h.user->boxes.clear();
        h.user->exits.clear();
        // The confirmation's time-out is the one timer of id 1 without a procedure.
        std::optional<ImportHook<decltype(&::SetTimer)>> noTimeout;
        if (c.how == kTimerFails)
            noTimeout.emplace(::GetModuleHandleA(nullptr), "USER32.dll", "SetTimer",
                              [](auto real, HWND hWnd, UINT_PTR id, UINT ms, TIMERPROC proc) -> UINT_PTR {
                                  return id == 1 && !proc ? 0 : real(hWnd, id, ms, proc);
                              });
        // A second page would apply its own clock speed too: OK's restart case has the page alone.
        h.Open(c.how == kByOk ? 1 : 2);
        driver = std::make_unique<DialogDriver>();  // the sheet is a dialog too
        std::vector<std::string> events;
        h.user->onBox = [&](const ScriptedUser::Box& box) {
            events.push_back(box.caption + ": " + box.text);
            if (box.caption == "Confirm") {
                EXPECT_EQ(box.type, static_cast<UINT>(MB_YESNO | MB_DEFBUTTON2)) << "No by default";
            }
            h.user->Answer(box.caption == "Confirm" ? c.restartAnswer : IDOK);
            if (c.how == kCancelledBehindOk) {
                h.sheet->Select(1);
                h.sheet->Press(IDCANCEL);
                return;
            }
            if (events.size() != 2 || c.how == kByOk) return;
            h.sheet->Select(1);  // behind the first box after the warning, and back
            h.sheet->Select(0);
        };
        bool gaveUp = false;
        driver->Then([&](HWND hDlg) {
            events.push_back("confirmation dialog");
            h.adapter.modeChangeResult = c.back;
            if (c.how == kAnswered) return DialogDriver::Click(IDCANCEL)(hDlg);
            // Nobody answers: the old rate must be back within the dialog's ten seconds.
            ::SetWindowLongPtrA(hDlg, DWLP_USER, reinterpret_cast<LONG_PTR>(&gaveUp));
            ::SetTimer(hDlg, 99, CConfirmRateDlg::kTimeoutMs, &GiveUp);
        });
        const std::string refreshRate = h.Value("RefreshRate").value_or("none");
        h.MoveSlider(4);  // 85 Hz
        if (c.how == kCancelledBehindOk || c.how == kByOk) {
            h.Click(IDC_FAST);
            h.sheet->Press(IDOK);
        } else {
            h.Click(IDC_REFRESH_TEST);
        }
        h.user->onBox = nullptr;

        EXPECT_EQ(events, c.events);
        EXPECT_FALSE(gaveUp) << "the confirmation waited for an answer";
        EXPECT_EQ(h.adapter.ReportedRate(), c.driverRate);
        EXPECT_EQ(h.adapter.currentRate, c.screenRate);
        EXPECT_EQ(h.adapter.storedRate.value_or(h.adapter.currentRate), c.storedRate);
        if (c.lastChange) {
            ASSERT_FALSE(h.adapter.modeChanges.empty());
            ExpectFrequencyChange(h.adapter.modeChanges.back(), c.lastChange);
        } else {
            EXPECT_TRUE(h.adapter.modeChanges.empty());
        }
        EXPECT_EQ(h.Value("RefreshRate").value_or("none"), refreshRate);
        EXPECT_EQ(h.user->exits, (c.restarts ? std::vector<std::pair<UINT, DWORD>>{ { EWX_REBOOT, 0 } }
                                             : std::vector<std::pair<UINT, DWORD>>{}));
        EXPECT_EQ(h.user->Unanswered(), 0u);
        if (c.how == kCancelledBehindOk) {
            EXPECT_FALSE(h.sheet->IsOpen());
            EXPECT_EQ(h.Value("MCLK"), "70") << "a cancelled sheet keeps nothing";
            continue;
        }
        if (c.how == kByOk) {
            EXPECT_FALSE(h.sheet->IsOpen());
            EXPECT_EQ(h.Value("MCLK"), "77") << "written for the restart the test started";
            continue;
        }
        EXPECT_EQ(h.SliderPos(), c.driverRate == 72 ? 2 : 4) << "the slider shows the rate the driver has";
        EXPECT_FALSE(h.IsEnabled(IDC_REFRESH_TEST));
    }
}

// A rate in force that the driver does not offer leaves the thumb on a rate nobody chose: OK
// tries nothing until the user moves the slider to another rate.
TEST_F(RefreshTest, OkTriesOnlyARateTheUserMovedTo) {
    h.Close();
    h.adapter.rates = { 60, 72, 75, 85 };
    h.adapter.currentRate = 65;
    for (bool moved : { false, true }) {
        SCOPED_TRACE(moved ? "moved to 72 Hz" : "untouched");
        h.Open();
        driver = std::make_unique<DialogDriver>();  // the sheet is a dialog too
        EXPECT_FALSE(h.IsEnabled(IDC_REFRESH_TEST));
        h.MoveSlider(0);  // a drag that ends where it began
        EXPECT_FALSE(h.IsEnabled(IDC_REFRESH_TEST));
        if (moved) {
            h.MoveSlider(1);
            EXPECT_TRUE(h.IsEnabled(IDC_REFRESH_TEST));
            h.user->Answer(IDOK);
            driver->Then(DialogDriver::Click(IDOK));
        }
        h.sheet->Press(IDOK);
        EXPECT_FALSE(h.sheet->IsOpen());
        EXPECT_EQ(h.user->boxes.size(), moved ? 1u : 0u);
        EXPECT_EQ(driver->DialogsSeen(), moved ? 1 : 0);
        ASSERT_EQ(Sets().size(), moved ? 1u : 0u);
        ASSERT_EQ(h.adapter.modeChanges.size(), moved ? 1u : 0u);
        if (moved) ExpectFrequencyChange(h.adapter.modeChanges[0], 72);
        h.Close();
    }
}

// The warning has no owner, so the page and the sheet still take clicks behind it: the test
// runs to its end as the user answers, and the sheet's Apply, OK and Cancel are refused meanwhile,
// not held over (the sheet is still open once the test is over).
TEST_F(RefreshTest, ClicksBehindTheWarningNeitherStartASecondTestNorEndTheSheet) {
    h.MoveSlider(3);  // 75 Hz
    int warnings = 0;
    h.user->onBox = [&](const ScriptedUser::Box& box) {
        if (box.text != EnglishString(IDS_REFRESH_WARNING) || warnings++) return;
        ::SendMessageA(h.PageWindow(), WM_COMMAND, MAKEWPARAM(IDC_REFRESH_TEST, BN_CLICKED),
                       reinterpret_cast<LPARAM>(h.Control(IDC_REFRESH_TEST)));
        for (int button : { 0x3021 /* Apply */, IDOK, IDCANCEL }) {
            h.sheet->Press(button);
            EXPECT_TRUE(h.sheet->IsOpen()) << button;
        }
    };
    h.user->Answer(IDOK);
    driver->Then(DialogDriver::Click(IDOK));
    h.Click(IDC_REFRESH_TEST);
    EXPECT_EQ(warnings, 1);
    EXPECT_EQ(h.user->boxes.size(), 1u);
    EXPECT_EQ(driver->DialogsSeen(), 1);
    ExpectKept(75);
    ASSERT_TRUE(h.sheet->IsOpen());
    h.sheet->Press(IDCANCEL);
    EXPECT_FALSE(h.sheet->IsOpen()) << "Cancel works again once the test is over";
}

// Behind the warning the user can go to another page of the sheet, change the resolution there
// or cancel the sheet, and come back.
TEST_F(RefreshTest, WhatHappensOnAnotherPageBehindTheWarningCounts) {
    for (bool cancel : { false, true }) {
        SCOPED_TRACE(cancel ? "sheet cancelled" : "resolution changed");
        h.Close();
        h.adapter.screenWidth = h.adapter.screenHeight = 0;
        h.adapter.escapes.clear();
        h.adapter.modeChanges.clear();
        h.user->boxes.clear();
        h.Open(2);
        driver = std::make_unique<DialogDriver>();  // the sheet is a dialog too
        h.MoveSlider(3);  // 75 Hz
        h.user->onBox = [&](const ScriptedUser::Box& box) {
            if (box.text != EnglishString(IDS_REFRESH_WARNING)) return;
            h.sheet->Select(1);
            if (cancel) {
                h.sheet->Press(IDCANCEL);
                return;
            }
            h.adapter.screenWidth = 800;
            h.adapter.screenHeight = 600;
            h.sheet->Select(0);
        };
        h.user->Answer(IDOK);
        if (!cancel) h.user->Answer(IDOK);  // the notice
        driver->Then(DialogDriver::Click(IDCANCEL));
        h.Click(IDC_REFRESH_TEST);
        h.user->onBox = nullptr;
        if (cancel) {
            EXPECT_EQ(h.user->boxes.size(), 1u);
            EXPECT_EQ(driver->DialogsSeen(), 0);
            EXPECT_TRUE(Sets().empty());
            EXPECT_TRUE(h.adapter.modeChanges.empty()) << "nothing tried after the sheet was cancelled";
            continue;
        }
        // The rate chosen, at the resolution in force once the warning was answered; and back.
        ASSERT_EQ(h.adapter.modeChanges.size(), 2u);
        for (size_t i = 0; i < 2; ++i) {
            ExpectFrequencyChange(h.adapter.modeChanges[i], i == 0 ? 75 : 60);
            EXPECT_EQ(h.adapter.modeChanges[i].mode.dmPelsWidth, 800u);
            EXPECT_EQ(h.adapter.modeChanges[i].mode.dmPelsHeight, 600u);
        }
        EXPECT_EQ(h.Page().m_currentMode.width, 800);
        EXPECT_EQ(h.Page().m_currentMode.refreshRate, 60);
        EXPECT_EQ(h.user->Unanswered(), 0u);
    }
}

// The page from the keyboard alone, the refresh test included: every control is reached, and
// however the confirmation ends, the keys still land on an enabled control.
TEST_F(RefreshTest, KeyboardAloneDrivesThePageAndKeepsWorkingAfterEachTest) {
    // Twice round the sheet: its tabs and buttons, and every control of the page that takes
    // input (Refresh Test only once there is a rate to try).
    std::set<int> visited;
    for (int i = 0; i < 12; ++i) {
        h.PressKey(VK_TAB);
        if (const int id = h.FocusedControl()) visited.insert(id);
    }
    EXPECT_EQ(visited, (std::set<int>{ IDC_NORMAL, IDC_ENHPER, IDC_REFRESH_SLIDER }));

    h.PressAlt('f');
    EXPECT_TRUE(h.IsChecked(IDC_FAST));
    h.PressAlt('n');
    EXPECT_TRUE(h.IsChecked(IDC_NORMAL));
    h.PressAlt('p');
    EXPECT_TRUE(h.IsChecked(IDC_ENHPER));
    h.PressAlt('r');
    EXPECT_EQ(h.FocusedControl(), IDC_REFRESH_SLIDER);

    h.PressKey(VK_RIGHT);
    EXPECT_EQ(h.SliderPos(), 1);
    EXPECT_TRUE(h.IsEnabled(IDC_REFRESH_TEST));
    h.PressKey(VK_HOME);
    EXPECT_EQ(h.SliderPos(), 0);
    EXPECT_FALSE(h.IsEnabled(IDC_REFRESH_TEST)) << "back on the rate in force";
    h.PressKey(VK_END);
    EXPECT_EQ(h.SliderPos(), 4);
    EXPECT_TRUE(h.IsEnabled(IDC_REFRESH_TEST));

    // Tab from Yes (the focus once the dialog is up) to No, and the space bar there.
    const auto tabThenSpace = [](HWND hDlg) {
        ::PostMessageA(hDlg, WM_KEYDOWN, VK_TAB, 1);
        ::PostMessageA(::GetDlgItem(hDlg, IDCANCEL), WM_KEYDOWN, VK_SPACE, 1);
        ::PostMessageA(::GetDlgItem(hDlg, IDCANCEL), WM_KEYUP, VK_SPACE, 0xC0000001);
    };
    const std::pair<const char*, DialogDriver::Action> answers[] = {
        { "Enter", DialogDriver::PressKey(VK_RETURN) },
        { "No", tabThenSpace },
    };
    for (const auto& [name, answer] : answers) {
        SCOPED_TRACE(name);
        const bool kept = &answer == &answers[0].second;
        h.user->Answer(IDOK);
        if (!kept) h.user->Answer(IDOK);  // the notice
        driver->Then(answer);
        if (kept) {
            h.PressAlt('r');  // from the slider, the next "&R" is the button's
        } else {
            h.PressKey(VK_HOME);  // 60 Hz, while 85 Hz is in force
            h.PressKey(VK_TAB);
            ASSERT_EQ(h.FocusedControl(), IDC_REFRESH_TEST);
            h.PressKey(VK_SPACE);
        }
        EXPECT_EQ(h.user->Unanswered(), 0u);
        EXPECT_EQ(h.Page().m_currentMode.refreshRate, 85);
        EXPECT_EQ(h.SliderPos(), 4);
        EXPECT_FALSE(h.IsEnabled(IDC_REFRESH_TEST));
        EXPECT_EQ(h.FocusedControl(), IDC_REFRESH_SLIDER) << "the focus left the disabled button for the slider";
    }
    h.PressKey(VK_LEFT);
    EXPECT_EQ(h.SliderPos(), 3) << "the keys still reach the page";
}

}  // namespace
