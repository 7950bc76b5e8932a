// End-to-end harness: starts vittrel.exe, waits for its windows and reads them through window
// messages, as a user's assistive technology would. Every check prints one line; a scenario fails
// when any check failed.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "sheet_pages.h"

// Checks
bool Check(bool condition, const std::string& what);
bool CheckEqual(const std::string& expected, const std::string& actual, const std::string& what);
bool CheckEqual(long long expected, long long actual, const std::string& what);
// A list's items as expected, one check for their number and one for each item.
void CheckItems(const std::vector<std::string>& expected, const std::vector<std::string>& actual,
                const std::string& what);
int FailureCount();
void Note(const std::string& text);

// Waits until `condition` holds, polling; false when `timeoutMs` passed first.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 20000);

// Posted input is handled in order: once the program has handled a marker posted to the list after
// it, it has handled the input and every notification the input raised. The marker is the item
// data of the list's first item, which the program never uses.
void Settle(HWND list);

// Windows
std::vector<HWND> ChildWindows(HWND parent); // all descendants
std::vector<HWND> TopLevelWindowsOf(DWORD processId);
std::string ClassOf(HWND hwnd);

// Texts
std::string WindowText(HWND hwnd);
std::string ControlText(HWND dialog, int id);
std::vector<std::string> ListItems(HWND list);
std::string Escape(const std::string& text); // shows CR and LF as \r and \n
// A file beside the driver (and vittrel.exe); a file in the Windows directory.
std::string BesideDriver(const std::string& name);
std::string WindowsPath(const std::string& name);
// Where this build finds a 32-bit library of the system folder, under the Windows directory: a
// 64-bit program looks in syswow64, which is what 64-bit Windows shows 32-bit programs as system32.
std::string SystemLibrary32(const std::string& name);

std::string ReadFileBytes(const std::string& path, bool* exists = nullptr);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
// The names of the files and folders in a folder, sorted, without "." and "..".
std::vector<std::string> FolderEntries(const std::string& folder);

// A part of the screen as it shows now: bottom-up 24-bit rows, described by `header`.
std::string CaptureScreen(const RECT& rect, BITMAPINFOHEADER& header);

// The program under test, started in the current directory.
class Vittrel {
public:
    ~Vittrel();
    // Starts vittrel.exe in the driver's current directory, or in `directory`.
    bool Start(const std::string& directory = "");
    // Starts the program suspended, loads `dll` (a path from the driver's folder) into it, then lets
    // it run.
    bool StartWithDll(const std::string& dll);
    // Waits for the sheet; false when it did not appear.
    bool WaitForSheet();
    bool WaitForExit(DWORD timeoutMs = 20000);
    bool HasExited() const;

    HWND Sheet() const { return m_sheet; }
    DWORD ProcessId() const { return m_process.dwProcessId; }
    DWORD ThreadId() const { return m_process.dwThreadId; }

    // Top-level windows of the process with this title (visible or not).
    std::vector<HWND> TopLevelWindows(const std::string& title = "") const;
    HWND WaitForTopLevel(const std::string& title, DWORD timeoutMs = 20000) const;

    // Sheet
    HWND Button(int id) const { return GetDlgItem(m_sheet, id); }
    void PressButton(int id) const; // posted, as a click: returns before a modal dialog ends
    // Presses "Exit" and waits until the program has ended.
    bool ExitWithButton();
    HWND TabControl() const;
    std::vector<std::string> TabTexts() const;
    int CurrentTab() const;
    HWND CurrentPage() const;
    // Brings page `index` to the front and waits until it shows; nullptr when it did not in time.
    HWND ShowPage(int index) const;
    // Keyboard input through the program's message loop, to its focused window.
    void PressKey(UINT vk) const;
    HWND FocusedWindow() const;
    // Makes the sheet the foreground window, which real keystrokes (Keystroke) go to.
    bool BringToFront() const;
    // Mouse click in the middle of a list item.
    void ClickListItem(HWND list, int index) const;

    // Saves a picture of the sheet as a 24-bit BMP once the program has painted it and the screen
    // shows it; false, with a note and no file, when that takes longer than 20 s.
    bool Screenshot(const std::string& path) const;

private:
    bool Launch(DWORD flags, const std::string& directory = "");
    // Whether a shown window of the sheet has a part that the program has yet to paint.
    bool AwaitsPainting() const;

    PROCESS_INFORMATION m_process{};
    HWND m_sheet = nullptr;
};

// A keystroke through the window system, as the keyboard makes it, to the foreground window.
enum KeyModifiers : unsigned { kNoModifier = 0, kControl = 1, kShift = 2 };
void Keystroke(UINT vk, unsigned modifiers = kNoModifier);

// The live-region events (EVENT_OBJECT_LIVEREGIONCHANGED) that one control of a process raises,
// heard as a screen reader hears them: out of context, on a thread of the driver's own that pumps
// messages. One listener at a time.
class LiveRegionEvents {
public:
    LiveRegionEvents(DWORD processId, HWND control);
    ~LiveRegionEvents();
    // Waits until the control has raised `count` events, or 5 s have passed: how many it raised.
    long WaitForCount(long count) const;

private:
    HANDLE m_thread = nullptr;
    DWORD m_threadId = 0;
};

std::string ExpectedTitle();
// The title of the program's message boxes, and of its About box.
inline constexpr char kMessageBoxTitle[] = "Vittrel Kelvorn32";
inline constexpr char kAboutBoxTitle[] = "About Vittrel Kelvorn32";
RECT ClientRectOf(HWND child, HWND parent);
