// Saving the report: "Vittrel.log" written from a snapshot of the pages, and the user told when it
// could not be written.
#pragma once

#include <windows.h>

#include "report/report.h"

// Writes "Vittrel.log" in the current directory from `snapshot`. A save that succeeds shows
// nothing, unless it left a file behind; one that fails leaves an earlier Vittrel.log as it was,
// or names where the reports are, and says so in a message box owned by `owner`, which carries on
// as before.
void SaveReport(HWND owner, const ReportSnapshot& snapshot);
