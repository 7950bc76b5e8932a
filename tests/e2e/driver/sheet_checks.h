// Checks of the sheet that several scenarios share: the button row, the pixel figures that the
// program gives for 96 dpi and grows with the dialog font, the message box of a failed save, and
// the refusal under Win32s.
#pragma once

#include <windows.h>

#include <string>

#include "harness.h"

// The screen's resolution in dots per inch, as LogPixels in the prefix sets it.
int ScreenDpi();
// A figure given for 96 dpi as this sheet shows it: grown by the width of its (hidden) Help
// button over that button's 75 pixels at 96 dpi.
int ScaledForSheet(HWND sheet, int pixels);
// Labels, states, places and z-order of "About Vittrel Kelvorn32", "Save To File" and "Exit".
void CheckButtonRow(const Vittrel& app, const std::string& where);
// Presses "Save To File" and waits for the click's handler to end: a save that succeeds shows
// nothing, so the click comes back, and the sheet is still open on the same page.
void SaveQuietly(const Vittrel& app, const std::string& when);
// The text of a message box: its statics that are not its icon.
std::string MessageText(HWND box);
// Presses "Save To File" as SaveQuietly does and answers the report it wrote in the current folder
// ("" when none), over the earlier report when asked to keep it.
std::string SaveReport(const Vittrel& app, const std::string& when, bool overEarlier = false);
// Every page's section heading in the report, in order, each once; the report ends with a line end.
void CheckAllSections(const std::string& report, const std::string& when);
// Presses "Save To File" where saving `report` fails with `error`: a message box owned by the sheet,
// which waits meanwhile, tells it with the error icon, the report's full path and the system's
// reason, as ComposeSaveMessage words them, and one button, OK, which closes it; then the sheet is
// usable again on the same page. False when no box appeared.
bool CheckSaveFailureBox(const Vittrel& app, const std::string& report, DWORD error, const std::string& when);
// Under Windows 3.1 with Win32s: one message box titled "Error" with the refusal, no icon and one
// button, OK, which ends the program; no page is ever made, and the sheet never shows.
void CheckWin32sRefusal();
