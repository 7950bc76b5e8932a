// Texts and list names of the auxiliary audio devices page.
#include "pages/aux/aux_devices.h"

#include <cstdio>
#include <cstring>

#include "pages/device_texts.h"

AuxEnvironment::~AuxEnvironment() = default;

namespace {

constexpr uint16_t kCdAudio = 1;
constexpr uint16_t kAuxInput = 2;
constexpr uint32_t kVolume = 0x0001;
constexpr uint32_t kLeftRightVolume = 0x0002;

// The double nearest to 1/65535.
constexpr double kPerVolumeStep = 1.5259021896696422e-05;

} // namespace

AuxDeviceView DescribeAuxDevice(const AuxCaps& caps) {
    AuxDeviceView view;
    view.manufacturerId = FormatDeviceIdentifier(caps.manufacturerId);
    view.productId = FormatDeviceIdentifier(caps.productId);
    view.driverVersion = FormatDriverVersion(caps.driverVersion);
    switch (caps.technology) {
    case kCdAudio:
        view.technology = "Has audio output from an internal CD-ROM drive.";
        break;
    case kAuxInput:
        view.technology = "Has audio output from auxiliary input jacks.";
        break;
    default:
        view.technology = "None";
        break;
    }
    if (!(caps.support & kVolume))
        view.support = "None";
    else if (caps.support & kLeftRightVolume)
        view.support = "Supports Left/Right Volume Control.";
    else
        view.support = "Supports Volume Control";
    return view;
}

std::string FormatVolumePercent(uint32_t volume) {
    const double percent = static_cast<double>(volume & 0xFFFF) * 100.0 * kPerVolumeStep;
    char text[16];
    std::snprintf(text, sizeof(text), "%3.0f %%", percent);
    return text;
}

bool AuxNamesMatch(const std::string& name, const std::string& previousListName) {
    // Names are C strings to the platform: both end at their first NUL, if any, and so does the
    // length that picks the rule.
    const char* a = name.c_str();
    const char* b = previousListName.c_str();
    const size_t length = std::strlen(a);
    if (length < 8)
        return std::strcmp(a, b) == 0;
    const size_t k = length <= 13 ? 5 : length - 8;
    // A name shorter than k matches only an identical one: the comparison reaches its end.
    return std::strncmp(a, b, k) == 0;
}

std::string AuxListName(const std::string& name, const std::string* previousListName, uint32_t device) {
    if (previousListName == nullptr || !AuxNamesMatch(name, *previousListName))
        return name;
    return name + " - Aux " + std::to_string(device + 1) + ".";
}

AuxDeviceRecords GatherAuxDeviceRecords(AuxEnvironment& environment) {
    AuxDeviceRecords records;
    const uint32_t count = environment.DeviceCount();
    records.queried = count < kMaxAuxDevices ? count : kMaxAuxDevices;
    records.devices.resize(records.queried);
    const std::string* previous = nullptr;
    for (uint32_t device = 0; device < records.queried; ++device) {
        AuxDeviceRecord& record = records.devices[device];
        AuxCaps caps;
        const AuxEnvironment::CapsResult result = environment.DeviceCaps(device, caps);
        if (result == AuxEnvironment::CapsResult::BadDeviceId)
            continue;
        record.listed = true;
        if (result == AuxEnvironment::CapsResult::Answered)
            record.caps = caps;
        // A device left out is skipped: the next name is compared with the last one listed.
        record.listName = AuxListName(record.caps ? record.caps->name : std::string(), previous, device);
        previous = &record.listName;
        records.listed.push_back(device);
    }
    return records;
}

AuxDeviceView DescribeAuxRecord(const AuxDeviceRecord& record) {
    return record.caps ? DescribeAuxDevice(*record.caps) : AuxDeviceView{};
}

std::string ReadVolumeText(AuxEnvironment& environment, uint32_t device) {
    const std::optional<uint32_t> volume = environment.Volume(device);
    return volume ? FormatVolumePercent(*volume) : std::string();
}
