// CMyPropertyPage5: the auxiliary audio devices page. When first shown it reads the capabilities
// of up to eight auxiliary devices; selecting a device shows its details and reads its volume anew.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "framework/command_table.h"
#include "framework/list_box.h"
#include "framework/property_page.h"
#include "pages/aux/aux_devices.h"

class CMyPropertyPage5 : public CPropertyPage {
public:
    CMyPropertyPage5();

    // Gathered once; index = device number, each record with the name the list shows for it.
    std::array<AuxDeviceRecord, kMaxAuxDevices> m_auxCaps{};
    int32_t m_auxDeviceCount = 0; // devices queried; 0: no device
    CListBox m_auxDeviceList;     // its items are read by the report writer

    // Texts
    std::string m_productId;
    std::string m_manufacturerId;
    std::string m_driverVersion;
    std::string m_technology;
    std::string m_support;
    std::string m_volume;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    bool OnCommand(UINT id, UINT code) override;

private:
    // Gathering
    void GatherAuxDevices();
    // Sets the texts for the device at a list position and reads its volume.
    void ShowListedDevice(int position);

    // Message handlers
    void OnSelChangeAuxDeviceList();

    // Device number of each list position: devices that do not exist get no entry.
    std::array<int32_t, kMaxAuxDevices> m_listedDevices{};
    int32_t m_listedCount = 0;

    static const CommandEntry<CMyPropertyPage5> kCommands[1];
};
