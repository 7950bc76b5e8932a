// The end-to-end harness: process control, waiting, and reading windows of another process.
#include "harness.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

int g_failures = 0;

std::string Narrow(const std::wstring& wide) {
    if (wide.empty())
        return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string text(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size, nullptr,
                        nullptr);
    return text;
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lParam) {
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
    return TRUE;
}

} // namespace

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&children));
    return children;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
    std::vector<HWND> all, mine;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
    for (HWND hwnd : all) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid == processId)
            mine.push_back(hwnd);
    }
    return mine;
}

std::string ClassOf(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    return name;
}

bool Check(bool condition, const std::string& what) {
    std::printf("%s - %s\n", condition ? "ok" : "not ok", what.c_str());
    std::fflush(stdout);
    if (!condition)
        ++g_failures;
    return condition;
}

bool CheckEqual(const std::string& expected, const std::string& actual, const std::string& what) {
    if (expected == actual)
        return Check(true, what);
    return Check(false, what + "\n    expected: \"" + Escape(expected) + "\"\n    actual:   \"" +
                            Escape(actual) + "\"");
}

bool CheckEqual(long long expected, long long actual, const std::string& what) {
    if (expected == actual)
        return Check(true, what);
    return Check(false,
                 what + ": expected " + std::to_string(expected) + ", actual " + std::to_string(actual));
}

void CheckItems(const std::vector<std::string>& expected, const std::vector<std::string>& actual,
                const std::string& what) {
    CheckEqual(static_cast<long long>(expected.size()), static_cast<long long>(actual.size()),
               what + ": number of items");
    for (size_t i = 0; i < expected.size() || i < actual.size(); ++i)
        CheckEqual(i < expected.size() ? expected[i] : "(none)", i < actual.size() ? actual[i] : "(none)",
                   what + ": item " + std::to_string(i + 1));
}

int FailureCount() {
    return g_failures;
}

void Note(const std::string& text) {
    std::printf("# %s\n", text.c_str());
    std::fflush(stdout);
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
}

void Settle(HWND list) {
    static LPARAM token = 0x5E771E;
    ++token;
    PostMessageA(list, LB_SETITEMDATA, 0, token);
    WaitFor([&] { return SendMessageA(list, LB_GETITEMDATA, 0, 0) == token; }, 5000);
}

std::string WindowText(HWND hwnd) {
    wchar_t buffer[4096] = {};
    const int length = GetWindowTextW(hwnd, buffer, 4096);
    return Narrow(std::wstring(buffer, length > 0 ? static_cast<size_t>(length) : 0));
}

std::string ControlText(HWND dialog, int id) {
    return WindowText(GetDlgItem(dialog, id));
}

std::vector<std::string> ListItems(HWND list) {
    std::vector<std::string> items;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring text(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
        const LRESULT copied =
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
        items.push_back(Narrow(text));
    }
    return items;
}

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

std::string ReadFileBytes(const std::string& path, bool* exists) {
    std::ifstream in(path, std::ios::binary);
    if (exists)
        *exists = static_cast<bool>(in);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
        if (std::string(found.cFileName) != "." && std::string(found.cFileName) != "..")
            names.push_back(found.cFileName);
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

std::string ExpectedTitle() {
    return "Vittrel Kelvorn32 v.2.0a";
}

RECT ClientRectOf(HWND child, HWND parent) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

Vittrel::~Vittrel() {
    if (m_process.hProcess) {
        if (!HasExited()) {
            TerminateProcess(m_process.hProcess, 99);
            WaitForSingleObject(m_process.hProcess, 5000);
        }
        CloseHandle(m_process.hProcess);
        CloseHandle(m_process.hThread);
    }
}

std::string BesideDriver(const std::string& name) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string path(self);
    return path.substr(0, path.find_last_of('\\') + 1) + name;
}

std::string WindowsPath(const std::string& name) {
    char directory[MAX_PATH] = {};
    GetWindowsDirectoryA(directory, MAX_PATH);
    return std::string(directory) + "\\" + name;
}

std::string SystemLibrary32(const std::string& name) {
#ifdef _WIN64
    return "syswow64\\" + name;
#else
    return "system32\\" + name;
#endif
}

bool Vittrel::Launch(DWORD flags, const std::string& directory) {
    const std::string exe = BesideDriver("vittrel.exe");
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    const bool started =
        CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, flags, nullptr,
                       directory.empty() ? nullptr : directory.c_str(), &startup, &m_process) != FALSE;
    return Check(started, "vittrel.exe starts (" + exe + ")");
}

bool Vittrel::Start(const std::string& directory) {
    return Launch(0, directory);
}

