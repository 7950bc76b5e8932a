// One object of oleacc's annotation services for the run, from ole32 and oleacc in the system folder.
#include "system/annotation.h"

#include <string>

#include "system/system_library.h"

namespace {

// As the Windows SDK defines them; the program links no library for them.
constexpr CLSID kAccPropServicesClass = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kAccPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kNameProperty = {0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};

IAccPropServices* CreateAnnotationServices() {
    const Ole32Functions* ole32 = Ole32();
    if (ole32 == nullptr)
        return nullptr;
    // Already initialised, in either kind of apartment, COM serves this thread as it is.
    const HRESULT initialised = ole32->CoInitialize(nullptr);
    if (FAILED(initialised) && initialised != RPC_E_CHANGED_MODE)
        return nullptr;
    void* services = nullptr;
    if (FAILED(ole32->CoCreateInstance(kAccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER,
                                       kAccPropServicesInterface, &services)))
        return nullptr;
    return static_cast<IAccPropServices*>(services);
}

} // namespace

IAccPropServices* AnnotationServices() {
    static IAccPropServices* const services = CreateAnnotationServices();
    return services;
}

void AnnotateName(HWND control, const char* name) {
    IAccPropServices* services = AnnotationServices();
    if (services == nullptr || control == nullptr)
        return;
    // The services take the name as UTF-16; the program's own are in the system code page.
    const int length = MultiByteToWideChar(CP_ACP, 0, name, -1, nullptr, 0);
    if (length <= 0)
        return;
    std::wstring wide(static_cast<size_t>(length), L'\0');
    if (MultiByteToWideChar(CP_ACP, 0, name, -1, wide.data(), length) != length)
        return;
    services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kNameProperty, wide.c_str());
}
