// Decoding for the system information page: memory figures, processor and operating system
// turned into the texts that the page shows. Portable; the figures come from system_info_win.
#pragma once

#include <cstdint>
#include <string>

#include "system/os_version.h"

// The memory status fields that the page uses. Counts are 64-bit so that machines with more
// than 4 GB read right; the load is a percentage.
struct MemoryFigures {
    uint32_t memoryLoad = 0;
    uint64_t totalPhys = 0;
    uint64_t availPhys = 0;
    uint64_t availPageFile = 0;
};

// The SYSTEM_INFO fields that the page uses.
struct ProcessorFigures {
    uint16_t architecture = 0;
    uint32_t numberOfProcessors = 0;
    uint32_t processorType = 0;
    uint16_t level = 0;
    uint16_t revision = 0;
};

// wProcessorArchitecture values.
constexpr uint16_t kArchitectureIntel = 0;
constexpr uint16_t kArchitectureMips = 1;
constexpr uint16_t kArchitectureAlpha = 2;
constexpr uint16_t kArchitecturePowerPc = 3;
// What a 64-bit program on an x64 processor sees; a 32-bit program on the same machine sees Intel.
constexpr uint16_t kArchitectureX64 = 9;
constexpr uint16_t kArchitectureUnknown = 0xFFFF;

// Below this much physical memory (whole MB counted) the page advises more RAM.
constexpr uint64_t kEnoughRamBytes = 0x700000;

struct MemoryTexts {
    std::string availablePhysical, memoryLoad, totalPhysical, totalVirtual, ramVerdict;
};

MemoryTexts FormatMemoryTexts(const MemoryFigures& figures);

struct ProcessorTexts {
    std::string processorType, modelCaption, modelValue, stepCaption, stepValue;
};

// Sets the processor texts that the platform's decoding names and leaves the others as they
// are, so a caller passes them in empty. Windows 95 names the type only; Windows NT also
// decodes the revision. Other platform identifiers set nothing.
void DescribeProcessor(uint32_t platformId, const ProcessorFigures& figures, ProcessorTexts& texts);

// The fourteen texts of the page, in the page's member order.
struct SystemTexts {
    MemoryTexts memory;
    std::string osBuild, osName, osVersion, processorCount;
    ProcessorTexts processor;
};

// Everything the page shows. Memory texts and the processor count are always set; the operating
// system and processor texts only for a version query that answered with Windows 95 or NT.
SystemTexts DescribeSystem(const MemoryFigures& memory, const ProcessorFigures& processor,
                           const OsVersion& version);
