// GetPrivateProfileStringA and CreateFileA behind the Braille check. Every handle is closed
// before the call that opened it returns.
#include "pages/braille/braille_environment_win.h"

#include <windows.h>

#include "pages/installation/install_environment.h"

namespace {

// section/key of a profile file that the profile functions find by its bare name in the Windows
// directory; the empty default, so an absent key reads as empty.
std::string ReadProfile(const char* file, const std::string& section, const std::string& key,
                        uint32_t capacity) {
    if (capacity == 0)
        return std::string();
    std::string value(capacity, '\0');
    const DWORD length =
        GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value.data(), capacity, file);
    value.resize(length < capacity ? length : capacity - 1);
    return value;
}

bool Opens(const std::string& name, DWORD access, DWORD sharing) {
    HANDLE handle = CreateFileA(name.c_str(), access, sharing, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(handle);
    return true;
}

} // namespace

std::string WindowsBrailleEnvironment::ReadSystemIniValue(const std::string& section, const std::string& key,
                                                          uint32_t capacity) {
    return ReadProfile("SYSTEM.INI", section, key, capacity);
}

std::string WindowsBrailleEnvironment::ReadConfigValue(const std::string& section, const std::string& key,
                                                       uint32_t capacity) {
    return ReadProfile(kConfigFileName, section, key, capacity);
}

bool WindowsBrailleEnvironment::CanOpenForReading(const std::string& path) {
    return Opens(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
}

bool WindowsBrailleEnvironment::CanOpenPortExclusively(const std::string& name) {
    return Opens(name, GENERIC_READ | GENERIC_WRITE, 0);
}
