// Loads the libraries that are not known DLLs from the system folder, each with its table of
// functions, and keeps the program's folder and the current folder out of the library search.
#include "system/system_library.h"

#include "system/kernel_function.h"

namespace {

// Fills one entry of a table; false when the library has no such function.
template <typename Function> bool Find(HMODULE library, const char* name, Function& function) {
    function = FindModuleFunction<Function>(library, name);
    return function != nullptr;
}

// A table that is made once, on first use: `fill` looks up every function of it in the library.
template <typename Table, typename Fill>
const Table* LoadTable(const char* library, DWORD* error, Table& table, Fill fill) {
    DWORD reason = ERROR_SUCCESS;
    HMODULE module = LoadSystemLibrary(library, &reason);
    if (module != nullptr && !fill(module, table))
        reason = ERROR_PROC_NOT_FOUND;
    if (error != nullptr)
        *error = reason;
    return reason == ERROR_SUCCESS ? &table : nullptr;
}

} // namespace

// Each function of a table by its name, as the library exports it.
#define VITTREL_FIND(name) &&Find(module, #name, table.name)

const CommonControlsFunctions* CommonControls(DWORD* error) {
    static CommonControlsFunctions table;
    static DWORD reason = ERROR_SUCCESS;
    static const CommonControlsFunctions* const loaded =
        LoadTable("comctl32.dll", &reason, table, [](HMODULE module, CommonControlsFunctions& table) {
            return true VITTREL_COMCTL32_FUNCTIONS(VITTREL_FIND);
        });
    if (error != nullptr)
        *error = reason;
    return loaded;
}

const WinmmFunctions* Winmm() {
    static WinmmFunctions table;
    static const WinmmFunctions* const loaded = LoadTable(
        "winmm.dll", nullptr, table,
        [](HMODULE module, WinmmFunctions& table) { return true VITTREL_WINMM_FUNCTIONS(VITTREL_FIND); });
    return loaded;
}

const WinspoolFunctions* Winspool() {
    static WinspoolFunctions table;
    static const WinspoolFunctions* const loaded = LoadTable(
        "winspool.drv", nullptr, table,
        [](HMODULE module, WinspoolFunctions& table) { return true VITTREL_WINSPOOL_FUNCTIONS(VITTREL_FIND); });
    return loaded;
}

const Ole32Functions* Ole32() {
    static Ole32Functions table;
    static const Ole32Functions* const loaded =
        LoadSystemLibrary("oleacc.dll") == nullptr
            ? nullptr
            : LoadTable("ole32.dll", nullptr, table, [](HMODULE module, Ole32Functions& table) {
                  return true VITTREL_OLE32_FUNCTIONS(VITTREL_FIND);
              });
    return loaded;
}

#undef VITTREL_FIND

void RestrictLibrarySearch() {
    // Windows 8 on, and Windows 7 and Vista with their loader update: every search is the system
    // folder alone.
    if (auto setDefault = VITTREL_KERNEL32_FUNCTION(SetDefaultDllDirectories)) {
        if (setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32))
            return;
    }
    // Windows XP SP1 on: the current folder leaves the search.
    if (auto setDirectory = VITTREL_KERNEL32_FUNCTION(SetDllDirectoryA))
        setDirectory("");
}

std::string SystemLibraryPath(const char* name) {
    char folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    std::string path(folder, length);
    if (path.back() != '\\')
        path += '\\';
    return path + name;
}

HMODULE LoadSystemLibrary(const char* name, DWORD* error) {
    const std::string path = SystemLibraryPath(name);
    HMODULE module = path.empty() ? nullptr : LoadLibraryA(path.c_str());
    if (module == nullptr && error != nullptr) {
        const DWORD reason = GetLastError();
        *error = reason != ERROR_SUCCESS ? reason : ERROR_MOD_NOT_FOUND;
    }
    return module;
}
