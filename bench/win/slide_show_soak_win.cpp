// The slide show left to run for a long time. The program runs in this process on the album the
// command line names, as quillory.exe would; a second thread steps its show as fast as the
// program takes the steps, by sending the stand's timer ticks (its own timer is stopped, so every
// step is one of ours), and has the program's thread measure the process's GDI and USER objects
// and its private memory after a warm-up and after the last step. Wine answers neither
// GetGuiResources nor PrivateUsage, so there the objects are counted handle by handle and the
// memory region by region. QUILLORY_SOAK_STEPS sets the number of steps (default 2000).
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>

#include "app/startup_win.h"
#include "resource.h"

namespace {

constexpr UINT_PTR kSlideTimer = 1;
constexpr int kTicksToRun = 19;   // the quiet ticks before the show runs
constexpr int kTicksPerStep = 2;  // an interval of one tick must be exceeded
constexpr int kWarmUpSteps = 20;
constexpr DWORD kStepLimitMs = 30000;  // a step that never comes means the show stopped

struct Figures {
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    SIZE_T privateBytes = 0;
    const char* counted = "GetGuiResources";
    const char* measured = "PrivateUsage";
};

// Every GDI handle of this process answers GetObjectType by its table index alone.
DWORD gdiHandlesInUse() {
    DWORD count = 0;
    for (ULONG_PTR index = 1; index <= 0xFFFF; ++index) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++count;
    }
    return count;
}

bool isIconOrCursor(HANDLE handle) {
    ICONINFO info{};
    if (!GetIconInfo(static_cast<HICON>(handle), &info)) return false;
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    return true;
}

// USER handles are shared by the session: a window counts when this process made it; menus,
// icons, cursors and accelerator tables answer only to their own process.
DWORD userHandlesInUse() {
    DWORD count = 0;
    const DWORD self = GetCurrentProcessId();
    for (ULONG_PTR value = 0x20; value <= 0xFFFF; value += 2) {
        HANDLE handle = reinterpret_cast<HANDLE>(value);
        DWORD owner = 0;
        if (IsWindow(static_cast<HWND>(handle))) {
            GetWindowThreadProcessId(static_cast<HWND>(handle), &owner);
            if (owner == self) ++count;
        } else if (IsMenu(static_cast<HMENU>(handle)) || CopyAcceleratorTableW(static_cast<HACCEL>(handle), nullptr, 0) > 0 ||
                   isIconOrCursor(handle)) {
            ++count;
        }
    }
    return count;
}

SIZE_T committedPrivateBytes() {
    SIZE_T total = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const BYTE* address = nullptr; VirtualQuery(address, &region, sizeof(region)) == sizeof(region);) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
        const BYTE* next = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize;
        if (next <= address) break;
        address = next;
    }
    return total;
}

Figures measure() {
    Figures figures;
    HANDLE self = GetCurrentProcess();
    figures.gdiObjects = GetGuiResources(self, GR_GDIOBJECTS);
    figures.userObjects = GetGuiResources(self, GR_USEROBJECTS);
    if (figures.gdiObjects == 0) {
        figures.gdiObjects = gdiHandlesInUse();
        figures.userObjects = userHandlesInUse();
        figures.counted = "handles in use";
    }
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof(memory);
    if (GetProcessMemoryInfo(self, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory)))
        figures.privateBytes = memory.PrivateUsage;
    if (figures.privateBytes == 0) {
        figures.privateBytes = committedPrivateBytes();
        figures.measured = "committed private regions";
    }
    return figures;
}

void print(const char* when, int steps, const Figures& figures) {
    std::printf("%-5s (%4d steps): GDI objects %5lu, USER objects %4lu (%s), private memory %7.1f MiB (%s)\n", when, steps,
                figures.gdiObjects, figures.userObjects, figures.counted, static_cast<double>(figures.privateBytes) / 1048576.0,
                figures.measured);
    std::fflush(stdout);
}

// What the program's thread does for the driver, asked by a thread message that its message
// loop passes over; the answer comes through `done`.
enum Request : WPARAM { StopSlideTimer, Measure };

