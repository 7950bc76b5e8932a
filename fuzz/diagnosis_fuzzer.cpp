// The installation diagnosis over a machine whose every answer comes from the input:
//   windows=<dir>  system=<dir>            the two directories
//   dir=<path>                             a directory that exists
//   file=<bytes> <path>                    a file that opens, of that size ("?": size unknown;
//                                          "locked": it exists but does not open)
//   <Section>/<Key>=<value>                a configuration value, answered whole, capacity or not
//   readonly=<key>                         writing Drivers/<key> fails
// Paths are looked up as the platform does, up to their first NUL.
#include "pages/installation/diagnosis.h"

#include "fake_input.h"
#include "installation_texts.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

constexpr uint32_t kPathCapacity = 50;
constexpr uint32_t kDriverCapacity = 20;
const char* const kDriverKeys[] = {"Braille16", "Braille32", "Speech32"};

class FuzzInstallEnvironment : public InstallEnvironment {
public:
    std::string windowsDirectory, systemDirectory;
    std::set<std::string> directories;
    std::map<std::string, FileMeasure> files; // opened false: exists but is locked
    std::map<std::string, std::string> profile;
    std::set<std::string> readonlyKeys;

    struct Read {
        std::string section, key;
        uint32_t capacity;
        std::string value;
    };
    std::vector<Read> reads;
    std::vector<std::pair<std::string, bool>> existenceAnswers; // path and answer, in order
    std::vector<std::pair<std::string, bool>> openAnswers;
    std::vector<std::pair<std::string, bool>> writes;

    explicit FuzzInstallEnvironment(const std::vector<FuzzRecord>& records) {
        for (const FuzzRecord& record : records) {
            if (record.name == "windows") {
                windowsDirectory = record.value;
            } else if (record.name == "system") {
                systemDirectory = record.value;
            } else if (record.name == "dir") {
                directories.insert(AsCString(record.value));
            } else if (record.name == "file") {
                const size_t space = record.value.find(' ');
                const std::string size = record.value.substr(0, space);
                const std::string path =
                    space == std::string::npos ? std::string() : AsCString(record.value.substr(space + 1));
                FileMeasure measure;
                measure.opened = size != "locked";
                if (const std::optional<uint32_t> bytes = ParseFuzzNumber(size)) {
                    measure.sized = true;
                    measure.sizeBytes = *bytes;
                }
                files[path] = measure;
            } else if (record.name == "readonly") {
                readonlyKeys.insert(record.value);
            } else if (record.name.find('/') != std::string::npos) {
                profile[record.name] = record.value;
            }
        }
    }

    std::string QueryWindowsDirectory() override { return windowsDirectory; }
    std::string QuerySystemDirectory() override { return systemDirectory; }
    bool CanOpenForReading(const std::string& path) override {
        const bool opens = MeasureFile(path).opened;
        openAnswers.emplace_back(path, opens);
        return opens;
    }
    bool PathExists(const std::string& path) override {
        const std::string name = AsCString(path);
        const bool exists = !name.empty() && (directories.count(name) != 0 || files.count(name) != 0);
        existenceAnswers.emplace_back(path, exists);
        return exists;
    }
    FileMeasure MeasureFile(const std::string& path) override {
        const auto found = files.find(AsCString(path));
        return found == files.end() ? FileMeasure{} : found->second;
    }
    std::string ReadProfileValue(const std::string& section, const std::string& key,
                                 uint32_t capacity) override {
        const auto found = profile.find(section + "/" + key);
        const std::string value = found == profile.end() ? std::string() : found->second;
        reads.push_back({section, key, capacity, value});
        return value;
    }
    bool WriteDriverNone(const std::string& key) override {
        const bool written = readonlyKeys.count(key) == 0;
        writes.emplace_back(key, written);
        if (written)
            profile["Drivers/" + key] = "none";
        return written;
    }
};

bool IsDriverKey(const std::string& key) {
    return std::find(std::begin(kDriverKeys), std::end(kDriverKeys), key) != std::end(kDriverKeys);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInstallEnvironment env(ParseFuzzRecords(data, size));
    const Diagnosis diagnosis = ClassifyInstallation(env);

    // One of the outcomes, with exactly its texts; only the main-directory outcome gives each reason
    // a solution of its own and widens the list.
    FUZZ_CHECK(diagnosis.outcome >= 1 && diagnosis.outcome <= kOutcomeRepairFailed);
    const OutcomeTexts* texts = kOutcomeTexts[diagnosis.outcome];
    FUZZ_CHECK(diagnosis.problemText == texts->problem);
    FUZZ_CHECK(diagnosis.reasons == texts->reasons);
    FUZZ_CHECK(diagnosis.solutionText == texts->solution);
    FUZZ_CHECK(diagnosis.notesText == texts->notes);
    FUZZ_CHECK(diagnosis.solutionMode == (diagnosis.outcome == 2 ? 1 : 0));
    FUZZ_CHECK(diagnosis.widenReasonList == (diagnosis.outcome == 2));

    // The configuration file decides outcome 1 alone, the main directory outcome 2.
    FUZZ_CHECK(!env.openAnswers.empty());
    FUZZ_CHECK(env.openAnswers.front().first == env.windowsDirectory + "\\kvcfg_32.ini");
    FUZZ_CHECK((diagnosis.outcome == 1) == !env.openAnswers.front().second);
    if (diagnosis.outcome >= 2) {
        FUZZ_CHECK(!env.existenceAnswers.empty());
        FUZZ_CHECK((diagnosis.outcome == 2) == !env.existenceAnswers.front().second);
    }

    // Every value is read with its own capacity, and no more of it than that reaches a path.
    for (const FuzzInstallEnvironment::Read& read : env.reads) {
        FUZZ_CHECK(read.capacity == (IsDriverKey(read.key) ? kDriverCapacity : kPathCapacity));
        FUZZ_CHECK(read.section == (read.key == "MainDirectory" || read.key == "Driver16Directory" ||
                                            read.key == "Driver32Directory"
                                        ? "System"
                                        : "Drivers"));
    }
    for (const auto& [path, exists] : env.existenceAnswers)
        FUZZ_CHECK(path.size() <= kPathCapacity - 1);

    // A repair only on a sound installation, only of placeholder entries, each at most once.
    if (diagnosis.outcome >= 8) {
        FUZZ_CHECK(env.existenceAnswers.size() == 4);
        for (const auto& [path, exists] : env.existenceAnswers)
            FUZZ_CHECK(exists);
    }
    std::set<std::string> written;
    bool anyFailed = false;
    for (const auto& [key, ok] : env.writes) {
        FUZZ_CHECK(IsDriverKey(key));
        FUZZ_CHECK(written.insert(key).second);
        anyFailed |= !ok;
    }
    for (const FuzzInstallEnvironment::Read& read : env.reads) {
        if (!IsDriverKey(read.key))
            continue;
        FUZZ_CHECK(diagnosis.outcome >= 8);
        const bool placeholder = read.value.substr(0, kDriverCapacity - 1).rfind("KVCNOVOX", 0) == 0;
        FUZZ_CHECK(placeholder == (written.count(read.key) != 0));
    }
    FUZZ_CHECK(env.writes.empty() == (diagnosis.outcome != 8 && diagnosis.outcome != kOutcomeRepairFailed));
    FUZZ_CHECK(anyFailed == (diagnosis.outcome == kOutcomeRepairFailed));
    return 0;
}
