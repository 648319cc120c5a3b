// What a screen reader gets from the refresh-rate slider through Active Accessibility, in a real
// sheet: the rate with its unit and the label as name, the standard object's answers for the
// rest, an event when the thumb moves, and an object that outlives the page without harm.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>
#include <shlobj.h>
#include <memory>
#include <set>
#include <string>
#include <vector>
#include "ImportPatch.h"
#include "MessagePump.h"
#include "PageHarness.h"
#include "ProductDll.h"
#include "TestSheet.h"
#include "VirtualAdapter.h"
#include "res/resource.h"

namespace {

// A window's client-area object from oleacc: as a screen reader gets it (AccessibleObjectFromWindow,
// through WM_GETOBJECT), or the system's standard one (CreateStdAccessibleObject).
template <typename Getter>
IAccessible* ClientObject(Getter get, HWND hWnd) {
    IAccessible* p = nullptr;
    return get(hWnd, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&p)) == S_OK ? p : nullptr;
}

// The shell's thread has COM ready; so does the test's.
struct ComApartment {
    ComApartment() { ::CoInitialize(nullptr); }
    ~ComApartment() { ::CoUninitialize(); }
};

VARIANT Self() {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = CHILDID_SELF;
    return v;
}

// A text a screen reader reads of the object itself; empty when there is none.
using TextProperty = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
std::string Read(IAccessible* p, TextProperty property) {
    BSTR bstr = nullptr;
    (p->*property)(Self(), &bstr);
    std::string text;
    for (const OLECHAR* c = bstr; c && *c; ++c) text += static_cast<char>(*c);
    ::SysFreeString(bstr);
    return text;
}
std::string Name(IAccessible* p) { return Read(p, &IAccessible::get_accName); }
std::string Value(IAccessible* p) { return Read(p, &IAccessible::get_accValue); }

// Everything a screen reader reads besides name, value and location, as text for comparing.
std::string Rest(IAccessible* p) {
    VARIANT role = {}, state = {};
    p->get_accRole(Self(), &role);
    p->get_accState(Self(), &state);
    LONG children = -1;
    p->get_accChildCount(&children);
    return "role " + std::to_string(role.lVal) + ", state " + std::to_string(state.lVal) + ", " +
           std::to_string(children) + " children, shortcut \"" + Read(p, &IAccessible::get_accKeyboardShortcut) + "\"";
}

// The libraries a module loads and frees by itself, watched through its imports; with `missing`
// set, as on a system that lacks every library asked for.
class LibraryLedger {
public:
    explicit LibraryLedger(HMODULE module)
        : m_load(module, "KERNEL32.dll", "LoadLibraryA", [this](auto real, LPCSTR name) {
              loaded.push_back(name);
              if (missing) ::SetLastError(ERROR_MOD_NOT_FOUND);
              HMODULE h = missing ? nullptr : real(name);
              if (h) held.insert(h);
              return h;
          }),
          m_free(module, "KERNEL32.dll", "FreeLibrary", [this](auto real, HMODULE h) {
              held.erase(h);
              return real(h);
          }) {}
    bool Active() const { return m_load.Active() && m_free.Active(); }

    bool missing = false;
    std::vector<std::string> loaded;  // names asked for, in order
    std::set<HMODULE> held;           // loaded and not freed yet

private:
    ImportHook<decltype(&::LoadLibraryA)> m_load;
    ImportHook<decltype(&::FreeLibrary)> m_free;
};

// The value changes accessibility clients of this process are told of.
class ValueChanges {
public:
    ValueChanges() {
        s_self = this;
        m_hook = ::SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, &Heard,
                                   ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    }
    ~ValueChanges() {
        ::UnhookWinEvent(m_hook);
        s_self = nullptr;
    }
    // Waits for a change of hWnd's client area; forgets it once heard.
    bool HeardFrom(HWND hWnd) {
        const bool heard = PumpUntil([&] { return !m_heard.empty() && m_heard.back() == hWnd; });
        m_heard.clear();
        return heard;
    }

private:
    static void CALLBACK Heard(HWINEVENTHOOK, DWORD, HWND hWnd, LONG idObject, LONG idChild, DWORD, DWORD) {
        if (idObject == OBJID_CLIENT && idChild == CHILDID_SELF) s_self->m_heard.push_back(hWnd);
    }
    HWINEVENTHOOK m_hook;
    std::vector<HWND> m_heard;
    static ValueChanges* s_self;
};
ValueChanges* ValueChanges::s_self = nullptr;