struct Soak {
    DWORD uiThread = 0;
    int steps = 2000;
    HWND stand = nullptr;
    UINT requestMessage = 0;
    HANDLE done = nullptr;        // a request was carried out
    HANDLE transition = nullptr;  // the step's transition reached the program's loop
    Figures figures;
    bool finished = false;
};

Soak soak;

LRESULT CALLBACK watchMessages(int code, WPARAM wParam, LPARAM lParam) {
    MSG& message = *reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        if (message.message == WM_COMMAND && LOWORD(message.wParam) == IDM_SLIDE_TRANSITION) SetEvent(soak.transition);
        if (message.hwnd == nullptr && message.message == soak.requestMessage) {
            if (message.wParam == StopSlideTimer) KillTimer(soak.stand, kSlideTimer);
            if (message.wParam == Measure) soak.figures = measure();
            message.message = WM_NULL;
            SetEvent(soak.done);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool ask(Request request) {
    return PostThreadMessageW(soak.uiThread, soak.requestMessage, request, 0) && WaitForSingleObject(soak.done, INFINITE) == WAIT_OBJECT_0;
}

BOOL CALLBACK findStand(HWND window, LPARAM) {
    if (GetDlgItem(window, IDC_TABS) == nullptr || !IsWindowVisible(window)) return TRUE;
    soak.stand = window;
    return FALSE;
}

bool waitForStand() {
    for (int attempt = 0; attempt < 600 && soak.stand == nullptr; ++attempt) {
        EnumThreadWindows(soak.uiThread, findStand, 0);
        if (soak.stand == nullptr) Sleep(100);
    }
    return soak.stand != nullptr;
}

void tick(int ticks) {
    for (int count = 0; count < ticks; ++count) SendMessageW(soak.stand, WM_TIMER, kSlideTimer, 0);
}

// The step's transition is posted; a message sent after it has come is handled after it is done.
bool step() {
    ResetEvent(soak.transition);
    tick(kTicksPerStep);
    if (WaitForSingleObject(soak.transition, kStepLimitMs) != WAIT_OBJECT_0) return false;
    SendMessageW(soak.stand, WM_NULL, 0, 0);
    return true;
}

int run() {
    if (!waitForStand()) {
        std::printf("the stand did not appear\n");
        PostThreadMessageW(soak.uiThread, WM_QUIT, 1, 0);
        return 1;
    }
    ask(StopSlideTimer);
    tick(kTicksToRun);
    if ((GetWindowLongPtrW(soak.stand, GWL_STYLE) & WS_CAPTION) != 0) {
        std::printf("the slide show did not start (is it on, and has the system been up for three minutes?)\n");
        return 1;
    }
    int done = 0;
    for (; done < kWarmUpSteps && step(); ++done) {}
    ask(Measure);
    print("start", done, soak.figures);
    const DWORD started = GetTickCount();
    for (; done < kWarmUpSteps + soak.steps && step(); ++done) {}
    const DWORD elapsed = GetTickCount() - started;
    ask(Measure);
    print("end", done, soak.figures);
    std::printf("%d steps in %.1f s\n", done - kWarmUpSteps, elapsed / 1000.0);
    soak.finished = done == kWarmUpSteps + soak.steps;
    if (!soak.finished) std::printf("step %d did not come\n", done + 1);
    return 0;
}

DWORD WINAPI drive(void*) {
    run();
    if (soak.stand != nullptr) PostMessageW(soak.stand, WM_CLOSE, 0, 0);
    return 0;
}

}  // namespace

int wmain() {
    soak.uiThread = GetCurrentThreadId();
    if (const char* steps = std::getenv("QUILLORY_SOAK_STEPS")) soak.steps = std::atoi(steps);
    soak.requestMessage = RegisterWindowMessageW(L"QuilloryShowSoakRequest");
    soak.done = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    soak.transition = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, watchMessages, nullptr, soak.uiThread);
    HANDLE driver = CreateThread(nullptr, 0, drive, nullptr, 0, nullptr);
    if (hook == nullptr || driver == nullptr) return 1;
    const int exitCode = quillory::runQuillory(GetModuleHandleW(nullptr));
    WaitForSingleObject(driver, INFINITE);
    UnhookWindowsHookEx(hook);
    return exitCode == 0 && soak.finished ? 0 : 1;
}
