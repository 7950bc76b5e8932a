// The ports page's lines over a platform whose answers come from the input:
//   open:<port>=<code>          what opening the port answers (without it: 2, no such port)
//   message:<code>=<text>       the platform's text for an error code, answered whole, however long
//   spooler=failed              the spooler query fails
//   spooler-port=<name>         the next spooler port (spooler-port-unnamed: one without a name)
//   monitor= description=       texts of the last spooler port (without them: missing)
#include "pages/ports/ports.h"

#include "fake_input.h"
#include "port_texts.h"

#include <map>

namespace {

class FuzzPortEnvironment : public PortEnvironment {
public:
    std::map<std::string, uint32_t> openCodes;
    std::map<uint32_t, std::string> messages;
    bool spoolerFails = false;
    std::vector<SpoolerPort> spoolerPorts;

    std::vector<std::string> opened;
    std::vector<size_t> messageBufferSizes;

    explicit FuzzPortEnvironment(const std::vector<FuzzRecord>& records) {
        for (const FuzzRecord& record : records) {
            const std::optional<uint32_t> number = ParseFuzzNumber(record.value);
            SpoolerPort* last = spoolerPorts.empty() ? nullptr : &spoolerPorts.back();
            if (record.name.rfind("open:", 0) == 0) {
                openCodes[record.name.substr(5)] = number.value_or(0);
            } else if (record.name.rfind("message:", 0) == 0) {
                if (const std::optional<uint32_t> code = ParseFuzzNumber(record.name.substr(8)))
                    messages[*code] = record.value;
            } else if (record.name == "spooler") {
                spoolerFails = record.value == "failed";
            } else if (record.name == "spooler-port") {
                spoolerPorts.push_back({record.value, std::nullopt, std::nullopt});
            } else if (record.name == "spooler-port-unnamed") {
                spoolerPorts.emplace_back();
            } else if (record.name == "monitor" && last != nullptr) {
                last->monitorName = record.value;
            } else if (record.name == "description" && last != nullptr) {
                last->description = record.value;
            }
        }
    }

    uint32_t OpenExclusive(const std::string& name) override {
        opened.push_back(name);
        return OpenCode(name);
    }
    std::string SystemMessage(uint32_t code, size_t bufferSize) override {
        messageBufferSizes.push_back(bufferSize);
        return Message(code);
    }
    std::optional<std::vector<SpoolerPort>> EnumerateSpoolerPorts() override {
        if (spoolerFails)
            return std::nullopt;
        return spoolerPorts;
    }

    std::string Message(uint32_t code) const {
        const auto found = messages.find(code);
        return found == messages.end() ? std::string() : found->second;
    }
    uint32_t OpenCode(const std::string& name) const {
        const auto found = openCodes.find(name);
        return found == openCodes.end() ? 2 : found->second;
    }
};

// A probe line: under the line size, free of control characters, and the form its code gives.
// A platform reason appears cut, never altered: the cut falls at a control character or at the
// line's end.
void CheckPortLine(const FuzzPortEnvironment& env, PortKind kind, const std::string& name,
                   const std::string& line) {
    FUZZ_CHECK(line.size() < kPortLineSize);
    FUZZ_CHECK(!HasControlCharacter(line));
    const bool comm = kind == PortKind::Communication;
    const uint32_t code = env.OpenCode(name);
    if (code == 0) {
        FUZZ_CHECK(line == name + ": OK.");
        return;
    }
    if (code == 2) {
        FUZZ_CHECK(line == (comm ? ComMissingLine(name) : PrinterMissingLine(name)));
        return;
    }
    // The platform's texts are C strings: a NUL ends one.
    const std::string message = env.Message(code);
    const std::string reason = message.size() < kErrorTextSize ? AsCString(message) : std::string();
    const std::string whole = name + ": " + reason + (comm ? "" : ".");
    FUZZ_CHECK(whole.compare(0, line.size(), line) == 0);
    if (line.size() < whole.size()) {
        const unsigned char next = static_cast<unsigned char>(whole[line.size()]);
        FUZZ_CHECK(next < 32 || line.size() == kPortLineSize - 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzPortEnvironment env(ParseFuzzRecords(data, size));
    const PortLists lists = GatherPortLines(env);

    // COM1 to COM8, then LPT1 to LPT4, each probed once and given one line.
    std::vector<std::string> names;
    for (int n = 1; n <= 8; ++n)
        names.push_back("COM" + std::to_string(n));
    for (int n = 1; n <= 4; ++n)
        names.push_back("LPT" + std::to_string(n));
    FUZZ_CHECK(env.opened == names);
    FUZZ_CHECK(lists.comm.size() == 8 && lists.printer.size() == 4);
    for (size_t i = 0; i < 8; ++i)
        CheckPortLine(env, PortKind::Communication, names[i], lists.comm[i]);
    for (size_t i = 0; i < 4; ++i)
        CheckPortLine(env, PortKind::Printer, names[8 + i], lists.printer[i]);
    for (size_t bufferSize : env.messageBufferSizes)
        FUZZ_CHECK(bufferSize == kErrorTextSize);

    // The error text holds its buffer's limit whatever the platform answers.
    for (const auto& [code, message] : env.messages) {
        const std::string text = PortErrorText(env, code);
        FUZZ_CHECK(text == (message.size() < kErrorTextSize ? message : std::string()));
    }

    // One whole summary line per serial or parallel spooler port, in the spooler's order.
    std::vector<std::string> summary;
    if (!env.spoolerFails) {
        for (const SpoolerPort& port : env.spoolerPorts) {
            if (!port.portName)
                continue;
            const bool listed = IsListedPortName(port.portName->c_str());
            std::string prefix = port.portName->substr(0, 3);
            for (char& c : prefix)
                c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
            FUZZ_CHECK(!listed || prefix == "COM" || prefix == "LPT");
            if (listed) {
                summary.push_back(*port.portName + " " + port.monitorName.value_or("") + ". It is a " +
                                  port.description.value_or("") + ".");
                FUZZ_CHECK(ComposeSummaryLine(port) == summary.back());
            }
        }
    }
    FUZZ_CHECK(lists.summary == summary);
    FUZZ_CHECK(!IsListedPortName(nullptr));
    return 0;
}
