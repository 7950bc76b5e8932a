// Scenarios of the wave, auxiliary and Braille pages: Wine's own wave device (an ALSA null device)
// and no device at all; devices scripted through a stand-in winmm.dll, with more devices than the
// pages list, queries that fail and volumes that change; and the Braille check under Windows 95,
// repeated as the driver file, the configured port and the port's holder change.
#include <windows.h>

#include <mmsystem.h>

#include <cstdio>

#include "braille_texts.h"
#include "harness.h"
#include "pages/aux/aux_devices.h"
#include "pages/device_texts.h"
#include "pages/wave/wave_devices.h"
#include "resource.h"
#include "scenarios.h"

namespace {

const int kLineIds[kOptionalFunctionLines] = {IDC_OPTIONAL_FUNCTION_1, IDC_OPTIONAL_FUNCTION_2,
                                              IDC_OPTIONAL_FUNCTION_3, IDC_OPTIONAL_FUNCTION_4,
                                              IDC_OPTIONAL_FUNCTION_5};

// What the wave page shows for a device, as the page's decoding has it (its unit tests pin that
// decoding); nothing at all for a device whose query failed (nullopt).
WaveDeviceView ExpectedWave(const std::optional<WaveOutCaps>& device) {
    return device ? DescribeWaveDevice(*device) : WaveDeviceView{};
}

void CheckWavePage(HWND page, const WaveDeviceView& want, const std::string& when) {
    CheckEqual(want.manufacturerId, ControlText(page, IDC_WAVE_MANUFACTURER_ID), when + ": manufacturer ID");
    CheckEqual(want.productId, ControlText(page, IDC_WAVE_PRODUCT_ID), when + ": product ID");
    CheckEqual(want.driverVersion, ControlText(page, IDC_WAVE_DRIVER_VERSION), when + ": driver version");
    CheckEqual(want.channels, ControlText(page, IDC_WAVE_CHANNELS), when + ": type");
    for (size_t line = 0; line < kOptionalFunctionLines; ++line)
        CheckEqual(want.optionalFunctions[line], ControlText(page, kLineIds[line]),
                   when + ": optional function line " + std::to_string(line + 1));
    std::string shown, wanted;
    for (size_t bit = 0; bit < kWaveFormatCount; ++bit) {
        HWND label = GetDlgItem(page, kWaveFormatLabelIds[bit]);
        const bool styled = (GetWindowLongA(label, GWL_STYLE) & WS_VISIBLE) != 0;
        shown += styled && IsWindowVisible(label) ? '1' : '0';
        wanted += want.formatVisible[bit] ? '1' : '0';
    }
    CheckEqual(wanted, shown, when + ": visible format labels by bit 0 to 11");
}

// Scrolls a list entry into view, as the user would, clicks it, and waits until the program has
// handled everything the click raised.
void Select(const Vittrel& app, HWND list, int position) {
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(position), 0);
    app.ClickListItem(list, position);
    Settle(list);
}

LRESULT Selection(HWND list) {
    return SendMessageA(list, LB_GETCURSEL, 0, 0);
}

// An auxiliary device as the stand-in winmm.dll answers it: its query's result (0, or the
// MMRESULT), its capabilities and its volume (nullopt: the volume query fails).
struct AuxDevice {
    unsigned result;
    AuxCaps caps;
    std::optional<uint32_t> volume;
};

// What the auxiliary page shows for a device, as the page's decoding has it (its unit tests pin
// that decoding): nothing but the volume for a device whose query failed; nothing at all without
// a device (nullopt).
void CheckAuxPage(HWND page, const std::optional<AuxDevice>& device, const std::string& when) {
    const AuxDeviceView want =
        device && device->result == 0 ? DescribeAuxDevice(device->caps) : AuxDeviceView{};
    const std::string volume = device && device->volume ? FormatVolumePercent(*device->volume) : "";
    CheckEqual(want.productId, ControlText(page, IDC_AUX_PRODUCT_ID), when + ": product ID");
    CheckEqual(want.manufacturerId, ControlText(page, IDC_AUX_MANUFACTURER_ID), when + ": manufacturer ID");
    CheckEqual(want.driverVersion, ControlText(page, IDC_AUX_DRIVER_VERSION), when + ": driver version");
    CheckEqual(want.technology, ControlText(page, IDC_AUX_TECHNOLOGY), when + ": type");
    CheckEqual(want.support, ControlText(page, IDC_AUX_SUPPORT), when + ": support");
    CheckEqual(volume, ControlText(page, IDC_AUX_VOLUME), when + ": volume");
}

