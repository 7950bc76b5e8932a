// A stand-in oleacc.dll, loaded once and kept: serves the annotation services, and writes each
// annotation to annotations.txt in the current folder, a line each: the window's control id, the
// property, the value. Wine's own services keep none, so nothing else can show them.
#include <windows.h>

#include <oleacc.h>

#include <cstdio>

namespace {

const CLSID kServicesClass = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
const IID kServicesInterface = {0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
const GUID kName = {0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
const GUID kLiveSetting = {0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};

HRESULT Record(HWND window, DWORD object, DWORD child, const MSAAPROPID& property, const char* value) {
    if (FILE* file = std::fopen("annotations.txt", "ab")) {
        const char* name = property == kName ? "name" : property == kLiveSetting ? "live setting" : "other";
        const bool client = object == static_cast<DWORD>(OBJID_CLIENT) && child == CHILDID_SELF;
        std::fprintf(file, "%d %s%s: %s\n", GetDlgCtrlID(window), name, client ? "" : " (not the client)",
                     value);
        std::fclose(file);
    }
    return S_OK;
}

// clang-format off
#define NOT_USED(name, ...) HRESULT WINAPI name(__VA_ARGS__) override { return E_NOTIMPL; }
// clang-format on

// Objects of the run, never freed: the program keeps the services until it ends.
template <typename Interface> struct Unknown : Interface {
    HRESULT WINAPI QueryInterface(REFIID iid, void** out) override {
        *out = iid == __uuidof(IUnknown) || iid == interfaceId ? this : nullptr;
        return *out != nullptr ? S_OK : E_NOINTERFACE;
    }
    ULONG WINAPI AddRef() override { return 2; }
    ULONG WINAPI Release() override { return 1; }
    IID interfaceId{};
};

struct Services final : Unknown<IAccPropServices> {
    Services() { interfaceId = kServicesInterface; }
    HRESULT WINAPI SetHwndProp(HWND window, DWORD object, DWORD child, MSAAPROPID property,
                               VARIANT value) override {
        char text[32];
        std::snprintf(text, sizeof(text), "%ld (type %d)", value.vt == VT_I4 ? value.lVal : 0L, value.vt);
        return Record(window, object, child, property, text);
    }
    HRESULT WINAPI SetHwndPropStr(HWND window, DWORD object, DWORD child, MSAAPROPID property,
                                  LPCWSTR value) override {
        char text[256] = "";
        WideCharToMultiByte(CP_ACP, 0, value, -1, text, sizeof(text) - 1, nullptr, nullptr);
        return Record(window, object, child, property, text);
    }
    // Not called by the program.
    NOT_USED(SetPropValue, const BYTE*, DWORD, MSAAPROPID, VARIANT)
    NOT_USED(SetPropServer, const BYTE*, DWORD, const MSAAPROPID*, int, IAccPropServer*, AnnoScope)
    NOT_USED(ClearProps, const BYTE*, DWORD, const MSAAPROPID*, int)
    NOT_USED(SetHwndPropServer, HWND, DWORD, DWORD, const MSAAPROPID*, int, IAccPropServer*, AnnoScope)
    NOT_USED(ClearHwndProps, HWND, DWORD, DWORD, const MSAAPROPID*, int)
    NOT_USED(ComposeHwndIdentityString, HWND, DWORD, DWORD, BYTE**, DWORD*)
    NOT_USED(DecomposeHwndIdentityString, const BYTE*, DWORD, HWND*, DWORD*, DWORD*)
    NOT_USED(SetHmenuProp, HMENU, DWORD, MSAAPROPID, VARIANT)
    NOT_USED(SetHmenuPropStr, HMENU, DWORD, MSAAPROPID, LPCWSTR)
    NOT_USED(SetHmenuPropServer, HMENU, DWORD, const MSAAPROPID*, int, IAccPropServer*, AnnoScope)
    NOT_USED(ClearHmenuProps, HMENU, DWORD, const MSAAPROPID*, int)
    NOT_USED(ComposeHmenuIdentityString, HMENU, DWORD, BYTE**, DWORD*)
    NOT_USED(DecomposeHmenuIdentityString, const BYTE*, DWORD, HMENU*, DWORD*)
#undef NOT_USED
};

struct Factory final : Unknown<IClassFactory> {
    Factory() { interfaceId = __uuidof(IClassFactory); }
    HRESULT WINAPI CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        static Services services;
        return outer != nullptr ? CLASS_E_NOAGGREGATION : services.QueryInterface(iid, out);
    }
    HRESULT WINAPI LockServer(BOOL) override { return S_OK; }
};

} // namespace

extern "C" __declspec(dllexport) HRESULT WINAPI DllGetClassObject(REFCLSID id, REFIID iid, void** out) {
    static Factory factory;
    *out = nullptr;
    return id == kServicesClass ? factory.QueryInterface(iid, out) : CLASS_E_CLASSNOTAVAILABLE;
}
