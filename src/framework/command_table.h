// Per-class command tables: which member function handles a notification code from a control id.
//
//   static constexpr CommandEntry<CMyPage> kCommands[] = {
//       {IDC_REASON_LIST, LBN_SELCHANGE, &CMyPage::OnSelChangeReasonList},
//   };
//   bool OnCommand(UINT id, UINT code) override { return DispatchCommand(*this, kCommands, id, code); }
#pragma once

#include <windows.h>

template <class T> struct CommandEntry {
    UINT id;
    UINT code;
    void (T::*handler)();
};

// Any notification code: for buttons, whose commands may come as BN_CLICKED or from an accelerator.
constexpr UINT kAnyCode = 0xFFFFFFFFu;

// Calls the handler bound to (id, code); answers whether the table had one.
template <class T, size_t N>
bool DispatchCommand(T& target, const CommandEntry<T> (&table)[N], UINT id, UINT code) {
    for (const CommandEntry<T>& entry : table) {
        if (entry.id == id && (entry.code == kAnyCode || entry.code == code)) {
            (target.*entry.handler)();
            return true;
        }
    }
    return false;
}
