// CMyPropertySheet: the diagnostic property sheet, the program's main window.
//
// Its pages are members, built in declaration order (the installation page's constructor clears
// the other pages' flags, then the system information page gathers at once) and added in tab
// order. Its initialisation refuses Win32s and turns the standard buttons into "About Vittrel
// Kelvorn32", "Save To File" and "Exit". "Save To File" hands a snapshot of its pages to the report.
#pragma once

#include "framework/command_table.h"
#include "framework/property_sheet.h"
#include "pages/aux/aux_devices_page.h"
#include "pages/braille/braille_speech_page.h"
#include "pages/installation/installation_page.h"
#include "pages/ports/ports_page.h"
#include "pages/system_info/system_info_page.h"
#include "pages/wave/wave_devices_page.h"
#include "report/report.h"

class CMyPropertySheet : public CPropertySheet {
public:
    explicit CMyPropertySheet(CWnd* parent);
    ~CMyPropertySheet() override;

    // Pages, read by the snapshot that the report is written from
    CMyPropertyPage1 m_page1;
    CMyPropertyPage2 m_page2;
    CMyPropertyPage4 m_page4;
    CMyPropertyPage5 m_page5;
    CMyPropertyPage6 m_page6;
    CMyPropertyPage7 m_page7;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code) override;

private:
    void ArrangeSheetButtons();
    void ChangeButtonStyle(int id, LONG remove, LONG add);
    ReportSnapshot TakeReportSnapshot() const;

    // Command handlers
    void ShowAboutBox();
    void OnSaveToFile();

    static const CommandEntry<CMyPropertySheet> kCommands[2];
};
