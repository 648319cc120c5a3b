// The page and the confirmation dialog in every language the DLL holds: at 96, 120 and 144 dpi each
// text, measured in the font its template names as Wine resolves it, fits its control and no two
// controls overlap; a translation keeps the English page's controls and size and gives each of
// them its own mnemonic, none of them one of the sheet's own buttons' in that language; the check
// fails for a text that does not fit; and the English resources hold the page's own texts, to
// the letter.
#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>
#include <windows.h>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>
#include "framework/GdiObjects.h"
#include "framework/ResourceText.h"
#include "ChildProcess.h"
#include "GdiTextRecorder.h"
#include "LanguageResources.h"
#include "MessagePump.h"
#include "page/RateList.h"
#include "page/RefreshSlider.h"
#include "res/resource.h"

namespace {

const LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
const DWORD kLayoutRtl = 0x00400000;  // WS_EX_LAYOUTRTL, which the module's headers predate
const int kStrings = IDS_TEST_NEEDS_RESTART;
const char kDpiVariable[] = "TAVROLIN_LAYOUT_DPI";

// The shipped DLL's resources, as data.
class ShippedResources {
public:
    ShippedResources()
        : m_module(::LoadLibraryExA((ProgramFolder() + "\\tavrolin.dll").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ~ShippedResources() { ::FreeLibrary(m_module); }
    HMODULE Module() const { return m_module; }

private:
    HMODULE m_module;
};

std::string Name(LANGID lang) {
    char name[16];
    std::snprintf(name, sizeof name, "0x%04X", lang);
    return name;
}

std::string Name(const std::wstring& letters) {
    std::string text(letters.size() * 4, '\0');
    text.resize(::WideCharToMultiByte(CP_UTF8, 0, letters.data(), static_cast<int>(letters.size()), &text[0],
                                      static_cast<int>(text.size()), nullptr, nullptr));
    return text;
}

int ScreenDpi() {
    HDC hdc = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(hdc, LOGPIXELSY);
    ::ReleaseDC(nullptr, hdc);
    return dpi;
}

// The user's font size (dots per inch) for the programs started while it exists; the one before
// comes back after.
class FontSize {
public:
    explicit FontSize(DWORD dpi) {
        ::RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                          nullptr, &m_hKey, nullptr);
        DWORD size = sizeof m_previous;
        m_hadOne = ::RegQueryValueExA(m_hKey, "LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&m_previous), &size) ==
                   ERROR_SUCCESS;
        ::RegSetValueExA(m_hKey, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    }
    ~FontSize() {
        if (m_hadOne) ::RegSetValueExA(m_hKey, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&m_previous), sizeof m_previous);
        else ::RegDeleteValueA(m_hKey, "LogPixels");
        ::RegCloseKey(m_hKey);
    }

private:
    HKEY m_hKey = nullptr;
    DWORD m_previous = 0;
    bool m_hadOne = false;
};

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// A dialog made from one language's template, inside a top-level window when it is a child.
class LiveDialog {
public:
    explicit LiveDialog(const DLGTEMPLATE* pTemplate) {
        if (pTemplate->style & WS_CHILD)
            m_hHost = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 640, 560, nullptr, nullptr, nullptr, nullptr);
        m_hDialog = ::CreateDialogIndirectParamW(::GetModuleHandleA(nullptr), pTemplate, m_hHost, &QuietDialogProc, 0);
        ::ShowWindow(m_hDialog, SW_SHOW);
        PumpPending();
    }
    ~LiveDialog() {
        ::DestroyWindow(m_hDialog);
        if (m_hHost) ::DestroyWindow(m_hHost);
        PumpPending();
    }
    HWND Window() const { return m_hDialog; }

private:
    HWND m_hHost = nullptr;
    HWND m_hDialog = nullptr;
};

struct Control {
    HWND hWnd;
    RECT rect;  // in the dialog's client area
    std::wstring windowClass, text;
    DWORD style;
    bool IsGroupBox() const { return windowClass == L"Button" && (style & BS_TYPEMASK) == BS_GROUPBOX; }
};

std::vector<Control> Controls(HWND hDlg) {
    std::vector<Control> controls;
    for (HWND hWnd = ::GetWindow(hDlg, GW_CHILD); hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        Control c{ hWnd, {}, std::wstring(64, L'\0'), std::wstring(512, L'\0'),
                   static_cast<DWORD>(::GetWindowLongA(hWnd, GWL_STYLE)) };
        c.windowClass.resize(::GetClassNameW(hWnd, &c.windowClass[0], 64));
        c.text.resize(::GetWindowTextW(hWnd, &c.text[0], 512));
        ::GetWindowRect(hWnd, &c.rect);
        ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&c.rect), 2);
        controls.push_back(c);
    }
    return controls;
}

