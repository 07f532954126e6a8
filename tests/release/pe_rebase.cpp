#include "tests/release/pe_rebase.h"

#include <windows.h>

#include <cstring>

namespace release {
namespace {

template <typename T>
bool ReadAt(const std::vector<std::uint8_t>& image, std::size_t offset, T& value)
{
    if (offset + sizeof value > image.size()) return false;
    std::memcpy(&value, image.data() + offset, sizeof value);
    return true;
}

// The file offset of a relative virtual address, through the section table.
bool FileOffsetOf(const std::vector<std::uint8_t>& image, std::size_t sections, std::size_t count,
                  std::uint32_t rva, std::size_t& offset)
{
    for (std::size_t i = 0; i < count; ++i) {
        IMAGE_SECTION_HEADER section;
        if (!ReadAt(image, sections + i * sizeof section, section)) return false;
        const std::uint32_t start = section.VirtualAddress;
        if (rva >= start && rva < start + section.SizeOfRawData) {
            offset = section.PointerToRawData + (rva - start);
            return true;
        }
    }
    return false;
}

}  // namespace

Rebased RebaseImage(std::vector<std::uint8_t>& image, std::uint32_t newBase)
{
    Rebased result{false, 0, 0};
    IMAGE_DOS_HEADER dos;
    IMAGE_NT_HEADERS32 nt;
    if (!ReadAt(image, 0, dos) || !ReadAt(image, static_cast<std::size_t>(dos.e_lfanew), nt))
        return result;
    const std::size_t ntOffset = static_cast<std::size_t>(dos.e_lfanew);
    const std::size_t sections = ntOffset + offsetof(IMAGE_NT_HEADERS32, OptionalHeader) +
                                 nt.FileHeader.SizeOfOptionalHeader;
    const std::size_t sectionCount = nt.FileHeader.NumberOfSections;
    const IMAGE_DATA_DIRECTORY table =
        nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_BASERELOC];
    result.oldBase = nt.OptionalHeader.ImageBase;
    const std::uint32_t delta = newBase - result.oldBase;

    std::size_t block = 0;
    if (table.Size == 0 ||
        !FileOffsetOf(image, sections, sectionCount, table.VirtualAddress, block))
        return result;
    const std::size_t end = block + table.Size;
    while (block + sizeof(IMAGE_BASE_RELOCATION) <= end) {
        IMAGE_BASE_RELOCATION header;
        if (!ReadAt(image, block, header) || header.SizeOfBlock < sizeof header) return result;
        const std::size_t entries = (header.SizeOfBlock - sizeof header) / sizeof(WORD);
        for (std::size_t i = 0; i < entries; ++i) {
            WORD entry = 0;
            ReadAt(image, block + sizeof header + i * sizeof entry, entry);
            if ((entry >> 12) == IMAGE_REL_BASED_ABSOLUTE) continue;  // padding
            if ((entry >> 12) != IMAGE_REL_BASED_HIGHLOW) return result;
            std::size_t at = 0;
            std::uint32_t address = 0;
            if (!FileOffsetOf(image, sections, sectionCount,
                              header.VirtualAddress + (entry & 0xFFF), at) ||
                !ReadAt(image, at, address))
                return result;
            address += delta;
            std::memcpy(image.data() + at, &address, sizeof address);
            ++result.fixups;
        }
        block += header.SizeOfBlock;
    }
    std::memcpy(image.data() + ntOffset + offsetof(IMAGE_NT_HEADERS32, OptionalHeader.ImageBase),
                &newBase, sizeof newBase);
    result.ok = true;
    return result;
}

}  // namespace release