TEST(SliderAccessibility, ScreenReaderHearsTheRateUnderTheThumbByName) {
    const ComApartment com;
    PageHarness h;
    h.adapter.rates = { 60, 70, 72, 75, 85 };
    h.adapter.currentRate = 72;
    h.Open();
    HWND hSlider = h.Control(IDC_REFRESH_SLIDER);
    IAccessible* slider = ClientObject(&::AccessibleObjectFromWindow, hSlider);
    IAccessible* standard = ClientObject(&::CreateStdAccessibleObject, hSlider);
    ASSERT_TRUE(slider && standard);
    EXPECT_EQ(Value(slider), "72 Hz");
    EXPECT_EQ(Name(slider), "Refresh Rate");
    // The rest is passed through to the standard object: the slider's own window, no children.
    EXPECT_EQ(Rest(slider), Rest(standard));
    // Where it stands on screen, also in a mirrored sheet: its client area, left edge first.
    RECT client;
    ::GetClientRect(hSlider, &client);
    ::MapWindowPoints(hSlider, nullptr, reinterpret_cast<POINT*>(&client), 2);
    LONG x = 0, y = 0, cx = 0, cy = 0, children = -1;
    ASSERT_EQ(slider->accLocation(&x, &y, &cx, &cy, Self()), S_OK);
    EXPECT_EQ(std::vector<LONG>({ x, y, cx, cy }),
              std::vector<LONG>({ client.left, client.top, client.right - client.left, client.bottom - client.top }));
    EXPECT_EQ(slider->get_accChildCount(&children), S_OK);
    EXPECT_EQ(children, 0);

    // The thumb moved by keyboard, then by a click on the channel's far end.
    ValueChanges changes;
    h.PressAlt('r');
    h.PressKey(VK_RIGHT);
    EXPECT_TRUE(changes.HeardFrom(hSlider));
    EXPECT_EQ(Value(slider), "75 Hz");
    RECT channel = {}, thumb = {};
    ::SendMessageA(hSlider, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    ::SendMessageA(hSlider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const LPARAM end = MAKELPARAM(channel.right - 1, (thumb.top + thumb.bottom) / 2);
    ::PostMessageA(hSlider, WM_LBUTTONDOWN, MK_LBUTTON, end);
    ::PostMessageA(hSlider, WM_LBUTTONUP, 0, end);
    EXPECT_TRUE(changes.HeardFrom(hSlider));
    EXPECT_EQ(Value(slider), "85 Hz");
    slider->Release();
    standard->Release();
    h.Close();

    // With one rate the slider reads out the panel's sentence.
    h.adapter.rates = { 60 };
    h.adapter.currentRate = 60;
    h.Open();
    slider = ClientObject(&::AccessibleObjectFromWindow, h.Control(IDC_REFRESH_SLIDER));
    ASSERT_TRUE(slider);
    EXPECT_EQ(Value(slider), "60 Hz is default. Manual adjustment disallowed.");
    EXPECT_EQ(Name(slider), "Refresh Rate");
    slider->Release();
}

// The shipped DLL in a sheet, as the shell shows it: oleacc.dll loaded only for a client, and a
// screen reader that keeps the slider's object after the sheet has closed.
TEST(SliderAccessibility, LoadedOnlyWhenAskedAndSafeToHoldPastTheSheet) {
    const ComApartment com;
    ProductDll dll;
    VirtualAdapter adapter;
    ASSERT_TRUE(adapter.Plug(dll.Module()));
    IShellPropSheetExt* ext = nullptr;
    ASSERT_EQ(dll.CreateExtension(IID_IShellPropSheetExt, reinterpret_cast<void**>(&ext)), S_OK);
    PageCollector collector;
    ASSERT_EQ(ext->AddPages(&PageCollector::Add, collector.Param()), S_OK);
    ext->Release();
    LibraryLedger libraries(dll.Module());
    ASSERT_TRUE(libraries.Active());
    auto sheet = std::make_unique<TestSheet>(collector.pages);
    EXPECT_EQ(dll.CanUnloadNow(), S_OK);
    EXPECT_TRUE(libraries.loaded.empty()) << "nothing loaded before a client asks";
    HWND hSlider = ::GetDlgItem(sheet->CurrentPage(), IDC_REFRESH_SLIDER);

    // Without the accessibility runtime the trackbar answers as it always did.
    libraries.missing = true;
    IAccessible* slider = ClientObject(&::AccessibleObjectFromWindow, hSlider);
    ASSERT_TRUE(slider);
    EXPECT_EQ(Name(slider), "Slider1");
    slider->Release();
    EXPECT_EQ(dll.CanUnloadNow(), S_OK);
    libraries.missing = false;
    libraries.loaded.clear();

    slider = ClientObject(&::AccessibleObjectFromWindow, hSlider);
    ASSERT_TRUE(slider);
    EXPECT_EQ(Value(slider), "60 Hz");
    EXPECT_EQ(libraries.loaded, (std::vector<std::string>{ "oleacc.dll", "oleaut32.dll" }));
    EXPECT_EQ(libraries.held.size(), 2u);
    EXPECT_EQ(dll.CanUnloadNow(), S_FALSE);
    sheet.reset();
    EXPECT_EQ(dll.CanUnloadNow(), S_FALSE) << "the client still holds the object";
    EXPECT_EQ(libraries.held.size(), 2u);

    // Every call fails and hands back nothing.
    BSTR bstr = reinterpret_cast<BSTR>(1);
    EXPECT_EQ(slider->get_accValue(Self(), &bstr), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(bstr, nullptr);
    EXPECT_EQ(slider->get_accName(Self(), &bstr), CO_E_OBJNOTCONNECTED);
    VARIANT v = {};
    v.vt = VT_I4;
    EXPECT_EQ(slider->get_accRole(Self(), &v), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(v.vt, VT_EMPTY);
    LONG x = 1, y = 1, cx = 1, cy = 1;
    EXPECT_EQ(slider->accLocation(&x, &y, &cx, &cy, Self()), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(x | y | cx | cy, 0);
    IDispatch* parent = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(slider->get_accParent(&parent), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(parent, nullptr);
    EXPECT_EQ(slider->accNavigate(NAVDIR_NEXT, Self(), &v), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(slider->accDoDefaultAction(Self()), CO_E_OBJNOTCONNECTED);
    UINT count = 1;
    EXPECT_EQ(slider->GetTypeInfoCount(&count), CO_E_OBJNOTCONNECTED);

    EXPECT_EQ(slider->Release(), 0u);
    EXPECT_EQ(dll.CanUnloadNow(), S_OK);
    EXPECT_TRUE(libraries.held.empty()) << "freed with the last object";
}

}  // namespace
