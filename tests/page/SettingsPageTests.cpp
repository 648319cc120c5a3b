// The settings page in a real property sheet: what the stored settings and the driver's rates
// look like on it, what Apply writes and asks, and that nothing it uses is left held.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include "EnglishTexts.h"
#include "ImportPatch.h"
#include "MessagePump.h"
#include "PageHarness.h"
#include "page/DialogDlg.h"
#include "res/resource.h"
#include "settings/AdapterSettings.h"

namespace {

using Values = AdapterRegistry::Values;

// The values the test program reads, writes and deletes in the registry, in order ("read MCLK",
// "write RefreshRate=-1", "delete RefreshRate"), with the driver's refresh queries among them.
class RegistryTrace {
public:
    explicit RegistryTrace(VirtualAdapter& adapter) {
        adapter.onRefreshQuery = [this] { calls.push_back("driver query"); };
    }

    std::vector<std::string> calls;

private:
    HMODULE m_self = ::GetModuleHandleA(nullptr);
    ImportHook<decltype(&::RegQueryValueExA)> m_query{ m_self, "ADVAPI32.dll", "RegQueryValueExA",
        [this](auto real, HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size) {
            calls.push_back(std::string("read ") + name);
            return real(key, name, reserved, type, data, size);
        } };
    ImportHook<decltype(&::RegSetValueExA)> m_set{ m_self, "ADVAPI32.dll", "RegSetValueExA",
        [this](auto real, HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size) {
            calls.push_back(std::string("write ") + name + "=" + reinterpret_cast<const char*>(data));
            return real(key, name, reserved, type, data, size);
        } };
    ImportHook<decltype(&::RegDeleteValueA)> m_delete{ m_self, "ADVAPI32.dll", "RegDeleteValueA",
        [this](auto real, HKEY key, LPCSTR name) {
            calls.push_back(std::string("delete ") + name);
            return real(key, name);
        } };
};

class SettingsPage : public ::testing::Test {
protected:
    PageHarness h;
};

TEST_F(SettingsPage, StoredClockSpeedAndPerformanceReachTheControls) {
    struct Case {
        std::optional<std::string> mclk, enhPer;
        bool normal, fast, enhanced;
    };
    const Case cases[] = {
        { "77", "1", false, true, true },   { "70", "0", true, false, false }, { "75", "2", true, false, true },
        { "0", "", true, false, false },    { std::nullopt, std::nullopt, false, false, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mclk.value_or("(none)"));
        Values values;
        if (c.mclk) values["MCLK"] = *c.mclk;
        if (c.enhPer) values["EnhPer"] = *c.enhPer;
        h.adapterRegistry.Seed(values);
        h.Open();
        EXPECT_EQ(h.IsChecked(IDC_NORMAL), c.normal);
        EXPECT_EQ(h.IsChecked(IDC_FAST), c.fast);
        EXPECT_EQ(h.IsChecked(IDC_ENHPER), c.enhanced);
        h.Close();
        h.adapterRegistry.RemoveAll();
    }
}

TEST_F(SettingsPage, WithoutTheAdapterNothingIsCheckedWrittenOrAsked) {
    h.Open();
    // The rates still come from the driver.
    EXPECT_TRUE(h.IsEnabled(IDC_REFRESH_SLIDER));
    EXPECT_EQ(::SendMessageA(h.Control(IDC_REFRESH_SLIDER), TBM_GETRANGEMAX, 0, 0), 4) << "five rates";
    EXPECT_FALSE(h.IsChecked(IDC_NORMAL));
    EXPECT_FALSE(h.IsChecked(IDC_FAST));
    EXPECT_FALSE(h.IsChecked(IDC_ENHPER));
    h.Click(IDC_FAST);
    h.Click(IDC_ENHPER);
    EXPECT_TRUE(h.ApplyEnabled());
    h.sheet->Press(IDOK);
    EXPECT_TRUE(h.user->boxes.empty());
    EXPECT_TRUE(h.user->exits.empty());
}

TEST_F(SettingsPage, ApplyWritesChangesAndAsksOnceToRestart) {
    h.adapterRegistry.Seed();
    h.Open();
    EXPECT_FALSE(h.ApplyEnabled());
    h.Click(IDC_FAST);
    EXPECT_TRUE(h.ApplyEnabled());
    h.Click(IDC_ENHPER);
    h.user->Answer(IDYES);
    h.user->onBox = [&](const ScriptedUser::Box&) {
        EXPECT_EQ(h.Value("MCLK"), "77") << "written before the question";
        EXPECT_EQ(h.Value("EnhPer"), "1");
    };
    ::SendMessageA(::GetDlgItem(h.sheet->Window(), 0x3021 /* Apply */), BM_CLICK, 0, 0);
    PumpPending();
    ASSERT_EQ(h.user->boxes.size(), 1u) << "one question for two changed values";
    const ScriptedUser::Box& box = h.user->boxes[0];
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.text, EnglishString(IDS_RESTART));
    EXPECT_EQ(box.caption, "Display Properties");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(h.user->exits, (std::vector<std::pair<UINT, DWORD>>{ { EWX_REBOOT, 0 } }));
    EXPECT_EQ(h.Value("RefreshRate"), "60") << "the rate is not written on apply";
}

