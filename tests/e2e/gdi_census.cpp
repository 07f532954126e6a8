#include "gdi_census.h"

#include <winternl.h>

#include <cstdint>
#include <vector>

namespace e2e {
namespace {

// GetGuiResources is a stub under Wine, and a brush handle means nothing in
// another process, so the count is read from the handle table that gdi32
// keeps in each process's memory and publishes in its PEB. Layout as Wine 8
// lays it out (its ntgdi.h), checked against a program that creates brushes:
// 24-byte entries, a non-zero object pointer for a live handle, the type in
// byte 14. Wine leaves the owner field 0; the table is the process's own.
// The table's address is the PEB's GdiSharedHandleTable pointer; the program
// under test is built for the same platform as this one.
constexpr uintptr_t kPebGdiSharedHandleTable = sizeof(void*) == 8 ? 0xF8 : 0x94;
constexpr size_t kHandleCount = 0x10000;
constexpr unsigned char kTypeBrush = 0x10;

#pragma pack(push, 1)
struct HandleEntry {
    uint64_t object;
    uint32_t owner;
    uint16_t unique;
    uint8_t type;
    uint8_t flags;
    uint64_t userPointer;
};
#pragma pack(pop)
static_assert(sizeof(HandleEntry) == 24, "Wine's GDI_HANDLE_ENTRY is 24 bytes");

bool ReadFrom(HANDLE process, uintptr_t address, void* buffer, size_t size)
{
    SIZE_T got = 0;
    return ReadProcessMemory(process, reinterpret_cast<const void*>(address), buffer, size, &got) &&
           got == size;
}

uintptr_t HandleTableOf(HANDLE process)
{
    PROCESS_BASIC_INFORMATION basic{};
    ULONG size = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, &size) !=
        0)
        return 0;
    uintptr_t table = 0;
    const uintptr_t peb = reinterpret_cast<uintptr_t>(basic.PebBaseAddress);
    if (!ReadFrom(process, peb + kPebGdiSharedHandleTable, &table, sizeof table)) return 0;
    return table;
}

}  // namespace

int CountBrushes(HANDLE process)
{
    const uintptr_t table = HandleTableOf(process);
    if (!table) return -1;
    std::vector<HandleEntry> entries(kHandleCount);
    if (!ReadFrom(process, table, entries.data(), entries.size() * sizeof(HandleEntry))) return -1;
    int brushes = 0;
    for (const HandleEntry& entry : entries)
        if (entry.object != 0 && entry.type == kTypeBrush) ++brushes;
    return brushes;
}

}  // namespace e2e
