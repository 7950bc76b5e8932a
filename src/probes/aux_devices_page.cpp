// The auxiliary audio devices page.
#include "probes/aux_devices_page.h"

#include "resource.h"
#include "sheet/page_flags.h"

CMyPropertyPage5::CMyPropertyPage5() : CPropertyPage(IDD_AUX_DEVICES_PAGE) {}

BOOL CMyPropertyPage5::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    g_page5Shown = 1;
    return TRUE;
}
