// The wave output devices page's gathering and texts over a platform whose answers come from the
// input:
//   count=<n>                the device count (without it: the devices described)
//   device=<name>            the next device, answered with that name
//   failed                   the next device's query fails
//   manufacturer= product= version= formats= channels= support=   fields of the last device
// A device past those described fails its query.
#include "pages/wave/wave_devices.h"

#include "fake_input.h"

#include <bitset>

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

// The optional-function lines that each support bit (pitch, rate, volume, sync, sample accurate)
// may give; the volume bit words its line by the left/right bit.
const char* const kFunctionTexts[] = {
    "Supports Pitch Control.",
    "Supports Playback Rate Control.",
    "Supports Volume Control",
    "Supports separate Left and Right Volume Control.",
    "Driver is Synchronous during Playback.",
    "Returns Sample Accurate Position Information.",
};

void CheckView(const WaveDeviceView& view, const WaveOutCaps& caps) {
    FUZZ_CHECK(view.manufacturerId == std::to_string(caps.manufacturerId) + ".");
    FUZZ_CHECK(view.productId == std::to_string(caps.productId) + ".");
    FUZZ_CHECK(view.driverVersion == std::to_string((caps.driverVersion >> 8) & 0xFF) + "." +
                                         std::to_string(caps.driverVersion & 0xFF) + ".");
    FUZZ_CHECK(view.channels == (caps.channels == 1 ? "MONO" : "STEREO"));

    // One line per function the device supports, packed upwards, in the page's order, the rest empty.
    const uint32_t functions = caps.support & (0x01 | 0x02 | 0x04 | 0x10 | 0x20);
    const size_t lines = std::bitset<32>(functions).count();
    size_t previous = 0;
    for (size_t line = 0; line < kOptionalFunctionLines; ++line) {
        const std::string& text = view.optionalFunctions[line];
        FUZZ_CHECK(text.empty() == (line >= lines));
        if (text.empty())
            continue;
        size_t index = 0;
        while (index < std::size(kFunctionTexts) && text != kFunctionTexts[index])
            ++index;
        FUZZ_CHECK(index < std::size(kFunctionTexts));
        FUZZ_CHECK(line == 0 || index > previous);
        previous = index;
        if (index == 2 || index == 3)
            FUZZ_CHECK((index == 3) == ((caps.support & 0x08) != 0));
    }
    for (size_t bit = 0; bit < kWaveFormatCount; ++bit)
        FUZZ_CHECK(view.formatVisible[bit] == (((caps.formats >> bit) & 1u) != 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzWaveEnvironment env(ParseFuzzRecords(data, size));
    const WaveDeviceRecords records = GatherWaveDeviceRecords(env);

    const uint32_t count = env.DeviceCount();
    if (count == 0) {
        FUZZ_CHECK(records.devices.empty());
        FUZZ_CHECK(records.entries == std::vector<std::string>{"<None>"});
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
            CheckView(DescribeWaveDevice(*caps), *caps);
    }
    return 0;
}
