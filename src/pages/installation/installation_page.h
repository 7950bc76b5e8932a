// CMyPropertyPage1: the installation page. It diagnoses the Kelvorn32 installation when first
// shown and, when the main directory is missing, shows a solution of its own for each reason.
#pragma once

#include <cstdint>
#include <string>

#include "framework/command_table.h"
#include "framework/list_box.h"
#include "framework/property_page.h"

class CMyPropertyPage1 : public CPropertyPage {
public:
    CMyPropertyPage1();

    // The diagnosis result, read by the report writer
    int32_t m_solutionMode = 0; // 1: each reason has a solution of its own
    CListBox m_reasonList;      // its items are the reasons
    std::string m_notesText = "None.";
    std::string m_problemText = "None found.";
    std::string m_solutionText = "N/A.";

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    bool OnCommand(UINT id, UINT code) override;

private:
    // Runs the diagnosis once and shows its result.
    void DiagnoseInstallation();
    // The width in pixels of a standard button in the page's font.
    int StandardButtonWidth() const;

    // Message handlers
    void OnSelChangeReasonList();

    static const CommandEntry<CMyPropertyPage1> kCommands[1];
};
