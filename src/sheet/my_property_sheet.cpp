// The diagnostic sheet: pages, Win32s gate, button arrangement and commands.
#include "sheet/my_property_sheet.h"

#include "app/about_dialog.h"
#include "report/report_writer_win.h"
#include "resource.h"
#include "sheet/os_version_win.h"
#include "sheet/sheet_buttons.h"
#include "sheet/version_gate.h"

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
    SaveReport(*this);
}
