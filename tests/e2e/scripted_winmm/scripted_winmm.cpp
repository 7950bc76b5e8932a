// A stand-in for winmm.dll with the five device queries that vittrel.exe makes, answering from
// scripted_winmm.ini beside the program that loaded it. The driver writes that file, and may rewrite
// it while the program runs: every call reads it afresh, so a volume changed in the file shows at
// the next query.
//
//   [wave]  count=N
//   [waveK] result=0 mid= pid= version= formats= channels= support= name=
//   [aux]   count=N
//   [auxK]  result=0 mid= pid= version= technology= support= name= volume= volumeResult=0
//
// Numbers are decimal or 0x hexadecimal. A result other than 0 is returned as the query's MMRESULT and leaves
// the record as the caller gave it. A name of 32 characters or more fills the whole field with no terminator,
// as a careless driver would.
#include <windows.h>

#include <mmsystem.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string g_script;

const char* Script() {
    if (g_script.empty()) {
        // The stand-in lies in the system folder, which every scenario's prefix shares the files of.
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        g_script = path;
        g_script = g_script.substr(0, g_script.find_last_of('\\') + 1) + "scripted_winmm.ini";
    }
    return g_script.c_str();
}

// Decimal, or hexadecimal after 0x; 0 when absent.
DWORD Number(const std::string& section, const char* key) {
    char text[32] = {};
    GetPrivateProfileStringA(section.c_str(), key, "0", text, sizeof(text), Script());
    return std::strtoul(text, nullptr, 0);
}

std::string Section(const char* kind, UINT device) {
    return std::string(kind) + std::to_string(device);
}

// The query's scripted result; when that is 0, the fields that wave and auxiliary devices share.
template <typename Caps> MMRESULT Answer(const std::string& section, Caps* caps, UINT size) {
    if (const DWORD result = Number(section, "result"))
        return result;
    if (size < sizeof(Caps))
        return MMSYSERR_INVALPARAM;
    caps->wMid = static_cast<WORD>(Number(section, "mid"));
    caps->wPid = static_cast<WORD>(Number(section, "pid"));
    caps->vDriverVersion = Number(section, "version");
    char name[256] = {};
    GetPrivateProfileStringA(section.c_str(), "name", "", name, sizeof(name), Script());
    std::memcpy(caps->szPname, name, std::min<size_t>(std::strlen(name) + 1, MAXPNAMELEN));
    return MMSYSERR_NOERROR;
}

} // namespace

extern "C" {

__declspec(dllexport) UINT WINAPI waveOutGetNumDevs() {
    return Number("wave", "count");
}

__declspec(dllexport) MMRESULT WINAPI waveOutGetDevCapsA(UINT_PTR device, LPWAVEOUTCAPSA caps, UINT size) {
    const std::string section = Section("wave", static_cast<UINT>(device));
    const MMRESULT result = Answer(section, caps, size);
    if (result == MMSYSERR_NOERROR) {
        caps->dwFormats = Number(section, "formats");
        caps->wChannels = static_cast<WORD>(Number(section, "channels"));
        caps->dwSupport = Number(section, "support");
    }
    return result;
}

__declspec(dllexport) UINT WINAPI auxGetNumDevs() {
    return Number("aux", "count");
}

__declspec(dllexport) MMRESULT WINAPI auxGetDevCapsA(UINT_PTR device, LPAUXCAPSA caps, UINT size) {
    const std::string section = Section("aux", static_cast<UINT>(device));
    const MMRESULT result = Answer(section, caps, size);
    if (result == MMSYSERR_NOERROR) {
        caps->wTechnology = static_cast<WORD>(Number(section, "technology"));
        caps->dwSupport = Number(section, "support");
    }
    return result;
}

__declspec(dllexport) MMRESULT WINAPI auxGetVolume(UINT device, LPDWORD volume) {
    const std::string section = Section("aux", device);
    if (const DWORD result = Number(section, "volumeResult"))
        return result;
    *volume = Number(section, "volume");
    return MMSYSERR_NOERROR;
}

} // extern "C"