// Room a control leaves its text, in pixels, and whether it wraps the text there.
struct TextRoom {
    SIZE size;
    bool wraps;
    UINT align;
};

TextRoom RoomFor(const Control& c, int dpi) {
    const SIZE size{ c.rect.right - c.rect.left, c.rect.bottom - c.rect.top };
    const int margin = ::MulDiv(4, dpi, 96);
    if (c.windowClass == L"Static")
        return { size, true, (c.style & SS_TYPEMASK) == SS_CENTER ? UINT(DT_CENTER) : UINT(DT_LEFT) };
    switch (c.style & BS_TYPEMASK) {
    case BS_GROUPBOX: return { { size.cx - 2 * ::MulDiv(7, dpi, 96), size.cy }, false, DT_LEFT };
    case BS_AUTORADIOBUTTON:
    case BS_AUTOCHECKBOX: return { { size.cx - ::GetSystemMetrics(SM_CXMENUCHECK) - margin, size.cy }, false, DT_LEFT };
    default: return { { size.cx - 2 * margin, size.cy - 2 * margin }, false, DT_CENTER };
    }
}

// A DC of a window with a dialog's font selected, the font the dialog's controls draw with.
struct DialogFontDC {
    DialogFontDC(HWND hWnd, HWND hDlg)
        : dc(hWnd), font(dc, reinterpret_cast<HFONT>(::SendMessageA(hDlg, WM_GETFONT, 0, 0))) {}
    HDC Get() const { return dc; }
    CClientDC dc;
    CSelection font;
};

// The font a DC measures with is the one the template names, at the template's size in pixels at
// this font size, as Wine resolves it. A fallback font has other widths, and what it measures
// proves nothing.
void ExpectTemplatesFont(HDC hdc, const DialogLayout& layout, const std::string& where) {
    wchar_t face[LF_FACESIZE] = L"";
    ::GetTextFaceW(hdc, LF_FACESIZE, face);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(hdc, &metrics);
    EXPECT_EQ(std::wstring(face), layout.face)
        << where << ": the template's font, not a fallback (tools/bootstrap installs Wine's fonts)";
    // The em height a font renders at may round a pixel either way of the size asked for (the
    // outline fonts standing in for the Asian dialog fonts do).
    EXPECT_LE(std::abs(metrics.tmHeight - metrics.tmInternalLeading - ::MulDiv(layout.pointSize, ScreenDpi(), 72)), 1)
        << where << ": the template's font size";
}

