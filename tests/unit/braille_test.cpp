// The Braille check: its order of looking, the room of its values and its five status texts.
#include "pages/braille/braille.h"

#include <gtest/gtest.h>

#include <map>

#include "braille_texts.h"

// Profile values, files and ports held in memory; it records what was opened, in order.
class FakeBrailleEnvironment : public BrailleEnvironment {
public:
    std::string port, mainDirectory;
    std::vector<std::string> files, freePorts;
    std::vector<std::string> opened;

    std::string ReadSystemIniValue(const std::string& section, const std::string& key,
                                   uint32_t capacity) override {
        EXPECT_EQ("ABTW/lpt_port/5", section + "/" + key + "/" + std::to_string(capacity));
        return port; // as a careless platform might: uncut
    }
    std::string ReadConfigValue(const std::string& section, const std::string& key,
                                uint32_t capacity) override {
        EXPECT_EQ("System/MainDirectory/50", section + "/" + key + "/" + std::to_string(capacity));
        return mainDirectory;
    }
    bool CanOpenForReading(const std::string& path) override {
        opened.push_back("file " + path);
        return std::find(files.begin(), files.end(), path) != files.end();
    }
    bool CanOpenPortExclusively(const std::string& name) override {
        opened.push_back("port " + name);
        return std::find(freePorts.begin(), freePorts.end(), name) != freePorts.end();
    }
};

TEST(CheckBrailleDriver, StatusByDriverFileAndPort) {
    const std::string dir49 = "C:\\" + std::string(45, 'k') + "\\";
    struct {
        const char* row;
        std::string port, mainDirectory;
        std::vector<std::string> files, freePorts;
        std::string status;
        std::vector<std::string> opened;
    } cases[] = {
        {"driver missing, port named",
         "LPT1",
         "C:\\Kelvorn32",
         {},
         {"LPT1"},
         kBrailleNotFoundStatus,
         {"file C:\\Kelvorn32\\DRIVER16\\ABTWIN.DLL"}},
        {"driver present, no port",
         "",
         "C:\\Kelvorn32",
         {"C:\\Kelvorn32\\DRIVER16\\ABTWIN.DLL"},
         {},
         kBrailleNoPortStatus,
         {"file C:\\Kelvorn32\\DRIVER16\\ABTWIN.DLL"}},
        {"port held or missing",
         "LPT2",
         "C:\\K",
         {"C:\\K\\DRIVER16\\ABTWIN.DLL"},
         {},
         BraillePortUnavailableStatus("LPT2"),
         {"file C:\\K\\DRIVER16\\ABTWIN.DLL", "port LPT2"}},
        {"port free",
         "LPT1",
         "C:\\K",
         {"C:\\K\\DRIVER16\\ABTWIN.DLL"},
         {"LPT1"},
         BrailleFoundStatus("LPT1"),
         {"file C:\\K\\DRIVER16\\ABTWIN.DLL", "port LPT1"}},
        {"port of five characters cut to four",
         "COM12",
         "C:\\K",
         {"C:\\K\\DRIVER16\\ABTWIN.DLL"},
         {"COM1"},
         BrailleFoundStatus("COM1"),
         {"file C:\\K\\DRIVER16\\ABTWIN.DLL", "port COM1"}},
        {"main directory of 49 ending in a backslash",
         "LPT1",
         dir49 + "tail cut",
         {dir49 + "\\DRIVER16\\ABTWIN.DLL"},
         {},
         BraillePortUnavailableStatus("LPT1"),
         {"file " + dir49 + "\\DRIVER16\\ABTWIN.DLL", "port LPT1"}},
        {"no main directory: the path starts at the root",
         "LPT1",
         "",
         {"\\DRIVER16\\ABTWIN.DLL"},
         {"LPT1"},
         BrailleFoundStatus("LPT1"),
         {"file \\DRIVER16\\ABTWIN.DLL", "port LPT1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        FakeBrailleEnvironment environment;
        environment.port = c.port;
        environment.mainDirectory = c.mainDirectory;
        environment.files = c.files;
        environment.freePorts = c.freePorts;
        EXPECT_EQ(c.status, CheckBrailleDriver(environment));
        EXPECT_EQ(c.opened, environment.opened);
    }
}
