// Memory, processor and operating-system texts of the system information page.
#include "pages/system_info/system_info.h"

#include <cmath>
#include <cstdio>

static constexpr double kBytesToMegabytes = 1.0 / 1048576.0; // 2^-20, exact

static const char kEnoughRamText[] = " You have enough RAM to run Kelvorn32.";
static const char kTooLittleRamText[] =
    " You do not seem to have enough RAM to\r\n run Kelvorn32. It is recommended "
    "that you\r\n you have at least 8MB of RAM and 12MB \r\n Virtual Memory.";

static std::string FormatMegabytes(const char* pattern, double megabytes) {
    char text[64];
    std::snprintf(text, sizeof(text), pattern, megabytes);
    return text;
}

static std::string FormatDecimal(int value) {
    char text[16];
    std::snprintf(text, sizeof(text), "%d", value);
    return text;
}

MemoryTexts FormatMemoryTexts(const MemoryFigures& figures) {
    MemoryTexts texts;
    texts.availablePhysical =
        FormatMegabytes("%.2f MB", static_cast<double>(figures.availPhys) * kBytesToMegabytes);
    char load[32];
    std::snprintf(load, sizeof(load), "%.2f %%", static_cast<double>(figures.memoryLoad));
    texts.memoryLoad = load;
    texts.totalPhysical =
        FormatMegabytes("%.1f MB", std::ceil(static_cast<double>(figures.totalPhys) * kBytesToMegabytes));
    texts.totalVirtual =
        FormatMegabytes("%.2f MB", static_cast<double>(figures.availPageFile) * kBytesToMegabytes);
    // Only whole megabytes count towards the verdict.
    const uint64_t wholeMegabytes = figures.totalPhys & ~static_cast<uint64_t>(0xFFFFF);
    texts.ramVerdict = wholeMegabytes >= kEnoughRamBytes ? kEnoughRamText : kTooLittleRamText;
    return texts;
}

// Windows 95 reports the processor by its type number; level and revision mean nothing there.
static void DescribeWin95Processor(const ProcessorFigures& figures, ProcessorTexts& texts) {
    if (figures.architecture != kArchitectureIntel) {
        texts.processorType = "Other";
        return;
    }
    switch (figures.processorType) {
    case 386:
        texts.processorType = "386.";
        break;
    case 486:
        texts.processorType = "486.";
        break;
    case 586:
        texts.processorType = "Pentium.";
        break;
    default:
        texts.processorType = "Other Intel.";
        break;
    }
}

// The Alpha model is a letter counted from A. Past Z the letters run out, so the model is shown
// the way the platform documents it, "A+" and the offset.
static std::string AlphaModelText(int hi) {
    if (hi <= 25) {
        return std::string(1, static_cast<char>('A' + hi));
    }
    char text[16];
    std::snprintf(text, sizeof(text), "A+%d", hi);
    return text;
}

static void DescribeIntelNtProcessor(const ProcessorFigures& figures, int hi, int lo, ProcessorTexts& texts) {
    switch (figures.level) {
    case 3:
    case 4:
        texts.processorType = figures.level == 3 ? "386." : "486.";
        if (hi == 0xFF) {
            texts.modelCaption = "Model Number:";
            texts.modelValue = FormatDecimal(((lo >> 4) & 0xF) - 10);
            texts.stepCaption = "Stepping ID:";
            texts.stepValue = FormatDecimal(lo & 0xF);
        } else {
            texts.modelCaption = "Stepping ID:";
            texts.modelValue = FormatDecimal(hi + 10);
            texts.stepCaption = "Minor Step:";
            texts.stepValue = FormatDecimal(lo);
        }
        break;
    case 5:
        texts.processorType = "Pentium.";
        texts.modelCaption = "Model:";
        texts.modelValue = FormatDecimal(hi);
        texts.stepCaption = "Stepping ID:";
        texts.stepValue = FormatDecimal(lo);
        break;
    default:
        texts.processorType = "Other";
        break;
    }
}

