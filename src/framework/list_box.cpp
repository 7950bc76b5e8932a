// List-box messages, sent with SendMessageA.
#include "framework/list_box.h"

#include <vector>

int CListBox::AddString(const std::string& text) const {
    return static_cast<int>(SendMessageA(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int CListBox::InsertString(int position, const std::string& text) const {
    return static_cast<int>(
        SendMessageA(m_hWnd, LB_INSERTSTRING, position, reinterpret_cast<LPARAM>(text.c_str())));
}

int CListBox::GetCount() const {
    return static_cast<int>(SendMessageA(m_hWnd, LB_GETCOUNT, 0, 0));
}

int CListBox::GetCurSel() const {
    return static_cast<int>(SendMessageA(m_hWnd, LB_GETCURSEL, 0, 0));
}

int CListBox::SetCurSel(int position) const {
    return static_cast<int>(SendMessageA(m_hWnd, LB_SETCURSEL, position, 0));
}

void CListBox::SetHorizontalExtent(int pixels) const {
    SendMessageA(m_hWnd, LB_SETHORIZONTALEXTENT, pixels, 0);
}

std::string CListBox::GetText(int position) const {
    const LRESULT length = SendMessageA(m_hWnd, LB_GETTEXTLEN, position, 0);
    if (length == LB_ERR || length < 0)
        return {};
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied =
        SendMessageA(m_hWnd, LB_GETTEXT, position, reinterpret_cast<LPARAM>(buffer.data()));
    if (copied == LB_ERR || copied < 0)
        return {};
    return std::string(buffer.data(), static_cast<size_t>(copied));
}
