// Memory, processor and operating-system texts of the system information page.
#include "pages/system_info/system_info.h"

#include <gtest/gtest.h>

static const char kEnoughRam[] = " You have enough RAM to run Kelvorn32.";
static const char kTooLittleRam[] =
    " You do not seem to have enough RAM to\r\n run Kelvorn32. It is recommended that "
    "you\r\n you have at least 8MB of RAM and 12MB \r\n Virtual Memory.";

TEST(FormatMemoryTexts, TotalPhysicalRoundsUpAndDecidesTheVerdict) {
    struct {
        uint64_t totalPhys;
        const char* totalPhysical;
        const char* ramVerdict;
    } cases[] = {
        {7340031, "7.0 MB", kTooLittleRam},
        {7340032, "7.0 MB", kEnoughRam},
        {8388608, "8.0 MB", kEnoughRam},
        {8388609, "9.0 MB", kEnoughRam},
        {16252928, "16.0 MB", kEnoughRam},
        {0, "0.0 MB", kTooLittleRam},
        {0xFFFFFFFFull, "4096.0 MB", kEnoughRam},
        // Counts of 4 GB and more must not wrap to small numbers.
        {0x100000000ull, "4096.0 MB", kEnoughRam},
        {0x100000000ull + 0x600000, "4102.0 MB", kEnoughRam},
        {17179869184ull, "16384.0 MB", kEnoughRam},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.totalPhys);
        MemoryFigures figures;
        figures.totalPhys = c.totalPhys;
        figures.availPageFile = 64 * 1048576ull; // the page file never sways the verdict
        const MemoryTexts texts = FormatMemoryTexts(figures);
        EXPECT_EQ(c.totalPhysical, texts.totalPhysical);
        EXPECT_EQ(c.ramVerdict, texts.ramVerdict);
    }
}