static const char* AlphaTypeName(uint16_t level) {
    switch (level) {
    case 21064:
        return "Alpha 21064";
    case 21066:
        return "Alpha 21066";
    case 21164:
        return "Alpha 21164";
    default:
        return "Other";
    }
}

static const char* PowerPcTypeName(uint16_t level) {
    switch (level) {
    case 1:
        return "PPC 601";
    case 3:
        return "PPC 603";
    case 4:
        return "PPC 604";
    case 6:
        return "PPC 603+";
    case 9:
        return "PPC 604+";
    case 20:
        return "PPC 620";
    default:
        return "Other";
    }
}

// Windows NT names the processor by its level and encodes model and stepping in the revision.
// The Alpha and PowerPC rows: a model, then the pass from the revision's low byte.
static void SetModelAndPass(const std::string& model, int lo, ProcessorTexts& texts) {
    texts.modelCaption = "Model:";
    texts.modelValue = model;
    texts.stepCaption = "Pass:";
    texts.stepValue = FormatDecimal(lo);
}

static void DescribeNtProcessor(const ProcessorFigures& figures, ProcessorTexts& texts) {
    const int hi = figures.revision >> 8;
    const int lo = figures.revision & 0xFF;
    switch (figures.architecture) {
    case kArchitectureIntel:
        DescribeIntelNtProcessor(figures, hi, lo, texts);
        break;
    case kArchitectureMips:
        if (figures.level == 4) {
            texts.processorType = "MIPS R4000";
            texts.modelCaption = "Revision:";
            texts.modelValue = FormatDecimal(lo);
        }
        break;
    case kArchitectureAlpha:
        texts.processorType = AlphaTypeName(figures.level);
        SetModelAndPass(AlphaModelText(hi), lo, texts);
        break;
    case kArchitecturePowerPc:
        texts.processorType = PowerPcTypeName(figures.level);
        SetModelAndPass(FormatDecimal(hi), lo, texts);
        break;
    case kArchitectureX64:
        // Every x64 processor is of family 6 or later. The revision is left undecoded, as it is
        // for an Intel level past 5, which is what a 32-bit program on the same machine sees.
        texts.processorType = figures.level >= 6 ? "x64" : "Other";
        break;
    case kArchitectureUnknown:
        texts.processorType = "Unknown";
        break;
    default:
        break;
    }
}

void DescribeProcessor(uint32_t platformId, const ProcessorFigures& figures, ProcessorTexts& texts) {
    if (platformId == kPlatformWin32Windows) {
        DescribeWin95Processor(figures, texts);
    } else if (platformId == kPlatformWin32Nt) {
        DescribeNtProcessor(figures, texts);
    }
}

SystemTexts DescribeSystem(const MemoryFigures& memory, const ProcessorFigures& processor,
                           const OsVersion& version) {
    SystemTexts texts;
    texts.memory = FormatMemoryTexts(memory);

    texts.processorCount = FormatDecimal(static_cast<int>(processor.numberOfProcessors));
    // A failed version query leaves the record's fields meaningless: name nothing from them.
    if (!version.queried) {
        return texts;
    }
    if (version.platformId == kPlatformWin32Windows) {
        texts.osName = "Windows 95";
        // The high word of the build number repeats the version there.
        texts.osBuild = FormatDecimal(static_cast<int>(version.buildNumber & 0xFFFF));
    } else if (version.platformId == kPlatformWin32Nt) {
        texts.osName = "Windows NT";
        texts.osBuild = FormatDecimal(static_cast<int>(version.buildNumber));
    } else {
        return texts;
    }
    char versionText[32];
    std::snprintf(versionText, sizeof(versionText), "%d.%d", static_cast<int>(version.majorVersion),
                  static_cast<int>(version.minorVersion));
    texts.osVersion = versionText;

    DescribeProcessor(version.platformId, processor, texts.processor);
    return texts;
}
