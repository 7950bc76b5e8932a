// The system information page.
#include "probes/system_info_page.h"

#include "resource.h"
#include "sheet/page_flags.h"

CMyPropertyPage2::CMyPropertyPage2() : CPropertyPage(IDD_SYSTEM_INFO_PAGE) { g_page2Shown = 1; }
