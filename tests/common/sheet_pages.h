// The sheet's pages in tab order, written down once: the end-to-end driver checks the sheet's tabs
// against this table and goes through the pages by it, and the benchmark tours the same pages.
#pragma once

#include <vector>

#include "resource.h"

// Tab positions of the pages that a check names.
enum SheetTab : int { kInstallationTab, kSystemInfoTab, kWaveTab, kAuxTab, kPortsTab, kBrailleTab };

struct SheetPage {
    const char* tabText; // as the tab control holds it: "&&" stands for "&"
    int templateId;
    int marker;             // a control that only this page has
    std::vector<int> lists; // the page's list boxes
};

inline const std::vector<SheetPage> kSheetPages = {
    {"Kelvorn32 Directory", IDD_INSTALLATION_PAGE, IDC_PROBLEM_TEXT, {IDC_REASON_LIST}},
    {"System Information", IDD_SYSTEM_INFO_PAGE, IDC_OS_NAME, {}},
    {"Wave Devices", IDD_WAVE_DEVICES_PAGE, IDC_WAVE_DEVICE_LIST, {IDC_WAVE_DEVICE_LIST}},
    {"Auxiliary Audio Devices", IDD_AUX_DEVICES_PAGE, IDC_AUX_DEVICE_LIST, {IDC_AUX_DEVICE_LIST}},
    {"Ports",
     IDD_PORTS_PAGE,
     IDC_COMM_PORT_LIST,
     {IDC_COMM_PORT_LIST, IDC_PRINTER_PORT_LIST, IDC_PORT_SUMMARY_LIST}},
    {"Braille && Speech", IDD_BRAILLE_SPEECH_PAGE, IDC_BRAILLE_STATUS, {IDC_BRAILLE_DEVICE_LIST}},
};
inline const int kSheetPageCount = static_cast<int>(kSheetPages.size());
