// Port lines, the spooler summary and the order of the ports page's gathering.
#include "pages/ports/ports.h"

#include <gtest/gtest.h>

#include "port_texts.h"

#include <map>

// Ports, messages and a spooler held in memory. Messages are given as the platform words them,
// CR LF included; like the platform, they come back only when they fit the buffer.
class FakePortEnvironment : public PortEnvironment {
public:
    std::map<std::string, uint32_t> openCodes; // a port not named here does not exist
    std::map<uint32_t, std::string> messages;
    bool ignoresBufferSize = false; // answers whole texts, however long
    std::optional<std::vector<SpoolerPort>> spoolerPorts = std::vector<SpoolerPort>();

    uint32_t OpenExclusive(const std::string& name) override {
        const auto found = openCodes.find(name);
        return found == openCodes.end() ? 2 : found->second;
    }
    std::string SystemMessage(uint32_t code, size_t bufferSize) override {
        const auto found = messages.find(code);
        if (found == messages.end() || (!ignoresBufferSize && found->second.size() + 1 > bufferSize)) {
            return std::string();
        }
        return found->second;
    }
    std::optional<std::vector<SpoolerPort>> EnumerateSpoolerPorts() override { return spoolerPorts; }
};

static const std::string kInUse =
    "The process cannot access the file because it is being used by another process.";

