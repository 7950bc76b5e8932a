// Identifier, version and name texts of the device pages.
#include "pages/device_texts.h"

#include <cstdio>
#include <cstring>

std::string FormatDeviceIdentifier(uint16_t identifier) {
    char text[16];
    std::snprintf(text, sizeof(text), "%d.", static_cast<int>(identifier));
    return text;
}

std::string FormatDriverVersion(uint32_t version) {
    char text[16];
    std::snprintf(text, sizeof(text), "%d.%d.", static_cast<int>((version >> 8) & 0xFF),
                  static_cast<int>(version & 0xFF));
    return text;
}

std::string DeviceNameFromField(const char* field, size_t fieldSize) {
    // A driver that fills the whole field leaves no terminator: the name ends with the field.
    const void* end = std::memchr(field, '\0', fieldSize);
    return std::string(field, end ? static_cast<const char*>(end) - field : fieldSize);
}
