// The ports page: one line per port probed, one per spooler port.
#include "pages/ports/ports_page.h"

#include "framework/wait_cursor.h"
#include "pages/page_flags.h"
#include "pages/ports/port_environment_win.h"
#include "pages/ports/ports.h"
#include "resource.h"

CMyPropertyPage7::CMyPropertyPage7() : CPropertyPage(IDD_PORTS_PAGE) {}

BOOL CMyPropertyPage7::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    g_page7Shown = 1;
    GatherPorts();
    return TRUE;
}

void CMyPropertyPage7::DoDataExchange(CDataExchange& dx) {
    dx.Control(IDC_PORT_SUMMARY_LIST, m_portSummaryList);
    dx.Control(IDC_PRINTER_PORT_LIST, m_printerPortList);
    dx.Control(IDC_COMM_PORT_LIST, m_commPortList);
}

void CMyPropertyPage7::GatherPorts() {
    CWaitCursor wait;
    WindowsPortEnvironment environment;
    const PortLists lines = GatherPortLines(environment);
    for (const std::string& line : lines.comm)
        m_commPortList.AddString(line);
    m_commPortList.SetCurSel(0);
    for (const std::string& line : lines.printer)
        m_printerPortList.AddString(line);
    m_printerPortList.SetCurSel(0);
    for (const std::string& line : lines.summary)
        m_portSummaryList.AddString(line);
    UpdateData(DataDirection::MemberToControl);
}
