// Property sheets of the framework: creation, the initialisation hook and the modal loop.
#include "framework/property_sheet.h"

#include <commctrl.h>

#include "framework/created_window.h"
#include "framework/win_app.h"
#include "system/kernel_function.h"
#include "system/os_version_win.h"
#include "system/system_library.h"

static_assert(kWindowStyleChild == WS_CHILD && kClassStyleInputMethod == CS_IME);

namespace {

// The sheet whose window the creation hook is waiting for (one at a time per thread).
thread_local CPropertySheet* t_sheetBeingCreated = nullptr;
thread_local HHOOK t_creationHook = nullptr;

constexpr int kStandardButtonIds[] = {IDOK, IDCANCEL, IDHELP, 12321 /* Apply */};

std::string LoadText(HINSTANCE instance, int id) {
    char buffer[256] = {};
    const int length = LoadStringA(instance, id, buffer, sizeof(buffer));
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

// The modal loop's calls, in the system's own character set. comctl32 reads a message handed to it
// by PSM_ISDIALOGMESSAGE as UTF-16 where the system has it (the NT family): a letter typed in a
// list and read by GetMessageA would arrive there converted twice, and outside Western code pages
// find the wrong item or none. The 95 family's are ANSI. The W calls are looked up, never imported.
struct MessageLoopCalls {
    decltype(&::GetMessageA) getMessage = &::GetMessageA;
    decltype(&::DispatchMessageA) dispatchMessage = &::DispatchMessageA;
};

MessageLoopCalls ChooseMessageLoopCalls() {
    MessageLoopCalls calls;
    if (IsWindowsNtFamily(QueryOsVersion())) {
        const auto getMessage = VITTREL_USER32_FUNCTION(GetMessageW);
        const auto dispatchMessage = VITTREL_USER32_FUNCTION(DispatchMessageW);
        if (getMessage != nullptr && dispatchMessage != nullptr)
            calls = {getMessage, dispatchMessage};
    }
    return calls;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace

CPropertySheet::CPropertySheet(int captionStringId, CWnd* parent, int selectPage)
    : m_parent(parent), m_startPage(selectPage) {
    CWinApp* app = CWinApp::Current();
    m_caption = LoadText(app ? app->Instance() : GetModuleHandleA(nullptr), captionStringId);
}

INT_PTR CPropertySheet::DoModal() {
    if (m_pages.empty())
        return -1;
    // comctl32 steps through the page records by their own dwSize, so they lie back to back.
    std::vector<BYTE> descriptors;
    for (const CPropertyPage* page : m_pages) {
        const PROPSHEETPAGEA& descriptor = page->Descriptor();
        const BYTE* bytes = reinterpret_cast<const BYTE*>(&descriptor);
        descriptors.insert(descriptors.end(), bytes, bytes + descriptor.dwSize);
    }

    CWinApp* app = CWinApp::Current();
    PROPSHEETHEADERA header{};
    header.dwSize = PROPSHEETHEADERA_V1_SIZE;
    // PSH_HASHELP makes comctl32 lay out the Help button, the anchor of a derived sheet's buttons.
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_HASHELP;
    header.hwndParent = m_parent ? m_parent->GetSafeHwnd() : nullptr;
    header.hInstance = app ? app->Instance() : GetModuleHandleA(nullptr);
    // comctl32 writes the caption after its own initialisation, so it is given here.
    header.pszCaption = m_caption.c_str();
    header.nPages = static_cast<UINT>(m_pages.size());
    header.nStartPage = static_cast<UINT>(m_startPage);
    header.ppsp = reinterpret_cast<LPCPROPSHEETPAGEA>(descriptors.data());

    // Loaded at start-up, before the first sheet: without it the program does not run.
    const CommonControlsFunctions* comctl32 = CommonControls();
    if (!comctl32)
        return -1;
    m_modalEnded = false;
    m_modalResult = -1;
    m_closingCommand = 0;
    t_sheetBeingCreated = this;
    t_creationHook = SetWindowsHookExA(WH_CBT, CreationHook, nullptr, GetCurrentThreadId());
    const INT_PTR created = comctl32->PropertySheetA(&header);
    if (t_creationHook)
        UnhookWindowsHookEx(t_creationHook);
    t_creationHook = nullptr;
    t_sheetBeingCreated = nullptr;

    HWND sheet = m_hWnd;
    if (!m_modalEnded && (created == 0 || created == -1 || !sheet))
        return -1;

    HWND owner = header.hwndParent;
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled)
        EnableWindow(owner, FALSE);

    static const MessageLoopCalls loop = ChooseMessageLoopCalls();
    MSG msg;
    while (!m_modalEnded) {
        // comctl32 closes a modeless sheet by answering no current page.
        if (!IsWindow(sheet) || !PropSheet_GetCurrentPageHwnd(sheet)) {
            m_modalResult = m_closingCommand ? m_closingCommand : IDCANCEL;
            break;
        }
        const BOOL got = loop.getMessage(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0)
                PostQuitMessage(static_cast<int>(msg.wParam));
            m_modalResult = IDCANCEL;
            break;
        }
        // comctl32 turns Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDn and Ctrl+PgUp into page changes here,
        // and tells the sheet nothing of them.
        if (PropSheet_IsDialogMessage(sheet, &msg)) {
            KeepFocusInSight();
        } else {
            TranslateMessage(&msg);
            loop.dispatchMessage(&msg);
        }
    }

    if (ownerWasEnabled)
        EnableWindow(owner, TRUE);
    if (IsWindow(sheet))
        DestroyWindow(sheet);
    return m_modalResult;
}

void CPropertySheet::EndModalLoop(int result) {
    m_modalResult = result;
    m_modalEnded = true;
    if (m_hWnd)
        PostMessageA(m_hWnd, WM_NULL, 0, 0); // wakes the loop
}

BOOL CPropertySheet::OnInitDialog() {
    // comctl32 lays the buttons out afresh and disables Apply in its initialisation; whatever the
    // derived hook changed before is carried across it, relative to where Help ends up.
    const ButtonStates afterHook = CaptureButtons();
    m_platformInitialised = true;
    const LRESULT result = CallWindowProcA(m_platformProc, m_hWnd, WM_INITDIALOG, m_initWParam, m_initLParam);
    ReapplyButtonChanges(m_buttonsBeforeHook, afterHook);
    return static_cast<BOOL>(result);
}

CPropertySheet::ButtonStates CPropertySheet::CaptureButtons() const {
    ButtonStates states{};
    for (size_t i = 0; i < states.size(); ++i) {
        ButtonState& state = states[i];
        state.id = kStandardButtonIds[i];
        state.hwnd = GetDlgItem(state.id);
        if (!state.hwnd)
            continue;
        GetWindowRect(state.hwnd, &state.rect);
        MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&state.rect), 2);
        state.style = GetWindowLongA(state.hwnd, GWL_STYLE);
    }
    return states;
}

