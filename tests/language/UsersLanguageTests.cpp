// The page in the user's language, through the real sheet: CTest runs this program once in each
// of a German, a French, a Spanish, a Japanese, a Russian, a Greek, a Hebrew, a Thai and a
// Romanian locale (LC_ALL), and once as it comes. Wine takes the user's language from the locale;
// the page has no setting of its own. Wine's Spanish is Spain's international sort, which gets
// the Spanish that Windows 95 had for Spain; under Hebrew Wine mirrors the sheet, as Hebrew
// Windows does; and Romanian, which the page has no translation for (no Windows 98 was sold in
// it), gets English.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>
#include "DialogDriver.h"
#include "GdiTextRecorder.h"
#include "LanguageResources.h"
#include "MessagePump.h"
#include "PageHarness.h"
#include "res/resource.h"

namespace {

// The language the locale this program was started in stands for, and what the page must show.
struct Locale {
    std::string name;
    LANGID userLanguage;
    PageTexts texts;
};

Locale StartedIn() {
    char name[64] = "";
    if (!::GetEnvironmentVariableA("LC_ALL", name, sizeof name)) ::GetEnvironmentVariableA("LANG", name, sizeof name);
    const std::string locale = name;
    // The locale, the user's language Wine makes of it, the translation the page then shows, and
    // texts of that translation as its readers write them: the caption and, where the whole set
    // is not spelled out in LanguageResources.cpp, the Test button, the confirmation's Yes and the
    // notice that the old rate is back, which tell that the page speaks the translation they
    // belong to.
    const struct {
        const char* locale;
        LANGID userLanguage, translation;
        const wchar_t *caption, *test = nullptr, *yes = nullptr, *restored = nullptr;
    } kRows[] = {
        { "de_DE", MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), 0x0407, L"Eigenschaften von Anzeige" },
        { "fr_FR", MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH), 0x040C, L"Propriétés de Affichage" },
        { "es_ES", MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MODERN), 0x040A, L"Propiedades de Pantalla", L"&Probar", L"Sí",
          L"Windows ha restaurado la frecuencia de actualización original del escritorio." },
        { "ja_JP", MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), 0x0411, L"画面のプロパティ", L"テスト(&T)", L"はい",
          L"Windows はデスクトップのリフレッシュ レートを元の設定に戻しました。" },
        { "ru_RU", MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT), 0x0419, L"Свойства: Экран", L"&Тест", L"Да",
          L"Исходная частота обновления экрана восстановлена." },
        { "el_GR", MAKELANGID(LANG_GREEK, SUBLANG_DEFAULT), 0x0408, L"Ιδιότητες: Οθόνη", L"&Δοκιμή", L"Ναι",
          L"Τα Windows επανέφεραν τον αρχικό ρυθμό ανανέωσης της επιφάνειας εργασίας." },
        { "he_IL", MAKELANGID(LANG_HEBREW, SUBLANG_DEFAULT), 0x040D, L"מאפייני תצוגה" },
        { "th_TH", MAKELANGID(LANG_THAI, SUBLANG_DEFAULT), 0x041E, L"คุณสมบัติของ การแสดงผล" },
        { "ro_RO", MAKELANGID(LANG_ROMANIAN, SUBLANG_DEFAULT), 0x0409, L"Display Properties" },
    };
    for (const auto& row : kRows) {
        if (locale.rfind(row.locale, 0) != 0) continue;
        PageTexts texts = row.translation == 0x0407   ? kGermanTexts
                          : row.translation == 0x040C ? kFrenchTexts
                          : row.translation == 0x0409 ? kEnglishTexts
                                                      : TextsIn(::GetModuleHandleA(nullptr), row.translation);
        EXPECT_EQ(texts.strings[IDS_CAPTION - 1], row.caption) << "the translation as its readers write it";
        if (row.test) {
            EXPECT_EQ(texts.page[6], row.test);
            EXPECT_EQ(texts.confirm[1], row.yes);
            EXPECT_EQ(texts.strings[IDS_REFRESH_RESTORED - 1], row.restored);
        }
        return { locale, row.userLanguage, texts };
    }
    return { locale, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), kEnglishTexts };
}

