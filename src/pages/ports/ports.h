// Port probes and the spooler summary of the ports page: the lines of its three lists.
// Portable; the platform is reached through PortEnvironment.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One PORT_INFO_2A record of the print spooler; a missing text is nullopt.
struct SpoolerPort {
    std::optional<std::string> portName;
    std::optional<std::string> monitorName;
    std::optional<std::string> description;
};

// What the port probes need of the platform.
class PortEnvironment {
public:
    virtual ~PortEnvironment();

    // Opens the device exclusively for reading and writing and closes it again at once.
    // Answers 0 when it opened, otherwise the platform's error code.
    virtual uint32_t OpenExclusive(const std::string& name) = 0;

    // The platform's message for an error code in the user's language, with insert markers left
    // as they are, written into a zero-filled buffer of bufferSize bytes. Empty when the
    // platform has no text for the code or the text and its terminator do not fit.
    virtual std::string SystemMessage(uint32_t code, size_t bufferSize) = 0;

    // The local spooler's ports, in the spooler's order; nullopt when the spooler fails.
    virtual std::optional<std::vector<SpoolerPort>> EnumerateSpoolerPorts() = 0;
};

enum class PortKind { Communication, Printer };

// The error text buffer and the longest port line, terminator included.
constexpr size_t kErrorTextSize = 240;
constexpr size_t kPortLineSize = 256;

// The platform's text for the code, or empty when there is none or it does not fit
// kErrorTextSize bytes with its terminator.
std::string PortErrorText(PortEnvironment& environment, uint32_t code);

// Probes one port and gives its line: OK, does not exist, or the platform's reason, which is
// cut at the line end that the platform puts after it.
std::string ProbePortLine(PortEnvironment& environment, PortKind kind, const std::string& name);

// Whether a spooler port is a serial or parallel port that the summary lists: its name begins
// with COM or LPT in one of the spellings that spoolers use.
bool IsListedPortName(const char* name);

// "<port> <monitor>. It is a <description>."; a missing text reads as empty.
std::string ComposeSummaryLine(const SpoolerPort& port);

// The lines of the page's three lists, in the order probed; the list boxes sort them.
struct PortLists {
    std::vector<std::string> comm, printer, summary;
};

// COM1 to COM8, LPT1 to LPT4, then the spooler's serial and parallel ports. A failed spooler
// query leaves the summary empty.
PortLists GatherPortLines(PortEnvironment& environment);
