// The wave output devices page's gathering and texts over a platform whose answers come from the
// input:
//   count=<n>                the device count (without it: the devices described)
//   device=<name>            the next device, answered with that name
//   failed                   the next device's query fails
//   manufacturer= product= version= formats= channels= support=   fields of the last device
// A device past those described fails its query.
#include "pages/wave/wave_devices.h"

#include "fake_input.h"
#include "pages/device_texts.h"

namespace {

class FuzzWaveEnvironment : public WaveEnvironment {
public:
    std::optional<uint32_t> count;
    std::vector<std::optional<WaveOutCaps>> devices;
    std::vector<uint32_t> capsQueries;

    explicit FuzzWaveEnvironment(const std::vector<FuzzRecord>& records) {
        for (const FuzzRecord& record : records) {
            const uint32_t number = ParseFuzzNumber(record.value).value_or(0);
            WaveOutCaps* last = devices.empty() || !devices.back() ? nullptr : &*devices.back();
            if (record.name == "count") {
                count = number;
            } else if (record.name == "device") {
                devices.emplace_back(WaveOutCaps{});
                devices.back()->name = record.value;
            } else if (record.name == "failed") {
                devices.emplace_back(std::nullopt);
            } else if (last == nullptr) {
                continue;
            } else if (record.name == "manufacturer") {
                last->manufacturerId = static_cast<uint16_t>(number);
            } else if (record.name == "product") {
                last->productId = static_cast<uint16_t>(number);
            } else if (record.name == "version") {
                last->driverVersion = number;
            } else if (record.name == "formats") {
                last->formats = number;
            } else if (record.name == "channels") {
                last->channels = static_cast<uint16_t>(number);
            } else if (record.name == "support") {
                last->support = number;
            }
        }
    }

    uint32_t DeviceCount() override { return count.value_or(static_cast<uint32_t>(devices.size())); }
    std::optional<WaveOutCaps> DeviceCaps(uint32_t device) override {
        capsQueries.push_back(device);
        return device < devices.size() ? devices[device] : std::nullopt;
    }
};

// How each field reads is pinned by the unit rows; here, whatever the capabilities, the
// optional-function lines stand packed upwards.
void CheckView(const WaveDeviceView& view) {
    for (size_t line = 1; line < kOptionalFunctionLines; ++line)
        FUZZ_CHECK(view.optionalFunctions[line].empty() || !view.optionalFunctions[line - 1].empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzWaveEnvironment env(ParseFuzzRecords(data, size));
    const WaveDeviceRecords records = GatherWaveDeviceRecords(env);

    const uint32_t count = env.DeviceCount();
    if (count == 0) {
        FUZZ_CHECK(records.devices.empty());
        FUZZ_CHECK(records.entries == std::vector<std::string>{kNoDeviceEntry});
        FUZZ_CHECK(env.capsQueries.empty());
        return 0;
    }
    // At most four devices, each queried once, in order; a failed one keeps its place, unnamed.
    const size_t listed = count < kMaxWaveDevices ? count : kMaxWaveDevices;
    FUZZ_CHECK(records.devices.size() == listed && records.entries.size() == listed);
    FUZZ_CHECK(env.capsQueries.size() == listed);
    for (uint32_t device = 0; device < listed; ++device) {
        FUZZ_CHECK(env.capsQueries[device] == device);
        const std::optional<WaveOutCaps>& caps = records.devices[device];
        FUZZ_CHECK(caps.has_value() == (device < env.devices.size() && env.devices[device].has_value()));
        FUZZ_CHECK(records.entries[device] == (caps ? caps->name : std::string()));
        if (caps)
            CheckView(DescribeWaveDevice(*caps));
    }
    return 0;
}
