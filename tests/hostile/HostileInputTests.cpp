// Hostile inputs, seeded and bounded: random registry contents along the whole lookup chain,
// random driver replies and mode-change results, and a user who does and answers anything in
// any order. Each case must leave every resource given back, the registry holding either its
// old values or ones the page may write, and the page still working.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>
#include "DialogDriver.h"
#include "PageHarness.h"
#include "page/ConfirmRateDlg.h"
#include "page/DialogDlg.h"
#include "res/resource.h"
#include "settings/AdapterSettings.h"

namespace {

// Case n draws everything from std::mt19937(kSeed + n); HOSTILE_CASE=n runs that case alone.
constexpr unsigned kSeed = 0x7A5E0107;
const std::string kAdapterId = "PCI\\VEN_5333&DEV_5631";
const int kApply = 0x3021;  // the sheet's Apply button
int g_nCasesRun = 0;

using Rng = std::mt19937;

template <typename T> T Pick(Rng& rng, std::initializer_list<T> items) { return items.begin()[rng() % items.size()]; }
int Between(Rng& rng, int lo, int hi) { return lo + static_cast<int>(rng() % static_cast<unsigned>(hi - lo + 1)); }
// A length at and around a buffer of n bytes.
size_t AroundBuffer(Rng& rng, size_t n) { return n - 2 + rng() % 4; }

struct RegValue {
    DWORD type;
    std::string data;  // the bytes as stored
    bool operator==(const RegValue& o) const { return type == o.type && data == o.data; }
};

// --- Registry ---

void Put(HKEY root, const std::string& key, const char* name, const RegValue& value) {
    WriteRegistryValue(root, key, name, value.type, value.data);
}

// How a text may be stored: terminated, as bytes with or without a terminator (Wine would add one
// to a REG_SZ), as a multi-string, as a DWORD whose bytes begin with the text, or empty.
RegValue Stored(Rng& rng, const std::string& text) {
    switch (rng() % 8) {
    case 0: return { REG_BINARY, text };
    case 1: return { REG_BINARY, text + '\0' };
    case 2: return { REG_MULTI_SZ, text + '\0' + '\0' };
    case 3: return { REG_DWORD, (text + std::string(4, '\0')).substr(0, 4) };
    case 4: return { REG_EXPAND_SZ, text + '\0' };
    case 5: return { REG_BINARY, "" };
    default: return { REG_SZ, text + '\0' };
    }
}

// Subkey names around the 32-character enumeration buffer.
std::string NodeName(Rng& rng) {
    std::string name = "C29A3B40";
    if (rng() % 3 == 0) name.resize(Between(rng, 30, 33), '0');
    return name;
}

// The ID itself, in lower case or one character short; lengths around MAX_PATH, or cut inside the ID.
std::string HardwareKeyText(Rng& rng) {
    std::string text = Pick<std::string>(rng, { kAdapterId, kAdapterId, "pci\\ven_5333&dev_5631", "PCI\\VEN_5333&DEV_563" }) +
                       "\\BUS_01&DEV_00&FUNC_00";
    if (rng() % 3 == 0) text.resize(AroundBuffer(rng, MAX_PATH), '0');
    else if (rng() % 4 == 0) text.resize(Between(rng, 5, 22));
    return text;
}

// Lengths around 16.
std::string DriverText(Rng& rng) {
    std::string text = Pick<std::string>(rng, { "DISPLAY\\0000", "DISPLAY\\0000", "DISPLAY" });
    if (rng() % 2) text.resize(AroundBuffer(rng, 16), '1');
    return text;
}

// Signs, blanks, digits followed by letters, huge numbers, empty, lengths around 8.
std::string NumberText(Rng& rng) {
    switch (rng() % 8) {
    case 0: return Pick<std::string>(rng, { "0", "1", "2", "70", "77", "60", "-1" });
    case 1: return Pick<std::string>(rng, { "+77", "-0", " 85", "\t-1", "\n77", "  77", "- 1", "+-7" });
    case 2: return std::to_string(Between(rng, 0, 99)) + Pick<std::string>(rng, { "abc", "Hz", "x7", " 7" });
    case 3: return Pick<std::string>(rng, { "99999999", "77777777", "2147483647", "-2147483648", "4294967373" });
    case 4: return Pick<std::string>(rng, { "", "abc", "Fast", " " });
    case 5: {
        std::string digits(AroundBuffer(rng, 8), '7');
        for (char& c : digits) c = static_cast<char>('0' + rng() % 10);
        return digits;
    }
    default: return std::to_string(static_cast<int>(rng()));
    }
}

// Seeds the device node, its Enum entry, the driver key's DEFAULT and its values; returns the
// node's name. With a sound chain the adapter is always found; the values are always hostile.
std::string SeedRegistry(Rng& rng, bool hostileChain) {
    const std::string node = hostileChain ? NodeName(rng) : "C29A3B40";
    const std::string hw = hostileChain ? HardwareKeyText(rng) : kAdapterId + "\\BUS_01&DEV_00&FUNC_00";
    const std::string driver = hostileChain ? DriverText(rng) : "DISPLAY\\0000";
    Put(HKEY_DYN_DATA, AdapterRegistry::NodeKeyOf(node), "HardWareKey", hostileChain ? Stored(rng, hw) : RegValue{ REG_SZ, hw + '\0' });
    Put(HKEY_LOCAL_MACHINE, AdapterRegistry::EnumKeyOf(hw), "Driver", hostileChain ? Stored(rng, driver) : RegValue{ REG_SZ, driver + '\0' });
    if (hostileChain && rng() % 8 == 0) return node;  // no DEFAULT key
    const std::string values = AdapterRegistry::ValuesKeyOf(driver);
    Put(HKEY_LOCAL_MACHINE, values, nullptr, {});
    for (const char* name : { "EnhPer", "MCLK", "RefreshRate" })
        if (rng() % 6) Put(HKEY_LOCAL_MACHINE, values, name, Stored(rng, NumberText(rng)));
    return node;
}

void RemoveSeeded() {
    DeleteRegistryTree(HKEY_DYN_DATA, "Config Manager\\Enum");
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, "Enum\\PCI");
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, AdapterRegistry::DriverKeyOf("DISPLAY"));
}

