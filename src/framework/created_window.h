// Which window a creation hook takes for the dialog it waits for: the first top-level window of
// the dialog class, never an input method's window nor any other window made on the thread first.
#pragma once

#include <cstdint>
#include <string_view>

// The window system's values behind the names, checked against <windows.h> where it is included.
inline constexpr uint32_t kWindowStyleChild = 0x40000000;   // WS_CHILD
inline constexpr uint32_t kClassStyleInputMethod = 0x10000; // CS_IME
inline constexpr uint16_t kDialogClassAtom = 32770;         // the dialog class, "#32770"

// A window as its creation is announced, before it has received any message.
struct CreatedWindow {
    std::string_view className; // as the window system names the class
    uint16_t classAtom = 0;
    uint32_t style = 0;      // the window's style in its creation record
    uint32_t classStyle = 0; // the style bits of its class
};

bool IsTopLevelDialog(const CreatedWindow& window);
