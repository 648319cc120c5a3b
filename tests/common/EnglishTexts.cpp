#include "EnglishTexts.h"

const PageTexts kEnglishTexts = {
    { L"Video Clock Speed", L"&Normal", L"&Fast", L"Enhanced &Performance", L"&Refresh Rate", L"Slider1",
      L"&Refresh Test", L"" },
    { L"Display Properties", L"Yes", L"No",
      L"You changed your desktop Refresh Rate.\r\n\r\nDo you want to keep this Refresh Rate?", L"#156" },
    { L"Display Properties",
      L"You must restart your computer before the new settings will take effect. Do you want to restart your "
      L"computer now?",
      L"Windows will now change your desktop Refresh Rate. This could take a few second, during which your screen "
      L"might flicker. If Windows doesn't reappear correctly, wait 10 second, and your original settings will be "
      L"restored.",
      L"Windows has restored your original desktop Refresh Rate.",
      L"Hz",
      L"%d Hz is default. Manual adjustment disallowed.",
      L"Message",
      L"Confirm",
      L"The Windows must be restarted in order for the video mode to work.\nDo you want to restart Windows?",
      L"The display driver failed the specified graphics mode.",
      L"The graphics mode is not supported.",
      L"Windows NT only: Unable to write settings to the registry.",
      L"An invalid set of flags was passed in.",
      L"Unhandled return code.",
      L"This Refresh Rate takes effect only after Windows restarts, so it cannot be tried first. If the screen "
      L"stays dark after the restart, there is no way back to the old rate.\nDo you want to use it anyway and "
      L"restart Windows now?" },
};

std::string EnglishString(UINT id) {
    const std::wstring& text = kEnglishTexts.strings.at(id - 1);
    return std::string(text.begin(), text.end());  // English is ASCII
}
