// The installation diagnosis over an installation kept in memory: outcomes, reading capacities,
// where the runtime libraries are looked for, and the driver-entry repair.
#include "pages/installation/diagnosis.h"

#include <gtest/gtest.h>

#include "installation_texts.h"

#include <functional>
#include <map>
#include <set>
#include <utility>

class FakeInstallEnvironment : public InstallEnvironment {
public:
    std::string windowsDirectory = "C:\\WINDOWS";
    std::string systemDirectory = "C:\\WINDOWS\\SYSTEM32";
    std::set<std::string> directories;
    std::map<std::string, FileMeasure> files;   // by full path; opened false = locked
    std::map<std::string, std::string> profile; // "Section/Key" -> value
    std::set<std::string> unwritableKeys;
    bool ignoresCapacity = false;                        // answers whole values, however long
    std::vector<std::pair<std::string, uint32_t>> reads; // key and capacity, in order
    std::vector<std::string> writtenKeys;                // every write attempted, in order

    std::string QueryWindowsDirectory() override { return windowsDirectory; }
    std::string QuerySystemDirectory() override { return systemDirectory; }
    bool CanOpenForReading(const std::string& path) override { return MeasureFile(path).opened; }
    bool PathExists(const std::string& path) override {
        return !path.empty() && (directories.count(path) != 0 || files.count(path) != 0);
    }
    FileMeasure MeasureFile(const std::string& path) override {
        auto found = files.find(path);
        return found == files.end() ? FileMeasure{} : found->second;
    }
    std::string ReadProfileValue(const std::string& section, const std::string& key,
                                 uint32_t capacity) override {
        reads.emplace_back(key, capacity);
        auto found = profile.find(section + "/" + key);
        if (found == profile.end()) {
            return std::string();
        }
        return ignoresCapacity ? found->second : found->second.substr(0, capacity - 1);
    }
    bool WriteDriverNone(const std::string& key) override {
        writtenKeys.push_back(key);
        if (unwritableKeys.count(key) != 0) {
            return false;
        }
        profile["Drivers/" + key] = "none";
        return true;
    }
};

static FileMeasure Sized(uint32_t bytes) {
    return {true, true, bytes};
}

static const char kConfig[] = "C:\\WINDOWS\\kvcfg_32.ini";
static const char kMsvcrt[] = "C:\\WINDOWS\\system\\msvcrt20.dll";
static const char kMfc[] = "C:\\WINDOWS\\system\\mfc30.dll";
static const char kMsvcrtNt[] = "C:\\WINDOWS\\SYSTEM32\\msvcrt20.dll";

// Every test passes and every driver entry is "none".
static FakeInstallEnvironment SoundInstallation() {
    FakeInstallEnvironment env;
    env.files = {{kConfig, Sized(900)}, {kMsvcrt, Sized(250000)}, {kMfc, Sized(300000)}};
    env.directories = {"C:\\KELVORN", "C:\\KELVORN\\DRIVER16", "C:\\KELVORN\\DRIVER32", "C:\\KELVORN\\MM"};
    env.profile = {{"System/MainDirectory", "C:\\KELVORN"},
                   {"System/Driver16Directory", "C:\\KELVORN\\DRIVER16"},
                   {"System/Driver32Directory", "C:\\KELVORN\\DRIVER32"},
                   {"Drivers/Multimedia", "C:\\KELVORN\\MM"},
                   {"Drivers/Braille16", "none"},
                   {"Drivers/Braille32", "none"},
                   {"Drivers/Speech32", "none"}};
    return env;
}

// Only a missing main directory gives each reason a solution of its own and widens the reasons list.
static_assert(kRepairFailed == kOutcomeRepairFailed && std::size(kOutcomeTexts) == kRepairFailed + 1);

static void ExpectDiagnosis(int outcome, const Diagnosis& actual) {
    const OutcomeTexts& texts = *kOutcomeTexts[outcome];
    EXPECT_EQ(outcome, actual.outcome);
    EXPECT_EQ(texts.problem, actual.problemText);
    EXPECT_EQ(texts.reasons, actual.reasons);
    EXPECT_EQ(texts.solution, actual.solutionText);
    EXPECT_EQ(texts.notes, actual.notesText);
    EXPECT_EQ(outcome == kMainMissing ? 1 : 0, actual.solutionMode);
    EXPECT_EQ(outcome == kMainMissing, actual.widenReasonList);
}

struct OutcomeCase {
    const char* name;
    std::function<void(FakeInstallEnvironment&)> change;
    int expected;
};

