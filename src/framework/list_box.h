// CListBox: a list box control of a page. Its items are the only store of the list's data.
#pragma once

#include <windows.h>

#include <string>

class CListBox {
public:
    void Attach(HWND hwnd) { m_hWnd = hwnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // Each answers what the list answers: a position, a count, or LB_ERR / LB_ERRSPACE.
    int AddString(const std::string& text) const;
    int InsertString(int position, const std::string& text) const;
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int position) const;
    void SetHorizontalExtent(int pixels) const;
    // The item's text; empty when the position holds no item.
    std::string GetText(int position) const;

private:
    HWND m_hWnd = nullptr;
};
