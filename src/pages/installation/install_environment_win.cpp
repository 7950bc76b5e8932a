// Win32 implementation of the installation environment. Every handle is closed before the call
// that opened it returns.
#include "pages/installation/install_environment_win.h"

#include <windows.h>

#include "system/kernel_function.h"

// A buffer of MAX_PATH holds any Windows or system directory; the result is empty only when the
// query fails, so no partial path is ever joined to a file name.
static std::string DirectoryFrom(UINT length, const char* buffer) {
    if (length == 0 || length >= MAX_PATH) {
        return std::string();
    }
    return std::string(buffer, length);
}

std::string WindowsInstallEnvironment::QueryWindowsDirectory() {
    char buffer[MAX_PATH] = {};
    return DirectoryFrom(GetWindowsDirectoryA(buffer, MAX_PATH), buffer);
}

// The product's runtime libraries are 32-bit. 64-bit Windows keeps those in its WOW64 folder,
// which a 32-bit program also sees as its system folder; a 64-bit build has to ask for it. Windows
// 95 to 2000 lack GetSystemWow64DirectoryA, and 32-bit Windows fails it.
std::string WindowsInstallEnvironment::QuerySystemDirectory() {
    char buffer[MAX_PATH] = {};
    if (auto wow64Directory = VITTREL_KERNEL32_FUNCTION(GetSystemWow64DirectoryA)) {
        std::string directory = DirectoryFrom(wow64Directory(buffer, MAX_PATH), buffer);
        if (!directory.empty()) {
            return directory;
        }
    }
    return DirectoryFrom(GetSystemDirectoryA(buffer, MAX_PATH), buffer);
}

static HANDLE OpenForReading(const std::string& path, DWORD attributes) {
    return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       attributes, nullptr);
}

bool WindowsInstallEnvironment::CanOpenForReading(const std::string& path) {
    HANDLE file = OpenForReading(path, 0);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

bool WindowsInstallEnvironment::PathExists(const std::string& path) {
    // An empty name would otherwise be resolved against whatever the current directory is.
    if (path.empty()) {
        return false;
    }
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

FileMeasure WindowsInstallEnvironment::MeasureFile(const std::string& path) {
    FileMeasure measure;
    HANDLE file = OpenForReading(path, FILE_ATTRIBUTE_NORMAL);
    if (file == INVALID_HANDLE_VALUE) {
        return measure;
    }
    measure.opened = true;
    DWORD end = SetFilePointer(file, 0, nullptr, FILE_END);
    CloseHandle(file);
    if (end != INVALID_SET_FILE_POINTER) {
        measure.sized = true;
        measure.sizeBytes = end;
    }
    return measure;
}

std::string WindowsInstallEnvironment::ReadProfileValue(const std::string& section, const std::string& key,
                                                        uint32_t capacity) {
    if (capacity == 0) {
        return std::string();
    }
    std::string value(capacity, '\0');
    DWORD length =
        GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value.data(), capacity, kConfigFileName);
    value.resize(length < capacity ? length : capacity - 1);
    return value;
}

bool WindowsInstallEnvironment::WriteDriverNone(const std::string& key) {
    return WritePrivateProfileStringA("Drivers", key.c_str(), "none", kConfigFileName) != FALSE;
}
