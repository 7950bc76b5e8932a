// The ports page.
#include "probes/ports_page.h"

#include "resource.h"
#include "sheet/page_flags.h"

CMyPropertyPage7::CMyPropertyPage7() : CPropertyPage(IDD_PORTS_PAGE) {}

BOOL CMyPropertyPage7::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    g_page7Shown = 1;
    return TRUE;
}
