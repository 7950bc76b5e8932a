// CMyPropertyPage2: the system information page. Unlike the other pages it gathers when it is
// built, so every report has its section; its texts never change afterwards.
#pragma once

#include <string>

#include "framework/property_page.h"

class CMyPropertyPage2 : public CPropertyPage {
public:
    CMyPropertyPage2();

    // Gathering
    int GatherSystemInformation();

    // Texts, read by the report writer (all but the two captions)
    std::string m_availablePhysical;
    std::string m_memoryLoad;
    std::string m_totalPhysical;
    std::string m_totalVirtual;
    std::string m_ramVerdict;
    std::string m_osBuild;
    std::string m_osName;
    std::string m_osVersion;
    std::string m_modelCaption;
    std::string m_modelValue;
    std::string m_processorCount;
    std::string m_processorType;
    std::string m_stepCaption;
    std::string m_stepValue;

protected:
    void DoDataExchange(CDataExchange& dx) override;
};
