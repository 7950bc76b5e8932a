// Modal dialogs of the framework.
#include "framework/dialog.h"

#include "framework/dialog_template.h"
#include "framework/win_app.h"

INT_PTR CDialog::DoModal() {
    CWinApp* app = CWinApp::Current();
    HINSTANCE instance = app ? app->Instance() : GetModuleHandleA(nullptr);
    std::vector<BYTE> dialogTemplate = LoadDialogTemplate(instance, m_templateId);
    if (dialogTemplate.empty())
        return -1;
    if (app && app->Uses3dControls())
        AddTemplateStyle(dialogTemplate, DS_3DLOOK);
    HWND owner = m_parent ? m_parent->GetSafeHwnd() : MainWindowHandle();
    return DialogBoxIndirectParamA(instance, reinterpret_cast<LPCDLGTEMPLATEA>(dialogTemplate.data()), owner,
                                   DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        self->m_hWnd = hwnd;
        return self->OnInitDialog();
    }
    auto* self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self)
        return FALSE;
    switch (message) {
    case WM_COMMAND: {
        const UINT id = LOWORD(wParam);
        if (self->OnCommand(id, HIWORD(wParam)))
            return TRUE;
        if (id == IDOK) {
            self->OnOK();
            return TRUE;
        }
        if (id == IDCANCEL) {
            self->OnCancel();
            return TRUE;
        }
        return FALSE;
    }
    case WM_NCDESTROY:
        self->m_hWnd = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}