// clang-format off
static const OutcomeCase kOutcomeCases[] = {
    {"config file absent", [](auto& env) { env.files.erase(kConfig); }, kConfigMissing},
    {"config file locked", [](auto& env) { env.files[kConfig] = FileMeasure{}; }, kConfigMissing},
    {"MainDirectory absent", [](auto& env) { env.profile.erase("System/MainDirectory"); }, kMainMissing},
    {"MainDirectory empty", [](auto& env) { env.profile["System/MainDirectory"] = ""; }, kMainMissing},
    {"MainDirectory not there", [](auto& env) { env.directories.erase("C:\\KELVORN"); }, kMainMissing},
    {"main directory and msvcrt20 missing",
     [](auto& env) { env.directories.erase("C:\\KELVORN"); env.files.erase(kMsvcrt); }, kMainMissing},
    {"Driver16Directory absent",
     [](auto& env) { env.profile.erase("System/Driver16Directory"); }, kDirectoriesMissing},
    {"Multimedia not there",
     [](auto& env) { env.directories.erase("C:\\KELVORN\\MM"); }, kDirectoriesMissing},
    {"msvcrt20 missing", [](auto& env) { env.files.erase(kMsvcrt); }, kMsvcrtMissing},
    {"a directory and msvcrt20 missing",
     [](auto& env) { env.directories.erase("C:\\KELVORN\\DRIVER32"); env.files.erase(kMsvcrt); },
     kMsvcrtMissing},
    {"msvcrt20 opens in neither directory",
     [](auto& env) { env.files.erase(kMsvcrt); env.files[kMsvcrtNt] = FileMeasure{}; }, kMsvcrtMissing},
    {"msvcrt20 199999 bytes", [](auto& env) { env.files[kMsvcrt] = Sized(199999); }, kMsvcrtCorrupt},
    {"msvcrt20 empty", [](auto& env) { env.files[kMsvcrt] = Sized(0); }, kMsvcrtCorrupt},
    {"msvcrt20 size unknown",
     [](auto& env) { env.files[kMsvcrt] = FileMeasure{true, false, 4000000}; }, kMsvcrtCorrupt},
    {"msvcrt20 199999 bytes only in system32",
     [](auto& env) { env.files.erase(kMsvcrt); env.files[kMsvcrtNt] = Sized(199999); }, kMsvcrtCorrupt},
    {"short copy in system hides a sound one in system32",
     [](auto& env) { env.files[kMsvcrt] = Sized(10); env.files[kMsvcrtNt] = Sized(250000); }, kMsvcrtCorrupt},
    {"mfc30 missing", [](auto& env) { env.files.erase(kMfc); }, kMfcMissing},
    {"both libraries missing",
     [](auto& env) { env.files.erase(kMsvcrt); env.files.erase(kMfc); }, kMfcMissing},
    {"msvcrt20 corrupt, mfc30 missing",
     [](auto& env) { env.files[kMsvcrt] = Sized(5); env.files.erase(kMfc); }, kMfcMissing},
    {"mfc30 corrupt", [](auto& env) { env.files[kMfc] = Sized(199999); }, kMfcCorrupt},
    {"Braille16 placeholder", [](auto& env) { env.profile["Drivers/Braille16"] = "KVCNOVOX"; }, kRepaired},
    {"all three placeholders", [](auto& env) {
         for (const char* key : {"Drivers/Braille16", "Drivers/Braille32", "Drivers/Speech32"}) {
             env.profile[key] = "KVCNOVOX";
         }
     }, kRepaired},
    {"everything sound", [](auto&) {}, kSound},
    {"main directory is a plain file",
     [](auto& env) { env.directories.erase("C:\\KELVORN"); env.files["C:\\KELVORN"] = Sized(3); }, kSound},
    {"libraries of exactly 200000 bytes",
     [](auto& env) { env.files[kMsvcrt] = Sized(200000); env.files[kMfc] = Sized(200000); }, kSound},
    {"msvcrt20 only in system32",
     [](auto& env) { env.files.erase(kMsvcrt); env.files[kMsvcrtNt] = Sized(250000); }, kSound},
    {"Speech32 placeholder not writable",
     [](auto& env) { env.profile["Drivers/Speech32"] = "KVCNOVOX"; env.unwritableKeys = {"Speech32"}; },
     kRepairFailed},
};
// clang-format on

TEST(ClassifyInstallation, OutcomeTexts) {
    for (const OutcomeCase& row : kOutcomeCases) {
        SCOPED_TRACE(row.name);
        FakeInstallEnvironment env = SoundInstallation();
        row.change(env);
        ExpectDiagnosis(row.expected, ClassifyInstallation(env));
    }
}

