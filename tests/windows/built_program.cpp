#include "built_program.h"

#include <fstream>
#include <iterator>

HMODULE BuiltProgram()
{
    static const HMODULE module =
        LoadLibraryExA(QUORVEL_EXE_PATH, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    return module;
}

ResourceBytes FindEnglishResource(LPCSTR type, WORD id)
{
    const HMODULE module = BuiltProgram();
    const HRSRC found = FindResourceExA(module, type, MAKEINTRESOURCEA(id), kEnglishUnitedStates);
    if (!module || !found) return {nullptr, 0};
    const HGLOBAL loaded = LoadResource(module, found);
    return {static_cast<const std::uint8_t*>(LockResource(loaded)), SizeofResource(module, found)};
}

std::vector<std::uint8_t> BuiltProgramFile()
{
    std::ifstream file(QUORVEL_EXE_PATH, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint8_t ByteReader::Byte()
{
    if (offset_ >= size_) {
        overran_ = true;
        return 0;
    }
    return data_[offset_++];
}

std::uint16_t ByteReader::Word()
{
    const std::uint16_t low = Byte();
    return static_cast<std::uint16_t>(low | (Byte() << 8));
}

std::uint32_t ByteReader::DWord()
{
    const std::uint32_t low = Word();
    return low | (static_cast<std::uint32_t>(Word()) << 16);
}

std::wstring ByteReader::WideString()
{
    std::wstring text;
    for (std::uint16_t c = Word(); c != 0 && !overran_; c = Word()) text += static_cast<wchar_t>(c);
    return text;
}

void ByteReader::Seek(std::size_t offset)
{
    if (offset > size_) overran_ = true;
    offset_ = offset > size_ ? size_ : offset;
}
