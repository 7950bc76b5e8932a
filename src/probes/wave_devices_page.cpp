// The wave output devices page.
#include "probes/wave_devices_page.h"

#include "resource.h"
#include "sheet/page_flags.h"

CMyPropertyPage4::CMyPropertyPage4() : CPropertyPage(IDD_WAVE_DEVICES_PAGE) {}

BOOL CMyPropertyPage4::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    g_page4Shown = 1;
    return TRUE;
}
