// Drives the open sheet the way a user would, for unattended runs: moves the refresh-rate
// slider, presses Refresh Test, answers the dialogs that follow, and saves screenshots.
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "DialogDriver.h"
#include "DisplaySheet.h"

struct AutomationScript {
    int selectRate = 0;         // move the Tavrolin page's slider to this rate (0: leave it)
    bool refreshTest = false;   // press "Refresh Test" (answers the warning with OK)
    std::string answer = "yes"; // the confirmation dialog: yes, no, or none (let it time out)
    bool apply = false;         // press OK on the sheet at the end
    std::string screenshot;     // BMP of the sheet, or of sheet and confirmation dialog
    bool reportRate = false;    // print the rate the page's slider shows
    bool reportTabs = false;    // print the sheet's tabs
    std::vector<int> rates;     // the rates the driver offers, in order

    int IndexOf(int rate) const {
        for (size_t i = 0; i < rates.size(); ++i)
            if (rates[i] == rate) return static_cast<int>(i);
        return -1;
    }
};

class Automation {
public:
    explicit Automation(const AutomationScript& script) : m_script(script) {}
    // Runs the script against the open sheet, from inside its modal loop, and ends the sheet:
    // with OK when the script says so, else with Cancel. FALSE when a step could not be done.
    bool Run(HWND hSheet);

private:
    bool Steps();
    void AnswerConfirmation(HWND hDlg);
    static void CALLBACK CaptureConfirmation(HWND hDlg, UINT, UINT_PTR id, DWORD);

    AutomationScript m_script;
    HWND m_hSheet = nullptr;
    DialogDriver m_driver;
    bool m_ok = true;
};
