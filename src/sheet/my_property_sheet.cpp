// The diagnostic sheet: pages, Win32s gate, button arrangement and commands.
#include "sheet/my_property_sheet.h"

#include "pages/page_flags.h"
#include "report/report_writer_win.h"
#include "resource.h"
#include "sheet/about_dialog.h"
#include "sheet/sheet_buttons.h"
#include "sheet/version_gate.h"
#include "system/os_version_win.h"

namespace {

// A list's items in list order; a list that answers its count with an error reads as empty.
std::vector<std::string> ItemsOf(const CListBox& list) {
    std::vector<std::string> items;
    const int count = list.GetCount();
    for (int position = 0; position < count; ++position)
        items.push_back(list.GetText(position));
    return items;
}

} // namespace

const CommandEntry<CMyPropertySheet> CMyPropertySheet::kCommands[] = {
    {IDC_SHEET_ABOUT, kAnyCode, &CMyPropertySheet::ShowAboutBox},
    {IDC_SHEET_SAVE_TO_FILE, kAnyCode, &CMyPropertySheet::OnSaveToFile},
};

CMyPropertySheet::CMyPropertySheet(CWnd* parent) : CPropertySheet(IDS_SHEET_TITLE, parent, 0) {
    AddPage(m_page1);
    AddPage(m_page2);
    AddPage(m_page4);
    AddPage(m_page5);
    AddPage(m_page7);
    AddPage(m_page6);
}

CMyPropertySheet::~CMyPropertySheet() = default;

BOOL CMyPropertySheet::OnInitDialog() {
    if (RefusesToRun(QueryOsVersion())) {
        MessageBoxA(m_hWnd, "Sorry! This Version of Vittrel Kelvorn does not run in Windows 3.1x", "Error",
                    0);
        EndModalLoop(IDCANCEL);
        return FALSE;
    }
    ArrangeSheetButtons();
    return CPropertySheet::OnInitDialog();
}

bool CMyPropertySheet::OnCommand(UINT id, UINT code) {
    return DispatchCommand(*this, kCommands, id, code);
}

void CMyPropertySheet::ArrangeSheetButtons() {
    SetDlgItemTextA(m_hWnd, IDC_SHEET_EXIT, "Exit");
    SetDlgItemTextA(m_hWnd, IDC_SHEET_SAVE_TO_FILE, "Save To File");
    SetDlgItemTextA(m_hWnd, IDC_SHEET_ABOUT, "About Vittrel Kelvorn32");

    RECT window{};
    GetWindowRect(GetDlgItem(IDC_SHEET_HELP), &window);
    POINT topLeft{window.left, window.top};
    POINT bottomRight{window.right, window.bottom};
    ScreenToClient(m_hWnd, &topLeft);
    ScreenToClient(m_hWnd, &bottomRight);
    const SheetButtonLayout layout = LayOutSheetButtons({topLeft.x, topLeft.y, bottomRight.x, bottomRight.y});

    ChangeButtonStyle(IDC_SHEET_HELP, WS_VISIBLE, WS_DISABLED);
    ChangeButtonStyle(IDC_SHEET_ABOUT, WS_DISABLED, BS_DEFPUSHBUTTON);
    ChangeButtonStyle(IDC_SHEET_EXIT, 0, BS_DEFPUSHBUTTON);

    const struct {
        int id;
        ButtonPlacement place;
    } moves[] = {
        {IDC_SHEET_EXIT, layout.exit},
        {IDC_SHEET_SAVE_TO_FILE, layout.saveToFile},
        {IDC_SHEET_ABOUT, layout.about},
    };
    for (const auto& move : moves)
        MoveWindow(GetDlgItem(move.id), move.place.x, move.place.y, move.place.width, move.place.height,
                   TRUE);

    // Tab follows z-order, in which comctl32 made the three Save To File, Exit, About. Save To File
    // and then Exit go right after About, now leftmost, so that the buttons tab in their order on
    // screen.
    const int order[] = {IDC_SHEET_ABOUT, IDC_SHEET_SAVE_TO_FILE, IDC_SHEET_EXIT};
    for (size_t i = 1; i < sizeof(order) / sizeof(order[0]); ++i)
        SetWindowPos(GetDlgItem(order[i]), GetDlgItem(order[i - 1]), 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Writes the style back only when it changed; no frame update follows.
void CMyPropertySheet::ChangeButtonStyle(int id, LONG remove, LONG add) {
    HWND button = GetDlgItem(id);
    const LONG style = GetWindowLongA(button, GWL_STYLE);
    const LONG changed = (style & ~remove) | add;
    if (changed != style)
        SetWindowLongA(button, GWL_STYLE, changed);
}

void CMyPropertySheet::ShowAboutBox() {
    CMyAboutDialog about;
    about.DoModal();
}

void CMyPropertySheet::OnSaveToFile() {
    SaveReport(m_hWnd, TakeReportSnapshot());
}

// Only pages whose flag is set have windows and lists to read.
ReportSnapshot CMyPropertySheet::TakeReportSnapshot() const {
    ReportSnapshot snapshot;
    if (g_page1Shown != 0)
        snapshot.installation =
            InstallationSnapshot{m_page1.m_problemText, m_page1.m_solutionText, m_page1.m_notesText,
                                 m_page1.m_solutionMode, ItemsOf(m_page1.m_reasonList)};
    if (g_page2Shown != 0)
        snapshot.systemInfo =
            SystemInfoSnapshot{m_page2.m_osName,         m_page2.m_osVersion,     m_page2.m_osBuild,
                               m_page2.m_processorCount, m_page2.m_processorType, m_page2.m_modelValue,
                               m_page2.m_stepValue,      m_page2.m_totalPhysical, m_page2.m_availablePhysical,
                               m_page2.m_totalVirtual,   m_page2.m_memoryLoad,    m_page2.m_ramVerdict};
    if (g_page4Shown != 0)
        snapshot.waveDevices = ItemsOf(m_page4.m_waveDeviceList);
    if (g_page5Shown != 0)
        snapshot.auxDevices = ItemsOf(m_page5.m_auxDeviceList);
    if (g_page7Shown != 0)
        snapshot.ports = PortsSnapshot{ItemsOf(m_page7.m_commPortList), ItemsOf(m_page7.m_printerPortList),
                                       ItemsOf(m_page7.m_portSummaryList)};
    if (g_page6Shown != 0)
        snapshot.brailleStatus = m_page6.m_brailleStatus;
    return snapshot;
}
