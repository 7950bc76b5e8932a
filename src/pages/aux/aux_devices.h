// Decoding for the auxiliary audio devices page: one device's capabilities and volume turned into
// texts, the names under which like devices are told apart, and the device list it gathers.
// Portable; the platform is reached through AuxEnvironment.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Only the fields of AUXCAPSA that the page uses.
struct AuxCaps {
    uint16_t manufacturerId = 0;
    uint16_t productId = 0;
    uint32_t driverVersion = 0;
    std::string name;
    uint16_t technology = 0;
    uint32_t support = 0;
};

constexpr size_t kMaxAuxDevices = 8;

struct AuxDeviceView {
    std::string productId, manufacturerId, driverVersion, technology, support;
};

AuxDeviceView DescribeAuxDevice(const AuxCaps& caps);

// The left (or only) channel of a volume value as a whole percentage: "%3.0f %%".
std::string FormatVolumePercent(uint32_t volume);

// Whether a device's name is like the name that the list shows for the device before it: the
// first k characters agree, with k by the name's length L (L < 8: the whole names; 8 to 13: 5;
// 14 or more: L - 8).
bool AuxNamesMatch(const std::string& name, const std::string& previousListName);

// The list name of device `device` (numbered from 0): its name, or "%s - Aux %d." with the device
// counted from 1 when it is like the previous listed name. The first listed device has no
// previous name.
std::string AuxListName(const std::string& name, const std::string* previousListName, uint32_t device);

// What the page asks of the platform.
class AuxEnvironment {
public:
    virtual ~AuxEnvironment();
    virtual uint32_t DeviceCount() = 0;
    // The capabilities of a device: answered, or that no such device exists (left out of the
    // list), or another failure (listed, with nothing known about it).
    enum class CapsResult { Answered, BadDeviceId, Failed };
    virtual CapsResult DeviceCaps(uint32_t device, AuxCaps& caps) = 0;
    // The device's volume; nullopt when the query failed.
    virtual std::optional<uint32_t> Volume(uint32_t device) = 0;
};

// One queried device, at the index of its device number.
struct AuxDeviceRecord {
    bool listed = false;         // false: it does not exist (or was never queried)
    std::optional<AuxCaps> caps; // nullopt: listed, but its query failed
    std::string listName;        // the entry the list shows for it
};

// The devices as the page gathers them: `queried` devices (at most eight), of which those that
// exist are listed in device order.
struct AuxDeviceRecords {
    uint32_t queried = 0;
    std::vector<AuxDeviceRecord> devices; // index = device number, `queried` of them
    std::vector<uint32_t> listed;         // device number of each list position
};

AuxDeviceRecords GatherAuxDeviceRecords(AuxEnvironment& environment);

// The texts of one device: empty when its query failed; the volume is read anew, and is empty when
// that read fails.
AuxDeviceView DescribeAuxRecord(const AuxDeviceRecord& record);
std::string ReadVolumeText(AuxEnvironment& environment, uint32_t device);