TEST(FormatMemoryTexts, AvailableFiguresAndLoad) {
    struct {
        MemoryFigures figures; // load, total, available, page file
        const char *memoryLoad, *availablePhysical, *totalVirtual;
    } cases[] = {
        {{37, 8388608, 12950000, 1048576}, "37.00 %", "12.35 MB", "1.00 MB"},
        {{100, 8388608, 0, 0}, "100.00 %", "0.00 MB", "0.00 MB"},
        {{0, 8388608, 524288, 0xFFFFFFFFull}, "0.00 %", "0.50 MB", "4096.00 MB"},
        {{55, 8388608, 5 * 1073741824ull + 524288, 3 * 1073741824ull}, "55.00 %", "5120.50 MB", "3072.00 MB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.memoryLoad);
        const MemoryTexts texts = FormatMemoryTexts(c.figures);
        EXPECT_EQ(c.memoryLoad, texts.memoryLoad);
        EXPECT_EQ(c.availablePhysical, texts.availablePhysical);
        EXPECT_EQ(c.totalVirtual, texts.totalVirtual);
    }
}

// "=" marks a text that the decoding must leave as it was.
static const char kUntouched[] = "=";

TEST(DescribeProcessor, EveryRowOfBothTables) {
    struct {
        const char* row;
        uint32_t platformId;
        uint16_t architecture;
        uint32_t processorType;
        uint16_t level, revision;
        const char *type, *modelCaption, *modelValue, *stepCaption, *stepValue;
    } cases[] = {
        // Windows 95: the type number alone; level and revision are ignored.
        {"95 386", 1, 0, 386, 5, 0x0204, "386.", kUntouched, kUntouched, kUntouched, kUntouched},
        {"95 486", 1, 0, 486, 5, 0x0204, "486.", kUntouched, kUntouched, kUntouched, kUntouched},
        {"95 Pentium", 1, 0, 586, 3, 0xFFD0, "Pentium.", kUntouched, kUntouched, kUntouched, kUntouched},
        {"95 other Intel", 1, 0, 686, 5, 0, "Other Intel.", kUntouched, kUntouched, kUntouched, kUntouched},
        {"95 non-Intel", 1, 1, 486, 4, 0, "Other", kUntouched, kUntouched, kUntouched, kUntouched},
        {"95 x64", 1, 9, 8664, 6, 0x0204, "Other", kUntouched, kUntouched, kUntouched, kUntouched},
        {"95 unknown architecture", 1, 0xFFFF, 586, 5, 0, "Other", kUntouched, kUntouched, kUntouched,
         kUntouched},
        // Windows NT: the level, with the revision decoded.
        {"NT 386 model", 2, 0, 386, 3, 0xFF25, "386.", "Model Number:", "-8", "Stepping ID:", "5"},
        {"NT 386 stepping", 2, 0, 386, 3, 0x0105, "386.", "Stepping ID:", "11", "Minor Step:", "5"},
        {"NT 486 model", 2, 0, 486, 4, 0xFFD0, "486.", "Model Number:", "3", "Stepping ID:", "0"},
        {"NT 486 model y=0", 2, 0, 486, 4, 0xFF05, "486.", "Model Number:", "-10", "Stepping ID:", "5"},
        {"NT 486 model y=15", 2, 0, 486, 4, 0xFFFF, "486.", "Model Number:", "5", "Stepping ID:", "15"},
        {"NT 486 stepping", 2, 0, 486, 4, 0x0000, "486.", "Stepping ID:", "10", "Minor Step:", "0"},
        {"NT 486 stepping hi=FE", 2, 0, 486, 4, 0xFEFF, "486.", "Stepping ID:", "264", "Minor Step:", "255"},
        {"NT Pentium", 2, 0, 586, 5, 0x0204, "Pentium.", "Model:", "2", "Stepping ID:", "4"},
        {"NT Pentium FF", 2, 0, 586, 5, 0xFFFF, "Pentium.", "Model:", "255", "Stepping ID:", "255"},
        {"NT Intel level 6", 2, 0, 586, 6, 0x0204, "Other", kUntouched, kUntouched, kUntouched, kUntouched},
        {"NT MIPS R4000", 2, 1, 4000, 4, 0x0020, "MIPS R4000", "Revision:", "32", kUntouched, kUntouched},
        {"NT MIPS other", 2, 1, 4000, 3, 0x0020, kUntouched, kUntouched, kUntouched, kUntouched, kUntouched},
        {"NT Alpha 21064", 2, 2, 21064, 21064, 0x0000, "Alpha 21064", "Model:", "A", "Pass:", "0"},
        {"NT Alpha 21066", 2, 2, 21066, 21066, 0x0203, "Alpha 21066", "Model:", "C", "Pass:", "3"},
        {"NT Alpha 21164", 2, 2, 21164, 21164, 0x0102, "Alpha 21164", "Model:", "B", "Pass:", "2"},
        {"NT Alpha other", 2, 2, 21264, 21264, 0x1901, "Other", "Model:", "Z", "Pass:", "1"},
        {"NT Alpha past Z", 2, 2, 21164, 21164, 0x1A07, "Alpha 21164", "Model:", "A+26", "Pass:", "7"},
        {"NT Alpha hi=FF", 2, 2, 21164, 21164, 0xFF00, "Alpha 21164", "Model:", "A+255", "Pass:", "0"},
        {"NT PPC 601", 2, 3, 601, 1, 0x0102, "PPC 601", "Model:", "1", "Pass:", "2"},
        {"NT PPC 603", 2, 3, 603, 3, 0x0102, "PPC 603", "Model:", "1", "Pass:", "2"},
        {"NT PPC 604", 2, 3, 604, 4, 0x0102, "PPC 604", "Model:", "1", "Pass:", "2"},
        {"NT PPC 603+", 2, 3, 603, 6, 0x0102, "PPC 603+", "Model:", "1", "Pass:", "2"},
        {"NT PPC 604+", 2, 3, 604, 9, 0x0301, "PPC 604+", "Model:", "3", "Pass:", "1"},
        {"NT PPC 620", 2, 3, 620, 20, 0x0102, "PPC 620", "Model:", "1", "Pass:", "2"},
        {"NT PPC other", 2, 3, 0, 2, 0x0301, "Other", "Model:", "3", "Pass:", "1"},
        {"NT x64 Intel family", 2, 9, 8664, 6, 0x9A03, "x64", kUntouched, kUntouched, kUntouched, kUntouched},
        {"NT x64 AMD family", 2, 9, 8664, 25, 0x0101, "x64", kUntouched, kUntouched, kUntouched, kUntouched},
        {"NT x64 level 5", 2, 9, 8664, 5, 0x0204, "Other", kUntouched, kUntouched, kUntouched, kUntouched},
        {"NT unknown architecture", 2, 0xFFFF, 586, 5, 0x0204, "Unknown", kUntouched, kUntouched, kUntouched,
         kUntouched},
        {"NT architecture 4", 2, 4, 586, 5, 0x0204, kUntouched, kUntouched, kUntouched, kUntouched,
         kUntouched},
        {"NT architecture FFFE", 2, 0xFFFE, 586, 5, 0x0204, kUntouched, kUntouched, kUntouched, kUntouched,
         kUntouched},
        // Neither platform.
        {"Win32s", 0, 0, 586, 5, 0x0204, kUntouched, kUntouched, kUntouched, kUntouched, kUntouched},
        {"platform 3", 3, 0, 586, 5, 0x0204, kUntouched, kUntouched, kUntouched, kUntouched, kUntouched},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        ProcessorFigures figures;
        figures.architecture = c.architecture;
        figures.processorType = c.processorType;
        figures.level = c.level;
        figures.revision = c.revision;
        ProcessorTexts texts{kUntouched, kUntouched, kUntouched, kUntouched, kUntouched};
        DescribeProcessor(c.platformId, figures, texts);
        EXPECT_EQ(c.type, texts.processorType);
        EXPECT_EQ(c.modelCaption, texts.modelCaption);
        EXPECT_EQ(c.modelValue, texts.modelValue);
        EXPECT_EQ(c.stepCaption, texts.stepCaption);
        EXPECT_EQ(c.stepValue, texts.stepValue);
    }
}

TEST(DescribeSystem, OperatingSystemByPlatform) {
    struct {
        const char* row;
        OsVersion version;
        const char *osName, *osBuild, *osVersion, *processorType, *modelValue;
    } cases[] = {
        {"Windows 95", {true, 4, 0, 0x040003B6, 1}, "Windows 95", "950", "4.0", "Pentium.", ""},
        {"Windows 98", {true, 4, 10, 0x040A08AE, 1}, "Windows 95", "2222", "4.10", "Pentium.", ""},
        {"Windows NT", {true, 4, 0, 1381, 2}, "Windows NT", "1381", "4.0", "Pentium.", "2"},
        {"Win32s", {true, 3, 10, 0, 0}, "", "", "", "", ""},
        {"platform 3", {true, 5, 0, 2195, 3}, "", "", "", "", ""},
        {"failed query", {false, 4, 0, 1381, 2}, "", "", "", "", ""},
    };
    const MemoryFigures memory{42, 16252928, 1048576, 2097152};
    const ProcessorFigures processor{kArchitectureIntel, 2, 586, 5, 0x0204};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        const SystemTexts texts = DescribeSystem(memory, processor, c.version);
        EXPECT_EQ(c.osName, texts.osName);
        EXPECT_EQ(c.osBuild, texts.osBuild);
        EXPECT_EQ(c.osVersion, texts.osVersion);
        EXPECT_EQ(c.processorType, texts.processor.processorType);
        EXPECT_EQ(c.modelValue, texts.processor.modelValue);
        // Set whatever the platform.
        EXPECT_EQ("2", texts.processorCount);
        EXPECT_EQ("1.00 MB", texts.memory.availablePhysical);
        EXPECT_EQ("42.00 %", texts.memory.memoryLoad);
        EXPECT_EQ("16.0 MB", texts.memory.totalPhysical);
        EXPECT_EQ("2.00 MB", texts.memory.totalVirtual);
        EXPECT_EQ(kEnoughRam, texts.memory.ramVerdict);
    }
}
