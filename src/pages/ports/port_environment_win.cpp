// CreateFileA, FormatMessageA and EnumPortsA behind the ports page's probes.
#include "pages/ports/port_environment_win.h"

#include <windows.h>

#include "system/system_library.h"

// The first spooler block; most machines' port lists fit in it.
static constexpr DWORD kSpoolerBlockSize = 2000;

uint32_t WindowsPortEnvironment::OpenExclusive(const std::string& name) {
    HANDLE handle =
        CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
        return 0;
    }
    const DWORD code = GetLastError();
    // 0 means "opened" to the caller, so a failure without a code must not read as one.
    return code != 0 ? code : ERROR_GEN_FAILURE;
}

std::string WindowsPortEnvironment::SystemMessage(uint32_t code, size_t bufferSize) {
    if (bufferSize == 0) {
        return std::string();
    }
    std::string buffer(bufferSize, '\0');
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), buffer.data(),
                                        static_cast<DWORD>(bufferSize), nullptr);
    if (length == 0 || length >= bufferSize) {
        return std::string();
    }
    buffer.resize(length);
    return buffer;
}

static std::optional<std::string> CopySpoolerText(const char* text) {
    if (text == nullptr) {
        return std::nullopt;
    }
    return std::string(text);
}

// One EnumPortsA call into a zero-filled block of the given size. Answers the call's error code
// (0 on success); on ERROR_INSUFFICIENT_BUFFER, needed holds the size the spooler asked for.
static DWORD EnumerateIntoBlock(const WinspoolFunctions& winspool, DWORD size, DWORD& needed,
                                std::vector<SpoolerPort>& ports) {
    BYTE* block = static_cast<BYTE*>(LocalAlloc(LMEM_FIXED | LMEM_ZEROINIT, size));
    if (block == nullptr) {
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    needed = size;
    DWORD returned = 0;
    DWORD error = 0;
    if (winspool.EnumPortsA(nullptr, 2, block, size, &needed, &returned)) {
        const PORT_INFO_2A* records = reinterpret_cast<const PORT_INFO_2A*>(block);
        for (DWORD i = 0; i < returned; ++i) {
            SpoolerPort port;
            port.portName = CopySpoolerText(records[i].pPortName);
            port.monitorName = CopySpoolerText(records[i].pMonitorName);
            port.description = CopySpoolerText(records[i].pDescription);
            ports.push_back(port);
        }
    } else {
        // Taken before LocalFree, which may overwrite it.
        error = GetLastError();
        if (error == 0) {
            error = ERROR_GEN_FAILURE;
        }
    }
    LocalFree(block);
    return error;
}

// winspool is loaded here, on the first query. Without it the spooler answers nothing, as when its
// call fails.
std::optional<std::vector<SpoolerPort>> WindowsPortEnvironment::EnumerateSpoolerPorts() {
    const WinspoolFunctions* winspool = Winspool();
    if (winspool == nullptr)
        return std::nullopt;
    std::vector<SpoolerPort> ports;
    DWORD needed = 0;
    const DWORD error = EnumerateIntoBlock(*winspool, kSpoolerBlockSize, needed, ports);
    if (error == 0) {
        return ports;
    }
    // A long port list does not fit the first block: ask once more with the size the spooler named.
    if (error == ERROR_INSUFFICIENT_BUFFER && needed > kSpoolerBlockSize) {
        const DWORD retrySize = needed;
        if (EnumerateIntoBlock(*winspool, retrySize, needed, ports) == 0) {
            return ports;
        }
    }
    return std::nullopt;
}
