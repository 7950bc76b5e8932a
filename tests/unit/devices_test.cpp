// Texts, lines, labels and list names of the wave and auxiliary device pages.
#include "pages/aux/aux_devices.h"
#include "pages/device_texts.h"
#include "pages/wave/wave_devices.h"

#include <gtest/gtest.h>

#include <map>

#include "resource.h"

using Lines = std::array<std::string, kOptionalFunctionLines>;

// The label ids a view makes visible, in format-bit order.
static std::vector<int> VisibleLabels(const WaveDeviceView& view) {
    std::vector<int> ids;
    for (size_t bit = 0; bit < kWaveFormatCount; ++bit)
        if (view.formatVisible[bit])
            ids.push_back(kWaveFormatLabelIds[bit]);
    return ids;
}

TEST(DescribeWaveDevice, TextsLinesAndLabels) {
    const std::vector<int> all = {1032, 1034, 1033, 1035, 1036, 1040, 1038, 1042, 1037, 1041, 1039, 1043};
    struct {
        const char* row;
        WaveOutCaps caps;
        std::vector<std::string> texts; // manufacturer, product, version, channels
        Lines lines;
        std::vector<int> labels;
    } cases[] = {
        {"all support bits, all formats",
         {1, 2, 0x0400, "A", 0x0FFF, 2, 0x3F},
         {"1.", "2.", "4.0.", "STEREO"},
         {"Supports Pitch Control.", "Supports Playback Rate Control.",
          "Supports separate Left and Right Volume Control.", "Driver is Synchronous during Playback.",
          "Returns Sample Accurate Position Information."},
         all},
        {"volume and sync only, two mono 11 kHz formats",
         {65535, 0, 0x030A, "B", 0x0005, 1, 0x0014},
         {"65535.", "0.", "3.10.", "MONO"},
         {"Supports Volume Control", "Driver is Synchronous during Playback.", "", "", ""},
         {IDC_FORMAT_1M08, IDC_FORMAT_1M16}},
        {"left-right volume without volume names nothing; bits above 11 ignored",
         {0, 65535, 0x00010203, "C", 0xF000, 0, 0x0008},
         {"0.", "65535.", "2.3.", "STEREO"},
         {},
         {}},
        {"stereo 16-bit 44.1 kHz, playback rate, sample accurate, unknown support bits",
         {7, 8, 0xFFFFFFFF, "D", 0x0800, 3, 0xFFE2},
         {"7.", "8.", "255.255.", "STEREO"},
         {"Supports Playback Rate Control.", "Returns Sample Accurate Position Information.", "", "", ""},
         {IDC_FORMAT_4S16}},
        {"22.05 kHz stereo 8-bit and mono 16-bit",
         {0, 0, 0, "E", 0x0060, 2, 0x0001},
         {"0.", "0.", "0.0.", "STEREO"},
         {"Supports Pitch Control.", "", "", "", ""},
         {IDC_FORMAT_2S08, IDC_FORMAT_2M16}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        const WaveDeviceView view = DescribeWaveDevice(c.caps);
        EXPECT_EQ(c.texts, (std::vector<std::string>{view.manufacturerId, view.productId, view.driverVersion,
                                                     view.channels}));
        EXPECT_EQ(c.lines, view.optionalFunctions);
        EXPECT_EQ(c.labels, VisibleLabels(view));
    }
}

// Devices, records and volumes held in memory.
class FakeDevices : public WaveEnvironment, public AuxEnvironment {
public:
    uint32_t count = 0;
    std::map<uint32_t, WaveOutCaps> wave; // a device not here fails its query
    std::map<uint32_t, AuxCaps> aux;
    std::map<uint32_t, AuxEnvironment::CapsResult> auxResults; // default: Answered
    std::map<uint32_t, uint32_t> volumes;                      // a device not here fails
    std::vector<uint32_t> queried;

    uint32_t DeviceCount() override { return count; }
    std::optional<WaveOutCaps> DeviceCaps(uint32_t device) override {
        queried.push_back(device);
        const auto found = wave.find(device);
        return found == wave.end() ? std::nullopt : std::optional<WaveOutCaps>(found->second);
    }
    CapsResult DeviceCaps(uint32_t device, AuxCaps& caps) override {
        queried.push_back(device);
        const auto result = auxResults.find(device);
        if (result != auxResults.end() && result->second != CapsResult::Answered)
            return result->second;
        caps = aux[device];
        return CapsResult::Answered;
    }
    std::optional<uint32_t> Volume(uint32_t device) override {
        const auto found = volumes.find(device);
        return found == volumes.end() ? std::nullopt : std::optional<uint32_t>(found->second);
    }
};

TEST(GatherWaveDeviceRecords, AtMostFourInDeviceOrder) {
    struct {
        uint32_t count;
        std::vector<std::string> entries;
        size_t records;
    } cases[] = {
        {0, {"<None>"}, 0},
        {1, {"dev0"}, 1},
        {6, {"dev0", "", "dev2", "dev3"}, 4}, // device 1 does not answer: an empty entry
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        FakeDevices devices;
        devices.count = c.count;
        for (uint32_t device : {0u, 2u, 3u, 4u, 5u})
            devices.wave[device].name = "dev" + std::to_string(device);
        const WaveDeviceRecords records = GatherWaveDeviceRecords(devices);
        EXPECT_EQ(c.entries, records.entries);
        ASSERT_EQ(c.records, records.devices.size());
        EXPECT_EQ(c.count > 1, c.records > 1 && !records.devices[1].has_value());
        EXPECT_EQ(std::min<size_t>(c.count, 4), devices.queried.size());
    }
}

TEST(DescribeAuxDevice, TypeSupportAndVersion) {
    const std::string cd = "Has audio output from an internal CD-ROM drive.";
    const std::string jacks = "Has audio output from auxiliary input jacks.";
    struct {
        AuxCaps caps;
        std::vector<std::string> texts; // product, manufacturer, version, type, support
    } cases[] = {
        {{3, 4, 0x0105, "", 1, 0x0003}, {"4.", "3.", "1.5.", cd, "Supports Left/Right Volume Control."}},
        {{0, 0, 0xABCD0000, "", 2, 0x0001}, {"0.", "0.", "0.0.", jacks, "Supports Volume Control"}},
        {{1, 1, 0x0A00, "", 3, 0x0002}, {"1.", "1.", "10.0.", "None", "None"}},
        {{1, 1, 0, "", 0, 0xFFFC}, {"1.", "1.", "0.0.", "None", "None"}},
    };
    for (const auto& c : cases) {
        const AuxDeviceView view = DescribeAuxDevice(c.caps);
        EXPECT_EQ(c.texts, (std::vector<std::string>{view.productId, view.manufacturerId, view.driverVersion,
                                                     view.technology, view.support}));
    }
}

TEST(FormatVolumePercent, LeftChannelAsWholePercent) {
    struct {
        uint32_t volume;
        const char* expected;
    } cases[] = {
        {0xFFFF, "100 %"}, {0x8000, " 50 %"}, {0, "  0 %"},   {0xFFFF0000, "  0 %"}, {0x0000FFFF, "100 %"},
        {655, "  1 %"},    {327, "  0 %"},    {328, "  1 %"}, {0x12347FFF, " 50 %"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.volume);
        EXPECT_EQ(c.expected, FormatVolumePercent(c.volume));
    }
    // Every left volume rounds as left * 100 / 65535 does.
    for (uint32_t left = 0; left <= 0xFFFF; ++left) {
        char expected[16];
        std::snprintf(expected, sizeof(expected), "%3u %%", (left * 200 + 65535) / (2 * 65535));
        ASSERT_EQ(expected, FormatVolumePercent(left)) << left;
    }
}

TEST(AuxListName, PrefixLengthByNameLength) {
    const std::string twelve = "Sound Blaste";
    struct {
        const char* row;
        std::string name, previous;
        uint32_t device;
        std::string expected;
    } cases[] = {
        {"3 characters, same", "CD1", "CD1", 1, "CD1 - Aux 2."},
        {"3 characters, previous extended", "CD1", "CD1 - Aux 2.", 2, "CD1"},
        {"7 characters, whole names differ", "Line In", "Line Ix", 1, "Line In"},
        {"8 characters, same", "CD Audio", "CD Audio", 1, "CD Audio - Aux 2."},
        {"8 characters, first 5 agree", "CD AudiX", "CD AuYYY", 3, "CD AudiX - Aux 4."},
        {"8 characters, first 4 agree", "CD AudiX", "CD AYYYY", 1, "CD AudiX"},
        {"13 characters, previous shorter than 5", "Aux In Jacks1", "Aux", 1, "Aux In Jacks1"},
        {"13 characters, first 5 agree", "Aux In Jacks1", "Aux IXXXXXXXX", 1, "Aux In Jacks1 - Aux 2."},
        {"14 characters, first 5 agree, not 6", "Aux In Jacks12", "Aux IXXXXXXXXX", 1, "Aux In Jacks12"},
        {"20 characters, first 12 agree", twelve + "r Line12", twelve + "XXXXXXXXX", 1,
         twelve + "r Line12 - Aux 2."},
        {"20 characters, first 11 agree", twelve + "r Line12", "Sound BlastXXXXXXXXX", 1,
         twelve + "r Line12"},
        {"20 characters, previous of 12 identical", twelve + "r Line12", twelve, 7,
         twelve + "r Line12 - Aux 8."},
        {"empty name after empty name", "", "", 1, " - Aux 2."},
        // The length that picks the rule ends at the first NUL, as the names do: 5, so whole names.
        {"NUL inside the name", std::string("Synth\0tiseur", 12), "SynthXX", 1,
         std::string("Synth\0tiseur", 12)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(c.expected, AuxListName(c.name, &c.previous, c.device));
    }
    EXPECT_EQ("CD1", AuxListName("CD1", nullptr, 0)) << "a first device is never extended";
}

TEST(GatherAuxDeviceRecords, LeftOutDevicesKeepListAndDetailsLinedUp) {
    FakeDevices devices;
    devices.count = 10;
    for (uint32_t device = 0; device < 10; ++device)
        devices.aux[device] = {1, static_cast<uint16_t>(device), 0x0100, "CD1", 1, 1};
    devices.aux[3].name = "Line In Jacks";
    devices.auxResults[0] = AuxEnvironment::CapsResult::BadDeviceId;
    devices.auxResults[2] = AuxEnvironment::CapsResult::BadDeviceId;
    devices.auxResults[5] = AuxEnvironment::CapsResult::Failed;
    const AuxDeviceRecords records = GatherAuxDeviceRecords(devices);

    EXPECT_EQ(8u, records.queried);
    EXPECT_EQ((std::vector<uint32_t>{0, 1, 2, 3, 4, 5, 6, 7}), devices.queried);
    EXPECT_EQ((std::vector<uint32_t>{1, 3, 4, 5, 6, 7}), records.listed);
    std::vector<std::string> names;
    for (uint32_t device : records.listed)
        names.push_back(records.devices[device].listName);
    // Device 1 is listed first, so never extended; device 3 is compared with device 1 across the
    // left-out device 2; the failed device 5 lists an empty name.
    EXPECT_EQ((std::vector<std::string>{"CD1", "Line In Jacks", "CD1", "", "CD1", "CD1 - Aux 8."}), names);
    EXPECT_EQ("4.", DescribeAuxRecord(records.devices[4]).productId);
    EXPECT_EQ("", DescribeAuxRecord(records.devices[5]).technology);
    EXPECT_FALSE(records.devices[0].listed);

    devices.volumes[4] = 0x8000;
    EXPECT_EQ(" 50 %", ReadVolumeText(devices, 4));
    EXPECT_EQ("", ReadVolumeText(devices, 6)) << "a failed volume query shows nothing";
}

TEST(DeviceNameFromField, EndsAtNulOrField) {
    const char terminated[8] = {'S', 'B', '\0', 'x', 'x', 'x', 'x', 'x'};
    const char full[8] = {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'};
    EXPECT_EQ("SB", DeviceNameFromField(terminated, sizeof(terminated)));
    EXPECT_EQ("ABCDEFGH", DeviceNameFromField(full, sizeof(full)));
}
