// What the fuzz targets share: the text form in which an input gives a fake platform its answers,
// and a check that stops the run with the fact that failed.
//
// An input is records of one line each, "name=value". The value runs to the line feed and may hold
// any other byte (NUL, CR, bytes 128-255); a line without '=' is a name with an empty value. Each
// target reads the names it knows and passes over the rest, so every input is a valid one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct FuzzRecord {
    std::string name;
    std::string value;
};

inline std::vector<FuzzRecord> ParseFuzzRecords(const uint8_t* data, size_t size) {
    std::vector<FuzzRecord> records;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(start, end - start);
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            records.push_back({std::string(line), std::string()});
        else
            records.push_back({std::string(line.substr(0, equals)), std::string(line.substr(equals + 1))});
        start = end + 1;
    }
    return records;
}

// A decimal number of at most nine digits, or nullopt for anything else.
inline std::optional<uint32_t> ParseFuzzNumber(std::string_view text) {
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    uint32_t number = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + static_cast<uint32_t>(c - '0');
    }
    return number;
}

// A string as the platform reads it: up to its first NUL.
inline std::string AsCString(const std::string& text) {
    return std::string(text.c_str());
}

inline bool HasControlCharacter(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 32)
            return true;
    }
    return false;
}

// Unlike assert(), it holds in every build type.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);               \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)
