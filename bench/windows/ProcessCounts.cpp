#include "ProcessCounts.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <vector>

namespace tandrel::bench {

namespace {

// Handles of the GDI and USER tables are an index in their low word; Wine accepts the index
// alone for an object of this process, so every live object can be found by trying each index.
constexpr ULONG_PTR kTableIndices = 0x10000;

std::string processTag;

bool RunningOnWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

std::string Read(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        text.append(buffer, read);
    CloseHandle(file);
    return text;
}

// ---------------------------------------------------------------------------------------------
// Memory

std::uint64_t PrivateUsage() {
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(),
                              reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof counters))
        return 0;
    return counters.PrivateUsage;
}

// Under Wine this program is a Linux process. Its /proc folder (found by the tag the script
// gave on the command line: /proc/self would be the Wine server, which opens files) tells how
// much private memory it has, Wine's own part included.
const std::wstring& ProcFolder() {
    static const std::wstring folder = []() -> std::wstring {
        if (processTag.empty() || !RunningOnWine())
            return {};
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &found);
        if (search == INVALID_HANDLE_VALUE)
            return {};
        std::wstring match;
        const std::string wanted = std::string("--tag") + '\0' + processTag + '\0';
        do {
            if (found.cFileName[0] < L'0' || found.cFileName[0] > L'9')
                continue;
            std::wstring candidate = std::wstring(L"Z:\\proc\\") + found.cFileName;
            if (Read(candidate + L"\\cmdline").find(wanted) != std::string::npos) {
                match = candidate;
                break;
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return match;
    }();
    return folder;
}

// A "Name:   1234 kB" line of /proc/PID/status, in bytes; 0 when absent.
std::uint64_t StatusKilobytes(const std::string& status, const std::string& name) {
    std::size_t at = status.find("\n" + name + ":");
    if (at == std::string::npos)
        return 0;
    return std::strtoull(status.c_str() + at + name.size() + 2, nullptr, 10) * 1024;
}

// Committed private memory as the Windows side sees it.
std::uint64_t CommittedPrivate() {
    std::uint64_t total = 0;
    MEMORY_BASIC_INFORMATION region;
    const char* at = nullptr;
    while (VirtualQuery(at, &region, sizeof region) == sizeof region) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            total += region.RegionSize;
        const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
        if (next <= at)
            break;
        at = next;
    }
    return total;
}

void WalkHeaps(Count& bytes, Count& blocks) {
    std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 16);
    heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
    bytes = {0, "HeapWalk over every heap"};
    blocks = {0, "HeapWalk over every heap"};
    for (HANDLE heap : heaps) {
        if (!HeapLock(heap))
            continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heap, &entry)) {
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) {
                bytes.value += entry.cbData;
                ++blocks.value;
            }
        }
        HeapUnlock(heap);
    }
}

// ---------------------------------------------------------------------------------------------
// GDI and USER objects

DWORD GuiResources(DWORD which) {
    return GetGuiResources(GetCurrentProcess(), which);
}

template <typename Probe> std::uint64_t CountTableEntries(Probe live) {
    std::uint64_t count = 0;
    for (ULONG_PTR index = 1; index < kTableIndices; ++index) {
        if (live(index))
            ++count;
    }
    return count;
}

std::uint64_t CountGdiObjects() {
    return CountTableEntries(
        [](ULONG_PTR index) { return GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0; });
}

struct WindowCount {
    DWORD process = GetCurrentProcessId();
    std::uint64_t windows = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM counting) {
    ++reinterpret_cast<WindowCount*>(counting)->windows;
    return TRUE;
}

void CountWindowAndChildren(HWND window, WindowCount& counting) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != counting.process)
        return;
    ++counting.windows;
    EnumChildWindows(window, &CountChild, reinterpret_cast<LPARAM>(&counting));
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM counting) {
    CountWindowAndChildren(window, *reinterpret_cast<WindowCount*>(counting));
    return TRUE;
}

// Windows (top-level, message-only and their children), menus, icons and cursors of this
// process.
std::uint64_t CountUserObjects() {
    WindowCount counting;
    EnumWindows(&CountTopLevel, reinterpret_cast<LPARAM>(&counting));
    for (HWND only = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); only;
         only = FindWindowExW(HWND_MESSAGE, only, nullptr, nullptr))
        CountWindowAndChildren(only, counting);
    std::uint64_t menus = CountTableEntries(
        [](ULONG_PTR index) { return IsMenu(reinterpret_cast<HMENU>(index)) != FALSE; });
    // Not in the headers: the frame of an icon or cursor, which fails for anything else.
    using FrameInfo = HCURSOR(WINAPI*)(HCURSOR, DWORD, DWORD, DWORD*, DWORD*);
    auto frameInfo = reinterpret_cast<FrameInfo>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetCursorFrameInfo")));
    std::uint64_t icons = 0;
    if (frameInfo) {
        icons = CountTableEntries([frameInfo](ULONG_PTR index) {
            DWORD rate = 0, steps = 0;
            return frameInfo(reinterpret_cast<HCURSOR>(index), 0, 0, &rate, &steps) != nullptr;
        });
    }
    return counting.windows + menus + icons;
}

