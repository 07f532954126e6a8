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

// The image's own layout: PE32 (32-bit addresses, HIGHLOW fixups) or PE32+
// (64-bit addresses, DIR64 fixups).
template <typename NtHeaders, typename Address, int kFixupType>
Rebased RebaseAs(std::vector<std::uint8_t>& image, std::size_t ntOffset, std::uint64_t newBase)
{
    Rebased result{false, 0, 0};
    NtHeaders nt;
    if (!ReadAt(image, ntOffset, nt)) return result;
    const std::size_t sections =
        ntOffset + offsetof(NtHeaders, OptionalHeader) + nt.FileHeader.SizeOfOptionalHeader;
    const std::size_t sectionCount = nt.FileHeader.NumberOfSections;
    const IMAGE_DATA_DIRECTORY table =
        nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_BASERELOC];
    result.oldBase = nt.OptionalHeader.ImageBase;
    const Address delta = static_cast<Address>(newBase - result.oldBase);

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
            if ((entry >> 12) != kFixupType) return result;
            std::size_t at = 0;
            Address address = 0;
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
    const Address base = static_cast<Address>(newBase);
    std::memcpy(image.data() + ntOffset + offsetof(NtHeaders, OptionalHeader.ImageBase), &base,
                sizeof base);
    result.ok = true;
    return result;
}

}  // namespace

Rebased RebaseImage(std::vector<std::uint8_t>& image, std::uint64_t newBase)
{
    IMAGE_DOS_HEADER dos;
    WORD magic = 0;
    if (!ReadAt(image, 0, dos)) return Rebased{false, 0, 0};
    const std::size_t ntOffset = static_cast<std::size_t>(dos.e_lfanew);
    ReadAt(image, ntOffset + offsetof(IMAGE_NT_HEADERS32, OptionalHeader.Magic), magic);
    if (magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC)
        return RebaseAs<IMAGE_NT_HEADERS64, std::uint64_t, IMAGE_REL_BASED_DIR64>(image, ntOffset,
                                                                                  newBase);
    return RebaseAs<IMAGE_NT_HEADERS32, std::uint32_t, IMAGE_REL_BASED_HIGHLOW>(image, ntOffset,
                                                                                newBase);
}

}  // namespace release
