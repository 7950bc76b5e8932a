// The Braille check over a platform whose answers come from the input:
//   system.ini:<Section>/<Key>=<value>     a SYSTEM.INI value, answered whole, capacity or not
//   kvcfg_32.ini:<Section>/<Key>=<value>   the same of the product's configuration file
//   file=<path>                            a file that opens for reading
//   port=<name>                            a port that opens exclusively
// Paths and port names are looked up as the platform does, up to their first NUL.
#include "pages/braille/braille.h"

#include "braille_texts.h"
#include "fake_input.h"

#include <map>
#include <set>

namespace {

class FuzzBrailleEnvironment : public BrailleEnvironment {
public:
    std::map<std::string, std::string> systemIni, config;
    std::set<std::string> files, ports;

    std::vector<std::string> reads; // "<file>:<section>/<key>@<capacity>", in order
    std::vector<std::string> fileQueries, portQueries;

    explicit FuzzBrailleEnvironment(const std::vector<FuzzRecord>& records) {
        for (const FuzzRecord& record : records) {
            if (record.name.rfind("system.ini:", 0) == 0)
                systemIni[record.name.substr(11)] = record.value;
            else if (record.name.rfind("kvcfg_32.ini:", 0) == 0)
                config[record.name.substr(13)] = record.value;
            else if (record.name == "file")
                files.insert(AsCString(record.value));
            else if (record.name == "port")
                ports.insert(AsCString(record.value));
        }
    }

    std::string ReadSystemIniValue(const std::string& section, const std::string& key,
                                   uint32_t capacity) override {
        return Read("system.ini", systemIni, section, key, capacity);
    }
    std::string ReadConfigValue(const std::string& section, const std::string& key,
                                uint32_t capacity) override {
        return Read("kvcfg_32.ini", config, section, key, capacity);
    }
    bool CanOpenForReading(const std::string& path) override {
        fileQueries.push_back(path);
        return files.count(AsCString(path)) != 0;
    }
    bool CanOpenPortExclusively(const std::string& name) override {
        portQueries.push_back(name);
        return ports.count(AsCString(name)) != 0;
    }

    std::string Value(const std::map<std::string, std::string>& file, const std::string& name) const {
        const auto found = file.find(name);
        return found == file.end() ? std::string() : found->second;
    }

private:
    std::string Read(const char* fileName, const std::map<std::string, std::string>& file,
                     const std::string& section, const std::string& key, uint32_t capacity) {
        reads.push_back(std::string(fileName) + ":" + section + "/" + key + "@" + std::to_string(capacity));
        return Value(file, section + "/" + key);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzBrailleEnvironment env(ParseFuzzRecords(data, size));
    const std::string status = CheckBrailleDriver(env);

    // The port name and the main directory, each read with its capacity and used within it.
    FUZZ_CHECK((env.reads == std::vector<std::string>{"system.ini:ABTW/lpt_port@5",
                                                      "kvcfg_32.ini:System/MainDirectory@50"}));
    const std::string port = env.Value(env.systemIni, "ABTW/lpt_port").substr(0, 4);
    const std::string mainDirectory = env.Value(env.config, "System/MainDirectory").substr(0, 49);

    // The driver file is tried once, then the port, only when there is a driver and a port name.
    FUZZ_CHECK(env.fileQueries == std::vector<std::string>{mainDirectory + "\\DRIVER16\\ABTWIN.DLL"});
    const bool driverOpens = env.files.count(AsCString(env.fileQueries.front())) != 0;
    if (driverOpens && !port.empty())
        FUZZ_CHECK(env.portQueries == std::vector<std::string>{port});
    else
        FUZZ_CHECK(env.portQueries.empty());
    const bool portOpens = !env.portQueries.empty() && env.ports.count(AsCString(port)) != 0;

    // One of the status texts, the one the three facts give.
    FUZZ_CHECK(status == (!driverOpens   ? kBrailleNotFoundStatus
                          : port.empty() ? kBrailleNoPortStatus
                          : !portOpens   ? BraillePortUnavailableStatus(port)
                                         : BrailleFoundStatus(port)));
    FUZZ_CHECK(status != kBrailleNoCheckStatus);
    return 0;
}