// ---------------------------------------------------------------------------------------------
// Kernel handles

DWORD ReportedHandleCount() {
    DWORD count = 0;
    return GetProcessHandleCount(GetCurrentProcess(), &count) ? count : 0;
}

// Handle values are multiples of 4 given out from the bottom; the search goes on well past the
// highest one found.
std::uint64_t CountKernelHandles() {
    std::uint64_t count = 0;
    ULONG_PTR end = 0x10000;
    for (ULONG_PTR value = 4; value < end; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) {
            ++count;
            end = std::max<ULONG_PTR>(end, value + 0x4000);
        }
    }
    return count;
}

} // namespace

void SetProcessTag(const std::string& tag) {
    processTag = tag;
}

ProcessCounts TakeProcessCounts() {
    ProcessCounts counts;
    // Wine's answers of 0 are stubs (a process with dialogs on the screen has GDI objects); the
    // other ways of counting rely on Wine's tables and are used only there.
    const bool wine = RunningOnWine();

    const std::uint64_t usage = PrivateUsage();
    const std::wstring& proc = ProcFolder();
    if (usage || !wine)
        counts.privateBytes = {usage, "PrivateUsage"};
    else if (!proc.empty())
        counts.privateBytes = {StatusKilobytes(Read(proc + L"\\status"), "VmData"),
                               "Wine's PrivateUsage is 0: VmData of its Linux process"};
    else
        counts.privateBytes = {CommittedPrivate(),
                               "Wine's PrivateUsage is 0: committed private memory (VirtualQuery)"};

    WalkHeaps(counts.heapBytes, counts.heapBlocks);

    const DWORD gdi = GuiResources(GR_GDIOBJECTS);
    if (gdi || !wine)
        counts.gdiObjects = {gdi, "GetGuiResources"};
    else
        counts.gdiObjects = {CountGdiObjects(),
                             "Wine's GetGuiResources is 0: counted in the GDI handle table"};
    const DWORD user = GuiResources(GR_USEROBJECTS);
    if (user || !wine)
        counts.userObjects = {user, "GetGuiResources"};
    else
        counts.userObjects = {
            CountUserObjects(),
            "Wine's GetGuiResources is 0: windows, menus, icons, cursors counted"};

    const DWORD handles = ReportedHandleCount();
    if (handles || !wine)
        counts.kernelHandles = {handles, "GetProcessHandleCount"};
    else
        counts.kernelHandles = {
            CountKernelHandles(),
            "Wine's GetProcessHandleCount is 0: counted with GetHandleInformation"};
    return counts;
}

std::string DescribeGdiObjects() {
    static const char* const kKinds[] = {"",
                                         "pen",
                                         "brush",
                                         "DC",
                                         "metafile DC",
                                         "palette",
                                         "font",
                                         "bitmap",
                                         "region",
                                         "metafile",
                                         "memory DC",
                                         "extended pen",
                                         "enhanced metafile DC",
                                         "enhanced metafile",
                                         "colour space"};
    std::uint64_t byKind[std::size(kKinds)] = {};
    for (ULONG_PTR index = 1; index < kTableIndices; ++index) {
        DWORD kind = GetObjectType(reinterpret_cast<HGDIOBJ>(index));
        if (kind > 0 && kind < std::size(kKinds))
            ++byKind[kind];
    }
    std::string text;
    for (std::size_t kind = 1; kind < std::size(kKinds); ++kind) {
        if (byKind[kind])
            text += (text.empty() ? "" : ", ") + std::string(kKinds[kind]) + " " +
                    std::to_string(byKind[kind]);
    }
    return text;
}

std::string DescribeSystemAnswers() {
    std::string text = "system answers: PrivateUsage " + std::to_string(PrivateUsage()) +
                       ", GetGuiResources GDI " + std::to_string(GuiResources(GR_GDIOBJECTS)) +
                       " USER " + std::to_string(GuiResources(GR_USEROBJECTS)) +
                       ", GetProcessHandleCount " + std::to_string(ReportedHandleCount()) +
                       "; committed private (VirtualQuery) " + std::to_string(CommittedPrivate());
    const std::wstring& folder = ProcFolder();
    if (!folder.empty()) {
        std::string status = Read(folder + L"\\status");
        text += "; Linux process " + std::string(folder.begin() + 8, folder.end()) + ": VmData " +
                std::to_string(StatusKilobytes(status, "VmData")) + ", RssAnon " +
                std::to_string(StatusKilobytes(status, "RssAnon"));
    }
    return text;
}

} // namespace tandrel::bench