TEST(ProbePortLine, EveryLineForm) {
    struct {
        const char* row;
        PortKind kind;
        const char* name;
        uint32_t code;
        std::string message;
        std::string expected;
    } cases[] = {
        {"comm opens", PortKind::Communication, "COM1", 0, "", "COM1: OK."},
        {"printer opens", PortKind::Printer, "LPT1", 0, "", "LPT1: OK."},
        {"comm missing", PortKind::Communication, "COM3", 2, "The system cannot find the file specified.\r\n",
         ComMissingLine("COM3")},
        {"printer missing", PortKind::Printer, "LPT2", 2, "", PrinterMissingLine("LPT2")},
        {"comm denied", PortKind::Communication, "COM2", 5, "Access is denied.\r\n",
         "COM2: Access is denied."},
        // The pattern's own full stop falls behind the cut.
        {"printer denied", PortKind::Printer, "LPT1", 5, "Access is denied.\r\n", "LPT1: Access is denied."},
        {"comm in use", PortKind::Communication, "COM2", 32, kInUse + "\r\n", "COM2: " + kInUse},
        {"printer in use", PortKind::Printer, "LPT1", 32, kInUse + "\r\n", "LPT1: " + kInUse},
        {"printer text without line end", PortKind::Printer, "LPT1", 31, "Device failure",
         "LPT1: Device failure."},
        {"comm no text", PortKind::Communication, "COM2", 1234, "", "COM2: "},
        {"printer no text", PortKind::Printer, "LPT1", 1234, "", "LPT1: ."},
        {"code page letters kept", PortKind::Communication, "COM2", 5, "Acc\xE8s refus\xE9.\r\n",
         "COM2: Acc\xE8s refus\xE9."},
        {"printer code page letters kept", PortKind::Printer, "LPT1", 5, "Zugriff verweigert \xFC\r\n",
         "LPT1: Zugriff verweigert \xFC"},
        {"tab inside", PortKind::Communication, "COM2", 5, "Line one\tline two.\r\n", "COM2: Line one"},
        {"line feed inside", PortKind::Printer, "LPT1", 5, "First.\nSecond.\r\n", "LPT1: First."},
        {"byte 31 inside", PortKind::Communication, "COM2", 5,
         "ab\x1f"
         "cd",
         "COM2: ab"},
        {"byte 127 kept", PortKind::Communication, "COM2", 5,
         "ab\x7f"
         "cd",
         "COM2: ab\x7f"
         "cd"},
        {"insert marker kept", PortKind::Communication, "COM2", 5, "The file %1 is busy.\r\n",
         "COM2: The file %1 is busy."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        FakePortEnvironment environment;
        environment.openCodes[c.name] = c.code;
        environment.messages[c.code] = c.message;
        EXPECT_EQ(c.expected, ProbePortLine(environment, c.kind, c.name));
    }
}

TEST(PortErrorText, TextsUpTo239BytesComeThroughWhole) {
    struct {
        const char* row;
        std::string message;
        bool ignoresBufferSize;
        std::string expected;
    } cases[] = {
        {"81 bytes", kInUse + "\r\n", false, kInUse + "\r\n"},
        {"239 bytes", std::string(237, 'x') + "\r\n", false, std::string(237, 'x') + "\r\n"},
        {"240 bytes", std::string(238, 'x') + "\r\n", false, ""},
        {"240 bytes, environment answers anyway", std::string(238, 'x') + "\r\n", true, ""},
        {"1000 bytes, environment answers anyway", std::string(1000, 'x'), true, ""},
        {"no text", "", false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        FakePortEnvironment environment;
        environment.messages[87] = c.message;
        environment.ignoresBufferSize = c.ignoresBufferSize;
        EXPECT_EQ(c.expected, PortErrorText(environment, 87));
    }
}

TEST(ProbePortLine, LinesStayUnder256Characters) {
    FakePortEnvironment environment;
    environment.openCodes["LPT1"] = 87;
    environment.messages[87] = std::string(239, 'x');
    const std::string line = ProbePortLine(environment, PortKind::Printer, "LPT1");
    EXPECT_EQ("LPT1: " + std::string(239, 'x') + ".", line);

    const std::string longName(300, 'N');
    const std::string opened = ProbePortLine(environment, PortKind::Communication, longName);
    EXPECT_EQ(255u, opened.size());
}

TEST(IsListedPortName, SerialAndParallelSpellings) {
    struct {
        const char* name;
        bool expected;
    } cases[] = {
        {"COM1:", true},          {"com2:", true},  {"Com3:", true}, {"LPT1:", true},  {"Lpt2:", true},
        {"lpt3:", true},          {"COM", true},    {"COMX", true},  {"cOM1:", false}, {"CoM1:", false},
        {"lPT1:", false},         {"LpT1:", false}, {"CO", false},   {"", false},      {"FILE:", false},
        {"\\\\server\\p", false}, {"XCOM1", false}, {"NUL:", false}, {"LPX1:", false}, {nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name == nullptr ? "(null)" : c.name);
        EXPECT_EQ(c.expected, IsListedPortName(c.name));
    }
}

TEST(ComposeSummaryLine, MissingTextsReadEmpty) {
    struct {
        const char* row;
        SpoolerPort port;
        std::string expected;
    } cases[] = {
        {"all present", {"COM1:", "M", "D"}, "COM1: M. It is a D."},
        {"spooler words", {"LPT1:", "Local Port", "Local Port"}, "LPT1: Local Port. It is a Local Port."},
        {"no monitor", {"COM1:", std::nullopt, "D"}, "COM1: . It is a D."},
        {"no description", {"COM1:", "M", std::nullopt}, "COM1: M. It is a ."},
        {"no port name", {std::nullopt, "M", "D"}, " M. It is a D."},
        {"300-character description",
         {"COM1:", "Local Port", std::string(300, 'd')},
         "COM1: Local Port. It is a " + std::string(300, 'd') + "."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(c.expected, ComposeSummaryLine(c.port));
    }
}

static const std::vector<std::string> kCommMissing = {
    ComMissingLine("COM1"), ComMissingLine("COM2"), ComMissingLine("COM3"), ComMissingLine("COM4"),
    ComMissingLine("COM5"), ComMissingLine("COM6"), ComMissingLine("COM7"), ComMissingLine("COM8")};

TEST(GatherPortLines, ProbesEveryPortInOrderThenTheSpooler) {
    FakePortEnvironment environment;
    environment.openCodes["COM1"] = 0;
    environment.openCodes["COM2"] = 5;
    environment.openCodes["LPT1"] = 32;
    environment.openCodes["LPT9"] = 0; // never probed
    environment.messages[5] = "Access is denied.\r\n";
    environment.messages[32] = kInUse + "\r\n";
    environment.spoolerPorts = std::vector<SpoolerPort>{
        {"LPT1:", "Local Port", "Local Port"},
        {"FILE:", "Local Port", "Local Port"},
        {"COM1:", "Local Port", "Local Port"},
        {std::nullopt, "Local Port", "Local Port"},
        {"\\\\server\\printer", "Network", "Network port"},
        {"com3", std::nullopt, std::nullopt},
    };
    const PortLists lists = GatherPortLines(environment);

    std::vector<std::string> comm = kCommMissing;
    comm[0] = "COM1: OK.";
    comm[1] = "COM2: Access is denied.";
    EXPECT_EQ(comm, lists.comm);
    const std::vector<std::string> printer = {"LPT1: " + kInUse, PrinterMissingLine("LPT2"),
                                              PrinterMissingLine("LPT3"), PrinterMissingLine("LPT4")};
    EXPECT_EQ(printer, lists.printer);
    // In the spooler's order: the list box sorts.
    const std::vector<std::string> summary = {
        "LPT1: Local Port. It is a Local Port.",
        "COM1: Local Port. It is a Local Port.",
        "com3 . It is a .",
    };
    EXPECT_EQ(summary, lists.summary);
}

TEST(GatherPortLines, SpoolerFailureLeavesOnlyTheSummaryEmpty) {
    FakePortEnvironment environment;
    environment.spoolerPorts = std::nullopt;
    const PortLists lists = GatherPortLines(environment);
    EXPECT_EQ(kCommMissing, lists.comm);
    EXPECT_EQ(4u, lists.printer.size());
    EXPECT_TRUE(lists.summary.empty());
}
