#include "LanguageResources.h"
#include "res/resource.h"

namespace {

// A name-or-number field of a template (menu, class, text); moves p past it.
std::wstring ReadField(const WORD*& p) {
    if (*p == 0xFFFF) {
        const WORD ordinal = p[1];
        p += 2;
        switch (ordinal) {
        case 0x80: return L"BUTTON";
        case 0x81: return L"EDIT";
        case 0x82: return L"STATIC";
        default: return L"#" + std::to_wstring(ordinal);
        }
    }
    std::wstring text(reinterpret_cast<const wchar_t*>(p));
    p += text.size() + 1;
    return text;
}

const WORD* AlignToDword(const WORD* p) {
    return reinterpret_cast<const WORD*>((reinterpret_cast<ULONG_PTR>(p) + 3) & ~ULONG_PTR(3));
}

const void* ResourceData(HMODULE module, LPCWSTR type, UINT id, LANGID lang) {
    HRSRC hResource = ::FindResourceExW(module, type, MAKEINTRESOURCEW(id), lang);
    HGLOBAL hData = hResource ? ::LoadResource(module, hResource) : nullptr;
    return hData ? ::LockResource(hData) : nullptr;
}

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD lang, LONG_PTR param) {
    reinterpret_cast<std::vector<LANGID>*>(param)->push_back(lang);
    return TRUE;
}

}  // namespace

std::vector<LANGID> ResourceLanguages(HMODULE module, UINT id) {
    std::vector<LANGID> langs;
    ::EnumResourceLanguagesW(module, reinterpret_cast<LPCWSTR>(RT_DIALOG), MAKEINTRESOURCEW(id), &AddLanguage,
                             reinterpret_cast<LONG_PTR>(&langs));
    return langs;
}

std::wstring ResourceString(HMODULE module, LANGID lang, UINT id) {
    // Strings are stored sixteen to a block, each counted, not terminated.
    const WORD* p = static_cast<const WORD*>(ResourceData(module, reinterpret_cast<LPCWSTR>(RT_STRING), id / 16 + 1, lang));
    if (!p) return {};
    for (UINT i = 0; i < id % 16; ++i) p += *p + 1;
    return std::wstring(reinterpret_cast<const wchar_t*>(p + 1), *p);
}

const DLGTEMPLATE* DialogTemplate(HMODULE module, LANGID lang, UINT id) {
    return static_cast<const DLGTEMPLATE*>(ResourceData(module, reinterpret_cast<LPCWSTR>(RT_DIALOG), id, lang));
}

DialogLayout ReadTemplate(const DLGTEMPLATE* pTemplate) {
    DialogLayout layout;
    layout.style = pTemplate->style;
    layout.exStyle = pTemplate->dwExtendedStyle;
    layout.size = { pTemplate->cx, pTemplate->cy };
    const WORD* p = reinterpret_cast<const WORD*>(pTemplate + 1);
    ReadField(p);  // menu
    ReadField(p);  // class
    layout.caption = ReadField(p);
    if (pTemplate->style & DS_SETFONT) {
        layout.pointSize = *p++;
        layout.face = ReadField(p);
    }
    for (int i = 0; i < pTemplate->cdit; ++i) {
        const auto* item = reinterpret_cast<const DLGITEMTEMPLATE*>(AlignToDword(p));
        p = reinterpret_cast<const WORD*>(item + 1);
        TemplateItem t;
        t.style = item->style;
        t.rect = { item->x, item->y, item->x + item->cx, item->y + item->cy };
        t.id = static_cast<short>(item->id);
        t.windowClass = ReadField(p);
        t.text = ReadField(p);
        p += 1 + (*p + 1) / 2;  // creation data: its size in bytes, then the bytes
        layout.items.push_back(t);
    }
    return layout;
}

std::wstring FromAnsi(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0],
                                      static_cast<int>(wide.size())));
    return wide;
}

PageTexts TextsIn(HMODULE module, LANGID lang) {
    PageTexts texts;
    for (const TemplateItem& item : ReadTemplate(DialogTemplate(module, lang, IDD_SETTINGS_PAGE)).items)
        texts.page.push_back(item.text);
    const DialogLayout confirm = ReadTemplate(DialogTemplate(module, lang, IDD_CONFIRM_RATE));
    texts.confirm.push_back(confirm.caption);
    for (const TemplateItem& item : confirm.items) texts.confirm.push_back(item.text);
    for (UINT id = 1; id <= IDS_TEST_NEEDS_RESTART; ++id) texts.strings.push_back(ResourceString(module, lang, id));
    return texts;
}

