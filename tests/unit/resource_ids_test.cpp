// The hand-kept resource files: no dialog may have two controls with one id, in the header's
// blocks or in the templates themselves.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

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
    const std::regex dialogStart(R"(^(\w+)\s+DIALOG\b)");
    const std::regex control(
        R"(^\s+(LTEXT|CTEXT|RTEXT|GROUPBOX|LISTBOX|PUSHBUTTON|DEFPUSHBUTTON|CONTROL)\s+(.*)$)");
    std::string dialog;
    std::set<long> seen;
    int templates = 0;
    for (const std::string& line : ReadLines(VITTREL_RESOURCE_SCRIPT)) {
        std::smatch m;
        if (std::regex_search(line, m, dialogStart)) {
            dialog = m[1];
            seen.clear();
            ++templates;
            continue;
        }
        if (dialog.empty() || !std::regex_search(line, m, control))
            continue;
        const std::vector<std::string> args = Arguments(m[2]);
        const std::string idText = m[1] == "LISTBOX" ? args[0] : args.at(1);
        long id = 0;
        if (auto known = values.find(idText); known != values.end())
            id = known->second;
        else
            id = std::stol(idText);
        if (id == -1)
            continue;
        EXPECT_TRUE(seen.insert(id).second) << dialog << ": id " << idText << " (" << id << ") used twice";
    }
    EXPECT_EQ(7, templates);
}

} // namespace