// The "<None>" page: one entry, nothing selected, and selecting the entry changes nothing.
void CheckNoDevice(const Vittrel& app, HWND page, int listId, const std::string& what,
                   const std::function<void(const std::string&)>& checkEmpty) {
    HWND list = GetDlgItem(page, listId);
    CheckItems({kNoDeviceEntry}, ListItems(list), what);
    CheckEqual(LB_ERR, Selection(list), what + ": nothing selected");
    checkEmpty(what);
    Select(app, list, 0);
    CheckEqual(0, Selection(list), what + ": the click selects <None>");
    checkEmpty(what + " after selecting <None>");
}

void CheckNoWaveDevice(const Vittrel& app) {
    HWND page = app.ShowPage(kWaveTab);
    CheckNoDevice(app, page, IDC_WAVE_DEVICE_LIST, "wave page without a device",
                  [&](const std::string& when) { CheckWavePage(page, WaveDeviceView{}, when); });
}

void CheckNoAuxDevice(const Vittrel& app) {
    HWND page = app.ShowPage(kAuxTab);
    CheckNoDevice(app, page, IDC_AUX_DEVICE_LIST, "aux page without a device",
                  [&](const std::string& when) { CheckAuxPage(page, std::nullopt, when); });
}

// Wine with an ALSA null device (prepare_devices_wine): one wave output device, whose page must
// show what Wine's driver answers the driver itself; no auxiliary device. Then, without the null
// device, no wave device at all.
void DevicesWine() {
    WAVEOUTCAPSA caps{};
    const UINT count = waveOutGetNumDevs();
    CheckEqual(1, count, "Wine reports one wave output device");
    Check(waveOutGetDevCapsA(0, &caps, sizeof(caps)) == MMSYSERR_NOERROR,
          "the driver reads its capabilities");
    CheckEqual(0, auxGetNumDevs(), "Wine reports no auxiliary device");
    const WaveOutCaps wine{caps.wMid,      caps.wPid,      caps.vDriverVersion, caps.szPname,
                           caps.dwFormats, caps.wChannels, caps.dwSupport};
    Note("Wine's wave device: \"" + wine.name + "\", formats " + std::to_string(wine.formats) + ", support " +
         std::to_string(wine.support) + ", channels " + std::to_string(wine.channels));
    {
        Vittrel app;
        if (!app.Start() || !app.WaitForSheet())
            return;
        HWND page = app.ShowPage(kWaveTab);
        HWND list = GetDlgItem(page, IDC_WAVE_DEVICE_LIST);
        CheckItems({wine.name}, ListItems(list), "wave page");
        CheckEqual(0, Selection(list), "wave page: the device is selected");
        CheckWavePage(page, ExpectedWave(wine), "Wine's wave device");
        Select(app, list, 0);
        CheckWavePage(page, ExpectedWave(wine), "Wine's wave device selected again");
        CheckNoAuxDevice(app);
        Check(app.ExitWithButton(), "Exit ends the program");
    }
    const std::string asoundrc = OutputDirectory() + "\\home\\.asoundrc";
    Check(DeleteFileA(asoundrc.c_str()) != FALSE, "the ALSA null device is removed");
    Vittrel app;
    if (!app.Start() || !app.WaitForSheet())
        return;
    CheckNoWaveDevice(app);
    Check(app.ExitWithButton(), "Exit ends the program");
}

// The stand-in winmm.dll's script beside vittrel.exe (prepare_devices_scripted).
std::string ScriptPath() {
    return BesideDriver("scripted_winmm.ini");
}

void Script(const std::string& section, const std::string& key, const std::string& value) {
    WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), ScriptPath().c_str());
}

