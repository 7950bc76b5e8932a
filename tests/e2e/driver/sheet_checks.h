// Checks of the sheet's geometry that several scenarios share: the button row, and the pixel
// figures that the program gives for 96 dpi and grows with the dialog font.
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