const PageTexts kGermanTexts = {
    { L"Video-Taktfrequenz", L"&Normal", L"&Schnell", L"Erweiterte &Leistung", L"Bild&wiederholfrequenz", L"Slider1",
      L"&Testen", L"" },
    { L"Eigenschaften von Anzeige", L"Ja", L"Nein",
      L"Sie haben die Bildwiederholfrequenz des Desktops geändert.\r\n\r\nMöchten Sie diese Bildwiederholfrequenz "
      L"beibehalten?",
      L"#156" },
    { L"Eigenschaften von Anzeige",
      L"Sie müssen den Computer neu starten, damit die neuen Einstellungen wirksam werden. Möchten Sie den Computer "
      L"jetzt neu starten?",
      L"Windows ändert jetzt die Bildwiederholfrequenz des Desktops. Dies kann einige Sekunden dauern, und der "
      L"Bildschirm kann dabei flimmern. Falls Windows nicht wieder richtig angezeigt wird, warten Sie 10 Sekunden. "
      L"Dann werden die ursprünglichen Einstellungen wiederhergestellt.",
      L"Windows hat die ursprüngliche Bildwiederholfrequenz des Desktops wiederhergestellt.",
      L"Hz",
      L"%d Hz ist die Standardeinstellung. Manuelle Anpassung nicht zulässig.",
      L"Meldung",
      L"Bestätigen",
      L"Windows muß neu gestartet werden, damit der Grafikmodus wirksam wird.\nMöchten Sie Windows neu starten?",
      L"Der Anzeigetreiber konnte den angegebenen Grafikmodus nicht einstellen.",
      L"Der Grafikmodus wird nicht unterstützt.",
      L"Nur Windows NT: Die Einstellungen konnten nicht in die Registrierung geschrieben werden.",
      L"Es wurde eine ungültige Kombination von Flags übergeben.",
      L"Unbekannter Rückgabewert.",
      L"Diese Bildwiederholfrequenz wird erst nach einem Neustart von Windows wirksam und kann daher nicht vorher "
      L"getestet werden. Falls der Bildschirm nach dem Neustart dunkel bleibt, gibt es keinen Weg zurück zur "
      L"bisherigen Frequenz.\nMöchten Sie sie trotzdem verwenden und Windows jetzt neu starten?" },
};

const PageTexts kFrenchTexts = {
    { L"Fréquence d'horloge vidéo", L"&Normale", L"&Rapide", L"&Performances accrues",
      L"&Fréquence de rafraîchissement", L"Slider1", L"&Tester", L"" },
    { L"Propriétés de Affichage", L"Oui", L"Non",
      L"Vous avez modifié la fréquence de rafraîchissement du Bureau.\r\n\r\nVoulez-vous conserver cette fréquence "
      L"de rafraîchissement ?",
      L"#156" },
    { L"Propriétés de Affichage",
      L"Vous devez redémarrer votre ordinateur pour que les nouveaux paramètres prennent effet. Voulez-vous "
      L"redémarrer votre ordinateur maintenant ?",
      L"Windows va maintenant modifier la fréquence de rafraîchissement du Bureau. Cela peut prendre quelques "
      L"secondes, pendant lesquelles l'écran risque de scintiller. Si Windows ne réapparaît pas correctement, "
      L"attendez 10 secondes : vos paramètres d'origine seront restaurés.",
      L"Windows a restauré la fréquence de rafraîchissement d'origine du Bureau.",
      L"Hz",
      L"%d Hz est la valeur par défaut. Réglage manuel non autorisé.",
      L"Message",
      L"Confirmation",
      L"Windows doit être redémarré pour que le mode vidéo fonctionne.\nVoulez-vous redémarrer Windows ?",
      L"Le pilote d'affichage n'a pas pu appliquer le mode graphique demandé.",
      L"Ce mode graphique n'est pas pris en charge.",
      L"Windows NT uniquement : impossible d'enregistrer les paramètres dans le Registre.",
      L"Une combinaison d'indicateurs non valide a été transmise.",
      L"Code de retour non géré.",
      L"Cette fréquence de rafraîchissement ne prendra effet qu'après le redémarrage de Windows : elle ne peut donc "
      L"pas être testée au préalable. Si l'écran reste noir après le redémarrage, il sera impossible de revenir à "
      L"l'ancienne fréquence.\nVoulez-vous quand même l'utiliser et redémarrer Windows maintenant ?" },
};
