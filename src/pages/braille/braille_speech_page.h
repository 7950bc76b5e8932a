// CMyPropertyPage6: the Braille and speech devices page. On the Windows 95 family it checks the
// ALVA Braille display's driver file and port, and checks again when its entry is selected.
#pragma once

#include <string>

#include "framework/command_table.h"
#include "framework/list_box.h"
#include "framework/property_page.h"

class CMyPropertyPage6 : public CPropertyPage {
public:
    CMyPropertyPage6();

    CListBox m_brailleDeviceList;
    std::string m_brailleStatus; // read by the report writer

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    bool OnCommand(UINT id, UINT code) override;

private:
    // Checks the driver file and the port and sets the status.
    void CheckBrailleDriver();

    // Message handlers
    void OnSelChangeBrailleDeviceList();

    static const CommandEntry<CMyPropertyPage6> kCommands[1];
};
