// The auxiliary devices page's gathering, list names, texts and volumes over a platform whose
// answers come from the input:
//   count=<n>                the device count (without it: the devices described)
//   device=<name>            the next device, answered with that name
//   bad / failed             the next device does not exist / its query fails
//   manufacturer= product= version= technology= support= volume=   fields of the last device
// A device past those described does not exist; a device without volume= has none to read.
#include "pages/aux/aux_devices.h"

#include "fake_input.h"

#include <map>

namespace {

struct FakeAuxDevice {
    AuxEnvironment::CapsResult result = AuxEnvironment::CapsResult::Answered;
    AuxCaps caps;
    std::optional<uint32_t> volume;
};

class FuzzAuxEnvironment : public AuxEnvironment {
public:
    std::optional<uint32_t> count;
    std::vector<FakeAuxDevice> devices;
    std::vector<uint32_t> capsQueries;

    explicit FuzzAuxEnvironment(const std::vector<FuzzRecord>& records) {
        for (const FuzzRecord& record : records) {
            const uint32_t number = ParseFuzzNumber(record.value).value_or(0);
            FakeAuxDevice* last = devices.empty() ? nullptr : &devices.back();
            if (record.name == "count") {
                count = number;
            } else if (record.name == "device") {
                devices.emplace_back();
                devices.back().caps.name = record.value;
            } else if (record.name == "bad") {
                devices.push_back({CapsResult::BadDeviceId, {}, {}});
            } else if (record.name == "failed") {
                devices.push_back({CapsResult::Failed, {}, {}});
            } else if (last == nullptr) {
                continue;
            } else if (record.name == "manufacturer") {
                last->caps.manufacturerId = static_cast<uint16_t>(number);
            } else if (record.name == "product") {
                last->caps.productId = static_cast<uint16_t>(number);
            } else if (record.name == "version") {
                last->caps.driverVersion = number;
            } else if (record.name == "technology") {
                last->caps.technology = static_cast<uint16_t>(number);
            } else if (record.name == "support") {
                last->caps.support = number;
            } else if (record.name == "volume") {
                last->volume = number;
            }
        }
    }

    uint32_t DeviceCount() override { return count.value_or(static_cast<uint32_t>(devices.size())); }
    CapsResult DeviceCaps(uint32_t device, AuxCaps& caps) override {
        capsQueries.push_back(device);
        if (device >= devices.size())
            return CapsResult::BadDeviceId;
        if (devices[device].result == CapsResult::Answered)
            caps = devices[device].caps;
        return devices[device].result;
    }
    std::optional<uint32_t> Volume(uint32_t device) override {
        return device < devices.size() ? devices[device].volume : std::nullopt;
    }
};

// "%3.0f %%" of the left channel: a whole percentage from 0 to 100, right-aligned in three places.
void CheckVolumeText(const std::string& text, uint32_t volume) {
    FUZZ_CHECK(text == FormatVolumePercent(volume & 0xFFFF));
    FUZZ_CHECK(text.size() == 5 && text.compare(3, 2, " %") == 0);
    const std::string places = text.substr(0, 3);
    const size_t first = places.find_first_not_of(' ');
    FUZZ_CHECK(first != std::string::npos);
    const std::optional<uint32_t> percent = ParseFuzzNumber(places.substr(first));
    FUZZ_CHECK(percent && *percent <= 100);
    FUZZ_CHECK((*percent == 0) == ((volume & 0xFFFF) * 200 < 65535));
    FUZZ_CHECK((*percent == 100) == ((volume & 0xFFFF) * 200 >= 65535 * 199));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzAuxEnvironment env(ParseFuzzRecords(data, size));
    const AuxDeviceRecords records = GatherAuxDeviceRecords(env);

    // At most eight devices, each queried once, in order.
    const uint32_t count = env.DeviceCount();
    FUZZ_CHECK(records.queried == (count < kMaxAuxDevices ? count : kMaxAuxDevices));
    FUZZ_CHECK(records.devices.size() == records.queried);
    FUZZ_CHECK(env.capsQueries.size() == records.queried);
    for (uint32_t device = 0; device < env.capsQueries.size(); ++device)
        FUZZ_CHECK(env.capsQueries[device] == device);

    std::vector<uint32_t> expectedListed;
    const std::string* previousListName = nullptr;
    for (uint32_t device = 0; device < records.queried; ++device) {
        const AuxDeviceRecord& record = records.devices[device];
        const AuxEnvironment::CapsResult result = device < env.devices.size()
                                                      ? env.devices[device].result
                                                      : AuxEnvironment::CapsResult::BadDeviceId;
        FUZZ_CHECK(record.listed == (result != AuxEnvironment::CapsResult::BadDeviceId));
        FUZZ_CHECK(record.caps.has_value() == (result == AuxEnvironment::CapsResult::Answered));
        if (!record.listed)
            continue;
        expectedListed.push_back(device);

        // The list name is the device's name, told apart by its number only when it is like the
        // name listed before it.
        const std::string name = record.caps ? record.caps->name : std::string();
        const std::string suffix = " - Aux " + std::to_string(device + 1) + ".";
        const bool like = previousListName != nullptr && AuxNamesMatch(name, *previousListName);
        FUZZ_CHECK(record.listName == (like ? name + suffix : name));
        FUZZ_CHECK(record.listName.size() <= name.size() + suffix.size());
        if (previousListName != nullptr) {
            // Names are C strings to the platform: nothing after a NUL may decide a match.
            FUZZ_CHECK(like == AuxNamesMatch(AsCString(name), AsCString(*previousListName)));
        }
        FUZZ_CHECK(AuxNamesMatch(name, name));
        previousListName = &record.listName;

        // How each field reads is pinned by the unit rows; here, a device that answered fills every
        // field and one whose query failed shows nothing.
        const AuxDeviceView view = DescribeAuxRecord(record);
        for (const std::string* text :
             {&view.manufacturerId, &view.productId, &view.driverVersion, &view.technology, &view.support})
            FUZZ_CHECK(text->empty() == !record.caps);
        const std::string volume = ReadVolumeText(env, device);
        const std::optional<uint32_t> fakeVolume =
            device < env.devices.size() ? env.devices[device].volume : std::nullopt;
        if (fakeVolume)
            CheckVolumeText(volume, *fakeVolume);
        else
            FUZZ_CHECK(volume.empty());
    }
    FUZZ_CHECK(records.listed == expectedListed);
    return 0;
}
