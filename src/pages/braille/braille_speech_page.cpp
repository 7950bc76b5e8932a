// The Braille and speech devices page: the ALVA Braille check on the Windows 95 family, repeated
// each time the user selects the display's entry.
#include "pages/braille/braille_speech_page.h"

#include "pages/braille/braille.h"
#include "pages/braille/braille_environment_win.h"
#include "pages/page_flags.h"
#include "resource.h"
#include "system/live_region.h"
#include "system/os_version_win.h"

const CommandEntry<CMyPropertyPage6> CMyPropertyPage6::kCommands[1] = {
    {IDC_BRAILLE_DEVICE_LIST, LBN_SELCHANGE, &CMyPropertyPage6::OnSelChangeBrailleDeviceList},
};

CMyPropertyPage6::CMyPropertyPage6() : CPropertyPage(IDD_BRAILLE_SPEECH_PAGE) {}

BOOL CMyPropertyPage6::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    g_page6Shown = 1;
    if (IsWindows95Family(QueryOsVersion())) { // elsewhere there is nothing to check
        m_brailleDeviceList.AddString(kBrailleDeviceEntry);
        CheckBrailleDriver();
        m_brailleDeviceList.SetCurSel(0);
    } else {
        m_brailleStatus = kBrailleNoCheckStatus;
    }
    UpdateData(DataDirection::MemberToControl);
    return TRUE;
}

void CMyPropertyPage6::DoDataExchange(CDataExchange& dx) {
    dx.Control(IDC_BRAILLE_DEVICE_LIST, m_brailleDeviceList);
    dx.Text(IDC_BRAILLE_STATUS, m_brailleStatus);
}

bool CMyPropertyPage6::OnCommand(UINT id, UINT code) {
    return DispatchCommand(*this, kCommands, id, code);
}

void CMyPropertyPage6::CheckBrailleDriver() {
    WindowsBrailleEnvironment environment;
    m_brailleStatus = ::CheckBrailleDriver(environment);
}

void CMyPropertyPage6::OnSelChangeBrailleDeviceList() {
    if (!IsWindows95Family(QueryOsVersion()))
        return;
    const bool checked = m_brailleDeviceList.GetCurSel() == 0;
    if (checked)
        CheckBrailleDriver();
    UpdateData(DataDirection::MemberToControl);
    // The focus stays on the list: a screen reader speaks the new status only when told.
    if (checked)
        AnnounceLiveRegionChange(GetDlgItem(IDC_BRAILLE_STATUS));
}
