// The Braille and speech devices page.
#include "probes/braille_speech_page.h"

#include "resource.h"
#include "sheet/page_flags.h"

CMyPropertyPage6::CMyPropertyPage6() : CPropertyPage(IDD_BRAILLE_SPEECH_PAGE) {}

BOOL CMyPropertyPage6::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    g_page6Shown = 1;
    return TRUE;
}
