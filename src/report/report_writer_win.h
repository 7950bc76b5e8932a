// Saving the report: a snapshot of the sheet's pages, "Vittrel.log" written from it, and the
// user told when it could not be written.
#pragma once

class CMyPropertySheet;

// Writes "Vittrel.log" in the current directory from what the sheet's pages hold now. A save that
// succeeds shows nothing, unless it left a file behind; one that fails leaves an earlier
// Vittrel.log as it was, or names where the reports are, and says so in a message box owned by the
// sheet, which carries on as before.
void SaveReport(const CMyPropertySheet& sheet);
