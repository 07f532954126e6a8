// The built Quorvel.exe as the tests see it from the outside: its file bytes,
// and its resources through the platform's own loader.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Path of the program under test, given by the build (a Wine Z: path).
#ifndef QUORVEL_EXE_PATH
#error "QUORVEL_EXE_PATH must name the Quorvel.exe under test"
#endif

constexpr WORD kEnglishUnitedStates = 1033;

struct ResourceBytes {
    const std::uint8_t* data;  // nullptr when the resource is missing
    DWORD size;
};

// The program loaded as a data file (its code is never run); loaded once.
HMODULE BuiltProgram();

// The resource of that type and id stored under language 1033.
ResourceBytes FindEnglishResource(LPCSTR type, WORD id);

// The whole file as it lies on disk.
std::vector<std::uint8_t> BuiltProgramFile();

// A little-endian reader over resource bytes; reading past the end fails the
// reader instead of the process.
class ByteReader {
   public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t Byte();
    std::uint16_t Word();
    std::uint32_t DWord();
    std::int16_t Short() { return static_cast<std::int16_t>(Word()); }
    // A NUL-terminated UTF-16 string.
    std::wstring WideString();
    void AlignToDWord() { Seek((offset_ + 3) & ~std::size_t{3}); }
    void Seek(std::size_t offset);
    std::size_t Offset() const { return offset_; }
    bool Overran() const { return overran_; }

   private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t offset_ = 0;
    bool overran_ = false;
};
