// Texts, lines and labels of the wave output devices page.
#include "pages/wave/wave_devices.h"

#include "pages/device_texts.h"
#include "resource.h"

WaveEnvironment::~WaveEnvironment() = default;

// WAVE_FORMAT_1M08 (bit 0) to WAVE_FORMAT_4S16 (bit 11): each label sits in the column of its
// channels and width and the row of its rate.
const std::array<int, kWaveFormatCount> kWaveFormatLabelIds = {
    IDC_FORMAT_1M08, IDC_FORMAT_1S08, IDC_FORMAT_1M16, IDC_FORMAT_1S16, IDC_FORMAT_2M08, IDC_FORMAT_2S08,
    IDC_FORMAT_2M16, IDC_FORMAT_2S16, IDC_FORMAT_4M08, IDC_FORMAT_4S08, IDC_FORMAT_4M16, IDC_FORMAT_4S16,
};

const std::array<FormatColumnName, 4> kFormatColumnNames = {{
    {IDC_FORMAT_COLUMN_M08, "Mono 8-bit"},
    {IDC_FORMAT_COLUMN_M16, "Mono 16-bit"},
    {IDC_FORMAT_COLUMN_S08, "Stereo 8-bit"},
    {IDC_FORMAT_COLUMN_S16, "Stereo 16-bit"},
}};

namespace {

constexpr uint32_t kPitch = 0x0001;
constexpr uint32_t kPlaybackRate = 0x0002;
constexpr uint32_t kVolume = 0x0004;
constexpr uint32_t kLeftRightVolume = 0x0008;
constexpr uint32_t kSync = 0x0010;
constexpr uint32_t kSampleAccurate = 0x0020;

// The optional-function texts that the support bits name, in the page's order.
std::vector<const char*> OptionalFunctionTexts(uint32_t support) {
    std::vector<const char*> texts;
    if (support & kPitch)
        texts.push_back("Supports Pitch Control.");
    if (support & kPlaybackRate)
        texts.push_back("Supports Playback Rate Control.");
    if (support & kVolume)
        texts.push_back((support & kLeftRightVolume) ? "Supports separate Left and Right Volume Control."
                                                     : "Supports Volume Control");
    if (support & kSync)
        texts.push_back("Driver is Synchronous during Playback.");
    if (support & kSampleAccurate)
        texts.push_back("Returns Sample Accurate Position Information.");
    return texts;
}

} // namespace

WaveDeviceView DescribeWaveDevice(const WaveOutCaps& caps) {
    WaveDeviceView view;
    view.manufacturerId = FormatDeviceIdentifier(caps.manufacturerId);
    view.productId = FormatDeviceIdentifier(caps.productId);
    view.driverVersion = FormatDriverVersion(caps.driverVersion);
    view.channels = caps.channels == 1 ? "MONO" : "STEREO";
    const std::vector<const char*> texts = OptionalFunctionTexts(caps.support);
    for (size_t line = 0; line < texts.size(); ++line)
        view.optionalFunctions[line] = texts[line];
    for (size_t bit = 0; bit < kWaveFormatCount; ++bit)
        view.formatVisible[bit] = (caps.formats >> bit) & 1u;
    return view;
}

WaveDeviceRecords GatherWaveDeviceRecords(WaveEnvironment& environment) {
    WaveDeviceRecords records;
    const uint32_t count = environment.DeviceCount();
    if (count == 0) {
        records.entries.push_back(kNoDeviceEntry);
        return records;
    }
    const uint32_t listed = count < kMaxWaveDevices ? count : kMaxWaveDevices;
    for (uint32_t device = 0; device < listed; ++device) {
        std::optional<WaveOutCaps> caps = environment.DeviceCaps(device);
        records.entries.push_back(caps ? caps->name : std::string());
        records.devices.push_back(std::move(caps));
    }
    return records;
}
