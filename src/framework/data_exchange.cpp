// Member/control transfers of the dialog framework.
#include "framework/data_exchange.h"

#include <vector>

void CDataExchange::Text(int id, std::string& value) const {
    HWND control = GetDlgItem(m_dialog, id);
    if (m_direction == DataDirection::MemberToControl) {
        SetWindowTextA(control, value.c_str());
        return;
    }
    const int length = GetWindowTextLengthA(control);
    std::vector<char> buffer(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    const int copied = GetWindowTextA(control, buffer.data(), static_cast<int>(buffer.size()));
    value.assign(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

void CDataExchange::Control(int id, CListBox& list) const {
    list.Attach(GetDlgItem(m_dialog, id));
}