// A device whose query fails: nullopt.
void ScriptWave(unsigned device, const std::optional<WaveOutCaps>& d) {
    const std::string section = "wave" + std::to_string(device);
    if (!d) {
        Script(section, "result", "6"); // MMSYSERR_NODRIVER
        return;
    }
    const std::pair<const char*, unsigned> numbers[] = {
        {"mid", d->manufacturerId}, {"pid", d->productId},     {"version", d->driverVersion},
        {"formats", d->formats},    {"channels", d->channels}, {"support", d->support}};
    for (const auto& [key, value] : numbers)
        Script(section, key, std::to_string(value));
    Script(section, "name", d->name);
}

void ScriptAux(unsigned device, const AuxDevice& d) {
    const std::string section = "aux" + std::to_string(device);
    const AuxCaps& c = d.caps;
    const std::pair<const char*, unsigned> numbers[] = {
        {"result", d.result},         {"mid", c.manufacturerId},    {"pid", c.productId},
        {"version", c.driverVersion}, {"technology", c.technology}, {"support", c.support}};
    for (const auto& [key, value] : numbers)
        Script(section, key, std::to_string(value));
    Script(section, "name", c.name);
    Script(section, "volumeResult", d.volume ? "0" : "6");
    Script(section, "volume", std::to_string(d.volume.value_or(0)));
}

// Six wave devices, of which the pages list four; ten auxiliary devices, of which eight are
// queried, two do not exist, one fails its query and one its volume. On each page a name fills
// its field with no terminator. Windows NT 4.0, so the Braille page only says that there is
// nothing to check. The system's code page is Cyrillic (1251, prepare_devices_scripted), and one
// device is named in it: the letter typed in the list must find that device.
void DevicesScripted() {
    const std::string cyrillicDe = "\xC4"; // U+0414 in code page 1251
    const std::string longName = "Scripted Wave Device With A Name Longer Than Its Field";
    const std::string longAuxName = "Auxiliary Line In Jacks, A Name Longer Than Its Field";
    const std::optional<WaveOutCaps> wave[6] = {
        WaveOutCaps{1, 2, 0x0400, "Scripted Wave A", 0x0155, 1, 0x3F},
        std::nullopt,
        WaveOutCaps{65535, 7, 0x00010203, longName, 0xFAAA, 2, 0x0014},
        WaveOutCaps{9, 9, 0x030A, cyrillicDe, 0x0FFF, 0, 0x0008},
        WaveOutCaps{5, 5, 0, "Fifth", 0, 1, 0},
        WaveOutCaps{6, 6, 0, "Sixth", 0, 1, 0},
    };
    Script("wave", "count", "6");
    for (unsigned device = 0; device < 6; ++device)
        ScriptWave(device, wave[device]);
    AuxDevice aux[10] = {
        {2, {0, 0, 0, "Gone", 0, 0}, 0},
        {0, {3, 4, 0x0105, "CD Audio", 1, 3}, 0xFFFF},
        {0, {3, 5, 0x0200, "CD Audio", 2, 1}, 0x8000},
        {2, {0, 0, 0, "Gone", 0, 0}, 0},
        {0, {3, 6, 0x0300, "CD Audio", 3, 2}, 0},
        {11, {0, 0, 0, "Broken", 0, 0}, 0x4000},
        {0, {1, 1, 0x0A00, longAuxName, 2, 0}, std::nullopt},
        {0, {1, 2, 0x0A01, longAuxName, 2, 1}, 0xFFFF0000},
        {0, {8, 8, 0, "Eighth", 1, 1}, 0},
        {0, {9, 9, 0, "Ninth", 1, 1}, 0},
    };
    Script("aux", "count", "10");
    for (unsigned device = 0; device < 10; ++device)
        ScriptAux(device, aux[device]);
    SetWindowsVersion("nt40");

    Vittrel app;
    if (!app.Start() || !app.WaitForSheet())
        return;
    HWND page = app.ShowPage(kWaveTab);
    HWND list = GetDlgItem(page, IDC_WAVE_DEVICE_LIST);
    CheckItems({"Scripted Wave A", "", longName.substr(0, 32), cyrillicDe}, ListItems(list), "wave page");
    CheckEqual(0, Selection(list), "wave page: the first device is selected");
    CheckWavePage(page, ExpectedWave(wave[0]), "at first");
    // Labels of the first device go, those of the third come; the failed device shows nothing;
    // the first device's view comes back whole.
    for (int position : {2, 1, 0, 3, 2}) {
        Select(app, list, position);
        CheckEqual(position, Selection(list), "wave page: device " + std::to_string(position) + " selected");
        CheckWavePage(page, ExpectedWave(wave[position]), "device " + std::to_string(position) + " selected");
    }
    // As the keyboard's letter reaches the list once translated: UTF-16, whatever the code page.
    PostMessageW(list, WM_CHAR, L'\x0414', 1);
    Settle(list);
    if (CheckEqual(3, Selection(list), "wave page: the Cyrillic letter typed selects the device named with it"))
        CheckWavePage(page, ExpectedWave(wave[3]), "device 3 selected by its letter");

    page = app.ShowPage(kAuxTab);
    list = GetDlgItem(page, IDC_AUX_DEVICE_LIST);
    const std::string cut = longAuxName.substr(0, 32);
    CheckItems({"CD Audio", "CD Audio - Aux 3.", "CD Audio - Aux 5.", "", cut, cut + " - Aux 8."},
               ListItems(list), "aux page");
    CheckEqual(0, Selection(list), "aux page: the first entry is selected");
    const unsigned listed[] = {1, 2, 4, 5, 6, 7}; // the device of each entry
    CheckAuxPage(page, aux[1], "first listed device (device 1)");
    // The mixer turns device 1 down meanwhile: its next selection reads the new volume.
    aux[1].volume = 0x8000;
    ScriptAux(1, aux[1]);
    for (int position : {1, 0, 2, 3, 4, 5}) {
        Select(app, list, position);
        CheckAuxPage(page, aux[listed[position]], "aux entry " + std::to_string(position) + " selected");
    }

    page = app.ShowPage(kBrailleTab);
    CheckItems({}, ListItems(GetDlgItem(page, IDC_BRAILLE_DEVICE_LIST)), "Braille page under Windows NT 4.0");
    CheckEqual(kBrailleNtStatus, ControlText(page, IDC_BRAILLE_STATUS),
               "Braille page under Windows NT 4.0: status");
    Check(app.ExitWithButton(), "Exit ends the program");

    // No wave device, and auxiliary devices that all do not exist.
    Script("wave", "count", "0");
    Script("aux", "count", "2");
    Script("aux1", "result", "2");
    Vittrel again;
    if (!again.Start() || !again.WaitForSheet())
        return;
    CheckNoWaveDevice(again);
    CheckNoAuxDevice(again);
    Check(again.ExitWithButton(), "Exit ends the program");
}

