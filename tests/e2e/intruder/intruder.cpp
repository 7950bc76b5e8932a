// vittrel-intruder.dll: loaded into vittrel.exe by the driver before the program's first
// instruction runs. It stands between the program and the CBT hook that the program installs for
// its sheet, and as the sheet's window is announced it first makes another top-level window on
// the same thread, of a class of its own, which the program's hook then sees first.
#include <windows.h>

namespace {

using SetHookFunction = HHOOK(WINAPI*)(int, HOOKPROC, HINSTANCE, DWORD);

SetHookFunction g_setHook = nullptr; // user32's own
HOOKPROC g_programHook = nullptr;
HINSTANCE g_module = nullptr;
bool g_intruded = false;

constexpr char kIntruderClass[] = "VittrelIntruder";
constexpr char kIntruderTitle[] = "Vittrel intruder";

void MakeIntruder() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = g_module;
    windowClass.lpszClassName = kIntruderClass;
    RegisterClassA(&windowClass);
    // Not shown: the sheet is still the only window on the screen.
    CreateWindowExA(0, kIntruderClass, kIntruderTitle, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                    g_module, nullptr);
}

bool IsSheetAnnouncement(int code, WPARAM wParam, LPARAM lParam) {
    if (code != HCBT_CREATEWND)
        return false;
    const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
    const auto atom = static_cast<ATOM>(GetClassLongA(reinterpret_cast<HWND>(wParam), GCW_ATOM));
    return !(create->lpcs->style & WS_CHILD) && atom == 32770;
}

LRESULT CALLBACK HookInFront(int code, WPARAM wParam, LPARAM lParam) {
    if (!g_intruded && IsSheetAnnouncement(code, wParam, lParam)) {
        g_intruded = true;
        MakeIntruder(); // announced to the program's hook, through this one, before the sheet
    }
    return g_programHook(code, wParam, lParam);
}

HHOOK WINAPI SetHookInFront(int id, HOOKPROC procedure, HINSTANCE module, DWORD threadId) {
    if (id == WH_CBT && !g_programHook) {
        g_programHook = procedure;
        return g_setHook(id, HookInFront, module, threadId);
    }
    return g_setHook(id, procedure, module, threadId);
}

// Points the program's import of SetWindowsHookExA at SetHookInFront.
bool RedirectHookInstallation() {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    g_setHook = reinterpret_cast<SetHookFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "SetWindowsHookExA")));
    if (!imports.VirtualAddress || !g_setHook)
        return false;
    for (auto* library = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         library->Name; ++library) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + library->Name), "user32.dll") != 0)
            continue;
        for (auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk); slot->u1.Function;
             ++slot) {
            if (slot->u1.Function != reinterpret_cast<DWORD_PTR>(g_setHook))
                continue;
            DWORD protection = 0;
            VirtualProtect(&slot->u1.Function, sizeof(slot->u1.Function), PAGE_READWRITE, &protection);
            slot->u1.Function = reinterpret_cast<DWORD_PTR>(&SetHookInFront);
            VirtualProtect(&slot->u1.Function, sizeof(slot->u1.Function), protection, &protection);
            return true;
        }
    }
    return false;
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = module;
        // Refusing to load tells the driver that the program was not prepared.
        return RedirectHookInstallation() ? TRUE : FALSE;
    }
    return TRUE;
}
