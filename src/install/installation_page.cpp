// The installation page.
#include "install/installation_page.h"

#include "resource.h"
#include "sheet/page_flags.h"

CMyPropertyPage1::CMyPropertyPage1() : CPropertyPage(IDD_INSTALLATION_PAGE) {
    // The first page is built first: a new sheet starts with every other page not yet gathered.
    g_page2Shown = 0;
    g_page4Shown = 0;
    g_page5Shown = 0;
    g_page6Shown = 0;
    g_page7Shown = 0;
}

BOOL CMyPropertyPage1::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    g_page1Shown = 1;
    return TRUE;
}
