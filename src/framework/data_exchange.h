// CDataExchange: moves a page's member values to its controls, or back.
//
//   void DoDataExchange(CDataExchange& dx) override {
//       dx.Text(IDC_PROBLEM_TEXT, m_problemText);
//       dx.Control(IDC_REASON_LIST, m_reasonList);
//   }
#pragma once

#include <windows.h>

#include <string>

#include "framework/list_box.h"

enum class DataDirection { MemberToControl, ControlToMember };

class CDataExchange {
public:
    CDataExchange(HWND dialog, DataDirection direction) : m_dialog(dialog), m_direction(direction) {}

    DataDirection Direction() const { return m_direction; }

    // A text member and a static or edit control.
    void Text(int id, std::string& value) const;
    // Binds a list-box member to its control, in either direction.
    void Control(int id, CListBox& list) const;

private:
    HWND m_dialog;
    DataDirection m_direction;
};
