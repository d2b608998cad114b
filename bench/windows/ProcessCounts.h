// What this process holds: memory, GDI and USER objects, kernel handles. Each is taken from the
// system's own call where it answers; Wine 8 answers PrivateUsage, GetGuiResources and
// GetProcessHandleCount with 0 (stubs), and there each is counted another way:
// - private bytes: VmData of the program's Linux process (/proc), its private writable memory,
//   Windows side and Wine's own side (where Wine keeps windows and GDI objects) together;
// - GDI objects: every index of the GDI handle table that GetObjectType accepts;
// - USER objects: the process's windows (top-level, message-only and their children), and every
//   index of the USER handle table that is a menu, an icon or a cursor (not hooks, accelerator
//   tables or other kinds);
// - kernel handles: every handle value that GetHandleInformation accepts.
// The heap figure (the busy blocks of every heap, HeapWalk) is taken the same way on both.
#pragma once

#include <cstdint>
#include <string>

namespace tandrel::bench {

/// One figure, and how it was taken.
struct Count {
    std::uint64_t value = 0;
    /// For example "GetGuiResources". A constant text: the counts allocate nothing that the
    /// next count would see on the heap.
    const char* how = "";
};

struct ProcessCounts {
    Count privateBytes; ///< PrivateUsage, or the committed private memory (VirtualQuery)
    Count heapBytes;    ///< bytes in busy blocks of every heap of the process (HeapWalk)
    Count heapBlocks;   ///< busy blocks of every heap
    Count gdiObjects;
    Count userObjects;
    Count kernelHandles;
};

/// The text that follows "--tag" on this program's command line: under Wine it finds the Linux
/// process of this program, whose private memory /proc tells.
void SetProcessTag(const std::string& tag);

/// Takes every figure now. Counting by probing takes up to a second under Wine.
ProcessCounts TakeProcessCounts();

/// The GDI objects of this process by kind ("bitmap 3, font 12, ..."), where they can be
/// counted; for finding what leaks.
std::string DescribeGdiObjects();

/// What the system's own calls answered, for the diagnostics.
std::string DescribeSystemAnswers();

} // namespace tandrel::bench
