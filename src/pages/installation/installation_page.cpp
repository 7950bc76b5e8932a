// The installation page: the diagnosis result and the per-reason solutions.
#include "pages/installation/installation_page.h"

#include "framework/font_scale.h"
#include "pages/installation/diagnosis.h"
#include "pages/installation/install_environment_win.h"
#include "pages/installation/reason_solutions.h"
#include "pages/page_flags.h"
#include "resource.h"
#include "system/live_region.h"

const CommandEntry<CMyPropertyPage1> CMyPropertyPage1::kCommands[1] = {
    {IDC_REASON_LIST, LBN_SELCHANGE, &CMyPropertyPage1::OnSelChangeReasonList},
};

CMyPropertyPage1::CMyPropertyPage1() : CPropertyPage(IDD_INSTALLATION_PAGE) {
    // The first page is built first: a new sheet starts with every other page not yet gathered.
    g_page2Shown = 0;
    g_page4Shown = 0;
    g_page5Shown = 0;
    g_page6Shown = 0;
    g_page7Shown = 0;
}

BOOL CMyPropertyPage1::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    g_page1Shown = 1;
    DiagnoseInstallation();
    return TRUE;
}

void CMyPropertyPage1::DoDataExchange(CDataExchange& dx) {
    dx.Control(IDC_REASON_LIST, m_reasonList);
    dx.Text(IDC_NOTES_TEXT, m_notesText);
    dx.Text(IDC_PROBLEM_TEXT, m_problemText);
    dx.Text(IDC_SOLUTION_TEXT, m_solutionText);
}

bool CMyPropertyPage1::OnCommand(UINT id, UINT code) {
    return DispatchCommand(*this, kCommands, id, code);
}

void CMyPropertyPage1::DiagnoseInstallation() {
    WindowsInstallEnvironment environment;
    const Diagnosis diagnosis = ClassifyInstallation(environment);
    m_solutionMode = diagnosis.solutionMode;
    m_problemText = diagnosis.problemText;
    m_solutionText = diagnosis.solutionText;
    m_notesText = diagnosis.notesText;

    // The positions are the reason numbers that the per-reason solutions and the report use.
    int position = 0;
    for (const std::string& reason : diagnosis.reasons)
        m_reasonList.InsertString(position++, reason);
    if (diagnosis.widenReasonList)
        m_reasonList.SetHorizontalExtent(ScaleWithButtonWidth(800, StandardButtonWidth()));
    // Selecting by message raises no selection change: the diagnosis's own solution stays.
    if (!diagnosis.reasons.empty())
        m_reasonList.SetCurSel(0);
    UpdateData(DataDirection::MemberToControl);
}

// A standard button is 50 dialog units wide: 75 pixels in the classic font at 96 dpi, like the
// sheet's Help button. What it measures in the page's font says how much the reasons have grown.
int CMyPropertyPage1::StandardButtonWidth() const {
    RECT button{0, 0, 50, 0};
    if (!MapDialogRect(m_hWnd, &button))
        return kClassicButtonWidth;
    return button.right - button.left;
}

void CMyPropertyPage1::OnSelChangeReasonList() {
    if (m_solutionMode != 1) {
        UpdateData(DataDirection::MemberToControl);
        return;
    }
    UpdateData(DataDirection::ControlToMember);
    const std::optional<std::string> solution = ReasonSolution(m_reasonList.GetCurSel());
    if (solution)
        m_solutionText = *solution;
    UpdateData(DataDirection::MemberToControl);
    // The focus stays on the list: a screen reader speaks the new solution only when told.
    if (solution)
        AnnounceLiveRegionChange(GetDlgItem(IDC_SOLUTION_TEXT));
}
