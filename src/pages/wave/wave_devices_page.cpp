// The wave output devices page: gathers once, then shows the selected device's stored record.
#include "pages/wave/wave_devices_page.h"

#include "framework/wait_cursor.h"
#include "pages/page_flags.h"
#include "pages/wave/wave_environment_win.h"
#include "resource.h"
#include "system/annotation.h"

const CommandEntry<CMyPropertyPage4> CMyPropertyPage4::kCommands[1] = {
    {IDC_WAVE_DEVICE_LIST, LBN_SELCHANGE, &CMyPropertyPage4::OnSelChangeWaveDeviceList},
};

namespace {

constexpr int kOptionalFunctionIds[kOptionalFunctionLines] = {
    IDC_OPTIONAL_FUNCTION_1, IDC_OPTIONAL_FUNCTION_2, IDC_OPTIONAL_FUNCTION_3, IDC_OPTIONAL_FUNCTION_4,
    IDC_OPTIONAL_FUNCTION_5};

// Shows or hides a format label. ShowWindow sets the WS_VISIBLE style bit and also repaints the
// label's place and tells assistive technology that it appeared or went away.
void SetLabelVisible(HWND page, int id, bool visible) {
    HWND label = GetDlgItem(page, id);
    const bool isVisible = (GetWindowLongA(label, GWL_STYLE) & WS_VISIBLE) != 0;
    if (visible != isVisible)
        ShowWindow(label, visible ? SW_SHOWNA : SW_HIDE);
}

} // namespace

CMyPropertyPage4::CMyPropertyPage4() : CPropertyPage(IDD_WAVE_DEVICES_PAGE) {}

BOOL CMyPropertyPage4::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    g_page4Shown = 1;
    GatherWaveDevices();
    for (const FormatColumnName& column : kFormatColumnNames)
        AnnotateName(GetDlgItem(column.headingId), column.name);
    return TRUE;
}

void CMyPropertyPage4::DoDataExchange(CDataExchange& dx) {
    dx.Control(IDC_WAVE_DEVICE_LIST, m_waveDeviceList);
    for (size_t line = 0; line < kOptionalFunctionLines; ++line)
        dx.Text(kOptionalFunctionIds[line], m_optionalFunctions[line]);
    dx.Text(IDC_WAVE_DRIVER_VERSION, m_driverVersion);
    dx.Text(IDC_WAVE_MANUFACTURER_ID, m_manufacturerId);
    dx.Text(IDC_WAVE_PRODUCT_ID, m_productId);
    dx.Text(IDC_WAVE_CHANNELS, m_channels);
}

bool CMyPropertyPage4::OnCommand(UINT id, UINT code) {
    return DispatchCommand(*this, kCommands, id, code);
}

void CMyPropertyPage4::GatherWaveDevices() {
    CWaitCursor wait;
    WindowsWaveEnvironment environment;
    WaveDeviceRecords records = GatherWaveDeviceRecords(environment);
    m_waveDeviceCount = static_cast<int32_t>(records.devices.size());
    for (size_t device = 0; device < records.devices.size(); ++device)
        m_waveCaps[device] = std::move(records.devices[device]);
    for (const std::string& entry : records.entries)
        m_waveDeviceList.AddString(entry);
    if (m_waveDeviceCount > 0) {
        m_waveDeviceList.SetCurSel(0);
        ShowDevice(0);
    }
    UpdateData(DataDirection::MemberToControl);
}

void CMyPropertyPage4::ShowDevice(int32_t device) {
    const std::optional<WaveOutCaps>& caps = m_waveCaps[static_cast<size_t>(device)];
    // A device that did not answer shows nothing: empty texts and no format.
    const WaveDeviceView view = caps ? DescribeWaveDevice(*caps) : WaveDeviceView{};
    m_manufacturerId = view.manufacturerId;
    m_productId = view.productId;
    m_driverVersion = view.driverVersion;
    m_channels = view.channels;
    m_optionalFunctions = view.optionalFunctions;
    for (size_t bit = 0; bit < kWaveFormatCount; ++bit)
        SetLabelVisible(m_hWnd, kWaveFormatLabelIds[bit], view.formatVisible[bit]);
}

void CMyPropertyPage4::OnSelChangeWaveDeviceList() {
    if (m_waveDeviceCount == 0)
        return;
    const int position = m_waveDeviceList.GetCurSel();
    if (position < 0 || position >= m_waveDeviceCount)
        return;
    m_optionalFunctions = {};
    m_driverVersion.clear();
    m_manufacturerId.clear();
    m_productId.clear();
    m_channels.clear();
    ShowDevice(position);
    UpdateData(DataDirection::MemberToControl);
}
