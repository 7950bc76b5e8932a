// Marks live regions through oleacc's annotation services and raises their change event, looked up
// in user32: Windows 95 has no NotifyWinEvent.
#include "system/live_region.h"

#include "system/annotation.h"
#include "system/kernel_function.h"

namespace {

// As the Windows SDK defines it: MinGW's headers lack the live setting.
constexpr GUID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPoliteLiveSetting = 1;
// EVENT_OBJECT_LIVEREGIONCHANGED, which Windows 8 and later pass on to screen readers.
constexpr DWORD kLiveRegionChangedEvent = 0x8019;

} // namespace

void AnnounceLiveRegionChange(HWND control) {
    if (IAccPropServices* services = AnnotationServices()) {
        VARIANT polite{};
        polite.vt = VT_I4;
        polite.lVal = kPoliteLiveSetting;
        // Where the services cannot keep the property (Wine answers E_NOTIMPL), the event is
        // raised all the same: a screen reader may still speak it.
        services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kLiveSettingProperty,
                              polite);
    }
    static const auto notify = VITTREL_USER32_FUNCTION(NotifyWinEvent);
    if (notify != nullptr)
        notify(kLiveRegionChangedEvent, control, OBJID_CLIENT, CHILDID_SELF);
}
