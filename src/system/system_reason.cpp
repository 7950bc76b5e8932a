// The system's reason for an error, trimmed for a message box.
#include "system/system_reason.h"

std::string SystemReasonText(std::string systemMessage, uint32_t errorCode) {
    while (!systemMessage.empty() &&
           (systemMessage.back() == '\n' || systemMessage.back() == '\r' || systemMessage.back() == ' '))
        systemMessage.pop_back();
    if (systemMessage.empty())
        return "Error " + std::to_string(errorCode) + ".";
    return systemMessage;
}
