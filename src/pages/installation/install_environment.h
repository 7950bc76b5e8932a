// What the installation diagnosis asks of the machine: the Windows directories, the product's
// configuration file through the profile functions, and plain tests on files and paths.
#pragma once

#include <cstdint>
#include <string>

// The product's configuration file. The profile functions find it in the Windows directory by
// this bare name; the presence test joins it to that directory itself.
constexpr char kConfigFileName[] = "kvcfg_32.ini";

// What opening a file and moving to its end told about it.
struct FileMeasure {
    bool opened = false;    // false: it could not be opened for reading
    bool sized = false;     // false: it opened, but the end-of-file position could not be taken
    uint32_t sizeBytes = 0; // meaningful only when sized
};

// The platform as the diagnosis sees it. The Windows implementation makes the real calls; tests
// use one kept in memory.
class InstallEnvironment {
public:
    virtual ~InstallEnvironment() = default;

    // Directories
    virtual std::string QueryWindowsDirectory() = 0;
    // The system folder that holds 32-bit libraries: SysWOW64 on 64-bit Windows.
    virtual std::string QuerySystemDirectory() = 0;

    // Files and paths
    // Opens the file for reading (others may read and write it meanwhile) and closes it at once.
    virtual bool CanOpenForReading(const std::string& path) = 0;
    // Any attributes, of a file or of a directory, mean that it exists; an empty path never does.
    virtual bool PathExists(const std::string& path) = 0;
    // Opens the file for reading, takes its size by moving to its end, and closes it.
    virtual FileMeasure MeasureFile(const std::string& path) = 0;

    // Configuration file
    // The value of section/key, empty when the key is absent. capacity counts characters with the
    // terminator, so a longer value arrives cut to capacity - 1 characters.
    virtual std::string ReadProfileValue(const std::string& section, const std::string& key,
                                         uint32_t capacity) = 0;
    // Sets Drivers/key to "none"; false when the write failed.
    virtual bool WriteDriverNone(const std::string& key) = 0;
};
