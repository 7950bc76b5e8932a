// Lines of the ports page: one per probed port and one per spooler port.
#include "pages/ports/ports.h"

#include <cstdio>
#include <cstring>

PortEnvironment::~PortEnvironment() = default;

static constexpr uint32_t kErrorFileNotFound = 2;

std::string PortErrorText(PortEnvironment& environment, uint32_t code) {
    std::string text = environment.SystemMessage(code, kErrorTextSize);
    // Held to the buffer's limit whatever the environment answers, so every line stays short.
    if (text.size() >= kErrorTextSize) {
        text.clear();
    }
    return text;
}

// Ends the line at its first control character: the platform's text ends in CR LF, which must
// not reach a list box. Bytes of 128 and above are letters of the user's code page and stay.
static void CutAtControlCharacter(std::string& line) {
    for (size_t i = 0; i < line.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(line[i]);
        if (byte >= 1 && byte < 32) {
            line.resize(i);
            return;
        }
    }
}

std::string ProbePortLine(PortEnvironment& environment, PortKind kind, const std::string& name) {
    const bool comm = kind == PortKind::Communication;
    char line[kPortLineSize];
    const uint32_t code = environment.OpenExclusive(name);
    if (code == 0) {
        std::snprintf(line, sizeof(line), "%s: OK.", name.c_str());
        return line;
    }
    if (code == kErrorFileNotFound) {
        std::snprintf(line, sizeof(line),
                      comm ? "%s: This Com Port does not Exist or it is not used by Windows."
                           : "%s: This Printer Port does not Exist or it is not used by Windows.",
                      name.c_str());
        return line;
    }
    const std::string reason = PortErrorText(environment, code);
    std::snprintf(line, sizeof(line), comm ? "%s: %s" : "%s: %s.", name.c_str(), reason.c_str());
    std::string cut = line;
    CutAtControlCharacter(cut);
    return cut;
}

bool IsListedPortName(const char* name) {
    if (name == nullptr) {
        return false;
    }
    static const char* const kListedPrefixes[] = {"COM", "com", "Com", "LPT", "Lpt", "lpt"};
    for (const char* prefix : kListedPrefixes) {
        if (std::strncmp(name, prefix, 3) == 0) {
            return true;
        }
    }
    return false;
}

std::string ComposeSummaryLine(const SpoolerPort& port) {
    return port.portName.value_or("") + " " + port.monitorName.value_or("") + ". It is a " +
           port.description.value_or("") + ".";
}

PortLists GatherPortLines(PortEnvironment& environment) {
    PortLists lists;
    char name[24];
    for (int n = 1; n <= 8; ++n) {
        std::snprintf(name, sizeof(name), "COM%d", n);
        lists.comm.push_back(ProbePortLine(environment, PortKind::Communication, name));
    }
    for (int n = 1; n <= 4; ++n) {
        std::snprintf(name, sizeof(name), "LPT%d", n);
        lists.printer.push_back(ProbePortLine(environment, PortKind::Printer, name));
    }
    const std::optional<std::vector<SpoolerPort>> ports = environment.EnumerateSpoolerPorts();
    if (ports) {
        for (const SpoolerPort& port : *ports) {
            if (port.portName && IsListedPortName(port.portName->c_str())) {
                lists.summary.push_back(ComposeSummaryLine(port));
            }
        }
    }
    return lists;
}