void CPropertySheet::ReapplyButtonChanges(const ButtonStates& before, const ButtonStates& after) const {
    const ButtonStates now = CaptureButtons();
    const ButtonState& helpThen = after[2];
    const ButtonState& helpNow = now[2];
    const int dx = helpThen.hwnd ? helpNow.rect.left - helpThen.rect.left : 0;
    const int dy = helpThen.hwnd ? helpNow.rect.top - helpThen.rect.top : 0;
    for (size_t i = 0; i < now.size(); ++i) {
        if (!now[i].hwnd)
            continue;
        if (!SameRect(before[i].rect, after[i].rect)) {
            const RECT& r = after[i].rect;
            MoveWindow(now[i].hwnd, r.left + dx, r.top + dy, r.right - r.left, r.bottom - r.top, TRUE);
        }
        const LONG changed = before[i].style ^ after[i].style;
        const LONG style = (now[i].style & ~changed) | (after[i].style & changed);
        if (style != now[i].style) {
            SetWindowLongA(now[i].hwnd, GWL_STYLE, style);
            InvalidateRect(now[i].hwnd, nullptr, TRUE);
        }
    }
}

// comctl32 changes pages without moving the focus, which may stay on a control of the page that
// went out of sight: keys then go to a control nobody sees. It goes to the tab control instead, as
// after a click on a tab.
void CPropertySheet::KeepFocusInSight() const {
    HWND focus = GetFocus();
    if (!focus || !IsChild(m_hWnd, focus) || IsWindowVisible(focus))
        return;
    if (HWND tabs = PropSheet_GetTabControl(m_hWnd))
        SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(tabs), TRUE);
}

bool CPropertySheet::PlatformMayHandle(UINT message) const {
    if (m_platformInitialised)
        return true;
    // Before (or instead of) comctl32's initialisation its dialog procedure has no sheet data, so
    // only the messages of window creation and the dialog manager's own housekeeping reach it.
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CLOSE:
    case WM_DESTROY:
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        return false;
    default:
        return message < WM_USER;
    }
}

LRESULT CALLBACK CPropertySheet::CreationHook(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code == HCBT_CREATEWND && t_sheetBeingCreated) {
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        char className[64] = {};
        GetClassNameA(hwnd, className, sizeof(className));
        CreatedWindow window;
        window.className = className;
        window.classAtom = static_cast<uint16_t>(GetClassLongA(hwnd, GCW_ATOM));
        window.style = static_cast<uint32_t>(create->lpcs->style);
        window.classStyle = static_cast<uint32_t>(GetClassLongA(hwnd, GCL_STYLE));
        // Input methods, accessibility hooks and others may make windows on this thread first.
        if (IsTopLevelDialog(window)) {
            CPropertySheet* sheet = t_sheetBeingCreated;
            t_sheetBeingCreated = nullptr;
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(sheet));
            sheet->m_platformProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SheetProc)));
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK CPropertySheet::SheetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    auto* self = reinterpret_cast<CPropertySheet*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    WNDPROC platform = self->m_platformProc;
    switch (message) {
    case WM_INITDIALOG:
        self->m_hWnd = hwnd;
        self->m_initWParam = wParam;
        self->m_initLParam = lParam;
        self->m_buttonsBeforeHook = self->CaptureButtons();
        return self->OnInitDialog();
    case WM_COMMAND:
        if (self->OnCommand(LOWORD(wParam), HIWORD(wParam)))
            return 0;
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            self->m_closingCommand = LOWORD(wParam);
        break;
    case PSM_SETCURSEL:
    case PSM_SETCURSELID:
        if (self->m_platformInitialised) {
            const LRESULT result = CallWindowProcA(platform, hwnd, message, wParam, lParam);
            self->KeepFocusInSight();
            return result;
        }
        break;
    case WM_NCDESTROY:
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(platform));
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->m_hWnd = nullptr;
        return CallWindowProcA(platform, hwnd, message, wParam, lParam);
    default:
        break;
    }
    if (!self->PlatformMayHandle(message))
        return DefWindowProcA(hwnd, message, wParam, lParam);
    return CallWindowProcA(platform, hwnd, message, wParam, lParam);
}
