// The hand-kept resource files: no dialog may have two controls with one id, in the header's
// blocks or in the templates themselves; and the order of each page's template is the order in which
// a screen reader names its lists and reads its texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "pages/wave/wave_devices.h"

namespace {

std::vector<std::string> ReadLines(const char* path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::map<std::string, long> HeaderValues() {
    std::map<std::string, long> values;
    const std::regex define(R"(^#define\s+(\w+)\s+(-?\d+))");
    for (const std::string& line : ReadLines(VITTREL_RESOURCE_HEADER)) {
        std::smatch m;
        if (std::regex_search(line, m, define))
            values[m[1]] = std::stol(m[2]);
    }
    return values;
}

// Splits a control statement's arguments at commas outside quotes.
std::vector<std::string> Arguments(const std::string& text) {
    std::vector<std::string> args(1);
    bool quoted = false;
    for (char c : text) {
        if (c == '"')
            quoted = !quoted;
        if (c == ',' && !quoted)
            args.emplace_back();
        else
            args.back() += c;
    }
    for (std::string& a : args)
        a = std::regex_replace(a, std::regex(R"(^\s+|\s+$)"), "");
    return args;
}

// One control of a dialog template.
struct TemplateControl {
    std::string kind; // LTEXT, GROUPBOX, LISTBOX, ...
    std::string text; // without its quotes; empty for a list
    std::string id;   // as written: a name of the header or a number
    long x = 0;       // the left edge
};

// Each template of the script by its dialog's name, the controls in template order (z-order).
std::map<std::string, std::vector<TemplateControl>> Templates() {
    const std::regex dialogStart(R"(^(\w+)\s+DIALOG\b)");
    const std::regex control(
        R"(^\s+(LTEXT|CTEXT|RTEXT|GROUPBOX|LISTBOX|PUSHBUTTON|DEFPUSHBUTTON|CONTROL)\s+(.*)$)");
    std::map<std::string, std::vector<TemplateControl>> templates;
    std::vector<TemplateControl>* controls = nullptr;
    for (const std::string& line : ReadLines(VITTREL_RESOURCE_SCRIPT)) {
        std::smatch m;
        if (std::regex_search(line, m, dialogStart))
            controls = &templates[m[1]];
        else if (controls != nullptr && std::regex_search(line, m, control)) {
            const std::vector<std::string> args = Arguments(m[2]);
            if (m[1] == "LISTBOX")
                controls->push_back({m[1], "", args[0], std::stol(args.at(1))});
            else
                controls->push_back({m[1], std::regex_replace(args[0], std::regex("^\"|\"$"), ""), args.at(1),
                                     m[1] == "CONTROL" ? 0 : std::stol(args.at(2))});
        }
    }
    return templates;
}

TEST(ResourceHeader, NoTwoControlsOfADialogShareAnId) {
    const std::regex define(R"(^#define\s+(\w+)\s+(-?\d+))");
    std::string dialog;
    std::map<std::string, std::map<long, std::string>> blocks;
    for (const std::string& line : ReadLines(VITTREL_RESOURCE_HEADER)) {
        std::smatch m;
        if (!std::regex_search(line, m, define))
            continue;
        const std::string name = m[1];
        if (name.rfind("IDD_", 0) == 0) {
            dialog = name;
            continue;
        }
        if (dialog.empty() || name.rfind("IDC_", 0) != 0)
            continue;
        const long value = std::stol(m[2]);
        auto [it, fresh] = blocks[dialog].emplace(value, name);
        EXPECT_TRUE(fresh) << dialog << ": " << name << " and " << it->second << " are both " << value;
    }
    EXPECT_EQ(7u, blocks.size()) << "a block for the About box and each of the six pages";
}

TEST(ResourceScript, NoTwoControlsOfATemplateShareAnId) {
    const std::map<std::string, long> values = HeaderValues();
    const auto templates = Templates();
    for (const auto& [dialog, controls] : templates) {
        std::set<long> seen;
        for (const TemplateControl& control : controls) {
            const auto known = values.find(control.id);
            const long id = known != values.end() ? known->second : std::stol(control.id);
            EXPECT_TRUE(id == -1 || seen.insert(id).second)
                << dialog << ": id " << control.id << " (" << id << ") used twice";
        }
    }
    EXPECT_EQ(7u, templates.size());
}

bool IsStatic(const TemplateControl& control) {
    return control.kind == "LTEXT" || control.kind == "CTEXT" || control.kind == "RTEXT";
}

// What a screen reader says for a static or a group box: the name that the page gives it, its
// caption, or the id of a value that the page fills in.
std::string Said(const TemplateControl& control) {
    static const std::map<std::string, long> values = HeaderValues();
    const auto id = values.find(control.id);
    for (const FormatColumnName& column : kFormatColumnNames)
        if (id != values.end() && id->second == column.headingId)
            return column.name;
    return control.id == "-1" ? control.text : control.id;
}

// A list is named after the nearest static or group box before it in z-order, hidden or not; a tab
// stop of another kind (here a list) before that leaves it unnamed.
std::string ListName(const std::vector<TemplateControl>& controls, size_t list) {
    for (size_t i = list; i-- > 0;) {
        if (IsStatic(controls[i]) || controls[i].kind == "GROUPBOX")
            return Said(controls[i]);
        if (controls[i].kind == "LISTBOX")
            break;
    }
    return "";
}

// Read on entering a page: its statics in z-order, except one right after a group box (taken for
// the group's description) and one that names the list after it (its label). The format labels,
// hidden until a device has the format, are read as shown.
std::vector<std::string> PageText(const std::vector<TemplateControl>& controls) {
    std::vector<std::string> text;
    for (size_t i = 0; i < controls.size(); ++i) {
        const bool description = i > 0 && controls[i - 1].kind == "GROUPBOX";
        const bool label = i + 1 < controls.size() && controls[i + 1].kind == "LISTBOX" &&
                           ListName(controls, i + 1) == Said(controls[i]);
        if (IsStatic(controls[i]) && !description && !label)
            text.push_back(Said(controls[i]));
    }
    return text;
}

TEST(ResourceScript, EveryListIsNamedByItsCaptionAndEveryResultIsRead) {
    const auto templates = Templates();
    const struct {
        const char* dialog;
        std::vector<std::string> listNames, pageText;
        std::vector<std::string> headings = {}; // the centred statics, left to right on screen
    } pages[] = {
        {"IDD_INSTALLATION_PAGE",
         {"Possible Reasons"},
         {"IDC_PROBLEM_TEXT", "IDC_SOLUTION_TEXT", "IDC_NOTES_TEXT"}},
        // The first caption of each group follows the group box, and is read with it as its description.
        {"IDD_SYSTEM_INFO_PAGE",
         {},
         {"IDC_OS_NAME", "Version:", "IDC_OS_VERSION", "Build:", "IDC_OS_BUILD", "IDC_PROCESSOR_COUNT",
          "Processor Type:", "IDC_PROCESSOR_TYPE", "IDC_MODEL_CAPTION", "IDC_MODEL_VALUE", "IDC_STEP_CAPTION",
          "IDC_STEP_VALUE", "IDC_TOTAL_PHYSICAL", "Available Physical Memory:", "IDC_AVAILABLE_PHYSICAL",
          "Total Virtual Memory:", "IDC_TOTAL_VIRTUAL", "Percent Memory Load:", "IDC_MEMORY_LOAD",
          "IDC_RAM_VERDICT"}},
        // The grid is read by column, each heading with its channels.
        {"IDD_WAVE_DEVICES_PAGE",
         {"Device(s):"},
         {"Manufacturer ID:", "IDC_WAVE_MANUFACTURER_ID", "Product ID:", "IDC_WAVE_PRODUCT_ID",
          "Driver Version:", "IDC_WAVE_DRIVER_VERSION", "Type:", "IDC_WAVE_CHANNELS", "Mono 8-bit",
          "IDC_FORMAT_1M08", "IDC_FORMAT_2M08", "IDC_FORMAT_4M08", "Mono 16-bit", "IDC_FORMAT_1M16",
          "IDC_FORMAT_2M16", "IDC_FORMAT_4M16", "Stereo 8-bit", "IDC_FORMAT_1S08", "IDC_FORMAT_2S08",
          "IDC_FORMAT_4S08", "Stereo 16-bit", "IDC_FORMAT_1S16", "IDC_FORMAT_2S16", "IDC_FORMAT_4S16",
          "IDC_OPTIONAL_FUNCTION_1", "IDC_OPTIONAL_FUNCTION_2", "IDC_OPTIONAL_FUNCTION_3",
          "IDC_OPTIONAL_FUNCTION_4", "IDC_OPTIONAL_FUNCTION_5"},
         {"Mono 8-bit", "Mono 16-bit", "Stereo 8-bit", "Stereo 16-bit"}},
        {"IDD_AUX_DEVICES_PAGE",
         {"Device(s):"},
         {"Product ID:", "IDC_AUX_PRODUCT_ID", "Manufacturer ID:", "IDC_AUX_MANUFACTURER_ID",
          "Driver Version:", "IDC_AUX_DRIVER_VERSION", "Type: ", "IDC_AUX_TECHNOLOGY",
          "Support:", "IDC_AUX_SUPPORT", "Volume:", "IDC_AUX_VOLUME"}},
        {"IDD_BRAILLE_SPEECH_PAGE", {"Devices"}, {"IDC_BRAILLE_STATUS"}},
        {"IDD_PORTS_PAGE", {"Communication Ports", "Printer Ports", "Total Ports Summary"}, {}},
    };
    for (const auto& page : pages) {
        const std::vector<TemplateControl>& controls = templates.at(page.dialog);
        std::vector<std::string> names;
        for (size_t i = 0; i < controls.size(); ++i)
            if (controls[i].kind == "LISTBOX")
                names.push_back(ListName(controls, i));
        EXPECT_EQ(page.listNames, names) << page.dialog << ": the lists' names";
        EXPECT_EQ(page.pageText, PageText(controls)) << page.dialog << ": read on entering the page";
        std::vector<TemplateControl> headings;
        std::copy_if(controls.begin(), controls.end(), std::back_inserter(headings),
                     [](const TemplateControl& control) { return control.kind == "CTEXT"; });
        std::stable_sort(headings.begin(), headings.end(),
                         [](const TemplateControl& a, const TemplateControl& b) { return a.x < b.x; });
        std::vector<std::string> said;
        for (const TemplateControl& heading : headings)
            said.push_back(Said(heading));
        EXPECT_EQ(page.headings, said) << page.dialog << ": the headings by their place on screen";
    }
}

} // namespace
