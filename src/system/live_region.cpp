// Marks live regions through oleacc's annotation services (ole32 and oleacc from the system
// folder) and raises their change event, looked up in user32: Windows 95 has no NotifyWinEvent.
#include "system/live_region.h"

#include <oleacc.h>

#include "system/kernel_function.h"
#include "system/system_library.h"

namespace {

// As the Windows SDK defines them: MinGW's headers lack the live setting, and the program links no
// library for the others.
constexpr CLSID kAccPropServicesClass = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kAccPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPoliteLiveSetting = 1;
// EVENT_OBJECT_LIVEREGIONCHANGED, which Windows 8 and later pass on to screen readers.
constexpr DWORD kLiveRegionChangedEvent = 0x8019;

using NotifyWinEventFunction = void(WINAPI*)(DWORD, HWND, LONG, LONG);

// oleacc's annotation services, made on first use and kept for the run (the program ends with its
// sheet); nullptr where ole32, oleacc or the services are missing.
IAccPropServices* CreatePropertyServices() {
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

void AnnounceLiveRegionChange(HWND control) {
    static IAccPropServices* const services = CreatePropertyServices();
    if (services != nullptr) {
        VARIANT polite{};
        polite.vt = VT_I4;
        polite.lVal = kPoliteLiveSetting;
        // Where the services cannot keep the property (Wine answers E_NOTIMPL), the event is
        // raised all the same: a screen reader may still speak it.
        services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kLiveSettingProperty,
                              polite);
    }
    static const auto notify = FindUser32Function<NotifyWinEventFunction>("NotifyWinEvent");
    if (notify != nullptr)
        notify(kLiveRegionChangedEvent, control, OBJID_CLIENT, CHILDID_SELF);
}