// Every text measured with the font the dialog's controls get, wrapped where its control wraps;
// every control inside the dialog, and none over another (a group box holds its buttons).
void ExpectEveryTextFits(HWND hDlg, const DialogLayout& layout, const std::string& where) {
    const int dpi = ScreenDpi();
    RECT client;
    ::GetClientRect(hDlg, &client);
    const std::vector<Control> controls = Controls(hDlg);
    const DialogFontDC dc(hDlg, hDlg);
    ExpectTemplatesFont(dc.Get(), layout, where);
    for (const Control& c : controls) {
        SCOPED_TRACE(testing::Message() << where << ", control " << ::GetDlgCtrlID(c.hWnd));
        RECT inside;
        ::IntersectRect(&inside, &c.rect, &client);
        EXPECT_TRUE(::EqualRect(&inside, &c.rect)) << "within the dialog";
        const bool textual = c.windowClass == L"Button" || (c.windowClass == L"Static" && (c.style & SS_TYPEMASK) != SS_ICON);
        if (!textual || c.text.empty()) continue;
        const TextRoom room = RoomFor(c, dpi);
        RECT need = { 0, 0, room.size.cx, 0 };
        ::DrawTextW(dc.Get(), c.text.c_str(), -1, &need, DT_CALCRECT | room.align | (room.wraps ? DT_WORDBREAK : DT_SINGLELINE));
        EXPECT_LE(need.right, room.size.cx) << "wide enough for the text";
        EXPECT_LE(need.bottom, room.size.cy) << "high enough for the text";
    }
    for (size_t i = 0; i < controls.size(); ++i)
        for (size_t j = i + 1; j < controls.size(); ++j) {
            const Control &a = controls[i], &b = controls[j];
            RECT both, unionRect;
            if (!::IntersectRect(&both, &a.rect, &b.rect)) continue;
            ::UnionRect(&unionRect, &a.rect, &b.rect);
            const bool held = (a.IsGroupBox() && ::EqualRect(&unionRect, &a.rect)) ||
                              (b.IsGroupBox() && ::EqualRect(&unionRect, &b.rect));
            EXPECT_TRUE(held) << where << ": controls " << ::GetDlgCtrlID(a.hWnd) << " and " << ::GetDlgCtrlID(b.hWnd)
                              << " overlap";
        }
}

