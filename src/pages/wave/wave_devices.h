// Decoding for the wave output devices page: one device's capabilities turned into the texts,
// optional-function lines and format labels that the page shows, and the device list it gathers.
// Portable; the platform is reached through WaveEnvironment.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Only the fields of WAVEOUTCAPSA that the page uses.
struct WaveOutCaps {
    uint16_t manufacturerId = 0;
    uint16_t productId = 0;
    uint32_t driverVersion = 0;
    std::string name;
    uint32_t formats = 0;
    uint16_t channels = 0;
    uint32_t support = 0;
};

constexpr size_t kMaxWaveDevices = 4;
constexpr size_t kOptionalFunctionLines = 5;
constexpr size_t kWaveFormatCount = 12;

// The label control that each standard format bit (bit 0 to 11 of dwFormats) makes visible.
extern const std::array<int, kWaveFormatCount> kWaveFormatLabelIds;

// The format grid's four column headings. On screen each shows its sample width alone, under the
// group box of its channels ("Mono", "Stereo"), which screen readers do not read with it: they read
// each heading by its name here instead.
struct FormatColumnName {
    int headingId;
    const char* name;
};
extern const std::array<FormatColumnName, 4> kFormatColumnNames;

// What the page shows for one device.
struct WaveDeviceView {
    std::string manufacturerId, productId, driverVersion, channels;
    std::array<std::string, kOptionalFunctionLines> optionalFunctions; // packed upwards
    std::array<bool, kWaveFormatCount> formatVisible{};                // by format bit
};

WaveDeviceView DescribeWaveDevice(const WaveOutCaps& caps);

// What the page asks of the platform.
class WaveEnvironment {
public:
    virtual ~WaveEnvironment();
    virtual uint32_t DeviceCount() = 0;
    // The device's capabilities; nullopt when the query failed.
    virtual std::optional<WaveOutCaps> DeviceCaps(uint32_t device) = 0;
};

// The devices as the page lists them: at most four, in device order. A device whose query failed
// keeps its place (nullopt) and an empty entry. No device at all gives the one entry "<None>".
struct WaveDeviceRecords {
    std::vector<std::optional<WaveOutCaps>> devices;
    std::vector<std::string> entries;
};

WaveDeviceRecords GatherWaveDeviceRecords(WaveEnvironment& environment);
