// Property pages of the framework.
#include "framework/property_page.h"

#include "framework/win_app.h"

CPropertyPage::CPropertyPage(int templateId) {
    CWinApp* app = CWinApp::Current();
    // The first version of the record: every comctl32 since Windows 95 takes it.
    m_descriptor.dwSize = PROPSHEETPAGEA_V1_SIZE;
    m_descriptor.dwFlags = PSP_DEFAULT;
    m_descriptor.hInstance = app ? app->Instance() : GetModuleHandleA(nullptr);
    m_descriptor.pszTemplate = MAKEINTRESOURCEA(templateId);
    m_descriptor.pfnDlgProc = PageProc;
    m_descriptor.lParam = reinterpret_cast<LPARAM>(this);
}

void CPropertyPage::UpdateData(DataDirection direction) {
    if (!m_hWnd)
        return;
    CDataExchange dx(m_hWnd, direction);
    DoDataExchange(dx);
}

BOOL CPropertyPage::OnInitDialog() {
    UpdateData(DataDirection::MemberToControl);
    return TRUE;
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_INITDIALOG) {
        const auto* descriptor = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
        auto* self = reinterpret_cast<CPropertyPage*>(descriptor->lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, descriptor->lParam);
        self->m_hWnd = hwnd;
        return self->OnInitDialog();
    }
    auto* self = reinterpret_cast<CPropertyPage*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self)
        return FALSE;
    switch (message) {
    case WM_COMMAND:
        return self->OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_NCDESTROY:
        self->m_hWnd = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}
