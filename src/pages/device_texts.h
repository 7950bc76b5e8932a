// Texts shared by the wave and auxiliary device pages: identifiers and driver versions.
#pragma once

#include <cstdint>
#include <string>

// A device list's only entry when there is no device.
inline constexpr char kNoDeviceEntry[] = "<None>";

// A manufacturer or product identifier: "%d.".
std::string FormatDeviceIdentifier(uint16_t identifier);

// The low 16 bits of a driver version, high byte major and low byte minor: "%d.%d.".
std::string FormatDriverVersion(uint32_t version);

// A device name from a fixed-size platform field: up to its first NUL, never past the field.
std::string DeviceNameFromField(const char* field, size_t fieldSize);
