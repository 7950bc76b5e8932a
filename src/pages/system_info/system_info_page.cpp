// The system information page: memory, processor and operating system, gathered at construction.
#include "pages/system_info/system_info_page.h"

#include "pages/page_flags.h"
#include "pages/system_info/system_info.h"
#include "pages/system_info/system_info_win.h"
#include "resource.h"
#include "system/os_version_win.h"

CMyPropertyPage2::CMyPropertyPage2() : CPropertyPage(IDD_SYSTEM_INFO_PAGE) {
    g_page2Shown = 1;
    GatherSystemInformation();
}

int CMyPropertyPage2::GatherSystemInformation() {
    // Memory first, then the processor, then the version: the order the platform is asked in.
    const MemoryFigures memory = ReadMemoryFigures();
    const ProcessorFigures processor = ReadProcessorFigures();
    const OsVersion version = QueryOsVersion();
    const SystemTexts texts = DescribeSystem(memory, processor, version);
    m_availablePhysical = texts.memory.availablePhysical;
    m_memoryLoad = texts.memory.memoryLoad;
    m_totalPhysical = texts.memory.totalPhysical;
    m_totalVirtual = texts.memory.totalVirtual;
    m_ramVerdict = texts.memory.ramVerdict;
    m_osBuild = texts.osBuild;
    m_osName = texts.osName;
    m_osVersion = texts.osVersion;
    m_modelCaption = texts.processor.modelCaption;
    m_modelValue = texts.processor.modelValue;
    m_processorCount = texts.processorCount;
    m_processorType = texts.processor.processorType;
    m_stepCaption = texts.processor.stepCaption;
    m_stepValue = texts.processor.stepValue;
    return 1;
}

void CMyPropertyPage2::DoDataExchange(CDataExchange& dx) {
    dx.Text(IDC_TOTAL_PHYSICAL, m_totalPhysical);
    dx.Text(IDC_AVAILABLE_PHYSICAL, m_availablePhysical);
    dx.Text(IDC_TOTAL_VIRTUAL, m_totalVirtual);
    dx.Text(IDC_MEMORY_LOAD, m_memoryLoad);
    dx.Text(IDC_RAM_VERDICT, m_ramVerdict);
    dx.Text(IDC_OS_NAME, m_osName);
    dx.Text(IDC_OS_VERSION, m_osVersion);
    dx.Text(IDC_OS_BUILD, m_osBuild);
    dx.Text(IDC_PROCESSOR_COUNT, m_processorCount);
    dx.Text(IDC_PROCESSOR_TYPE, m_processorType);
    dx.Text(IDC_MODEL_CAPTION, m_modelCaption);
    dx.Text(IDC_MODEL_VALUE, m_modelValue);
    dx.Text(IDC_STEP_CAPTION, m_stepCaption);
    dx.Text(IDC_STEP_VALUE, m_stepValue);
}