// The single-rate sentence where the slider paints it on the page made from this template.
void ExpectSingleRateSentenceFits(HWND hPage, const std::wstring& format, const std::string& where) {
    CRefreshSlider slider(IDC_RATE_LABEL);
    ASSERT_TRUE(slider.SubclassWindow(::GetDlgItem(hPage, IDC_REFRESH_SLIDER)));
    CRateList rates;
    rates.Append(100);  // three digits, the widest a rate is
    slider.SetList(rates);
    GdiTextRecorder recorder;
    ::RedrawWindow(slider.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    PumpPending();
    ASSERT_EQ(recorder.drawTexts.size(), 1u) << where;
    const RECT panel = recorder.drawTexts[0].rect;
    std::wstring sentence = format;
    sentence.replace(sentence.find(L"%d"), 2, L"100");
    RECT need = { 0, 0, panel.right - panel.left, 0 };
    ::DrawTextW(DialogFontDC(slider.m_hWnd, hPage).Get(), sentence.c_str(), -1, &need, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_LE(need.right, panel.right - panel.left) << where << ": the single-rate sentence";
    EXPECT_LE(need.bottom, panel.bottom - panel.top) << where << ": the single-rate sentence";
    slider.UnsubclassWindow();
}

// The letter marked with & in a text, in capitals; 0 when it has none.
wchar_t Mnemonic(const std::wstring& text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&') continue;
        wchar_t letter = text[++i];
        if (letter == L'&') continue;
        ::CharUpperBuffW(&letter, 1);
        return letter;
    }
    return 0;
}

// The letters marked with & in a dialog's texts, in order.
std::wstring Mnemonics(const DialogLayout& layout) {
    std::wstring letters;
    for (const TemplateItem& item : layout.items)
        if (const wchar_t letter = Mnemonic(item.text)) letters += letter;
    return letters;
}

// The Apply button of Windows 95's and 98's own property sheets, in each language the page has
// (OK and Cancel have no mnemonic there).
const struct {
    LANGID lang;
    const wchar_t* apply;
} kWindowsApply[] = {
    { 0x000A, L"&Aplicar" },    { 0x0401, L"&تطبيق" },     { 0x0403, L"&Aplica" },    { 0x0404, L"套用(&A)" },
    { 0x0405, L"&Použít" },     { 0x0406, L"&Anvend" },    { 0x0407, L"Ü&bernehmen" }, { 0x0408, L"&Εφαρμογή" },
    { 0x0409, L"&Apply" },      { 0x040A, L"&Aplicar" },   { 0x040B, L"&Käytä" },     { 0x040C, L"&Appliquer" },
    { 0x040D, L"&החל" },        { 0x040E, L"&Alkalmaz" },  { 0x0410, L"&Applica" },   { 0x0411, L"適用(&A)" },
    { 0x0412, L"적용(&A)" },    { 0x0413, L"&Toepassen" }, { 0x0414, L"&Bruk" },      { 0x0415, L"&Zastosuj" },
    { 0x0416, L"&Aplicar" },    { 0x0419, L"&Применить" }, { 0x041B, L"&Použiť" },    { 0x041D, L"&Verkställ" },
    { 0x041E, L"นำไปใช้(&A)" }, { 0x041F, L"&Uygula" },    { 0x0424, L"&Uporabi" },   { 0x042D, L"&Aplikatu" },
    { 0x0804, L"应用(&A)" },    { 0x0816, L"&Aplicar" },
};

// The letters the sheet's OK, Cancel and Apply take in a language: as Windows 95 labels them and
// as the running sheet does (comctl32's own template in that language, in the language without
// its country, or else in English).
std::wstring SheetMnemonics(LANGID lang) {
    std::wstring letters;
    for (const auto& known : kWindowsApply)
        if (known.lang == lang) letters += Mnemonic(known.apply);
    EXPECT_EQ(letters.size(), 1u) << "Windows' own Apply button in this language";
    const WORD kPropertySheet = 1006, kApply = 0x3021;
    HMODULE comctl32 = ::GetModuleHandleA("comctl32.dll");
    const DLGTEMPLATE* pSheet = DialogTemplate(comctl32, lang, kPropertySheet);
    if (!pSheet) pSheet = DialogTemplate(comctl32, MAKELANGID(PRIMARYLANGID(lang), SUBLANG_NEUTRAL), kPropertySheet);
    // A language Wine has no sheet in (Basque) gets its English one.
    if (!pSheet) pSheet = DialogTemplate(comctl32, MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT), kPropertySheet);
    EXPECT_NE(pSheet, nullptr) << "the running sheet's buttons in this language";
    if (!pSheet) return letters;
    for (const TemplateItem& item : ReadTemplate(pSheet).items)
        if (item.id == IDOK || item.id == IDCANCEL || item.id == kApply)
            if (const wchar_t letter = Mnemonic(item.text)) letters += letter;
    return letters;
}

void ExpectSameControls(const DialogLayout& translated, const DialogLayout& english, const std::string& where) {
    EXPECT_EQ(translated.style, english.style) << where;
    ASSERT_EQ(translated.items.size(), english.items.size()) << where;
    for (size_t i = 0; i < english.items.size(); ++i) {
        EXPECT_EQ(translated.items[i].id, english.items[i].id) << where << ", control " << i;
        EXPECT_EQ(translated.items[i].windowClass, english.items[i].windowClass) << where << ", control " << i;
        EXPECT_EQ(translated.items[i].style, english.items[i].style) << where << ", control " << i;
    }
}

