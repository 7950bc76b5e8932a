// CMyPropertyPage4: the wave output devices page. When first shown it reads the capabilities of up
// to four wave output devices; selecting a device shows its stored details again.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "framework/command_table.h"
#include "framework/list_box.h"
#include "framework/property_page.h"
#include "pages/wave/wave_devices.h"

class CMyPropertyPage4 : public CPropertyPage {
public:
    CMyPropertyPage4();

    // Gathered once; index = device number. nullopt: the device did not answer its query.
    std::array<std::optional<WaveOutCaps>, kMaxWaveDevices> m_waveCaps{};
    int32_t m_waveDeviceCount = 0; // 0: no device
    CListBox m_waveDeviceList;     // its items are read by the report writer

    // Texts
    std::array<std::string, kOptionalFunctionLines> m_optionalFunctions;
    std::string m_driverVersion;
    std::string m_manufacturerId;
    std::string m_productId;
    std::string m_channels;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    bool OnCommand(UINT id, UINT code) override;

private:
    // Gathering
    void GatherWaveDevices();
    // Sets the texts and the format labels for one stored device.
    void ShowDevice(int32_t device);

    // Message handlers
    void OnSelChangeWaveDeviceList();

    static const CommandEntry<CMyPropertyPage4> kCommands[1];
};
