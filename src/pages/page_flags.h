// Page-shown flags: 1 once a page has begun gathering its data. The report writes a page's
// section only when its flag is set. These six are the program's only globals.
#pragma once

extern int g_page1Shown; // installation page
extern int g_page2Shown; // system information page
extern int g_page4Shown; // wave output devices page
extern int g_page5Shown; // auxiliary audio devices page
extern int g_page6Shown; // Braille and speech devices page
extern int g_page7Shown; // ports page