// Only OK and Apply write: a changed clock speed or Enhanced Performance is not written, nor a
// restart asked for, when the user leaves the tab and comes back, nor when the sheet is cancelled.
TEST_F(SettingsPage, LeavingTheTabAndCancelWriteNothingAndAskNothing) {
    for (int id : { IDC_FAST, IDC_ENHPER }) {
        SCOPED_TRACE(id);
        h.adapterRegistry.Seed();
        h.Open(2);
        h.Click(id);
        ASSERT_TRUE(h.ApplyEnabled());
        h.sheet->Select(1);
        h.sheet->Select(0);
        for (const auto& [name, value] : AdapterRegistry::DefaultValues()) EXPECT_EQ(h.Value(name.c_str()), value) << "after returning";
        h.sheet->Press(IDCANCEL);
        EXPECT_FALSE(h.sheet->IsOpen());
        for (const auto& [name, value] : AdapterRegistry::DefaultValues()) EXPECT_EQ(h.Value(name.c_str()), value) << "after Cancel";
        EXPECT_TRUE(h.user->boxes.empty());
        EXPECT_TRUE(h.user->exits.empty());
        h.Close();
        h.adapterRegistry.RemoveAll();
    }
}

TEST_F(SettingsPage, UnchangedPageRewritesAnEnhPerOfTwo) {
    h.adapterRegistry.Seed(Values{ { "EnhPer", "2" }, { "MCLK", "70" } });
    h.Open();
    h.user->Answer(IDNO);
    h.sheet->Press(IDOK);
    EXPECT_EQ(h.Value("EnhPer"), "1");
    EXPECT_EQ(h.Value("MCLK"), "70");
    EXPECT_EQ(h.user->boxes.size(), 1u);
    EXPECT_TRUE(h.user->exits.empty());
}

TEST_F(SettingsPage, AMissingClockSpeedStaysUnwritten) {
    h.adapterRegistry.Seed(Values{ { "EnhPer", "0" } });
    h.Open();
    h.Click(IDC_FAST);
    h.Click(IDC_NORMAL);
    h.sheet->Press(IDOK);
    EXPECT_FALSE(h.Value("MCLK").has_value());
    EXPECT_TRUE(h.user->boxes.empty()) << "nothing written, nothing to restart for";
}

