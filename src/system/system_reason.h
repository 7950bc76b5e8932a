// The system's reason for an error, as the program shows it in a message box. Portable; the
// system's text comes from SystemMessage in system_reason_win.
#pragma once

#include <cstdint>
#include <string>

// The system's text without its trailing line break, or "Error <code>." where it has none.
std::string SystemReasonText(std::string systemMessage, uint32_t errorCode);