TEST(Translations, EveryLanguageFitsItsDialogsAt96To144Dpi) {
    char wanted[8] = "";
    const bool child = ::GetEnvironmentVariableA(kDpiVariable, wanted, sizeof wanted) > 0;
    ASSERT_EQ(ScreenDpi(), child ? std::atoi(wanted) : 96) << "the prefix's font size";
    ::InitCommonControls();
    ShippedResources dll;
    ASSERT_NE(dll.Module(), nullptr);
    const std::vector<LANGID> langs = ResourceLanguages(dll.Module(), IDD_SETTINGS_PAGE);
    // Each language once, with the sublanguage its Windows 95 has, and Spanish for every country
    // beside Spain's own.
    EXPECT_EQ(langs, (std::vector<LANGID>{ 0x000A, 0x0401, 0x0403, 0x0404, 0x0405, 0x0406, 0x0407, 0x0408,
                                           0x0409, 0x040A, 0x040B, 0x040C, 0x040D, 0x040E, 0x0410, 0x0411,
                                           0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0419, 0x041B, 0x041D,
                                           0x041E, 0x041F, 0x0424, 0x042D, 0x0804, 0x0816 }));
    const DialogLayout englishPage = ReadTemplate(DialogTemplate(dll.Module(), kEnglish, IDD_SETTINGS_PAGE));
    const DialogLayout englishConfirm = ReadTemplate(DialogTemplate(dll.Module(), kEnglish, IDD_CONFIRM_RATE));
    for (LANGID lang : langs) {
        const std::string where = Name(lang) + " at " + std::to_string(ScreenDpi()) + " dpi";
        SCOPED_TRACE(where);
        const DLGTEMPLATE* pPage = DialogTemplate(dll.Module(), lang, IDD_SETTINGS_PAGE);
        const DLGTEMPLATE* pConfirm = DialogTemplate(dll.Module(), lang, IDD_CONFIRM_RATE);
        ASSERT_TRUE(pPage && pConfirm);
        const DialogLayout page = ReadTemplate(pPage), confirm = ReadTemplate(pConfirm);
        ExpectSameControls(page, englishPage, where + ", page");
        ExpectSameControls(confirm, englishConfirm, where + ", confirmation");
        // Arabic and Hebrew Windows lay their dialogs out mirrored, and no other does.
        const DWORD mirrored = PRIMARYLANGID(lang) == LANG_ARABIC || PRIMARYLANGID(lang) == LANG_HEBREW ? kLayoutRtl : 0;
        EXPECT_EQ(page.exStyle, mirrored) << "the page's layout";
        EXPECT_EQ(confirm.exStyle, mirrored) << "the confirmation's layout";
        EXPECT_EQ(page.size.cx, englishPage.size.cx) << "the page keeps its size";
        EXPECT_EQ(page.size.cy, englishPage.size.cy) << "the page keeps its size";
        EXPECT_EQ(page.caption, L"Tavrolin") << "the product's name is not translated";
        // English keeps the page's own texts, which give R twice.
        if (lang != kEnglish) {
            for (const DialogLayout* layout : { &page, &confirm }) {
                const std::wstring letters = Mnemonics(*layout);
                EXPECT_EQ(std::set<wchar_t>(letters.begin(), letters.end()).size(), letters.size())
                    << "mnemonics given twice: " << Name(letters);
            }
        }
        const std::wstring pageLetters = Mnemonics(page), sheetLetters = SheetMnemonics(lang);
        EXPECT_EQ(pageLetters.find_first_of(sheetLetters), std::wstring::npos)
            << "the page's " << Name(pageLetters) << " against the sheet's buttons' " << Name(sheetLetters);
        // Each string is loaded whole into CResourceText's buffer, in the language's ANSI code page.
        UINT codePage = 0;
        ASSERT_TRUE(::GetLocaleInfoA(MAKELCID(lang, SORT_DEFAULT), LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                                     reinterpret_cast<char*>(&codePage), sizeof codePage));
        for (UINT id = 1; id <= kStrings; ++id) {
            const std::wstring text = ResourceString(dll.Module(), lang, id);
            EXPECT_FALSE(text.empty()) << "string " << id;
            EXPECT_EQ(text.find(L'\0'), std::wstring::npos) << "string " << id << " as the resource compiler converted it";
            const int bytes = ::WideCharToMultiByte(codePage, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
            EXPECT_LT(bytes, CResourceText::kCapacity) << "string " << id << " in code page " << codePage;
        }
        // The slider formats the sentence with one number and nothing else.
        const std::wstring format = ResourceString(dll.Module(), lang, IDS_SINGLE_RATE);
        ASSERT_EQ(format.find(L'%'), format.find(L"%d"));
        ASSERT_NE(format.find(L"%d"), std::wstring::npos);
        ASSERT_EQ(format.find(L'%', format.find(L"%d") + 1), std::wstring::npos);

        LiveDialog livePage(pPage), liveConfirm(pConfirm);
        ExpectEveryTextFits(livePage.Window(), page, where + ", page");
        ExpectEveryTextFits(liveConfirm.Window(), confirm, where + ", confirmation");
        ExpectSingleRateSentenceFits(livePage.Window(), format, where);
    }
    if (child) return;

    // Again at the larger font sizes, each in a program of its own: Wine takes the font size as a
    // program starts.
    char self[MAX_PATH];
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    for (int dpi : { 120, 144 }) {
        const FontSize larger(dpi);
        ::SetEnvironmentVariableA(kDpiVariable, std::to_string(dpi).c_str());
        std::string output;
        const int rc = RunProgram(std::string("\"") + self + "\" --gtest_brief=1 --gtest_filter=" +
                                  test->test_suite_name() + "." + test->name(), &output, 180000);
        ::SetEnvironmentVariableA(kDpiVariable, nullptr);
        EXPECT_EQ(rc, 0) << "at " << dpi << " dpi:\n" << output;
    }
}

// The check itself catches a text that does not fit: one word too wide for its button, and one
// sentence too many for its static.
TEST(Translations, ATextThatDoesNotFitFails) {
    ::InitCommonControls();
    ShippedResources dll;
    ASSERT_NE(dll.Module(), nullptr);
    const DialogLayout pageLayout = ReadTemplate(DialogTemplate(dll.Module(), kEnglish, IDD_SETTINGS_PAGE));
    const DialogLayout confirmLayout = ReadTemplate(DialogTemplate(dll.Module(), kEnglish, IDD_CONFIRM_RATE));
    LiveDialog page(DialogTemplate(dll.Module(), kEnglish, IDD_SETTINGS_PAGE));
    ::SetDlgItemTextW(page.Window(), IDC_FAST, L"&Fast Fast");
    EXPECT_NONFATAL_FAILURE(ExpectEveryTextFits(page.Window(), pageLayout, "too wide"), "wide enough for the text");
    LiveDialog confirm(DialogTemplate(dll.Module(), kEnglish, IDD_CONFIRM_RATE));
    HWND hText = ::GetWindow(::GetDlgItem(confirm.Window(), IDCANCEL), GW_HWNDNEXT);
    ::SetWindowTextW(hText, (kEnglishTexts.confirm[3] + L"\r\n\r\n" + kEnglishTexts.confirm[3]).c_str());
    EXPECT_NONFATAL_FAILURE(ExpectEveryTextFits(confirm.Window(), confirmLayout, "too high"), "high enough for the text");
}

TEST(Translations, EnglishHoldsThePagesOwnTexts) {
    ShippedResources dll;
    ASSERT_NE(dll.Module(), nullptr);
    const DialogLayout page = ReadTemplate(DialogTemplate(dll.Module(), kEnglish, IDD_SETTINGS_PAGE));
    const DialogLayout confirm = ReadTemplate(DialogTemplate(dll.Module(), kEnglish, IDD_CONFIRM_RATE));
    EXPECT_EQ(page.caption, L"Tavrolin");
    std::vector<std::wstring> texts;
    for (const TemplateItem& item : page.items) texts.push_back(item.text);
    EXPECT_EQ(texts, kEnglishTexts.page);
    texts = { confirm.caption };
    for (const TemplateItem& item : confirm.items) texts.push_back(item.text);
    EXPECT_EQ(texts, kEnglishTexts.confirm);
    std::vector<std::wstring> strings;
    for (UINT id = 1; id <= kStrings; ++id) strings.push_back(ResourceString(dll.Module(), kEnglish, id));
    EXPECT_EQ(strings, kEnglishTexts.strings);
}

}  // namespace