TEST_F(SettingsPage, RefreshRateIsMinusOneOnlyWhileTheDriverAnswers) {
    // A text too long for a rate is put back as it was, too.
    const std::optional<std::string> texts[] = { " 85", std::nullopt, "72 Hz, as the monitor's setup program left it" };
    for (const std::optional<std::string>& stored : texts) {
        Values values = AdapterRegistry::DefaultValues();
        if (stored) values["RefreshRate"] = *stored;
        else values.erase("RefreshRate");
        h.adapterRegistry.Seed(values);
        std::vector<std::optional<std::string>> seen;
        h.adapter.onRefreshQuery = [&] { seen.push_back(h.Value("RefreshRate")); };
        h.Open();
        h.sheet->Select(0);
        ASSERT_FALSE(seen.empty());
        for (const auto& during : seen) EXPECT_EQ(during, "-1");
        EXPECT_EQ(h.Value("RefreshRate"), stored) << "what was stored, or nothing, is back";
        h.Close();

        // A first activation reads the device node, the driver key and both settings once; a
        // later one looks the driver key up again. Both put the saved rate back through the key
        // they read it from.
        RegistryTrace trace(h.adapter);
        h.Open(2);
        const std::string back = stored ? "write RefreshRate=" + *stored : "delete RefreshRate";
        // One query reads a rate; a longer text takes a second, into a buffer of its size.
        std::vector<std::string> protocol = { "read RefreshRate", "write RefreshRate=-1", "driver query", back };
        if (stored && stored->size() > 15) protocol.insert(protocol.begin(), "read RefreshRate");
        std::vector<std::string> expected = { "read HardWareKey", "read Driver", "read EnhPer", "read MCLK" };
        expected.insert(expected.end(), protocol.begin(), protocol.end());
        EXPECT_EQ(trace.calls, expected);
        h.sheet->Select(1);
        trace.calls.clear();
        h.sheet->Select(0);
        expected = { "read Driver" };
        expected.insert(expected.end(), protocol.begin(), protocol.end());
        EXPECT_EQ(trace.calls, expected);
        h.Close();
        h.adapterRegistry.RemoveAll();
    }
}

