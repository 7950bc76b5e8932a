// The rule by which the auxiliary devices page tells like devices apart in its list.
#include "probes/aux_devices.h"

#include <gtest/gtest.h>

TEST(AuxListName, LikeNamesGetTheDeviceNumber) {
    using namespace std::string_literals;
    struct {
        const char* row;
        std::string name;
        std::string previous;
        std::string expected; // device 2, so a suffix reads " - Aux 3."
    } cases[] = {
        {"short names, identical", "Line In", "Line In", "Line In - Aux 3."},
        {"short names, one letter apart", "Line In", "Line Im", "Line In"},
        {"8 to 13 characters: first 5 agree", "CD Audio 1", "CD Au", "CD Audio 1 - Aux 3."},
        {"8 to 13 characters: 5th differs", "CD Audio 1", "CD Ax", "CD Audio 1"},
        {"14 or more: all but the last 8 agree", "Mixer Aux Input 12", "Mixer Aux XXX",
         "Mixer Aux Input 12 - Aux 3."},
        {"14 or more: differs within the first L - 8", "Mixer Aux Input 12", "Mixer AuX",
         "Mixer Aux Input 12"},
        {"previous list name carries its own suffix", "CD Audio", "CD Audio - Aux 2.", "CD Audio - Aux 3."},
        // The name's length is counted up to its first NUL, like everything else about it.
        {"NUL within the name", "Synth\0tiseur"s, "SynthXX", "Synth\0tiseur"s},
        {"NUL within both names", "Line\0 one"s, "Line\0 two"s, "Line\0 one - Aux 3."s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(c.expected, AuxListName(c.name, &c.previous, 2));
        EXPECT_EQ(c.name, AuxListName(c.name, nullptr, 2));
    }
}
