// The creation hook's choice of window.
#include "framework/created_window.h"

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

} // namespace

bool IsTopLevelDialog(const CreatedWindow& window) {
    if (window.style & kWindowStyleChild)
        return false;
    // An input method makes its windows on whatever thread shows a window first.
    if ((window.classStyle & kClassStyleInputMethod) || EqualsIgnoringCase(window.className, "IME"))
        return false;
    return window.classAtom == kDialogClassAtom;
}