TEST_F(SettingsPage, ThePageHasItsIconAndTheLogoOneSetOfMasksUntilTheSchemeChanges) {
    h.adapterRegistry.Seed();
    h.Open();
    // Icons loaded with LoadIcon are shared: the page's is the module's one handle for it.
    const LPARAM icon = reinterpret_cast<LPARAM>(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PAGE_ICON)));
    EXPECT_NE(icon, 0);
    EXPECT_EQ(::SendMessageA(h.PageWindow(), WM_GETICON, ICON_BIG, 0), icon);
    EXPECT_EQ(::SendMessageA(h.PageWindow(), WM_GETICON, ICON_SMALL, 0), icon);

    HWND hLogo = h.Control(IDC_LOGO);
    ::RedrawWindow(hLogo, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(h.ledger->LiveObjects(), 2u) << "a mask and a masked copy of the logo";
    EXPECT_EQ(h.ledger->HeldDCs(), 2u);
    const size_t made = h.ledger->ObjectsCreated();
    ::RedrawWindow(hLogo, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(h.ledger->ObjectsCreated(), made);
    // The page passes a new scheme on to its controls.
    ::SendMessageA(h.PageWindow(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(h.ledger->LiveObjects(), 0u);
    EXPECT_EQ(h.ledger->HeldDCs(), 0u);
}

TEST_F(SettingsPage, SliderFollowsTheDriversRates) {
    struct Case {
        std::vector<SHORT> rates;
        SHORT limitMode, maxRate, current;
        int count, pos;
    };
    const Case cases[] = {
        { { 60, 70, 72, 75, 85 }, 0, 85, 72, 5, 2 },
        { { 60, 70, 72, 75, 85, 60 }, 0, 75, 75, 4, 3 },
        { { 60 }, 0, 85, 60, 1, 0 },
        { { 60 }, 0, 85, 75, 1, 0 },          // the one rate offered is not the one in force
        { { 60, 72, 75, 85 }, 0, 85, 65, 4, 0 },  // nor is any of these
        { {}, 0, 85, 60, 0, 0 },
    };
    h.adapterRegistry.Seed();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " rates, " << c.current << " Hz in force");
        h.adapter.rates = c.rates;
        h.adapter.limitMode = c.limitMode;
        h.adapter.maxRate = c.maxRate;
        h.adapter.currentRate = c.current;
        h.Open();
        HWND slider = h.Control(IDC_REFRESH_SLIDER);
        EXPECT_EQ(::SendMessageA(slider, TBM_GETRANGEMIN, 0, 0), 0);
        EXPECT_EQ(::SendMessageA(slider, TBM_GETRANGEMAX, 0, 0), std::max(c.count - 1, 0));
        EXPECT_EQ(h.SliderPos(), c.pos);
        EXPECT_EQ(h.IsEnabled(IDC_REFRESH_SLIDER), c.count > 1);
        EXPECT_FALSE(h.IsEnabled(IDC_REFRESH_TEST));
        EXPECT_EQ(h.Page().m_currentMode.refreshRate, c.current);
        EXPECT_EQ(g_pAdapterSettings->GetCount(), c.count) << "one mode per offered rate";
        h.Close();
    }
}

TEST_F(SettingsPage, MovingTheSliderEnablesApplyAndRefreshTestWhileTheRateDiffers) {
    h.adapterRegistry.Seed();
    h.adapter.currentRate = 70;
    h.Open();
    EXPECT_EQ(h.SliderPos(), 1);
    h.MoveSlider(3);
    EXPECT_TRUE(h.ApplyEnabled());
    EXPECT_TRUE(h.IsEnabled(IDC_REFRESH_TEST));
    h.MoveSlider(1);
    EXPECT_FALSE(h.IsEnabled(IDC_REFRESH_TEST)) << "back on the rate in force";
    EXPECT_TRUE(h.ApplyEnabled()) << "Apply stays enabled";
}

TEST_F(SettingsPage, EachActivationAsksTheDriverAgain) {
    h.adapterRegistry.Seed();
    h.Open(2);
    const size_t first = h.adapter.RefreshRequests().size();
    h.adapter.currentRate = 85;
    h.sheet->Select(1);
    h.sheet->Select(0);
    EXPECT_GT(h.adapter.RefreshRequests().size(), first);
    EXPECT_EQ(h.Page(0).m_currentMode.refreshRate, 85);
    EXPECT_EQ(h.SliderPos(0), 4);
}

TEST_F(SettingsPage, RefreshTestButtonFollowsANewListOnReactivation) {
    h.adapterRegistry.Seed();
    h.Open(2);
    h.MoveSlider(3);
    ASSERT_TRUE(h.IsEnabled(IDC_REFRESH_TEST));
    h.adapter.rates = {};  // the driver offers nothing any more
    h.sheet->Select(1);
    h.sheet->Select(0);
    EXPECT_FALSE(h.IsEnabled(IDC_REFRESH_TEST)) << "no rate to try";
    h.adapter.rates = { 60, 70, 72, 75, 85 };
    h.adapter.currentRate = 65;  // in force, but not listed
    h.sheet->Select(1);
    h.sheet->Select(0);
    EXPECT_FALSE(h.IsEnabled(IDC_REFRESH_TEST)) << "the thumb shows no rate the user chose";
    h.MoveSlider(2);
    EXPECT_TRUE(h.IsEnabled(IDC_REFRESH_TEST));
}

// Two pages of the module share the settings object; the one left must keep working, whichever
// of the two goes first.
TEST_F(SettingsPage, SurvivingPageKeepsWorkingAfterTheOtherGoes) {
    for (int gone : { 1, 0 }) {
        SCOPED_TRACE(gone);
        h.adapterRegistry.Seed();
        h.Open(2);
        h.sheet->Select(1);  // both pages initialised
        h.sheet->Select(0);
        PropSheet_RemovePage(h.sheet->Window(), gone, nullptr);
        PumpPending();
        ASSERT_NE(g_pAdapterSettings, nullptr);
        h.sheet->Select(0);
        h.Click(IDC_FAST);
        h.user->Answer(IDNO);
        h.sheet->Press(IDOK);
        EXPECT_EQ(h.Value("MCLK"), "77");
        h.Close();
        EXPECT_EQ(g_pAdapterSettings, nullptr) << "the last page ends the settings object";
        h.adapterRegistry.RemoveAll();
    }
}

}  // namespace
