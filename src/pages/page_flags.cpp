// Storage of the page-shown flags; all clear when the program starts.
#include "pages/page_flags.h"

int g_page1Shown = 0;
int g_page2Shown = 0;
int g_page4Shown = 0;
int g_page5Shown = 0;
int g_page6Shown = 0;
int g_page7Shown = 0;