// SYSTEM.INI as prepared, with the display's port line (none when empty).
void SetBraillePort(const std::string& original, const std::string& port) {
    std::string bytes = original + "[ABTW]\r\n";
    if (!port.empty())
        bytes += "lpt_port=" + port + "\r\n";
    WriteFileBytes(WindowsPath("system.ini"), bytes);
}

// Windows 95, no C:\Kelvorn32 and so no DRIVER16\ABTWIN.DLL in it, LPT1 leading to a device that
// opens (prepare_braille_win95). Each change below is followed by a click on the display's entry or the
// Down key on it, which must check again; at the end, the same port is checked again and again.
void BrailleWin95() {
    SetWindowsVersion("win95");
    const std::string systemIni = ReadFileBytes(WindowsPath("system.ini"));
    SetBraillePort(systemIni, "LPT1");
    const std::string driverFile = "C:\\Kelvorn32\\DRIVER16\\ABTWIN.DLL";

    DeleteFileA("annotations.txt");
    Vittrel app;
    if (!app.Start() || !app.WaitForSheet())
        return;
    // A solution chosen by the user is announced, and so are the format grid's headings by name.
    Select(app, GetDlgItem(app.CurrentPage(), IDC_REASON_LIST), 3);
    app.ShowPage(kWaveTab);
    HWND page = app.ShowPage(kBrailleTab);
    HWND list = GetDlgItem(page, IDC_BRAILLE_DEVICE_LIST);
    CheckItems({"Alva Braille Device"}, ListItems(list), "Braille page");
    CheckEqual(0, Selection(list), "Braille page: the display is selected");
    CheckEqual(kBrailleNotFoundStatus, ControlText(page, IDC_BRAILLE_STATUS), "driver file missing");
    // Each check again sets the status away from the focus, and announces it.
    LiveRegionEvents announced(app.ProcessId(), GetDlgItem(page, IDC_BRAILLE_STATUS));
    long checks = 0;

    HANDLE held = INVALID_HANDLE_VALUE;
    const struct {
        const char* change;
        std::function<void()> apply;
        std::string status;
    } steps[] = {
        {"driver file present, no port",
         [&] {
             CreateDirectoryA("C:\\Kelvorn32", nullptr);
             CreateDirectoryA("C:\\Kelvorn32\\DRIVER16", nullptr);
             WriteFileBytes(driverFile, "MZ");
             SetBraillePort(systemIni, "");
         },
         kBrailleNoPortStatus},
        {"LPT1 held by another program, which shares it",
         [&] {
             SetBraillePort(systemIni, "LPT1");
             held = CreateFileA("LPT1", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
             Check(held != INVALID_HANDLE_VALUE, "the driver holds LPT1");
         },
         BraillePortUnavailableStatus("LPT1")},
        {"LPT1 freed, port named LPT1XY",
         [&] {
             CloseHandle(held);
             SetBraillePort(systemIni, "LPT1XY");
         },
         BrailleFoundStatus("LPT1")},
        {"LPT3, which has no device", [&] { SetBraillePort(systemIni, "LPT3"); },
         BraillePortUnavailableStatus("LPT3")},
    };
    // The mouse and the keyboard take turns: an arrow key on the only entry selects it again too.
    bool byKey = false;
    for (const auto& step : steps) {
        step.apply();
        if (byKey) {
            const UINT scan = MapVirtualKeyA(VK_DOWN, 0);
            PostMessageA(list, WM_KEYDOWN, VK_DOWN, 1 | (scan << 16));
            PostMessageA(list, WM_KEYUP, VK_DOWN, 1 | (scan << 16) | (1u << 30) | (1u << 31));
            Settle(list);
        } else {
            Select(app, list, 0);
        }
        byKey = !byKey;
        CheckEqual(step.status, ControlText(page, IDC_BRAILLE_STATUS),
                   std::string("selected again: ") + step.change);
        CheckEqual(0, Selection(list), std::string(step.change) + ": the display stays selected");
        ++checks;
        CheckEqual(checks, announced.WaitForCount(checks), std::string(step.change) + ": statuses announced");
    }

    // Every check closes the port again: the next one finds it free, and so does another program.
    SetBraillePort(systemIni, "LPT1");
    for (int check = 0; check < 10; ++check)
        Select(app, list, 0);
    CheckEqual(BrailleFoundStatus("LPT1"), ControlText(page, IDC_BRAILLE_STATUS), "LPT1 checked ten times");
    CheckEqual(checks + 10, announced.WaitForCount(checks + 10),
               "LPT1 checked ten times: statuses announced");
    held = CreateFileA("LPT1", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    Check(held != INVALID_HANDLE_VALUE, "then the driver opens LPT1 sharing nothing");
    CloseHandle(held);
    Check(app.ExitWithButton(), "Exit ends the program");

    // What the stand-in oleacc.dll was told (prepare_braille_win95): each control, by its id, with
    // the property and value, in order.
    std::string expected = std::to_string(IDC_SOLUTION_TEXT) + " live setting: 1 (type 3)\n";
    for (const FormatColumnName& column : kFormatColumnNames)
        expected += std::to_string(column.headingId) + " name: " + column.name + "\n";
    for (long check = 0; check < checks + 10; ++check)
        expected += std::to_string(IDC_BRAILLE_STATUS) + " live setting: 1 (type 3)\n";
    CheckEqual(expected, ReadFileBytes("annotations.txt"), "what screen readers were told, in order");
}

} // namespace

void AddDeviceScenarios(std::vector<Scenario>& scenarios) {
    scenarios.push_back({"devices_wine", DevicesWine});
    scenarios.push_back({"devices_scripted", DevicesScripted});
    scenarios.push_back({"braille_win95", BrailleWin95});
}