TEST(ClassifyInstallation, NoRepairWhenAnEarlierTestFails) {
    for (const OutcomeCase& row : kOutcomeCases) {
        if (row.expected > kMfcCorrupt) {
            continue;
        }
        SCOPED_TRACE(row.name);
        FakeInstallEnvironment env = SoundInstallation();
        for (const char* key : {"Drivers/Braille16", "Drivers/Braille32", "Drivers/Speech32"}) {
            env.profile[key] = "KVCNOVOX";
        }
        row.change(env);
        ExpectDiagnosis(row.expected, ClassifyInstallation(env));
        EXPECT_EQ(std::vector<std::string>{}, env.writtenKeys);
    }
}

TEST(ClassifyInstallation, ReadsEachKeyWithItsCapacityInOrder) {
    FakeInstallEnvironment env = SoundInstallation();
    ClassifyInstallation(env);
    const std::vector<std::pair<std::string, uint32_t>> expected = {
        {"MainDirectory", 50}, {"Driver16Directory", 50}, {"Driver32Directory", 50}, {"Multimedia", 50},
        {"Braille16", 20},     {"Braille32", 20},         {"Speech32", 20}};
    EXPECT_EQ(expected, env.reads);
}

TEST(ClassifyInstallation, LongMainDirectoryIsTestedAsItsFirst49Characters) {
    const std::string full(60, 'K');
    struct {
        const char* name;
        std::string existing;
        bool ignoresCapacity;
        int outcome;
    } cases[] = {
        {"only the cut path exists", full.substr(0, 49), false, kSound},
        {"only the full path exists", full, false, kMainMissing},
        {"environment answering past the capacity, cut path exists", full.substr(0, 49), true, kSound},
        {"environment answering past the capacity, full path exists", full, true, kMainMissing},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        FakeInstallEnvironment env = SoundInstallation();
        env.ignoresCapacity = row.ignoresCapacity;
        env.profile["System/MainDirectory"] = full;
        env.directories.insert(row.existing);
        EXPECT_EQ(row.outcome, ClassifyInstallation(env).outcome);
    }
}

TEST(ClassifyInstallation, RepairsOnlyPlaceholderDriverEntries) {
    const char* absent = nullptr;
    struct {
        const char* name;
        const char* braille16; // nullptr: the key is absent
        const char* braille32;
        const char* speech32;
        std::set<std::string> unwritable;
        int outcome;
        std::vector<std::string> written;
    } cases[] = {
        {"longer value", "KVCNOVOX ALVA 16", "none", absent, {}, 8, {"Braille16"}},
        {"longer than the capacity", "KVCNOVOX0123456789ABCDEF", "none", "none", {}, 8, {"Braille16"}},
        {"lower case", "kvcnovox", "none", "none", {}, 9, {}},
        {"seven letters", "KVCNOVO", "KVCNOVO", "KVCNOVO", {}, 9, {}},
        {"placeholder not at the start", " KVCNOVOX", "none", "none", {}, 9, {}},
        {"all three", "KVCNOVOX", "KVCNOVOX", "KVCNOVOX", {}, 8, {"Braille16", "Braille32", "Speech32"}},
        {"absent keys", absent, absent, "KVCNOVOX", {}, 8, {"Speech32"}},
        // clang-format off
        {"first write fails, the rest still written", "KVCNOVOX", "KVCNOVOX", "KVCNOVOX", {"Braille16"},
         kOutcomeRepairFailed, {"Braille16", "Braille32", "Speech32"}},
        // clang-format on
        {"failing key not a placeholder", "none", "KVCNOVOX", "none", {"Braille16"}, 8, {"Braille32"}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        FakeInstallEnvironment env = SoundInstallation();
        std::map<std::string, const char*> before = {{"Drivers/Braille16", row.braille16},
                                                     {"Drivers/Braille32", row.braille32},
                                                     {"Drivers/Speech32", row.speech32}};
        for (const auto& [key, value] : before) {
            env.profile.erase(key);
            if (value != nullptr) {
                env.profile[key] = value;
            }
        }
        env.unwritableKeys = row.unwritable;

        EXPECT_EQ(row.outcome, ClassifyInstallation(env).outcome);
        EXPECT_EQ(row.written, env.writtenKeys);
        for (const auto& [key, value] : before) {
            bool rewritten = false;
            for (const std::string& written : row.written) {
                rewritten |= key == "Drivers/" + written && row.unwritable.count(written) == 0;
            }
            auto now = env.profile.find(key);
            if (value == nullptr) {
                EXPECT_EQ(env.profile.end(), now) << key << " was created";
            } else {
                ASSERT_NE(env.profile.end(), now) << key;
                EXPECT_EQ(rewritten ? std::string("none") : std::string(value), now->second) << key;
            }
        }
    }
}