std::vector<std::wstring> WindowTexts(HWND hWnd, bool withCaption) {
    std::vector<std::wstring> texts;
    auto add = [&](HWND h) {
        wchar_t text[512];
        texts.push_back(std::wstring(text, ::GetWindowTextW(h, text, 512)));
    };
    if (withCaption) add(hWnd);
    for (HWND child = ::GetWindow(hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) add(child);
    return texts;
}

struct Box {
    std::wstring text, caption;
};

Box Seen(const ScriptedUser::Box& box) { return { FromAnsi(box.text), FromAnsi(box.caption) }; }

TEST(UsersLanguage, PageDialogsAndMessagesSpeakIt) {
    const Locale locale = StartedIn();
    SCOPED_TRACE(locale.name.empty() ? "no locale" : locale.name);
    ASSERT_EQ(::GetUserDefaultUILanguage(), locale.userLanguage)
        << "Wine did not take the locale's language: is the C library's locale there (tools/bootstrap)?";
    const std::vector<std::wstring>& s = locale.texts.strings;
    auto string = [&](UINT id) { return s[id - 1]; };

    PageHarness h;
    h.adapterRegistry.Seed();
    h.adapter.currentRate = 60;
    GdiTextRecorder recorder;
    h.Open();
    EXPECT_EQ(WindowTexts(h.PageWindow(), false), locale.texts.page);
    bool hzDrawn = false;
    for (const auto& call : recorder.textOuts) hzDrawn |= FromAnsi(call.text) == string(IDS_HZ);
    EXPECT_TRUE(hzDrawn) << "the unit under the rates";

    // A refresh test whose rate waits for a restart, declined.
    h.adapter.modeChangeResult = DISP_CHANGE_RESTART;
    h.MoveSlider(3);
    h.user->Answer(IDOK).Answer(IDNO);
    h.Click(IDC_REFRESH_TEST);
    // One that works, declined, whose way back fails, which is the last word.
    h.adapter.modeChangeResult = DISP_CHANGE_SUCCESSFUL;
    h.MoveSlider(3);
    h.user->Answer(IDOK).Answer(IDOK);
    std::vector<std::wstring> confirmation;
    DialogDriver driver;
    driver.Then([&](HWND hDlg) {
        confirmation = WindowTexts(hDlg, true);
        h.adapter.modeChangeResult = DISP_CHANGE_BADMODE;
        DialogDriver::Click(IDCANCEL)(hDlg);
    });
    h.Click(IDC_REFRESH_TEST);
    ASSERT_FALSE(confirmation.empty());
    confirmation.back() = locale.texts.confirm.back();  // the icon control, which shows no text
    EXPECT_EQ(confirmation, locale.texts.confirm);
    // A declined rate that works: the notice that it was restored.
    h.adapter.modeChangeResult = DISP_CHANGE_SUCCESSFUL;
    h.MoveSlider(4);
    h.user->Answer(IDOK).Answer(IDOK);
    driver.Then(DialogDriver::Click(IDCANCEL));
    h.Click(IDC_REFRESH_TEST);
    ASSERT_EQ(h.user->boxes.size(), 6u);
    const Box warning = Seen(h.user->boxes[0]), restart = Seen(h.user->boxes[1]), failed = Seen(h.user->boxes[3]),
              restored = Seen(h.user->boxes[5]);
    EXPECT_EQ(warning.text, string(IDS_REFRESH_WARNING));
    EXPECT_EQ(warning.caption, string(IDS_CAPTION));
    EXPECT_EQ(restart.text, string(IDS_TEST_NEEDS_RESTART));
    EXPECT_EQ(restart.caption, string(IDS_CONFIRM));
    EXPECT_EQ(failed.text, string(IDS_MODE_BADMODE));
    EXPECT_EQ(failed.caption, string(IDS_MESSAGE));
    EXPECT_EQ(restored.text, string(IDS_REFRESH_RESTORED));
    EXPECT_EQ(restored.caption, string(IDS_CAPTION));

    // Apply with a changed clock speed asks to restart the computer.
    h.user->boxes.clear();
    h.Click(IDC_FAST);
    h.user->Answer(IDNO);
    h.sheet->Press(IDOK);
    ASSERT_EQ(h.user->boxes.size(), 1u);
    EXPECT_EQ(Seen(h.user->boxes[0]).text, string(IDS_RESTART));
    EXPECT_EQ(Seen(h.user->boxes[0]).caption, string(IDS_CAPTION));
    h.Close();

    // A driver with one rate: the slider says so.
    h.adapter.rates = { 72 };
    h.adapter.currentRate = 72;
    recorder.drawTexts.clear();
    h.Open();
    std::wstring sentence = string(IDS_SINGLE_RATE);
    sentence.replace(sentence.find(L"%d"), 2, L"72");
    ASSERT_FALSE(recorder.drawTexts.empty());
    EXPECT_EQ(FromAnsi(recorder.drawTexts.back().text), sentence);
}

}  // namespace