// Every key (as "path") and value (as "path|name") of the trees the page reads.
using Snapshot = std::map<std::string, RegValue>;

void Walk(HKEY root, const std::string& path, Snapshot& out) {
    HKEY hKey;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS) return;
    out[path] = { REG_NONE, "" };
    char name[256];
    BYTE data[4096];
    for (DWORD i = 0;; ++i) {
        DWORD cchName = sizeof name, type = 0, cbData = sizeof data;
        if (::RegEnumValueA(hKey, i, name, &cchName, nullptr, &type, data, &cbData) != ERROR_SUCCESS) break;
        out[path + '|' + name] = { type, std::string(reinterpret_cast<char*>(data), cbData) };
    }
    for (DWORD i = 0; ::RegEnumKeyA(hKey, i, name, sizeof name) == ERROR_SUCCESS; ++i) Walk(root, path + '\\' + name, out);
    ::RegCloseKey(hKey);
}

Snapshot TakeSnapshot() {
    Snapshot s;
    Walk(HKEY_DYN_DATA, "Config Manager\\Enum", s);
    Walk(HKEY_LOCAL_MACHINE, "Enum", s);
    Walk(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Class", s);
    return s;
}

std::string Describe(const Snapshot& s, const std::string& name) {
    const auto it = s.find(name);
    return it == s.end() ? "(none)"
                         : "type " + std::to_string(it->second.type) + " " + ::testing::PrintToString(it->second.data);
}

// What the page may take from a value: its bytes up to the first NUL when they fit a buffer of
// `size` bytes; a text buffer that the value fills exactly must hold a terminator.
std::optional<std::string> Readable(HKEY root, const std::string& key, const char* name, DWORD size, bool text) {
    HKEY hKey;
    if (::RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS) return std::nullopt;
    char data[4096];
    DWORD cbData = sizeof data;
    const LONG rc = ::RegQueryValueExA(hKey, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &cbData);
    ::RegCloseKey(hKey);
    const std::string bytes(data, rc == ERROR_SUCCESS ? cbData : 0);
    if (rc != ERROR_SUCCESS || cbData > size || (text && cbData == size && bytes.find('\0') == std::string::npos))
        return std::nullopt;
    return bytes.substr(0, bytes.find('\0'));
}

// The settings the page can reach: nothing unless the node, its hardware key, its driver and
// the DEFAULT key all are readable.
struct Reachable {
    std::string valuesKey;
    std::optional<int> enhPer, mclk;
};

Reachable Oracle(const std::string& node) {
    Reachable r;
    if (node.size() >= 32) return r;
    const auto hw = Readable(HKEY_DYN_DATA, AdapterRegistry::NodeKeyOf(node), "HardWareKey", MAX_PATH, true);
    if (!hw || hw->compare(0, kAdapterId.size(), kAdapterId) != 0) return r;
    const auto driver = Readable(HKEY_LOCAL_MACHINE, AdapterRegistry::EnumKeyOf(*hw), "Driver", 16, true);
    if (!driver) return r;
    r.valuesKey = AdapterRegistry::ValuesKeyOf(*driver);
    const auto number = [&](const char* name) -> std::optional<int> {
        const auto text = Readable(HKEY_LOCAL_MACHINE, r.valuesKey, name, 8, false);
        return text ? std::optional<int>(std::atoi(text->c_str())) : std::nullopt;
    };
    r.enhPer = number("EnhPer");
    r.mclk = number("MCLK");
    return r;
}

// --- Driver ---

SHORT RandomRate(Rng& rng) {
    switch (rng() % 8) {
    case 0: return 0;
    case 1: return static_cast<SHORT>(-Between(rng, 1, 32768));
    case 2: return Pick<SHORT>(rng, { 999, 1000, 1001, 32767 });
    case 3: return static_cast<SHORT>(rng());
    default: return static_cast<SHORT>(Between(rng, 56, 120));
    }
}

// Any limit mode and any rates, all 16 entries set at times, a reply never written, and any
// result of the mode change.
RefreshEscapeRecord RandomDriver(Rng& rng, VirtualAdapter& adapter) {
    RefreshEscapeRecord r;
    auto* words = reinterpret_cast<WORD*>(&r);
    for (size_t i = 0; i < sizeof r / sizeof *words; ++i) words[i] = static_cast<WORD>(rng());
    r.wLimitMode = Pick<SHORT>(rng, { 0, 1, LIMIT_NONE, -1, static_cast<SHORT>(rng()) });
    r.wMaxRate = RandomRate(rng);
    const int listed = Between(rng, 0, MAX_LISTED_RATES);
    for (int i = 0; i < listed; ++i) {
        do r.awRates[i] = RandomRate(rng);
        while (r.awRates[i] == 0);
    }
    if (listed < MAX_LISTED_RATES) r.awRates[listed] = 0;
    r.wRefreshRate = listed && rng() % 2 ? r.awRates[rng() % listed] : RandomRate(rng);
    adapter.rawReply = r;
    adapter.writesReply = rng() % 8 != 0;
    adapter.refreshResult = Pick(rng, { 1, 0, -1 });
    adapter.modeChangeResult = Pick<LONG>(rng, { 1, 0, -1, -2, -3, -4, -5, static_cast<LONG>(rng()) });
    // Unwritten, the page reads back the query it sent.
    return adapter.writesReply ? r : RefreshEscapeRecord{ sizeof r, REFRESH_QUERY, 0, 0, 0, 0, {} };
}

// The rates a reply offers, by the rule the driver tests hold the module to.
std::vector<int> Offered(const RefreshEscapeRecord& r) { return std::vector<int>(r.awRates, r.awRates + CountOfferedRates(r)); }

// --- The cases ---

class HostileInput : public ::testing::Test {
protected:
    void RunCases(int first, int count, bool hostileChain) {
        const char* only = std::getenv("HOSTILE_CASE");
        for (int n = first; n < first + count && !HasFailure(); ++n) {
            if (only && std::atoi(only) != n) continue;
            SCOPED_TRACE(::testing::Message() << "case " << n << ", seed " << kSeed + n);
            Rng rng(kSeed + n);
            RemoveSeeded();
            RunCase(rng, hostileChain);
            RemoveSeeded();
            ++g_nCasesRun;
        }
    }

    void RunCase(Rng& rng, bool hostileChain) {
        PageHarness h;
        const std::string node = SeedRegistry(rng, hostileChain);
        const Snapshot before = TakeSnapshot();
        const Reachable reach = Oracle(node);
        RefreshEscapeRecord reply = RandomDriver(rng, h.adapter);
        int yes = 0;
        h.user->onBox = [&](const ScriptedUser::Box& box) {
            // Whenever the user is asked anything, the registry is already (or still) sound.
            ExpectOnlyPageWrites(before, TakeSnapshot(), reach);
            const UINT buttons = box.type & MB_TYPEMASK;
            const int answer = buttons == MB_OKCANCEL ? Pick(rng, { IDOK, IDOK, IDCANCEL, 0 })
                               : buttons == MB_YESNO  ? Pick(rng, { IDYES, IDNO, IDNO, 0 })
                                                      : IDOK;
            yes += answer == IDYES;
            h.user->Answer(answer);
        };
        std::unique_ptr<DialogDriver> dialogs;
        // The confirmation dialog's answer, queued before anything that may open it; at times two
        // answers arrive at once (say "Yes" just as the time-out fires).
        const auto confirm = [&] {
            const auto answer = [&] {
                return Pick(rng, { DialogDriver::Click(IDOK), DialogDriver::Click(IDCANCEL),
                                   DialogDriver::PressKey(VK_ESCAPE), DialogDriver::Close(),
                                   DialogDriver::PostTimer(CConfirmRateDlg::kTimeoutTimerID) });
            };
            DialogDriver::Action action = answer();
            if (rng() % 4 == 0) action = [first = action, second = answer()](HWND hDlg) { first(hDlg); second(hDlg); };
            dialogs->Then(action);
        };
        const auto open = [&] {
            dialogs.reset();  // the sheet is a dialog too: the driver starts after it
            h.Close();
            h.Open();
            dialogs = std::make_unique<DialogDriver>();
        };

        open();
        ExpectStoredSettingsShown(h, reach);
        ExpectDriverRatesShown(h, reply);
        for (int steps = Between(rng, 1, 8); steps > 0 && h.sheet->IsOpen(); --steps) {
            switch (rng() % 11) {
            case 0: h.Click(IDC_NORMAL); break;
            case 1: h.Click(IDC_FAST); break;
            case 2: h.Click(IDC_ENHPER); break;
            case 3:
            case 4: h.MoveSlider(Between(rng, -1, MAX_LISTED_RATES + 1)); break;
            case 5:
            case 6:
                if (h.IsEnabled(IDC_REFRESH_TEST)) {
                    const size_t changes = h.adapter.modeChanges.size();
                    confirm();
                    h.Click(IDC_REFRESH_TEST);
                    // Whatever the answers, the driver is left on the rate the page takes as in
                    // force, and so is the display where mode changes work. (Apply asks the
                    // driver again afterwards, so only the button shows it.)
                    if (h.adapter.modeChanges.size() > changes) {
                        const int inForce = h.Page().m_currentMode.refreshRate;
                        EXPECT_EQ(h.adapter.toldRate, inForce);
                        if (h.adapter.modeChangeResult == DISP_CHANGE_SUCCESSFUL) {
                            EXPECT_EQ(h.adapter.modeChanges.back().mode.dmDisplayFrequency, static_cast<DWORD>(inForce));
                        }
                    }
                }
                break;
            case 7:
                confirm();
                if (h.ApplyEnabled()) h.sheet->Press(kApply);
                break;
            case 8: confirm(); h.sheet->Press(IDOK); break;
            case 9:  // the page shown again, the driver answering differently
                reply = RandomDriver(rng, h.adapter);
                h.sheet->Select(0);
                ExpectDriverRatesShown(h, reply);
                break;
            default: h.sheet->Press(IDCANCEL); break;
            }
            if (h.sheet->IsOpen()) ExpectSliderSound(h);
        }

        // Still usable: a fresh choice is applied (on a new sheet when OK or Cancel ended it).
        if (!h.sheet->IsOpen()) open();
        h.Click(IDC_FAST);
        confirm();
        h.sheet->Press(kApply);
        EXPECT_TRUE(h.IsChecked(IDC_FAST));
        ExpectSliderSound(h);
        if (reach.mclk) {
            const auto mclk = Readable(HKEY_LOCAL_MACHINE, reach.valuesKey, "MCLK", 8, false);
            EXPECT_TRUE(mclk && std::atoi(mclk->c_str()) == 77) << "Fast applied";
        }
        dialogs.reset();
        h.Close();  // checks the resource ledger
        EXPECT_EQ(g_pAdapterSettings, nullptr);

        ExpectOnlyPageWrites(before, TakeSnapshot(), reach);
        EXPECT_EQ(h.user->Unanswered(), 0u);
        EXPECT_EQ(h.user->exits.size(), static_cast<size_t>(yes)) << "a restart for each Yes, and only then";
        for (const auto& exit : h.user->exits) EXPECT_EQ(exit.first, static_cast<UINT>(EWX_REBOOT));
    }

    static void ExpectStoredSettingsShown(const PageHarness& h, const Reachable& reach) {
        EXPECT_EQ(h.IsChecked(IDC_FAST), reach.mclk && *reach.mclk == 77);
        EXPECT_EQ(h.IsChecked(IDC_NORMAL), reach.mclk && *reach.mclk != 77);
        EXPECT_EQ(h.IsChecked(IDC_ENHPER), reach.enhPer && *reach.enhPer != 0);
    }

    // The rate under each position of the slider, as a screen reader would hear them one by one;
    // the thumb is put back where it was.
    static std::vector<int> ShownRates(const PageHarness& h) {
        const CRefreshSlider& slider = h.Page().m_slider;
        HWND hSlider = h.Control(IDC_REFRESH_SLIDER);
        const LRESULT pos = ::SendMessageA(hSlider, TBM_GETPOS, 0, 0);
        std::vector<int> rates;
        for (int i = 0; i < slider.GetCount(); ++i) {
            ::SendMessageA(hSlider, TBM_SETPOS, TRUE, i);
            rates.push_back(slider.GetSelectedValue());
        }
        ::SendMessageA(hSlider, TBM_SETPOS, TRUE, pos);
        return rates;
    }

    static void ExpectDriverRatesShown(const PageHarness& h, const RefreshEscapeRecord& reply) {
        const std::vector<int> rates = ShownRates(h);
        EXPECT_EQ(rates, Offered(reply));
        EXPECT_EQ(h.Page().m_currentMode.refreshRate, reply.wRefreshRate);
        EXPECT_EQ(h.IsEnabled(IDC_REFRESH_SLIDER), rates.size() > 1);
        ExpectSliderSound(h);
    }

    // The thumb within the list's positions, on a listed rate or (off the list) 0.
    static void ExpectSliderSound(const PageHarness& h) {
        const std::vector<int> rates = ShownRates(h);
        const int count = static_cast<int>(rates.size()), pos = h.SliderPos();
        EXPECT_GE(pos, 0);
        EXPECT_LE(pos, std::max(count - 1, 0));
        const int value = h.Page().m_slider.GetSelectedValue();
        EXPECT_TRUE(value == 0 || std::find(rates.begin(), rates.end(), value) != rates.end()) << value;
    }

    // Nothing changed but "EnhPer" and "MCLK" under the DEFAULT key, and those only when they
    // could be read, and only to values the page writes.
    static void ExpectOnlyPageWrites(const Snapshot& before, const Snapshot& after, const Reachable& reach) {
        Snapshot all = before;
        all.insert(after.begin(), after.end());
        for (const auto& entry : all) {
            const std::string& name = entry.first;
            const auto b = before.find(name), a = after.find(name);
            if (b != before.end() && a != after.end() && b->second == a->second) continue;
            const auto writtenAs = [&](const char* value, std::initializer_list<const char*> texts) {
                if (name != reach.valuesKey + '|' + value || a == after.end() || a->second.type != REG_SZ) return false;
                for (const char* text : texts)
                    if (a->second.data == std::string(text, std::strlen(text) + 1)) return true;
                return false;
            };
            const bool allowed = (reach.enhPer && writtenAs("EnhPer", { "0", "1" })) ||
                                 (reach.mclk && writtenAs("MCLK", { "70", "77" }));
            EXPECT_TRUE(allowed) << name << ": " << Describe(before, name) << " became " << Describe(after, name);
        }
    }
};

TEST_F(HostileInput, RegistryAlongTheWholeLookupChain) { RunCases(0, 200, true); }

TEST_F(HostileInput, DriverRepliesModeChangesAndAnswers) { RunCases(200, 150, false); }

class CasesRunReport : public ::testing::Environment {
    void TearDown() override { std::printf("hostile cases run: %d\n", g_nCasesRun); }
};
::testing::Environment* const g_pReport = ::testing::AddGlobalTestEnvironment(new CasesRunReport);

}  // namespace
