// The auxiliary audio devices page: gathers once; each selection shows the stored record and
// reads the device's volume again.
#include "pages/aux/aux_devices_page.h"

#include "framework/wait_cursor.h"
#include "pages/aux/aux_environment_win.h"
#include "pages/device_texts.h"
#include "pages/page_flags.h"
#include "resource.h"

const CommandEntry<CMyPropertyPage5> CMyPropertyPage5::kCommands[1] = {
    {IDC_AUX_DEVICE_LIST, LBN_SELCHANGE, &CMyPropertyPage5::OnSelChangeAuxDeviceList},
};

CMyPropertyPage5::CMyPropertyPage5() : CPropertyPage(IDD_AUX_DEVICES_PAGE) {}

BOOL CMyPropertyPage5::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    g_page5Shown = 1;
    GatherAuxDevices();
    return TRUE;
}

void CMyPropertyPage5::DoDataExchange(CDataExchange& dx) {
    dx.Control(IDC_AUX_DEVICE_LIST, m_auxDeviceList);
    dx.Text(IDC_AUX_PRODUCT_ID, m_productId);
    dx.Text(IDC_AUX_MANUFACTURER_ID, m_manufacturerId);
    dx.Text(IDC_AUX_DRIVER_VERSION, m_driverVersion);
    dx.Text(IDC_AUX_TECHNOLOGY, m_technology);
    dx.Text(IDC_AUX_SUPPORT, m_support);
    dx.Text(IDC_AUX_VOLUME, m_volume);
}

bool CMyPropertyPage5::OnCommand(UINT id, UINT code) {
    return DispatchCommand(*this, kCommands, id, code);
}

void CMyPropertyPage5::GatherAuxDevices() {
    CWaitCursor wait;
    WindowsAuxEnvironment environment;
    AuxDeviceRecords records = GatherAuxDeviceRecords(environment);
    // Where every device was left out, the page is as for no device.
    m_auxDeviceCount = records.listed.empty() ? 0 : static_cast<int32_t>(records.queried);
    for (size_t device = 0; device < records.devices.size(); ++device)
        m_auxCaps[device] = std::move(records.devices[device]);
    m_listedCount = static_cast<int32_t>(records.listed.size());
    for (size_t position = 0; position < records.listed.size(); ++position)
        m_listedDevices[position] = static_cast<int32_t>(records.listed[position]);

    if (m_listedCount == 0) {
        m_auxDeviceList.AddString(kNoDeviceEntry);
    } else {
        for (int32_t position = 0; position < m_listedCount; ++position)
            m_auxDeviceList.AddString(m_auxCaps[static_cast<size_t>(m_listedDevices[position])].listName);
        m_auxDeviceList.SetCurSel(0);
        ShowListedDevice(0);
    }
    UpdateData(DataDirection::MemberToControl);
}

void CMyPropertyPage5::ShowListedDevice(int position) {
    const int32_t device = m_listedDevices[static_cast<size_t>(position)];
    const AuxDeviceView view = DescribeAuxRecord(m_auxCaps[static_cast<size_t>(device)]);
    m_productId = view.productId;
    m_manufacturerId = view.manufacturerId;
    m_driverVersion = view.driverVersion;
    m_technology = view.technology;
    m_support = view.support;
    WindowsAuxEnvironment environment;
    m_volume = ReadVolumeText(environment, static_cast<uint32_t>(device));
}

void CMyPropertyPage5::OnSelChangeAuxDeviceList() {
    if (m_auxDeviceCount <= 0)
        return;
    const int position = m_auxDeviceList.GetCurSel();
    if (position < 0 || position >= m_listedCount)
        return;
    ShowListedDevice(position);
    UpdateData(DataDirection::MemberToControl);
}
