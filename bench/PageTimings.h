// Page creation through its first activation, timed inside the page: a CDialogDlg (this
// program's copy of the product's code) whose page callback and handlers start and stop clocks.
#pragma once
#include <vector>
#include "CallCounts.h"
#include "VirtualAdapter.h"

struct PageTimes {
    double creation;  // from the sheet's PSPCB_CREATE, before the page's window exists, until
                      // OnSetActive returns: the template's controls, OnInitDialog, OnSetActive
    double handlers;  // OnInitDialog and OnSetActive alone
    double plain;     // the same span for a plain page made from the same template, whose dialog
                      // procedure does nothing: what any page of this layout costs the sheet
};
// Medians in microseconds, the adapter answering this program's driver escapes; the page and the
// plain page are timed in turn.
PageTimes TimePageActivation(VirtualAdapter& adapter, int runs);

// The system calls of one OnInitDialog and OnSetActive of the page in a sheet, by function. The
// counting hooks slow the calls down, so this runs apart from the timings.
std::vector<CallCount> CountPageActivationCalls(VirtualAdapter& adapter);
