// CMyPropertyPage7: the ports page. When first shown it probes COM1 to COM8 and LPT1 to LPT4 and
// lists the serial and parallel ports that the print spooler knows.
#pragma once

#include "framework/list_box.h"
#include "framework/property_page.h"

class CMyPropertyPage7 : public CPropertyPage {
public:
    CMyPropertyPage7();

    // Lists, sorted by the list boxes; read by the report writer
    CListBox m_portSummaryList;
    CListBox m_printerPortList;
    CListBox m_commPortList;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;

private:
    // Gathering
    void GatherPorts();
};
