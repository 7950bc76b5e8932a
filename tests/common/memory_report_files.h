// The current directory in memory, on a volume of `room` bytes, whose calls fail as told: the
// save's unit tests and its fuzz target run the save over it.
#pragma once

#include "report/report_file.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>

using Folder = std::map<std::string, std::string>;

// A write that succeeds and stores nothing; the hundredth in a row answers kAskedForever.
constexpr uint32_t kStoresNothing = 0xFFFFFFFF, kAskedForever = 0xFFFFFFFE;

class MemoryReportFiles : public ReportFiles {
public:
    Folder files;
    // Calls that fail, with the system's error: "create", "open", "read", "write", "end", "flush",
    // "close", "replace", "rename <from>", "remove <name>"; "<call>#<n>" fails only its n-th time.
    std::map<std::string, uint32_t> failures;
    size_t room = 1000;
    bool misused = false;          // a second file opened while one is open
    bool unflushedRenamed = false; // a new file took Vittrel.log's name before its writes were flushed
    std::set<std::string> calls;   // the calls made, without their "#<n>"
    std::set<std::string> created; // the files that CreateNew made
    // Files with the read-only attribute: as Windows has it, not opened for writing nor replaced.
    std::set<std::string> readOnly;

    uint32_t CreateNew(const std::string& name) override {
        if (const uint32_t error = Fail("create"))
            return error;
        if (files.count(name))
            return kErrorFileExists;
        created.insert(name);
        return Open(name, true);
    }
    uint32_t OpenExisting(const std::string& name) override {
        if (const uint32_t error = Fail("open"))
            return error;
        if (!files.count(name))
            return kErrorFileNotFound;
        return readOnly.count(name) ? kErrorAccessDenied : Open(name, false);
    }
    uint32_t ReadAll(std::string& bytes) override {
        bytes = files[m_open];
        m_at = bytes.size();
        return Fail("read");
    }
    uint32_t Write(const char* data, uint32_t size, uint32_t& written) override {
        if (const uint32_t error = Fail("write"))
            return error != kStoresNothing ? error : ++m_idleWrites == 100 ? kAskedForever : 0;
        size_t used = 0;
        for (const auto& file : files)
            used += file.second.size();
        // What fits is stored before the volume is found full, as by a write of many parts.
        written = static_cast<uint32_t>(std::min(size_t{size}, room + files[m_open].size() - m_at - used));
        files[m_open].replace(m_at, written, data, written);
        m_at += written;
        if (m_openedNew)
            m_unflushed.insert(m_open);
        return written < size ? kErrorDiskFull : 0;
    }
    uint32_t Rewind() override { return m_at = 0, 0; }
    uint32_t EndHere() override {
        if (const uint32_t error = Fail("end"))
            return error;
        files[m_open].resize(m_at);
        return 0;
    }
    uint32_t Flush() override {
        if (const uint32_t error = Fail("flush"))
            return error;
        m_unflushed.erase(m_open);
        return 0;
    }
    uint32_t Close() override {
        m_open.clear();
        return Fail("close");
    }
    uint32_t Replace(const std::string& from, const std::string& to) override {
        if (const uint32_t error = Fail("replace"))
            return error;
        return readOnly.count(to) ? kErrorAccessDenied : Move(from, to);
    }
    uint32_t Rename(const std::string& from, const std::string& to) override {
        if (const uint32_t error = Fail("rename " + from))
            return error;
        return files.count(to) ? kErrorAlreadyExists : Move(from, to);
    }
    uint32_t Remove(const std::string& name) override {
        if (const uint32_t error = Fail("remove " + name))
            return error;
        return files.erase(name) ? 0 : kErrorFileNotFound;
    }
    bool IsReadOnly(const std::string& name) override { return readOnly.count(name) && files.count(name); }

private:
    uint32_t Fail(const std::string& call) {
        calls.insert(call);
        const auto nth = failures.find(call + "#" + std::to_string(++m_counts[call]));
        return nth != failures.end() ? nth->second : failures.count(call) ? failures.at(call) : 0;
    }
    uint32_t Move(const std::string& from, const std::string& to) {
        if (!files.count(from))
            return kErrorFileNotFound;
        const bool unflushed = m_unflushed.erase(from) != 0;
        unflushedRenamed = unflushedRenamed || (unflushed && to == kReportFileName);
        m_unflushed.erase(to);
        if (unflushed)
            m_unflushed.insert(to);
        files[to] = files[from];
        files.erase(from);
        return 0;
    }
    uint32_t Open(const std::string& name, bool empty) {
        misused = misused || !m_open.empty();
        m_open = name;
        m_openedNew = empty;
        if (empty)
            m_unflushed.erase(name);
        return files[name] = empty ? "" : files[name], m_at = 0, 0;
    }

    std::string m_open;
    bool m_openedNew = false;
    size_t m_at = 0;
    int m_idleWrites = 0;
    std::set<std::string> m_unflushed;
    std::map<std::string, int> m_counts;
};