bool Vittrel::StartWithDll(const std::string& dll) {
    if (!Launch(CREATE_SUSPENDED))
        return false;
    // LoadLibraryA(path) on a thread of the program's own; kernel32 lies at the same address in
    // every process of the prefix.
    const std::string path = BesideDriver(dll);
    void* remote = VirtualAllocEx(m_process.hProcess, nullptr, path.size() + 1, MEM_COMMIT, PAGE_READWRITE);
    const bool written =
        remote && WriteProcessMemory(m_process.hProcess, remote, path.c_str(), path.size() + 1, nullptr);
    const auto loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
    HANDLE loader = written
                        ? CreateRemoteThread(m_process.hProcess, nullptr, 0, loadLibrary, remote, 0, nullptr)
                        : nullptr;
    DWORD module = 0;
    if (loader) {
        WaitForSingleObject(loader, 20000);
        GetExitCodeThread(loader, &module);
        CloseHandle(loader);
    }
    if (remote)
        VirtualFreeEx(m_process.hProcess, remote, 0, MEM_RELEASE);
    const bool loaded = Check(module != 0, dll + " is loaded into the program before it runs");
    ResumeThread(m_process.hThread);
    return loaded;
}

bool Vittrel::HasExited() const {
    return WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0;
}

bool Vittrel::WaitForExit(DWORD timeoutMs) {
    return WaitForSingleObject(m_process.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

std::vector<HWND> Vittrel::TopLevelWindows(const std::string& title) const {
    std::vector<HWND> found;
    for (HWND hwnd : TopLevelWindowsOf(m_process.dwProcessId))
        if (title.empty() || WindowText(hwnd) == title)
            found.push_back(hwnd);
    return found;
}

HWND Vittrel::WaitForTopLevel(const std::string& title, DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND hwnd : TopLevelWindows(title)) {
                if (IsWindowVisible(hwnd)) {
                    found = hwnd;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

bool Vittrel::WaitForSheet() {
    m_sheet = WaitForTopLevel(ExpectedTitle(), 30000);
    if (!Check(m_sheet != nullptr, "the sheet \"" + ExpectedTitle() + "\" appears"))
        return false;
    // The sheet is up once comctl32 has shown its first page.
    return Check(WaitFor([&] { return CurrentPage() != nullptr && IsWindowVisible(CurrentPage()); }),
                 "the sheet shows a page");
}

bool Vittrel::ExitWithButton() {
    PressButton(IDCANCEL); // the sheet's "Exit"
    return WaitForExit();
}

void Vittrel::PressButton(int id) const {
    PostMessageA(Button(id), BM_CLICK, 0, 0);
}

HWND Vittrel::TabControl() const {
    return reinterpret_cast<HWND>(SendMessageA(m_sheet, PSM_GETTABCONTROL, 0, 0));
}

std::vector<std::string> Vittrel::TabTexts() const {
    // TCM_GETITEM carries a pointer, so the record and its text live in the program's own memory.
    std::vector<std::string> texts;
    HWND tab = TabControl();
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, m_process.dwProcessId);
    if (!process)
        return texts;
    auto* remote = static_cast<BYTE*>(VirtualAllocEx(process, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE));
    const LRESULT count = SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0);
    for (LRESULT i = 0; remote && i < count; ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = reinterpret_cast<char*>(remote + 512);
        item.cchTextMax = 256;
        char zero[256] = {};
        WriteProcessMemory(process, remote, &item, sizeof(item), nullptr);
        WriteProcessMemory(process, remote + 512, zero, sizeof(zero), nullptr);
        SendMessageA(tab, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(remote));
        char text[256] = {};
        ReadProcessMemory(process, remote + 512, text, sizeof(text) - 1, nullptr);
        texts.emplace_back(text);
    }
    if (remote)
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return texts;
}

int Vittrel::CurrentTab() const {
    return static_cast<int>(SendMessageA(TabControl(), TCM_GETCURSEL, 0, 0));
}

HWND Vittrel::CurrentPage() const {
    return reinterpret_cast<HWND>(SendMessageA(m_sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

HWND Vittrel::ShowPage(int index) const {
    SendMessageA(m_sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
    HWND page = nullptr;
    const bool shown = WaitFor([&] {
        page = CurrentPage();
        return CurrentTab() == index && page && IsWindowVisible(page);
    });
    return shown ? page : nullptr;
}

HWND Vittrel::FocusedWindow() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(m_process.dwThreadId, &info);
    return info.hwndFocus;
}

void Vittrel::PressKey(UINT vk) const {
    HWND target = FocusedWindow();
    if (!target)
        target = GetForegroundWindow();
    const UINT scan = MapVirtualKeyA(vk, 0);
    PostMessageA(target, WM_KEYDOWN, vk, 1 | (scan << 16));
    PostMessageA(target, WM_KEYUP, vk, 1 | (scan << 16) | (1u << 30) | (1u << 31));
}

bool Vittrel::BringToFront() const {
    SetForegroundWindow(m_sheet);
    return Check(WaitFor([&] { return GetForegroundWindow() == m_sheet; }),
                 "the sheet is the foreground window");
}

void Keystroke(UINT vk, unsigned modifiers) {
    std::vector<INPUT> inputs;
    auto key = [&](UINT code, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = static_cast<WORD>(code);
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(code, 0));
        switch (code) {
        case VK_PRIOR:
        case VK_NEXT:
        case VK_END:
        case VK_HOME:
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
            break;
        default:
            break;
        }
        if (up)
            input.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(input);
    };
    if (modifiers & kControl)
        key(VK_CONTROL, false);
    if (modifiers & kShift)
        key(VK_SHIFT, false);
    key(vk, false);
    key(vk, true);
    if (modifiers & kShift)
        key(VK_SHIFT, true);
    if (modifiers & kControl)
        key(VK_CONTROL, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void Vittrel::ClickListItem(HWND list, int index) const {
    const LRESULT height = SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
    const LRESULT top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
    const int x = 10;
    const int y = static_cast<int>((index - top) * height + height / 2);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

std::string CaptureScreen(const RECT& rect, BITMAPINFOHEADER& header) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) & ~3u);
    std::string pixels(static_cast<const char*>(bits), stride * static_cast<DWORD>(height));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    header = info.bmiHeader;
    return pixels;
}

bool Vittrel::AwaitsPainting() const {
    std::vector<HWND> windows = ChildWindows(m_sheet);
    windows.push_back(m_sheet);
    return std::any_of(windows.begin(), windows.end(), [](HWND window) {
        return IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE);
    });
}

bool Vittrel::Screenshot(const std::string& path) const {
    // No file at all rather than an old or half-painted one when this picture fails.
    DeleteFileA(path.c_str());
    const DWORD limitMs = 20000;
    const DWORD start = GetTickCount();
    auto remaining = [&] {
        const DWORD spent = GetTickCount() - start;
        return spent < limitMs ? limitMs - spent : 0;
    };
    RedrawWindow(m_sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    // A window's update region empties when its painting begins, and the program's thread handles a
    // message sent to it only between paintings; Wine hands what the thread painted to the screen
    // just before it waits for input. Wine may count the program as idle while some of its windows
    // still await painting, so idleness alone does not show that the painting is done.
    const bool painted = WaitFor(
        [&] {
            DWORD_PTR result = 0;
            return !AwaitsPainting() &&
                   SendMessageTimeoutA(m_sheet, WM_NULL, 0, 0, SMTO_NORMAL, remaining(), &result) != 0 &&
                   !AwaitsPainting() && WaitForInputIdle(m_process.hProcess, remaining()) == 0;
        },
        remaining());
    // The X server shows the last of it a moment later: two captures in a row agree once it has.
    BITMAPINFOHEADER header{};
    RECT rect{};
    GetWindowRect(m_sheet, &rect);
    std::string pixels = painted ? CaptureScreen(rect, header) : std::string();
    const bool settled = painted && WaitFor(
                                        [&] {
                                            std::string again = CaptureScreen(rect, header);
                                            const bool same = again == pixels;
                                            pixels = std::move(again);
                                            return same;
                                        },
                                        remaining());
    if (!settled) {
        Note(std::string(painted ? "the screen did not settle on the sheet"
                                 : "the program did not finish painting the sheet") +
             " within " + std::to_string(limitMs / 1000) + " s: no picture " + path);
        return false;
    }
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
    bytes.append(reinterpret_cast<const char*>(&header), sizeof(header));
    bytes += pixels;
    return WriteFileBytes(path, bytes);
}

namespace {

// EVENT_OBJECT_LIVEREGIONCHANGED, which the headers give only for Windows 8 and later.
constexpr DWORD kLiveRegionChangedEvent = 0x8019;
DWORD g_liveRegionProcess = 0;
HWND g_liveRegion = nullptr;
volatile LONG g_liveRegionEvents = 0;

void CALLBACK HearLiveRegion(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    if (hwnd == g_liveRegion && object == OBJID_CLIENT && child == CHILDID_SELF)
        InterlockedIncrement(&g_liveRegionEvents);
}

DWORD WINAPI ListenToLiveRegion(void* hooked) {
    HWINEVENTHOOK hook = SetWinEventHook(kLiveRegionChangedEvent, kLiveRegionChangedEvent, nullptr,
                                         HearLiveRegion, g_liveRegionProcess, 0, WINEVENT_OUTOFCONTEXT);
    Check(hook != nullptr, "the driver hooks the live-region events");
    SetEvent(hooked);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    UnhookWinEvent(hook);
    return 0;
}

} // namespace

LiveRegionEvents::LiveRegionEvents(DWORD processId, HWND control) {
    g_liveRegionProcess = processId;
    g_liveRegion = control;
    g_liveRegionEvents = 0;
    HANDLE hooked = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    m_thread = CreateThread(nullptr, 0, ListenToLiveRegion, hooked, 0, &m_threadId);
    WaitForSingleObject(hooked, 5000);
    CloseHandle(hooked);
}

LiveRegionEvents::~LiveRegionEvents() {
    PostThreadMessageA(m_threadId, WM_QUIT, 0, 0);
    WaitForSingleObject(m_thread, 5000);
    CloseHandle(m_thread);
}

long LiveRegionEvents::WaitForCount(long count) const {
    WaitFor([&] { return g_liveRegionEvents >= count; }, 5000);
    return g_liveRegionEvents;
}
